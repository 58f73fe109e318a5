// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/jpeg.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSysInfo>
#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

// jpeglib.h uses FILE and size_t without including their headers.
#include <jpeglib.h>

#include "platform/notice_text.h"
#include "storage/regular_file.h"

#include <jerror.h>

namespace quillane {

namespace {

// Enough for the coefficients of a progressive picture at kMaxJpegPixels; the pixels themselves
// go straight into the QImage.
constexpr long kMaxLibjpegMemory = 256L * 1024 * 1024;

// Every scan of a progressive picture passes over the whole picture, so a file of thousands of
// tiny scans would keep the decoder busy for minutes.
constexpr int kMaxScans = 500;

static_assert(sizeof(unsigned long) >= sizeof(std::size_t), "jpeg_mem_src takes any size");

constexpr J_COLOR_SPACE kArgb32Order =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

struct ProgressManager {
    jpeg_progress_mgr pub;
    ErrorManager* errors;
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    // libjpeg asks for a backing store when a picture needs more than its memory cap.
    if (cinfo->err->msg_code == JERR_NO_BACKING_STORE) {
        std::snprintf(errors->message, JMSG_LENGTH_MAX, "Picture needs more than %ld MiB to decode",
                      kMaxLibjpegMemory >> 20);
    } else {
        (*cinfo->err->format_message)(cinfo, errors->message);
    }
    std::longjmp(errors->jump, 1);
}

// Level -1 is a warning about corrupt data, which libjpeg would otherwise decode regardless.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0) {
        OnError(cinfo);
    }
}

void OnProgress(j_common_ptr cinfo) {
    const auto* progress = reinterpret_cast<ProgressManager*>(cinfo->progress);
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
        std::snprintf(progress->errors->message, JMSG_LENGTH_MAX, "Picture has more than %d scans",
                      kMaxScans);
        std::longjmp(progress->errors->jump, 1);
    }
}

// libjpeg leaves this function by longjmp on any error, so nothing with a destructor may live
// in it; the picture lives in the caller.
bool Decode(const unsigned char* data, unsigned long size, QImage* image, char* message) {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    ProgressManager progress{};
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnError;
    errors.pub.emit_message = OnMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        std::memcpy(message, errors.message, JMSG_LENGTH_MAX);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxLibjpegMemory;
    progress.pub.progress_monitor = OnProgress;
    progress.errors = &errors;
    cinfo.progress = &progress.pub;
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);

    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK) {
        std::snprintf(errors.message, JMSG_LENGTH_MAX, "CMYK pictures are not supported");
        std::longjmp(errors.jump, 1);
    }
    const long long pixels = static_cast<long long>(cinfo.image_width) * cinfo.image_height;
    if (cinfo.image_width > kMaxJpegSide || cinfo.image_height > kMaxJpegSide ||
        pixels > kMaxJpegPixels) {
        std::snprintf(errors.message, JMSG_LENGTH_MAX,
                      "Picture too large: %u x %u pixels, more than %d a side or %lld in all",
                      cinfo.image_width, cinfo.image_height, kMaxJpegSide, kMaxJpegPixels);
        std::longjmp(errors.jump, 1);
    }

    cinfo.out_color_space = kArgb32Order;
    jpeg_start_decompress(&cinfo);
    *image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                    QImage::Format_ARGB32);
    if (image->isNull()) {
        std::snprintf(errors.message, JMSG_LENGTH_MAX, "Not enough memory for a %u x %u picture",
                      cinfo.output_width, cinfo.output_height);
        std::longjmp(errors.jump, 1);
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    // Reads on to the end marker, so a file cut after its last row is refused too.
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

QImage DecodeJpeg(std::span<const unsigned char> bytes, std::string& error) {
    error.clear();
    if (bytes.empty()) {
        error = "The picture is empty";
        return {};
    }
    QImage image;
    char message[JMSG_LENGTH_MAX] = {};
    if (!Decode(bytes.data(), bytes.size(), &image, message)) {
        error = message;
        return {};
    }
    return image;
}

QImage LoadJpegFile(const std::filesystem::path& file, std::string& error) {
    std::string reason;
    QImage image;
    Notice unread;
    if (const auto bytes = ReadRegularFile(file, kMaxJpegFileBytes, true, unread)) {
        image = DecodeJpeg(*bytes, reason);
    } else {
        reason = NoticeText(unread).toStdString();
    }
    if (image.isNull()) {
        error = "Cannot read the picture \"" + file.string() + "\": " + reason;
    } else {
        error.clear();
    }
    return image;
}

}  // namespace quillane
