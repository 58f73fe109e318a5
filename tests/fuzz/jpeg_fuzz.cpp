// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The JPEG decoder on any bytes: a picture within the limits, or no picture and a reason.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "platform/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const QImage image = quillane::DecodeJpeg(std::span<const unsigned char>(data, size), error);
    if (image.isNull() == error.empty()) {
        std::abort();
    }
    if (!image.isNull() &&
        (image.format() != QImage::Format_ARGB32 || image.width() > quillane::kMaxJpegSide ||
         image.height() > quillane::kMaxJpegSide ||
         static_cast<long long>(image.width()) * image.height() > quillane::kMaxJpegPixels)) {
        std::abort();
    }
    return 0;
}
