// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <future>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "platform/music_cache.h"
#include "platform/notice_text.h"
#include "platform/single_openmp_thread.h"
#include "storage/regular_file.h"

namespace quillane {

namespace {

namespace fs = std::filesystem;

// No sound effect of the game comes near this; a larger file is not one of them.
constexpr std::size_t kMaxSoundFileBytes = 64 * 1024 * 1024;
using namespace std::chrono_literals;

constexpr int kEffectsChannel = 0;
constexpr int kBufferFrames = 1024;  // about 23 ms at 44.1 kHz: reel stops stay in step
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
struct MusicDeleter {
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
using MusicPtr = std::unique_ptr<Mix_Music, MusicDeleter>;

std::string CannotOpen(const fs::path& file, const std::string& reason) {
    //: A sound or music file could not be opened; %1 is the file, %2 why (a sentence)
    return QCoreApplication::translate("SdlAudio", "Cannot open file \"%1\". %2")
        .arg(QString::fromStdString(file.string()), QString::fromStdString(reason))
        .toStdString();
}

std::string CannotPlay(const fs::path& file, const std::string& reason) {
    //: A sound or music file could not be played; %1 is the file, %2 why (a sentence)
    return QCoreApplication::translate("SdlAudio", "Cannot play file \"%1\". %2")
        .arg(QString::fromStdString(file.string()), QString::fromStdString(reason))
        .toStdString();
}

// Reads at most `limit` bytes from the start of the file, refusing what is not a regular file
// (a FIFO would block the game) and, with `whole`, a file larger than the limit. On failure
// returns false with a message naming the file in `error`.
bool ReadFile(const fs::path& file, std::size_t limit, bool whole,
              std::vector<unsigned char>& bytes, std::string& error) {
    Notice reason;
    auto read = ReadRegularFile(file, limit, whole, reason);
    if (!read) {
        error = CannotOpen(file, NoticeText(reason).toStdString());
        return false;
    }
    bytes = std::move(*read);
    return true;
}

// The whole file, decoded into the device's format. Null with `error` set when it cannot be.
ChunkPtr LoadChunk(const fs::path& file, std::string& error) {
    std::vector<unsigned char> bytes;
    if (!ReadFile(file, kMaxSoundFileBytes, true, bytes, error)) {
        return nullptr;
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    ChunkPtr chunk(source != nullptr ? Mix_LoadWAV_RW(source, 1) : nullptr);
    if (!chunk) {
        error = CannotPlay(file, Mix_GetError());
    }
    return chunk;
}

std::chrono::milliseconds ChunkLength(const Mix_Chunk& chunk) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || frequency <= 0) {
        return 0ms;
    }
    const auto frameBytes = static_cast<std::int64_t>(SDL_AUDIO_BITSIZE(format) / 8 * channels);
    const std::int64_t frames = frameBytes > 0 ? chunk.alen / frameBytes : 0;
    return std::chrono::milliseconds(frames * 1000 / frequency);
}

// The one effects channel. Every new effect halts the one playing before it starts.
class SdlSound final : public SoundPort {
  public:
    ~SdlSound() override { Mix_HaltChannel(-1); }

    void Preload(Sound sound, const fs::path& file) override {
        std::string error;
        ChunkPtr chunk = LoadChunk(file, error);
        if (!chunk) {
            throw std::runtime_error(error);
        }
        preloaded_.at(Index(sound)) = std::move(chunk);
    }

    void PlayPreloaded(Sound sound) override {
        if (Mix_Chunk* chunk = preloaded_.at(Index(sound)).get()) {
            Start(*chunk);
        }
    }

    void SetVolume(int percent) override {
        Mix_Volume(kEffectsChannel, MIX_MAX_VOLUME * std::clamp(percent, 0, 100) / 100);
    }

    std::chrono::milliseconds PlayFile(const fs::path& file) override {
        std::string error;
        ChunkPtr chunk = LoadChunk(file, error);
        if (!chunk) {
            return 0ms;
        }
        Start(*chunk);
        // The previous file's chunk is no longer playing once Start has halted the channel.
        fromFile_ = std::move(chunk);
        return ChunkLength(*fromFile_);
    }

  private:
    static constexpr std::size_t kSounds = static_cast<std::size_t>(Sound::Bonus) + 1;

    static std::size_t Index(Sound sound) { return static_cast<std::size_t>(sound); }

    static void Start(Mix_Chunk& chunk) {
        Mix_HaltChannel(kEffectsChannel);
        Mix_PlayChannel(kEffectsChannel, &chunk, 0);
    }

    std::array<ChunkPtr, kSounds> preloaded_;
    ChunkPtr fromFile_;
};

// Standard MIDI Files only: FluidSynth "plays" any other file as silence without complaint.
std::optional<std::string> CheckMidiFile(const fs::path& file) {
    if (file.empty()) {
        return QCoreApplication::translate("SdlAudio", "Cannot play music: no file name was given.")
            .toStdString();
    }
    std::vector<unsigned char> header;
    std::string error;
    if (!ReadFile(file, 4, false, header, error)) {
        return error;
    }
    if (header.size() < 4 || std::memcmp(header.data(), "MThd", 4) != 0) {
        //: Why a music file cannot be played
        return CannotPlay(file,
                          QCoreApplication::translate("SdlAudio", "It is not a Standard MIDI File.")
                              .toStdString());
    }
    return std::nullopt;
}

class SdlMusic;

// SDL_mixer's end-of-track hook takes no user data, so it reaches the player through this.
std::atomic<SdlMusic*> hookedMusic{nullptr};

// One track at a time. Each Close, including the one inside Play, starts a new generation; an
// end reported for an older generation came from a track the game itself stopped.
class SdlMusic final : public MusicPort {
  public:
    explicit SdlMusic(std::unique_ptr<MusicCache> cache) : cache_(std::move(cache)) {
        hookedMusic.store(this);
        Mix_HookMusicFinished(&OnFinished);
    }

    ~SdlMusic() override {
        // A load still under way ends first; its track is freed with the call it posted.
        for (std::future<void>& load : loads_)
            load.wait();
        // Mix_HookMusicFinished takes the audio lock, so no hook is still running once it returns.
        Mix_HookMusicFinished(nullptr);
        hookedMusic.store(nullptr);
        Close();
    }

    void SetEndHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
    void SetErrorHandler(std::function<void(const std::string&)> handler) override {
        errorHandler_ = std::move(handler);
    }

    void SetVolume(int percent) override {
        Mix_VolumeMusic(MIX_MAX_VOLUME * std::clamp(percent, 0, 100) / 100);
    }

    std::optional<std::string> Play(const fs::path& file) override {
        Close();
        if (auto error = CheckMidiFile(file)) {
            return error;
        }
        std::erase_if(loads_, [](const std::future<void>& load) {
            return load.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        });
        // FluidSynth reads its sound font for every track: that is done off the UI thread.
        const std::uint64_t generation = generation_.load();
        loads_.push_back(std::async(std::launch::async, [this, file, generation] {
            auto music = std::make_shared<MusicPtr>(Load(file));
            const std::string error = *music ? std::string() : CannotPlay(file, Mix_GetError());
            // SDL keeps its error text per thread; this thread is not SDL's, so it frees it.
            SDL_TLSCleanup();
            QMetaObject::invokeMethod(
                &receiver_,
                [this, file, generation, music, error] {
                    Loaded(file, generation, std::move(*music), error);
                },
                Qt::QueuedConnection);
        }));
        return std::nullopt;
    }

    void Close() override {
        // Halting calls the hook as a natural end would; the new generation makes it stale,
        // and a track still loading for the old one is never played.
        Mix_HaltMusic();
        track_.reset();
        generation_.fetch_add(1);
    }

  private:
    // The track's rendering when there is a whole one; else the track itself, which is then
    // rendered for the next time.
    MusicPtr Load(const fs::path& file) {
        UseOneOpenMpThread();
        std::optional<MusicCache::Rendering> rendering;
        if (cache_)
            rendering = cache_->Locate(file);
        if (rendering && MusicCache::Usable(rendering->file)) {
            if (MusicPtr music{Mix_LoadMUS(rendering->file.c_str())})
                return music;
            MusicCache::Discard(rendering->file);
        }
        MusicPtr music{Mix_LoadMUS(file.c_str())};
        if (music && rendering)
            cache_->Render(std::move(*rendering));
        return music;
    }

    // Runs on SDL's audio thread (or inside Mix_HaltMusic) with the audio lock held.
    static void SDLCALL OnFinished() {
        SdlMusic* self = hookedMusic.load();
        if (self == nullptr) {
            return;
        }
        const std::uint64_t generation = self->generation_.load();
        QMetaObject::invokeMethod(
            &self->receiver_, [self, generation] { self->Finished(generation); },
            Qt::QueuedConnection);
    }

    void Loaded(const fs::path& file, std::uint64_t generation, MusicPtr music,
                const std::string& error) {
        if (generation != generation_.load()) {
            return;
        }
        std::string refusal = error;
        if (refusal.empty() && Mix_PlayMusic(music.get(), 1) != 0) {
            refusal = CannotPlay(file, Mix_GetError());
        }
        if (refusal.empty()) {
            track_ = std::move(music);
        } else if (errorHandler_) {
            errorHandler_(refusal);
        }
    }

    void Finished(std::uint64_t generation) {
        if (generation != generation_.load() || !handler_) {
            return;
        }
        // The handler may replace itself through SetEndHandler.
        const std::function<void()> handler = handler_;
        handler();
    }

    QObject receiver_;  // lives on the UI thread; its queued calls die with it
    std::function<void()> handler_;
    std::function<void(const std::string&)> errorHandler_;
    std::unique_ptr<MusicCache> cache_;  // declared before the loads, which use it
    std::vector<std::future<void>> loads_;
    std::atomic<std::uint64_t> generation_{0};
    MusicPtr track_;
};

void ChooseSoundFont() {
    const char* fromEnvironment = SDL_getenv("SDL_SOUNDFONTS");
    std::error_code ignored;
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        Mix_SetSoundFonts(fromEnvironment);
    } else if (fs::exists(kSoundFont, ignored)) {
        Mix_SetSoundFonts(kSoundFont);
    }
}

// The sound fonts SDL_mixer's FluidSynth loads, in its order.
std::vector<fs::path> SoundFonts() {
    std::vector<fs::path> fonts;
    const char* paths = Mix_GetSoundFonts();
    std::string_view rest = paths != nullptr ? paths : "";
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of(":;"), rest.size());
        if (end > 0)
            fonts.emplace_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return fonts;
}

// No cache without a directory for it, or without a sound font to render with.
std::unique_ptr<MusicCache> MakeCache(const fs::path& directory) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    std::vector<fs::path> fonts = SoundFonts();
    if (directory.empty() || fonts.empty() || Mix_QuerySpec(&frequency, &format, &channels) == 0 ||
        frequency <= 0)
        return nullptr;
    return std::make_unique<MusicCache>(directory, std::move(fonts), frequency);
}

std::atomic<bool> deviceOpen{false};

}  // namespace

// SDL's audio subsystem and the mixer's device, open for the object's lifetime.
class SdlAudio::Device {
  public:
    Device() {
        if (deviceOpen.exchange(true)) {
            throw std::logic_error("Only one SdlAudio may exist at a time");
        }
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        fellBack_ = !Open(nullptr);
        if (fellBack_ && !Open("dummy")) {
            const std::string reason = SDL_GetError();
            deviceOpen.store(false);
            //: %1 is the sound system's reason, in English
            throw std::runtime_error(
                QCoreApplication::translate("SdlAudio", "Cannot open the audio device. %1")
                    .arg(QString::fromStdString(reason))
                    .toStdString());
        }
        Mix_Init(MIX_INIT_MID);
        Mix_AllocateChannels(1);
        ChooseSoundFont();
    }

    ~Device() {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        if (SDL_WasInit(0) == 0) {
            SDL_Quit();
        }
        deviceOpen.store(false);
    }

    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    bool fellBack() const { return fellBack_; }

  private:
    // Opens the named driver, or SDL's choice (SDL_AUDIODRIVER, else the first that works).
    static bool Open(const char* driver) {
        if (driver != nullptr) {
            SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
        }
        bool open = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (open && Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS,
                                  kBufferFrames) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            open = false;
        }
        if (driver != nullptr) {
            SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        }
        return open;
    }

    bool fellBack_ = false;
};

SdlAudio::SdlAudio(const fs::path& musicCache)
    : device_(std::make_unique<Device>()),
      driver_(SDL_GetCurrentAudioDriver() != nullptr ? SDL_GetCurrentAudioDriver() : ""),
      sound_(std::make_unique<SdlSound>()),
      music_(std::make_unique<SdlMusic>(MakeCache(musicCache))) {}

SdlAudio::~SdlAudio() = default;

bool SdlAudio::silent() const {
    return device_->fellBack();
}

}  // namespace quillane
