// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillane {

// MIDI tracks kept rendered as Ogg Vorbis files in a directory, so that a track heard before
// plays from its rendering instead of keeping a synthesizer busy. Tracks are rendered one at a
// time on a thread of the lowest priority; a rendering is written under a temporary name and
// renamed when whole, and replaces the older renderings of its track. Thread-safe.
class MusicCache {
  public:
    // Where a track's rendering belongs, and the track's bytes it is made from.
    struct Rendering {
        std::filesystem::path file;
        std::string midi;
    };

    // Renders with `soundFonts` at `sampleRate` into `directory`, made when first needed.
    MusicCache(std::filesystem::path directory, std::vector<std::filesystem::path> soundFonts,
               int sampleRate);
    // Abandons the rendering under way without waiting for it: its thread stops at its next
    // block of samples, or once it has read the sound font, and removes its temporary file.
    ~MusicCache();
    MusicCache(const MusicCache&) = delete;
    MusicCache& operator=(const MusicCache&) = delete;

    // nullopt when the track cannot be read.
    std::optional<Rendering> Locate(const std::filesystem::path& track) const;

    // Whether `file` holds a whole rendering; one that does not is removed, to be made again.
    static bool Usable(const std::filesystem::path& file);
    static void Discard(const std::filesystem::path& file);

    // Queues the rendering, unless it was asked for before in this run.
    void Render(Rendering rendering);

  private:
    // Shared with the rendering thread, which may outlive the cache by a little.
    struct Queue {
        std::filesystem::path directory;
        std::vector<std::filesystem::path> soundFonts;
        int sampleRate = 0;
        std::mutex mutex;
        std::condition_variable wake;
        std::deque<Rendering> waiting;
        std::set<std::filesystem::path> requested;
        bool stopping = false;
        bool running = false;
        std::atomic<bool> abandon{false};
    };

    static void RenderQueued(const std::shared_ptr<Queue>& queue);
    static void Replace(const std::filesystem::path& part, const std::filesystem::path& file);

    std::shared_ptr<Queue> queue_;
};

}  // namespace quillane
