// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
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
    // Abandons a rendering under way, within a block of samples; its temporary file is removed.
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
    void RenderQueued();
    void Replace(const std::filesystem::path& part, const std::filesystem::path& file) const;

    const std::filesystem::path directory_;
    const std::vector<std::filesystem::path> soundFonts_;
    const int sampleRate_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Rendering> queue_;
    std::set<std::filesystem::path> requested_;
    bool stopping_ = false;
    std::atomic<bool> abandon_{false};
    std::thread renderer_;
};

}  // namespace quillane
