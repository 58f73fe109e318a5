// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/music_cache_key.h"

#include <cstdint>
#include <cstdio>
#include <system_error>

namespace quillane {

namespace {

namespace fs = std::filesystem;

// 64-bit FNV-1a: a cache name only has to change with its inputs, not resist an attacker.
class Fingerprint {
  public:
    void Add(std::string_view bytes) {
        for (char c : bytes) {
            hash_ ^= static_cast<unsigned char>(c);
            hash_ *= 0x100000001b3ULL;
        }
        // The length too, so that consecutive inputs cannot run into each other.
        AddNumber(bytes.size());
    }
    void AddNumber(std::uint64_t value) {
        for (int i = 0; i < 8; ++i) {
            hash_ ^= (value >> (8 * i)) & 0xFF;
            hash_ *= 0x100000001b3ULL;
        }
    }
    std::string Hex() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
        return text;
    }

  private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace

std::string RenderingPrefix(const fs::path& track) {
    Fingerprint path;
    std::error_code error;
    const fs::path absolute = fs::absolute(track, error);
    path.Add((error ? track : absolute).string());
    return path.Hex();
}

std::string RenderingName(const fs::path& track, std::string_view midi,
                          const RenderingInputs& inputs) {
    Fingerprint content;
    content.Add(midi);
    for (const fs::path& font : inputs.soundFonts) {
        content.Add(font.string());
        std::error_code error;
        const auto size = fs::file_size(font, error);
        content.AddNumber(error ? 0 : size);
        const auto changed = fs::last_write_time(font, error);
        content.AddNumber(error ? 0
                                : static_cast<std::uint64_t>(changed.time_since_epoch().count()));
    }
    content.AddNumber(static_cast<std::uint64_t>(inputs.sampleRate));
    content.AddNumber(static_cast<std::uint64_t>(inputs.rendererVersion));
    return RenderingPrefix(track) + "-" + content.Hex() + ".ogg";
}

}  // namespace quillane
