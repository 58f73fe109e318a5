// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/music_cache.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/single_openmp_thread.h"
#include "platform/track_renderer.h"
#include "storage/music_cache_key.h"
#include "storage/regular_file.h"

namespace quillane {

namespace {

namespace fs = std::filesystem;

// Far beyond a rendering of any of the game's tracks, and bigger than a MIDI file ever is.
constexpr std::uintmax_t kMaxRenderingBytes = 256 * 1024 * 1024;
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
    : directory_(std::move(directory)),
      soundFonts_(std::move(soundFonts)),
      sampleRate_(sampleRate) {}

MusicCache::~MusicCache() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    abandon_.store(true);
    wake_.notify_all();
    if (renderer_.joinable())
        renderer_.join();
}

std::optional<MusicCache::Rendering> MusicCache::Locate(const fs::path& track) const {
    Notice ignored;
    const auto bytes = ReadRegularFile(track, kMaxTrackBytes, true, ignored);
    if (!bytes)
        return std::nullopt;
    std::string midi(bytes->begin(), bytes->end());
    const std::string name = RenderingName(
        track, midi, RenderingInputs{soundFonts_, sampleRate_, kTrackRendererVersion});
    return Rendering{directory_ / name, std::move(midi)};
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
    std::lock_guard lock(mutex_);
    if (stopping_ || !requested_.insert(rendering.file).second)
        return;
    queue_.push_back(std::move(rendering));
    if (!renderer_.joinable())
        renderer_ = std::thread([this] { RenderQueued(); });
    wake_.notify_all();
}

void MusicCache::RenderQueued() {
    LowestPriority();
    UseOneOpenMpThread();
    for (;;) {
        Rendering next;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_)
                return;
            next = std::move(queue_.front());
            queue_.pop_front();
        }
        std::error_code error;
        fs::create_directories(directory_, error);
        fs::path part = next.file;
        part += ".part";
        if (RenderTrack(next.midi, soundFonts_, sampleRate_, part, abandon_))
            Replace(part, next.file);
        else
            Discard(part);
    }
}

void MusicCache::Replace(const fs::path& part, const fs::path& file) const {
    std::error_code error;
    fs::rename(part, file, error);
    if (error) {
        Discard(part);
        return;
    }
    // The track's older renderings, and parts left by a run that ended while rendering.
    const std::string name = file.filename().string();
    const std::string prefix = name.substr(0, name.find('-') + 1);
    for (const auto& entry : fs::directory_iterator(directory_, error)) {
        const std::string other = entry.path().filename().string();
        if (other != name && other.starts_with(prefix))
            Discard(entry.path());
    }
}

}  // namespace quillane
