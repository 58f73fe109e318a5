// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/jpeg.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <vector>

#include <jpeglib.h>

namespace quillane {
namespace {

namespace fs = std::filesystem;

std::span<const unsigned char> Bytes(const QByteArray& data) {
    return {reinterpret_cast<const unsigned char*>(data.constData()),
            static_cast<std::size_t>(data.size())};
}

QByteArray Encode(const QImage& image, bool progressive = false) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return data;
}

// The offset of the first frame header (SOF0 to SOF2) marker, or -1.
qsizetype FrameHeader(const QByteArray& jpeg) {
    for (qsizetype at = 2; at + 4 <= jpeg.size();) {
        const auto marker = static_cast<unsigned char>(jpeg[at + 1]);
        if (marker >= 0xC0 && marker <= 0xC2) {
            return at;
        }
        at += 2 + (static_cast<unsigned char>(jpeg[at + 2]) << 8) +
              static_cast<unsigned char>(jpeg[at + 3]);
    }
    return -1;
}

QByteArray WithDeclaredSize(QByteArray jpeg, int width, int height) {
    const qsizetype sof = FrameHeader(jpeg);
    EXPECT_GE(sof, 0);
    jpeg[sof + 5] = static_cast<char>(height >> 8);
    jpeg[sof + 6] = static_cast<char>(height & 0xFF);
    jpeg[sof + 7] = static_cast<char>(width >> 8);
    jpeg[sof + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

int Distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Six colour fields on a size that is not a whole number of 16-pixel blocks; the fields meet
// on block edges so that their centres survive compression almost unchanged.
struct Field {
    QPoint centre;
    QRgb colour;
};
const std::vector<Field> kFields = {
    {{8, 8}, qRgb(220, 30, 40)},   {{24, 8}, qRgb(30, 200, 60)}, {{41, 8}, qRgb(40, 60, 210)},
    {{8, 23}, qRgb(240, 230, 60)}, {{24, 23}, qRgb(20, 20, 20)}, {{41, 23}, qRgb(250, 250, 250)},
};

QImage FieldPicture() {
    QImage image(50, 30, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int field = (y < 16 ? 0 : 3) + (x < 16 ? 0 : x < 32 ? 1 : 2);
            image.setPixel(x, y, kFields[field].colour);
        }
    }
    return image;
}

void ExpectFields(const QImage& image) {
    ASSERT_EQ(image.format(), QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(50, 30));
    for (const Field& field : kFields) {
        EXPECT_LE(Distance(image.pixel(field.centre), field.colour), 10)
            << "at " << field.centre.x() << "," << field.centre.y() << " got " << std::hex
            << image.pixel(field.centre);
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
        }
    }
}

TEST(DecodeJpeg, KeepsSizeAndColours) {
    std::string error = "left over from before";
    ExpectFields(DecodeJpeg(Bytes(Encode(FieldPicture())), error));
    EXPECT_EQ(error, "");

    const QByteArray progressive = Encode(FieldPicture(), true);
    ASSERT_EQ(static_cast<unsigned char>(progressive[FrameHeader(progressive) + 1]), 0xC2);
    ExpectFields(DecodeJpeg(Bytes(progressive), error));
    EXPECT_EQ(error, "");
}

TEST(DecodeJpeg, GivesGreyPicturesEqualChannels) {
    QImage grey(37, 21, QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            grey.setPixel(x, y, qRgb(x * 6, x * 6, x * 6));
        }
    }
    const QByteArray jpeg = Encode(grey);
    ASSERT_EQ(jpeg[FrameHeader(jpeg) + 9], 1) << "Qt wrote more than one component";

    std::string error;
    const QImage image = DecodeJpeg(Bytes(jpeg), error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(image.size(), grey.size());
    ASSERT_EQ(image.format(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_EQ(qAlpha(pixel), 255);
            ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)) << x;
            ASSERT_LE(std::abs(qRed(pixel) - x * 6), 8) << x << "," << y;
        }
    }
}

TEST(DecodeJpeg, RefusesTruncatedPictures) {
    const QByteArray jpeg = Encode(FieldPicture());
    const qsizetype sof = FrameHeader(jpeg);
    for (qsizetype keep : {qsizetype{2}, sof + 6, sof + 20, jpeg.size() / 2, jpeg.size() - 40,
                           jpeg.size() - 2, jpeg.size() - 1}) {
        std::string error;
        EXPECT_TRUE(DecodeJpeg(Bytes(jpeg.first(keep)), error).isNull()) << keep;
        EXPECT_EQ(error, "Premature end of JPEG file") << keep;
    }
}

TEST(DecodeJpeg, RefusesJunkBetweenTheImageDataAndTheEndMarker) {
    QByteArray jpeg = Encode(FieldPicture());
    jpeg.insert(jpeg.size() - 2, QByteArray(100, '\0'));
    std::string error;
    EXPECT_TRUE(DecodeJpeg(Bytes(jpeg), error).isNull());
    EXPECT_EQ(error.rfind("Corrupt JPEG data: ", 0), 0u) << error;
}

TEST(DecodeJpeg, RefusesWhatIsNotAJpeg) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(FieldPicture().save(&buffer, "PNG"));

    std::mt19937 random(7);
    QByteArray noise(4096, '\0');
    std::generate(noise.begin(), noise.end(), [&] { return static_cast<char>(random()); });
    QByteArray noisyData = Encode(FieldPicture());
    const qsizetype scanStart = noisyData.lastIndexOf("\xFF\xDA");
    for (qsizetype at = scanStart + 20; at < noisyData.size() - 2; ++at) {
        noisyData[at] = static_cast<char>(random());
    }

    std::string error;
    EXPECT_TRUE(DecodeJpeg({}, error).isNull());
    EXPECT_EQ(error, "The picture is empty");
    EXPECT_TRUE(DecodeJpeg(Bytes(png), error).isNull());
    EXPECT_EQ(error, "Not a JPEG file: starts with 0x89 0x50");
    EXPECT_TRUE(DecodeJpeg(Bytes("hello"), error).isNull());
    EXPECT_EQ(error, "Not a JPEG file: starts with 0x68 0x65");
    noise[0] = '\xFF';
    noise[1] = '\xD8';
    EXPECT_TRUE(DecodeJpeg(Bytes(noise), error).isNull());
    EXPECT_NE(error, "");
    EXPECT_TRUE(DecodeJpeg(Bytes(noisyData), error).isNull());
    EXPECT_NE(error, "");
}

TEST(DecodeJpeg, RefusesHugePicturesFromTheHeaderAlone) {
    const QByteArray jpeg = Encode(FieldPicture());
    for (const QSize declared : {QSize(60000, 60000), QSize(8193, 1), QSize(1, 8193),
                                 QSize(8192, 4097), QSize(4097, 8192)}) {
        std::string error;
        EXPECT_TRUE(
            DecodeJpeg(Bytes(WithDeclaredSize(jpeg, declared.width(), declared.height())), error)
                .isNull());
        EXPECT_EQ(error.rfind("Picture too large: " + std::to_string(declared.width()) + " x " +
                                  std::to_string(declared.height()) + " pixels",
                              0),
                  0u)
            << error;
    }

    QImage longest(kMaxJpegSide, 1, QImage::Format_RGB32);
    longest.fill(qRgb(10, 120, 230));
    std::string error;
    const QImage image = DecodeJpeg(Bytes(Encode(longest)), error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(image.size(), longest.size());
}

// A picture written by libjpeg itself, for what Qt does not write: CMYK and scan scripts.
std::vector<unsigned char> WriteWithLibjpeg(int components, J_COLOR_SPACE space,
                                            const std::vector<jpeg_scan_info>& script = {}) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = 16;
    cinfo.image_height = 16;
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    if (!script.empty()) {
        cinfo.scan_info = script.data();
        cinfo.num_scans = static_cast<int>(script.size());
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(16 * static_cast<std::size_t>(components), 100);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<unsigned char> jpeg(buffer, buffer + size);
    std::free(buffer);
    return jpeg;
}

TEST(DecodeJpeg, RefusesCmyk) {
    std::string error;
    EXPECT_TRUE(DecodeJpeg(WriteWithLibjpeg(4, JCS_CMYK), error).isNull());
    EXPECT_EQ(error, "CMYK pictures are not supported");
}

// A valid progressive script of exactly `scans` scans (64 to 694) for one grey component:
// the DC scan, then each AC coefficient sent alone with enough refinement scans to add up.
std::vector<jpeg_scan_info> ScanScript(int scans) {
    std::vector<jpeg_scan_info> script = {{1, {0}, 0, 0, 0, 0}};
    for (int k = 1; k <= 63; ++k) {
        const int left = scans - static_cast<int>(script.size());
        const int forThis = std::min(11, left - (63 - k));
        for (int bit = forThis - 1; bit >= 0; --bit) {
            script.push_back({1, {0}, k, k, bit == forThis - 1 ? 0 : bit + 1, bit});
        }
    }
    EXPECT_EQ(static_cast<int>(script.size()), scans);
    return script;
}

TEST(DecodeJpeg, RefusesPicturesOfTooManyScans) {
    std::string error;
    const QImage image = DecodeJpeg(WriteWithLibjpeg(1, JCS_GRAYSCALE, ScanScript(500)), error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_LE(Distance(image.pixel(8, 8), qRgb(100, 100, 100)), 2);

    EXPECT_TRUE(DecodeJpeg(WriteWithLibjpeg(1, JCS_GRAYSCALE, ScanScript(501)), error).isNull());
    EXPECT_EQ(error, "Picture has more than 500 scans");
}

class LoadJpegFileTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quillane-jpeg-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    fs::path Put(const std::string& name, const QByteArray& bytes) const {
        const fs::path file = dir_ / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.constData(), bytes.size());
        return file;
    }

    std::string ErrorFor(const fs::path& file) const {
        std::string error;
        EXPECT_TRUE(LoadJpegFile(file, error).isNull()) << file;
        return error;
    }

    static std::string Refusal(const fs::path& file, std::string_view reason) {
        std::string text = "Cannot read the picture \"";
        text += file.string();
        text += "\": ";
        text += reason;
        return text;
    }

    fs::path dir_;
};

TEST_F(LoadJpegFileTest, ReadsAPicture) {
    std::string error = "left over from before";
    ExpectFields(LoadJpegFile(Put("TESTER.jpg", Encode(FieldPicture())), error));
    EXPECT_EQ(error, "");
}

TEST_F(LoadJpegFileTest, NamesTheFileAndTheReason) {
    const QByteArray jpeg = Encode(FieldPicture());
    const fs::path cut = Put("cut.jpg", jpeg.first(jpeg.size() / 2));
    EXPECT_EQ(ErrorFor(cut), Refusal(cut, "Premature end of JPEG file"));
    const fs::path empty = Put("empty.jpg", {});
    EXPECT_EQ(ErrorFor(empty), Refusal(empty, "The picture is empty"));
    EXPECT_EQ(ErrorFor(dir_ / "none.jpg"), Refusal(dir_ / "none.jpg", "No such file or directory"));
    EXPECT_EQ(ErrorFor(dir_), Refusal(dir_, "It is a directory"));
}

TEST_F(LoadJpegFileTest, RefusesAPipeWithoutWaitingForAWriter) {
    const fs::path pipe = dir_ / "pipe.jpg";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ErrorFor(pipe), Refusal(pipe, "It is not a regular file"));
}

TEST_F(LoadJpegFileTest, ReadsUpToTheSizeLimit) {
    // Anything after the end marker is never looked at, so padding makes a valid large file.
    const fs::path file = Put("large.jpg", Encode(FieldPicture()));
    fs::resize_file(file, kMaxJpegFileBytes);
    std::string error;
    ExpectFields(LoadJpegFile(file, error));
    EXPECT_EQ(error, "");

    fs::resize_file(file, kMaxJpegFileBytes + 1);
    EXPECT_EQ(ErrorFor(file), Refusal(file, "It is larger than 32 MiB"));
}

}  // namespace
}  // namespace quillane
