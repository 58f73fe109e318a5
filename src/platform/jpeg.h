// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>

namespace quillane {

// Limits that keep a hostile or broken picture from exhausting memory. A picture over them is
// refused from its header, before its pixels are allocated.
inline constexpr int kMaxJpegSide = 8192;
inline constexpr long long kMaxJpegPixels = 32LL * 1024 * 1024;
inline constexpr std::size_t kMaxJpegFileBytes = 32 * 1024 * 1024;

// Decodes a grayscale, YCbCr or RGB JPEG into an opaque QImage::Format_ARGB32 picture and
// clears `error`. Anything else, including a picture that libjpeg would decode with only a
// warning (a truncated file comes out grey), gives a null QImage and libjpeg's reason in
// `error`, such as "Premature end of JPEG file".
QImage DecodeJpeg(std::span<const unsigned char> bytes, std::string& error);

// Reads a regular file of at most kMaxJpegFileBytes and decodes it. On failure the error names
// the file: "Cannot read the picture \"/games/TESTER.jpg\": Premature end of JPEG file".
QImage LoadJpegFile(const std::filesystem::path& file, std::string& error);

}  // namespace quillane
