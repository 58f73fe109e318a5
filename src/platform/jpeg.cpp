// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/jpeg.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
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

// Why a picture was refused: libjpeg's own message, or one of ours with its figures, written
// out in the player's language once the decoder has been left.
enum class Refusal { Libjpeg, BackingStore, Scans, Cmyk, TooLarge, NoMemory };
struct Failure {
    Refusal why = Refusal::Libjpeg;
    long long figures[4] = {};
    char message[JMSG_LENGTH_MAX] = {};
};

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    Failure failure;
};

struct ProgressManager {
    jpeg_progress_mgr pub;
    ErrorManager* errors;
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    // libjpeg asks for a backing store when a picture needs more than its memory cap.
    if (cinfo->err->msg_code == JERR_NO_BACKING_STORE) {
        errors->failure.why = Refusal::BackingStore;
        errors->failure.figures[0] = kMaxLibjpegMemory >> 20;
    } else {
        (*cinfo->err->format_message)(cinfo, errors->failure.message);
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
        progress->errors->failure.why = Refusal::Scans;
        progress->errors->failure.figures[0] = kMaxScans;
        std::longjmp(progress->errors->jump, 1);
    }
}

// libjpeg leaves this function by longjmp on any error, so nothing with a destructor may live
// in it; the picture lives in the caller.
bool Decode(const unsigned char* data, unsigned long size, QImage* image, Failure* failure) {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    ProgressManager progress{};
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnError;
    errors.pub.emit_message = OnMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        *failure = errors.failure;
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
        errors.failure.why = Refusal::Cmyk;
        std::longjmp(errors.jump, 1);
    }
    const long long pixels = static_cast<long long>(cinfo.image_width) * cinfo.image_height;
    if (cinfo.image_width > kMaxJpegSide || cinfo.image_height > kMaxJpegSide ||
        pixels > kMaxJpegPixels) {
        errors.failure.why = Refusal::TooLarge;
        errors.failure.figures[0] = cinfo.image_width;
        errors.failure.figures[1] = cinfo.image_height;
        errors.failure.figures[2] = kMaxJpegSide;
        errors.failure.figures[3] = kMaxJpegPixels;
        std::longjmp(errors.jump, 1);
    }

    cinfo.out_color_space = kArgb32Order;
    jpeg_start_decompress(&cinfo);
    *image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                    QImage::Format_ARGB32);
    if (image->isNull()) {
        errors.failure.why = Refusal::NoMemory;
        errors.failure.figures[0] = cinfo.output_width;
        errors.failure.figures[1] = cinfo.output_height;
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

QString Translated(const char* text) {
    return QCoreApplication::translate("Jpeg", text);
}

std::string Explain(const Failure& failure) {
    auto n = [&failure](int i) { return QString::number(failure.figures[i]); };
    switch (failure.why) {
        case Refusal::Libjpeg:
            return failure.message;
        case Refusal::BackingStore:
            //: Why a picture cannot be read; %1 is a number of mebibytes
            return Translated(QT_TRANSLATE_NOOP("Jpeg", "Picture needs more than %1 MiB to decode"))
                .arg(n(0))
                .toStdString();
        case Refusal::Scans:
            //: Why a picture cannot be read; %1 is the most scans of a progressive JPEG taken
            return Translated(QT_TRANSLATE_NOOP("Jpeg", "Picture has more than %1 scans"))
                .arg(n(0))
                .toStdString();
        case Refusal::Cmyk:
            //: Why a picture cannot be read
            return Translated(QT_TRANSLATE_NOOP("Jpeg", "CMYK pictures are not supported"))
                .toStdString();
        case Refusal::TooLarge:
            //: Why a picture cannot be read; %1 x %2 is its size, %3 and %4 the limits
            return Translated(QT_TRANSLATE_NOOP(
                                  "Jpeg",
                                  "Picture too large: %1 x %2 pixels, more than %3 a side or %4 "
                                  "in all"))
                .arg(n(0), n(1), n(2), n(3))
                .toStdString();
        case Refusal::NoMemory:
            //: Why a picture cannot be read; %1 x %2 is its size in pixels
            return Translated(QT_TRANSLATE_NOOP("Jpeg", "Not enough memory for a %1 x %2 picture"))
                .arg(n(0), n(1))
                .toStdString();
    }
    return failure.message;
}

}  // namespace

QImage DecodeJpeg(std::span<const unsigned char> bytes, std::string& error) {
    error.clear();
    if (bytes.empty()) {
        //: Why a picture cannot be read
        error = QCoreApplication::translate("Jpeg", "The picture is empty").toStdString();
        return {};
    }
    QImage image;
    Failure failure;
    if (!Decode(bytes.data(), bytes.size(), &image, &failure)) {
        error = Explain(failure);
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
        //: %1 is the picture's file, %2 why it cannot be read
        error = QCoreApplication::translate("Jpeg", "Cannot read the picture \"%1\": %2")
                    .arg(QString::fromStdString(file.string()), QString::fromStdString(reason))
                    .toStdString();
    } else {
        error.clear();
    }
    return image;
}

}  // namespace quillane
