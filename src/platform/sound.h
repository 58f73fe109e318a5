// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quillane {

enum class Sound { ReelStop, Count, Win, Start, Bonus };

// The sound effects: one channel, so a new effect cuts off the one still playing.
class SoundPort {
  public:
    virtual ~SoundPort() = default;

    // Reads the whole file into memory for `sound`. Throws std::runtime_error with a message
    // naming the file when it cannot be read or is not a sound the mixer can play.
    virtual void Preload(Sound sound, const std::filesystem::path& file) = 0;

    // Plays a preloaded sound from memory, without waiting; nothing when it was never loaded.
    virtual void PlayPreloaded(Sound sound) = 0;

    // Plays a file read afresh, without waiting, and returns how long it plays; a missing or
    // unplayable file plays nothing, silently, for no time at all.
    virtual std::chrono::milliseconds PlayFile(const std::filesystem::path& file) = 0;

    // 0 to 100 percent, for what plays now and after.
    virtual void SetVolume(int percent) = 0;
};

// The music player: one MIDI track at a time.
class MusicPort {
  public:
    virtual ~MusicPort() = default;

    // Called on the UI thread when a track that was playing reaches its end by itself; never
    // for a track closed by Close() or replaced by Play().
    virtual void SetEndHandler(std::function<void()> handler) = 0;

    // Opens and plays the file. Returns at once the error text for what cannot be played at all:
    // an empty path, a missing file, or one that is not a Standard MIDI File. Loading a track
    // starts a synthesizer with its sound font, tens of milliseconds, so it may happen on
    // another thread; the track then plays as soon as it is loaded, and a load that fails is told
    // to the error handler, on the UI thread.
    virtual std::optional<std::string> Play(const std::filesystem::path& file) = 0;
    virtual void SetErrorHandler(std::function<void(const std::string& error)> handler) = 0;

    // Stops and closes the track, if any.
    virtual void Close() = 0;

    // 0 to 100 percent, for this track and the next.
    virtual void SetVolume(int percent) = 0;
};

// The program's audio: the device with its effects channel and its music player.
class AudioSystem {
  public:
    virtual ~AudioSystem() = default;

    virtual SoundPort& sound() = 0;
    virtual MusicPort& music() = 0;
    // No device could be opened and the game plays on a silent one.
    virtual bool silent() const = 0;
};

}  // namespace quillane
