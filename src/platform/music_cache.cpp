// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/music_cache.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <system_error>
#include <thread>

#include "platform/single_openmp_thread.h"
#include "platform/track_renderer.h"
#include "storage/music_cache_key.h"
#include "storage/regular_file.h"

namespace quillane {

namespace {

namespace fs = std::filesystem;

// Far beyond a rendering of any of the game's tracks (about 1 MiB a minute).
constexpr std::uintmax_t kMaxRenderingBytes = 64 * 1024 * 1024;
// Larger than a MIDI file ever is.
constexpr std::size_t kMaxTrackBytes = 16 * 1024 * 1024;
// An Ogg page is at most 65307 bytes: the last page starts within this much of the end.
constexpr std::streamoff kLastPageWindow = 65536;
constexpr unsigned char kEndOfStream = 0x04;

// A whole Ogg file ends with a page marked as the end of its stream.
bool EndsWithLastPage(const fs::path& file, std::uintmax_t size) {
    std::ifstream in(file, std::ios::binary);
    const std::streamoff tail = std::min<std::streamoff>(kLastPageWindow, size);
    std::string bytes(static_cast<std::size_t>(tail), '\0');
    if (!in.seekg(-tail, std::ios::end) || !in.read(bytes.data(), tail))
        return false;
    const std::size_t page = bytes.rfind("OggS");
    return page != std::string::npos && page + 5 < bytes.size() && bytes[page + 4] == 0 &&
           (static_cast<unsigned char>(bytes[page + 5]) & kEndOfStream) != 0;
}

// The renderer yields the processor to everything else the desktop does.
void LowestPriority() {
    sched_param param{};
    if (pthread_setschedparam(pthread_self(), SCHED_IDLE, &param) != 0)
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
}

}  // namespace

MusicCache::MusicCache(fs::path directory, std::vector<fs::path> soundFonts, int sampleRate)
    : queue_(std::make_shared<Queue>()) {
    queue_->directory = std::move(directory);
    queue_->soundFonts = std::move(soundFonts);
    queue_->sampleRate = sampleRate;
}

MusicCache::~MusicCache() {
    {
        std::lock_guard lock(queue_->mutex);
        queue_->stopping = true;
        queue_->waiting.clear();
    }
    queue_->abandon.store(true);
    queue_->wake.notify_all();
}

std::optional<MusicCache::Rendering> MusicCache::Locate(const fs::path& track) const {
    Notice ignored;
    const auto bytes = ReadRegularFile(track, kMaxTrackBytes, true, ignored);
    if (!bytes)
        return std::nullopt;
    std::string midi(bytes->begin(), bytes->end());
    const std::string name = RenderingName(
        track, midi,
        RenderingInputs{queue_->soundFonts, queue_->sampleRate, kTrackRendererVersion});
    return Rendering{queue_->directory / name, std::move(midi)};
}

bool MusicCache::Usable(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (error || !fs::exists(status))
        return false;
    const std::uintmax_t size = fs::is_regular_file(status) ? fs::file_size(file, error) : 0;
    const bool whole =
        !error && size > 0 && size <= kMaxRenderingBytes && EndsWithLastPage(file, size);
    if (!whole)
        Discard(file);
    return whole;
}

void MusicCache::Discard(const fs::path& file) {
    std::error_code ignored;
    fs::remove_all(file, ignored);
}

void MusicCache::Render(Rendering rendering) {
    std::lock_guard lock(queue_->mutex);
    if (queue_->stopping || !queue_->requested.insert(rendering.file).second)
        return;
    queue_->waiting.push_back(std::move(rendering));
    if (!queue_->running) {
        queue_->running = true;
        // Detached: quitting never waits for a rendering, even one starved of the processor.
        std::thread([queue = queue_] { RenderQueued(queue); }).detach();
    }
    queue_->wake.notify_all();
}

void MusicCache::RenderQueued(const std::shared_ptr<Queue>& queue) {
    LowestPriority();
    UseOneOpenMpThread();
    for (;;) {
        Rendering next;
        {
            std::unique_lock lock(queue->mutex);
            queue->wake.wait(lock, [&] { return queue->stopping || !queue->waiting.empty(); });
            if (queue->stopping)
                return;
            next = std::move(queue->waiting.front());
            queue->waiting.pop_front();
        }
        std::error_code error;
        fs::create_directories(queue->directory, error);
        // Each rendering its own temporary name, though another run renders the same track.
        static std::atomic<unsigned> parts{0};
        fs::path part = next.file;
        part += ".part" + std::to_string(getpid()) + "-" + std::to_string(parts.fetch_add(1));
        if (RenderTrack(next.midi, queue->soundFonts, queue->sampleRate, part, queue->abandon))
            Replace(part, next.file);
        else
            Discard(part);
    }
}

void MusicCache::Replace(const fs::path& part, const fs::path& file) {
    std::error_code error;
    fs::rename(part, file, error);
    if (error) {
        Discard(part);
        return;
    }
    // The track's older renderings, and parts left by a run that ended while rendering.
    const std::string name = file.filename().string();
    const std::string prefix = name.substr(0, name.find('-') + 1);
    for (const auto& entry : fs::directory_iterator(file.parent_path(), error)) {
        const std::string other = entry.path().filename().string();
        if (other != name && other.starts_with(prefix))
            Discard(entry.path());
    }
}

}  // namespace quillane
