// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace quillane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Ticks of the test songs at their 96 ticks a beat and the default 120 beats a minute.
constexpr std::uint32_t kShortNote = 48;        // a quarter of a second
constexpr std::uint32_t kLongNote = 192 * 600;  // ten minutes

// Keeps an environment variable's value for one test and puts it back afterwards.
class SavedEnv {
  public:
    explicit SavedEnv(const char* name) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
    }
    ~SavedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    SavedEnv(const SavedEnv&) = delete;
    SavedEnv& operator=(const SavedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string Bytes(std::initializer_list<unsigned> values) {
    std::string bytes;
    for (unsigned value : values) {
        bytes += static_cast<char>(value);
    }
    return bytes;
}

void AppendLittleEndian(std::string& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void AppendBigEndian(std::string& out, std::uint32_t value, int size) {
    for (int i = size - 1; i >= 0; --i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// A mono 16-bit WAV of a 440 Hz tone.
std::string ToneWav(int milliseconds) {
    constexpr std::uint32_t kRate = 22050;
    const std::uint32_t frames = kRate * milliseconds / 1000;
    std::string samples;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double phase = 2 * std::numbers::pi * 440 * i / kRate;
        AppendLittleEndian(samples, static_cast<std::uint16_t>(std::lround(8000 * std::sin(phase))),
                           2);
    }
    std::string wav = "RIFF";
    AppendLittleEndian(wav, 36 + samples.size(), 4);
    wav += "WAVEfmt ";
    AppendLittleEndian(wav, 16, 4);         // format chunk size
    AppendLittleEndian(wav, 1, 2);          // PCM
    AppendLittleEndian(wav, 1, 2);          // mono
    AppendLittleEndian(wav, kRate, 4);      // frames a second
    AppendLittleEndian(wav, kRate * 2, 4);  // bytes a second
    AppendLittleEndian(wav, 2, 2);          // bytes a frame
    AppendLittleEndian(wav, 16, 2);         // bits a sample
    wav += "data";
    AppendLittleEndian(wav, samples.size(), 4);
    return wav + samples;
}

std::string VariableLength(std::uint32_t value) {
    std::string out(1, static_cast<char>(value & 0x7F));
    while ((value >>= 7) != 0) {
        out.insert(out.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    }
    return out;
}

// A Standard MIDI File of one piano note, middle C, held for `ticks`.
std::string OneNoteMidi(std::uint32_t ticks) {
    const std::string track = Bytes({0x00, 0xC0, 0x00}) + Bytes({0x00, 0x90, 0x3C, 0x64}) +
                              VariableLength(ticks) + Bytes({0x80, 0x3C, 0x40}) +
                              Bytes({0x00, 0xFF, 0x2F, 0x00});
    std::string smf = "MThd" + Bytes({0, 0, 0, 6, 0, 0, 0, 1, 0, 96}) + "MTrk";
    AppendBigEndian(smf, track.size(), 4);
    return smf + track;
}

struct DeviceFormat {
    int frequency = 0;
    int channels = 0;
};

DeviceFormat OpenDeviceFormat() {
    DeviceFormat device;
    Uint16 format = 0;
    EXPECT_NE(Mix_QuerySpec(&device.frequency, &format, &device.channels), 0);
    EXPECT_EQ(format, AUDIO_S16SYS);
    return device;
}

// Frames of the disk driver's output in which any channel is not silent.
std::size_t SoundingFrames(const fs::path& output, int channels) {
    std::ifstream in(output, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    const std::size_t frameBytes = sizeof(std::int16_t) * channels;
    std::size_t sounding = 0;
    for (std::size_t frame = 0; frame + frameBytes <= bytes.size(); frame += frameBytes) {
        for (std::size_t at = frame; at < frame + frameBytes; at += sizeof(std::int16_t)) {
            std::int16_t sample = 0;
            std::memcpy(&sample, &bytes[at], sizeof sample);
            if (sample != 0) {
                ++sounding;
                break;
            }
        }
    }
    return sounding;
}

std::size_t FramesIn(const DeviceFormat& device, int milliseconds) {
    return static_cast<std::size_t>(device.frequency) * milliseconds / 1000;
}

// Waits, without running Qt events, until `done` holds; false if `limit` passes first.
bool WaitWithoutEvents(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

bool WaitForEffectsToEnd() {
    return WaitWithoutEvents([] { return Mix_Playing(-1) == 0; }, 5s);
}

// Runs the Qt event loop until `done` holds or `limit` has passed; returns whether it holds.
bool RunEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(5ms);
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    if (!done()) {
        loop.exec();
    }
    return done();
}

void RunEventsFor(std::chrono::milliseconds time) {
    RunEventsUntil([] { return false; }, time);
}

// Plays the track to its end; returns what SDL_mixer played it as: the MIDI file or a rendering.
Mix_MusicType PlayedAs(SdlAudio& audio, const fs::path& song) {
    bool ended = false;
    audio.music().SetEndHandler([&] { ended = true; });
    EXPECT_EQ(audio.music().Play(song), std::nullopt);
    EXPECT_TRUE(RunEventsUntil([] { return Mix_PlayingMusic() == 1; }, 5s));
    const Mix_MusicType type = Mix_GetMusicType(nullptr);
    EXPECT_TRUE(RunEventsUntil([&] { return ended; }, 20s));
    return type;
}

// The music cache's one file once it is a whole rendering, or an empty path.
fs::path WaitForRendering(const fs::path& cache) {
    fs::path rendering;
    RunEventsUntil(
        [&] {
            std::error_code error;
            std::vector<fs::path> files;
            for (const auto& entry : fs::directory_iterator(cache, error))
                files.push_back(entry.path());
            rendering = files.size() == 1 && files[0].extension() == ".ogg" ? files[0] : fs::path();
            return !rendering.empty();
        },
        60s);
    return rendering;
}

class SdlAudioTest : public testing::Test {
  protected:
    SdlAudioTest() {
        std::string pattern = (fs::temp_directory_path() / "sdl_audio_test.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("Cannot make a temporary directory");
        }
        dir_ = pattern;
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ::unsetenv("SDL_DISKAUDIOFILE");
        ::unsetenv("SDL_DISKAUDIODELAY");
    }
    ~SdlAudioTest() override { fs::remove_all(dir_); }

    fs::path Tone(const std::string& name, int milliseconds) const {
        WriteBytes(dir_ / name, ToneWav(milliseconds));
        return dir_ / name;
    }
    fs::path Song(const std::string& name, std::uint32_t noteTicks) const {
        WriteBytes(dir_ / name, OneNoteMidi(noteTicks));
        return dir_ / name;
    }

    // SDL's disk driver writes the mixed samples to a file: at the device's pace, or with
    // `fast` as quickly as it can mix them.
    fs::path UseDiskDevice(bool fast) const {
        const fs::path output = dir_ / "device.raw";
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        if (fast) {
            ::setenv("SDL_DISKAUDIODELAY", "0", 1);
        }
        return output;
    }

    // Music runs through seconds of audio in a fraction of that, heard by nobody.
    static void UseFastSilentDevice() {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
        ::setenv("SDL_DISKAUDIODELAY", "0", 1);
    }

    SavedEnv driver_{"SDL_AUDIODRIVER"};
    SavedEnv diskFile_{"SDL_DISKAUDIOFILE"};
    SavedEnv diskDelay_{"SDL_DISKAUDIODELAY"};
    fs::path dir_;
};

TEST_F(SdlAudioTest, PreloadedEffectIsMixedFromMemory) {
    const fs::path tone = Tone("reel.wav", 100);
    const fs::path output = UseDiskDevice(true);
    DeviceFormat device;
    {
        SdlAudio audio;
        EXPECT_EQ(audio.driver(), "disk");
        device = OpenDeviceFormat();
        audio.sound().Preload(Sound::ReelStop, tone);
        fs::remove(tone);
        audio.sound().PlayPreloaded(Sound::ReelStop);
        ASSERT_TRUE(WaitForEffectsToEnd());
    }
    const std::size_t sounding = SoundingFrames(output, device.channels);
    EXPECT_GE(sounding, FramesIn(device, 90));
    EXPECT_LE(sounding, FramesIn(device, 110));
}

TEST_F(SdlAudioTest, NewEffectCutsOffTheOnePlaying) {
    const fs::path longTone = Tone("long.wav", 1000);
    const fs::path shortTone = Tone("short.wav", 50);
    const fs::path output = UseDiskDevice(false);
    DeviceFormat device;
    {
        SdlAudio audio;
        device = OpenDeviceFormat();
        audio.sound().Preload(Sound::ReelStop, longTone);
        audio.sound().Preload(Sound::Count, shortTone);
        audio.sound().PlayPreloaded(Sound::ReelStop);
        audio.sound().PlayPreloaded(Sound::Count);
        ASSERT_TRUE(WaitForEffectsToEnd());
        audio.sound().PlayPreloaded(Sound::ReelStop);
        audio.sound().PlayFile(shortTone);
        ASSERT_TRUE(WaitForEffectsToEnd());
    }
    // Two short tones and at most a few buffers of the long one.
    const std::size_t sounding = SoundingFrames(output, device.channels);
    EXPECT_GE(sounding, FramesIn(device, 90));
    EXPECT_LT(sounding, FramesIn(device, 300));
}

// The game waits out the win sound before it counts the win up: it needs the sound's length.
TEST_F(SdlAudioTest, AFileSaysHowLongItPlays) {
    const fs::path tone = Tone("win.wav", 200);
    UseDiskDevice(false);
    SdlAudio audio;
    const std::chrono::milliseconds length = audio.sound().PlayFile(tone);
    EXPECT_GE(length.count(), 199);
    EXPECT_LE(length.count(), 201);
    EXPECT_EQ(audio.sound().PlayFile(dir_ / "missing.wav").count(), 0);
}

TEST_F(SdlAudioTest, PreloadOfAnUnplayableFileThrowsNamingIt) {
    SdlAudio audio;
    const auto expectFailure = [&](const fs::path& file, const std::string& reason) {
        try {
            audio.sound().Preload(Sound::Count, file);
            ADD_FAILURE() << "no error for " << file;
        } catch (const std::runtime_error& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find("\"" + file.string() + "\""), std::string::npos) << message;
            EXPECT_NE(message.find(reason), std::string::npos) << message;
        }
    };
    expectFailure(dir_ / "missing.wav", "No such file or directory");
    expectFailure(dir_, "It is a directory");
    // A FIFO would block the game for ever if it were opened and read like a file.
    const fs::path fifo = dir_ / "fifo.wav";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    expectFailure(fifo, "It is not a regular file");
    EXPECT_EQ(audio.sound().PlayFile(fifo).count(), 0);
    const std::optional<std::string> music = audio.music().Play(fifo);
    ASSERT_TRUE(music.has_value());
    EXPECT_NE(music->find("It is not a regular file"), std::string::npos) << *music;

    const fs::path garbage = dir_ / "garbage.wav";
    WriteBytes(garbage, "This is a text file, not a sound.\n");
    expectFailure(garbage, "");
    const fs::path empty = dir_ / "empty.wav";
    WriteBytes(empty, "");
    expectFailure(empty, "");
    const fs::path truncated = dir_ / "truncated.wav";
    WriteBytes(truncated, ToneWav(50).substr(0, 30));
    expectFailure(truncated, "");
}

TEST_F(SdlAudioTest, UnplayableOrMissingSoundsPlayNothing) {
    const fs::path garbage = dir_ / "garbage.wav";
    WriteBytes(garbage, "RIFF" + Bytes({0x10, 0, 0, 0}) + "WAVEnonsense");
    SdlAudio audio;
    audio.sound().PlayPreloaded(Sound::Win);
    audio.sound().PlayFile(dir_ / "missing.wav");
    audio.sound().PlayFile(garbage);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SdlAudioTest, WithoutAUsableDeviceItPlaysSilently) {
    const fs::path tone = Tone("win.wav", 50);
    const fs::path song = Song("song.mid", kShortNote);
    const auto expectSilentPlay = [&] {
        SdlAudio audio;
        EXPECT_EQ(audio.driver(), "dummy");
        audio.sound().Preload(Sound::ReelStop, tone);
        audio.sound().PlayFile(tone);
        EXPECT_EQ(audio.music().Play(song), std::nullopt);
        EXPECT_TRUE(RunEventsUntil([] { return Mix_PlayingMusic() == 1; }, 5s));
    };
    // No such driver: SDL's audio does not start.
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    expectSilentPlay();
    // The driver starts, but its device cannot be opened.
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", (dir_ / "no-such-directory" / "device.raw").c_str(), 1);
    expectSilentPlay();

    // The fall-back is not remembered: a working driver is used again.
    UseDiskDevice(true);
    SdlAudio audio;
    EXPECT_EQ(audio.driver(), "disk");
}

TEST_F(SdlAudioTest, OnlyOneAtATime) {
    SdlAudio audio;
    EXPECT_THROW(SdlAudio(), std::logic_error);
    EXPECT_EQ(audio.music().Play(Song("song.mid", kShortNote)), std::nullopt);
}

TEST_F(SdlAudioTest, MusicRefusesWhatIsNotAMidiFile) {
    const fs::path garbage = dir_ / "garbage.mid";
    WriteBytes(garbage, "MTrk and then nothing that makes a song");
    const fs::path wav = Tone("song.wav", 50);
    SdlAudio audio;

    const std::optional<std::string> noName = audio.music().Play("");
    ASSERT_TRUE(noName.has_value());
    EXPECT_FALSE(noName->empty());
    EXPECT_EQ(Mix_PlayingMusic(), 0);

    for (const fs::path& file : {dir_ / "missing.mid", garbage, wav}) {
        const std::optional<std::string> error = audio.music().Play(file);
        ASSERT_TRUE(error.has_value()) << file;
        EXPECT_NE(error->find("\"" + file.string() + "\""), std::string::npos) << *error;
        EXPECT_EQ(Mix_PlayingMusic(), 0) << file;
    }
}

TEST_F(SdlAudioTest, MusicReportsTheEndOfEachTrackOnceOnTheUiThread) {
    const fs::path song = Song("song.mid", kShortNote);
    UseFastSilentDevice();
    SdlAudio audio;
    int ends = 0;
    bool onUiThread = true;
    audio.music().SetEndHandler([&] {
        ++ends;
        onUiThread =
            onUiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        // As the playlist does: the next track starts once the last has ended.
        if (ends == 1) {
            EXPECT_EQ(audio.music().Play(song), std::nullopt);
        }
    });
    ASSERT_EQ(audio.music().Play(song), std::nullopt);
    ASSERT_TRUE(RunEventsUntil([&] { return ends == 2; }, 20s));
    RunEventsFor(200ms);
    EXPECT_EQ(ends, 2);
    EXPECT_TRUE(onUiThread);
}

TEST_F(SdlAudioTest, MusicClosedBeforeItsEndIsNotReported) {
    const fs::path longSong = Song("long.mid", kLongNote);
    const fs::path shortSong = Song("short.mid", kShortNote);
    UseFastSilentDevice();
    SdlAudio audio;
    int ends = 0;
    audio.music().SetEndHandler([&] { ++ends; });

    ASSERT_EQ(audio.music().Play(longSong), std::nullopt);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "loaded away from this thread, played from its events";
    ASSERT_TRUE(RunEventsUntil([] { return Mix_PlayingMusic() == 1; }, 5s));
    audio.music().Close();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    RunEventsFor(300ms);
    EXPECT_EQ(ends, 0);

    // A track closed while it loads never plays.
    ASSERT_EQ(audio.music().Play(longSong), std::nullopt);
    audio.music().Close();
    RunEventsFor(300ms);
    EXPECT_EQ(Mix_PlayingMusic(), 0);

    // A track that does end is still reported.
    ASSERT_EQ(audio.music().Play(shortSong), std::nullopt);
    EXPECT_TRUE(RunEventsUntil([&] { return ends == 1; }, 20s));
}

TEST_F(SdlAudioTest, MusicReplacedWhilePlayingIsNotReported) {
    const fs::path first = Song("first.mid", kLongNote);
    const fs::path second = Song("second.mid", kLongNote);
    UseFastSilentDevice();
    SdlAudio audio;
    int ends = 0;
    audio.music().SetEndHandler([&] { ++ends; });

    ASSERT_EQ(audio.music().Play(first), std::nullopt);
    RunEventsFor(100ms);
    ASSERT_EQ(audio.music().Play(second), std::nullopt);
    RunEventsFor(300ms);
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(SdlAudioTest, ATrackIsRenderedOnceAndThenPlayedFromItsRendering) {
    const fs::path song = Song("song.mid", kShortNote);
    const fs::path cache = dir_ / "cache";
    SdlAudio audio(cache);
    EXPECT_EQ(PlayedAs(audio, song), MUS_MID);
    const fs::path rendering = WaitForRendering(cache);
    ASSERT_FALSE(rendering.empty());
    const auto rendered = fs::last_write_time(rendering);
    EXPECT_EQ(PlayedAs(audio, song), MUS_OGG);
    EXPECT_EQ(WaitForRendering(cache), rendering);
    EXPECT_EQ(fs::last_write_time(rendering), rendered);
}

TEST_F(SdlAudioTest, ADamagedRenderingIsPassedOverAndMadeAgain) {
    const fs::path song = Song("song.mid", kShortNote);
    const fs::path cache = dir_ / "cache";
    UseFastSilentDevice();
    const auto playToTheEnd = [&] {
        SdlAudio audio(cache);
        bool ended = false;
        std::string error;
        audio.music().SetEndHandler([&] { ended = true; });
        audio.music().SetErrorHandler([&](const std::string& text) { error = text; });
        EXPECT_EQ(audio.music().Play(song), std::nullopt);
        EXPECT_TRUE(RunEventsUntil([&] { return ended; }, 20s)) << error;
        return WaitForRendering(cache);
    };
    const fs::path rendering = playToTheEnd();
    ASSERT_FALSE(rendering.empty());
    std::ifstream in(rendering, std::ios::binary);
    const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::function<void()> damages[] = {
        [&] { WriteBytes(rendering, "OggS, and then nothing a decoder could use"); },
        [&] { WriteBytes(rendering, whole.substr(0, whole.size() / 2)); },
        [&] {
            fs::remove(rendering);
            fs::create_directory(rendering);
        },
    };
    for (const auto& damage : damages) {
        damage();
        ASSERT_EQ(playToTheEnd(), rendering);
        EXPECT_EQ(fs::file_size(rendering), whole.size());
    }
}

TEST_F(SdlAudioTest, NoEndIsReportedAfterDestruction) {
    const fs::path song = Song("song.mid", kShortNote);
    UseFastSilentDevice();
    int ends = 0;
    {
        SdlAudio audio;
        audio.music().SetEndHandler([&] { ++ends; });
        ASSERT_EQ(audio.music().Play(song), std::nullopt);
        ASSERT_TRUE(RunEventsUntil([] { return Mix_PlayingMusic() == 1; }, 5s));
        // The track ends while no Qt event runs, so its report is still queued.
        ASSERT_TRUE(WaitWithoutEvents([] { return Mix_PlayingMusic() == 0; }, 20s));
    }
    RunEventsFor(100ms);
    EXPECT_EQ(ends, 0);
}

}  // namespace
}  // namespace quillane

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
