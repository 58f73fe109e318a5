// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/track_renderer.h"

#include <fluidsynth.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace quillane {

namespace {

constexpr int kChannels = 2;
constexpr int kBlockFrames = 1024;
// SDL_mixer 2.6 sets FluidSynth's gain to 1.2 at full music volume (its default of 0.2 is quiet);
// it scales lower volumes itself, as it does for a rendering.
constexpr float kFullVolumeGain = 1.2F;
// Vorbis quality from 0 to 1: 0.4 is about 128 kbit/s, transparent for synthesised music.
constexpr double kVorbisQuality = 0.4;
// The release after the last note: until it falls below about -60 dB, for at most 3 seconds.
constexpr float kSilence = 0.001F;
constexpr int kMaxTailSeconds = 3;

struct SettingsDeleter {
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
struct PlayerDeleter {
    void operator()(fluid_player_t* player) const { delete_fluid_player(player); }
};
struct SoundFileDeleter {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

// Writes one block; returns its loudest sample, or a negative number when the write fails.
float WriteBlock(fluid_synth_t* synth, SNDFILE* file, std::vector<float>& block) {
    if (fluid_synth_write_float(synth, kBlockFrames, block.data(), 0, kChannels, block.data(), 1,
                                kChannels) != FLUID_OK ||
        sf_writef_float(file, block.data(), kBlockFrames) != kBlockFrames)
        return -1;
    float peak = 0;
    for (float sample : block)
        peak = std::max(peak, std::fabs(sample));
    return peak;
}

}  // namespace

bool RenderTrack(const std::string& midi, const std::vector<std::filesystem::path>& soundFonts,
                 int sampleRate, const std::filesystem::path& output,
                 const std::atomic<bool>& abandon) {
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
    if (!settings)
        return false;
    fluid_settings_setnum(settings.get(), "synth.sample-rate", sampleRate);
    fluid_settings_setint(settings.get(), "synth.cpu-cores", 1);
    // The player follows the samples written, not the clock, so it runs as fast as they are made.
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    // Left alone at the end, the last notes die away instead of being cut off.
    fluid_settings_setint(settings.get(), "player.reset-synth", 0);
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth(new_fluid_synth(settings.get()));
    if (!synth)
        return false;
    fluid_synth_set_gain(synth.get(), kFullVolumeGain);
    for (const std::filesystem::path& font : soundFonts) {
        if (abandon.load() || fluid_synth_sfload(synth.get(), font.c_str(), 1) == FLUID_FAILED)
            return false;
    }
    std::unique_ptr<fluid_player_t, PlayerDeleter> player(new_fluid_player(synth.get()));
    if (!player || fluid_player_add_mem(player.get(), midi.data(), midi.size()) != FLUID_OK ||
        fluid_player_play(player.get()) != FLUID_OK)
        return false;

    SF_INFO format{};
    format.samplerate = sampleRate;
    format.channels = kChannels;
    format.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    std::unique_ptr<SNDFILE, SoundFileDeleter> file(sf_open(output.c_str(), SFM_WRITE, &format));
    if (!file)
        return false;
    double quality = kVorbisQuality;
    sf_command(file.get(), SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);

    std::vector<float> block(static_cast<std::size_t>(kBlockFrames * kChannels));
    while (fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING) {
        if (abandon.load() || WriteBlock(synth.get(), file.get(), block) < 0)
            return false;
    }
    fluid_synth_all_notes_off(synth.get(), -1);
    for (long frames = 0; frames < static_cast<long>(kMaxTailSeconds) * sampleRate;
         frames += kBlockFrames) {
        const float peak = WriteBlock(synth.get(), file.get(), block);
        if (abandon.load() || peak < 0)
            return false;
        if (peak < kSilence)
            break;
    }
    // Closing writes the last page; only a clean close makes a whole file.
    return sf_close(file.release()) == 0;
}

}  // namespace quillane
