// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace audio {

// Writes mono 16-bit PCM. Samples are expected in [-1, 1]; anything beyond is clamped.
void WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate);

}  // namespace audio
