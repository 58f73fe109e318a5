// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/cabinet_pictures.h"

#include <QCoreApplication>
#include <QFile>

#include <future>

#include <optional>
#include <string>

#include "core/scale.h"
#include "platform/asset_files.h"
#include "platform/jpeg.h"
#include "ui/cabinet/cabinet_layout.h"

// The pictures are compiled into this static library; its resources must be registered by hand.
static void RegisterBuiltinPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace quillane {
namespace {

QImage Opaque(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_ARGB32);
}

// The one-off stretches of the reel pictures are smoothed; everything drawn later is copied.
QImage Stretched(const QImage& source, int width, int height) {
    if (source.isNull() || width <= 0 || height <= 0)
        return {};
    QImage stretched =
        source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // An opaque picture's pixels are the same premultiplied or not, so a large stretch comes back
    // premultiplied and is taken as it is rather than converted into a second copy.
    if (stretched.format() == QImage::Format_ARGB32_Premultiplied)
        stretched.reinterpretAsFormat(QImage::Format_ARGB32);
    return Opaque(stretched);
}

// The drawing copies from every picture at the coordinates of the stored one, so a replacement
// must have its size; the motion strip may be taller, as long as it shows three cells at once.
std::optional<std::string> SizeRefusal(const std::filesystem::path& file, const QImage& loaded,
                                       QSize needed, bool tallerAllowed) {
    const bool fits =
        loaded.width() == needed.width() &&
        (tallerAllowed ? loaded.height() >= needed.height() : loaded.height() == needed.height());
    if (fits)
        return std::nullopt;
    const QString name = QString::fromStdString(file.string());
    const QString text =
        tallerAllowed
            //: %1 is the file; %2 by %3 its size in pixels; %4 by %5 the size the game needs
            ? QCoreApplication::translate("CabinetPictures",
                                          "Cannot use the picture \"%1\": it is %2 by %3 pixels, "
                                          "and the game needs %4 by %5 or taller.")
            //: %1 is the file; %2 by %3 its size in pixels; %4 by %5 the size the game needs
            : QCoreApplication::translate("CabinetPictures",
                                          "Cannot use the picture \"%1\": it is %2 by %3 pixels, "
                                          "and the game needs %4 by %5.");
    // In one pass, so that a file name with a per cent sign in it stays as it is.
    return text
        .arg(name, QString::number(loaded.width()), QString::number(loaded.height()),
             QString::number(needed.width()), QString::number(needed.height()))
        .toStdString();
}

// By cell size; each but the largest is drawn for one layout width. A width of 0 has none.
constexpr SheetVariant kSheetVariants[] = {{1024, "98.jpg", 98},
                                           {1152, "110.jpg", 110},
                                           {1280, "122.jpg", 122},
                                           {1600, "152.jpg", 152},
                                           {0, "304.jpg", 304}};

}  // namespace

int CabinetGeometry::Scale(int v) const {
    return ScaleToScreen(v, layoutWidth);
}

CabinetPictures::CabinetPictures(std::vector<std::filesystem::path> directories, std::string prefix,
                                 Report report)
    : directories_(std::move(directories)),
      prefix_(std::move(prefix)),
      report_(std::move(report)) {}

void CabinetPictures::LoadBuiltin() {
    RegisterBuiltinPictures();
    background = LoadWorded(QStringLiteral("background"));
    motionSource_ = LoadBuiltinPicture(QStringLiteral(":/pictures/motion.jpg"));
    sheetSource_ = LoadBuiltinPicture(QStringLiteral(":/pictures/symbols.jpg"));
    betMaxButton = LoadWorded(QStringLiteral("bet5but"));
    spinButton = LoadWorded(QStringLiteral("spinbut"));
    badge = LoadBuiltinPicture(QStringLiteral(":/pictures/bet1b.jpg"));
    digitsSmall = LoadBuiltinPicture(QStringLiteral(":/pictures/digits_small.png"));
    greenSmall = LoadBuiltinPicture(QStringLiteral(":/pictures/green_small.png"));
    digitsLarge = LoadBuiltinPicture(QStringLiteral(":/pictures/digits_large.png"));
    greenLarge = LoadBuiltinPicture(QStringLiteral(":/pictures/green_large.png"));
    logo = LoadBuiltinPicture(QStringLiteral(":/pictures/logo.png"));
    logoMask = LoadBuiltinPicture(QStringLiteral(":/pictures/logo_mask.png"));
    lineBubbles = LoadBuiltinPicture(QStringLiteral(":/pictures/line_bubbles.png"));
    lineBubblesDim = LoadBuiltinPicture(QStringLiteral(":/pictures/line_bubbles_dim.png"));
    lineBubblesNeg = LoadBuiltinPicture(QStringLiteral(":/pictures/line_bubbles_neg.png"));
    builtinLoaded_ = true;
}

QImage CabinetPictures::LoadWorded(const QString& stem) const {
    const QString translated =
        QStringLiteral(":/pictures/%1_%2.jpg").arg(stem, QString::fromStdString(language_));
    if (QFile::exists(translated))
        return LoadBuiltinPicture(translated);
    return LoadBuiltinPicture(QStringLiteral(":/pictures/%1.jpg").arg(stem));
}

void CabinetPictures::UseLanguage(const std::string& language) {
    if (language == language_)
        return;
    language_ = language;
    if (!builtinLoaded_)
        return;
    if (!backgroundReplaced_)
        background = LoadWorded(QStringLiteral("background"));
    if (!betMaxReplaced_)
        betMaxButton = LoadWorded(QStringLiteral("bet5but"));
    if (!spinReplaced_)
        spinButton = LoadWorded(QStringLiteral("spinbut"));
    largeBackgroundRefused_ = false;
}

void CabinetPictures::LoadReplacements() {
    auto replace = [this](const std::string& name, QImage& picture, bool tallerAllowed = false) {
        const auto file = FindAsset(directories_, name);
        if (!file)
            return false;
        std::string error;
        QImage loaded = LoadJpegFile(*file, error);
        if (loaded.isNull()) {
            report_(error);
            return false;
        }
        const QSize needed(picture.width(),
                           tallerAllowed ? 3 * cabinet_layout::kCellSize : picture.height());
        if (auto refusal = SizeRefusal(*file, loaded, needed, tallerAllowed)) {
            report_(*refusal);
            return false;
        }
        picture = Opaque(loaded);
        return true;
    };
    backgroundReplaced_ = replace("TESTER.jpg", background);
    replace("MOTIONX.jpg", motionSource_, true);
    betMaxReplaced_ = replace("Bet5But.jpg", betMaxButton);
    spinReplaced_ = replace("SpinBut.jpg", spinButton);
    replace("BET1B.jpg", badge);
    replace(prefix_ + ".jpg", sheetSource_);
}

void CabinetPictures::PrepareLogo(int layoutWidth) {
    namespace layout = cabinet_layout;
    const QSize size(layout::LogoSide(logo.width(), layoutWidth),
                     layout::LogoSide(logo.height(), layoutWidth));
    if (size == logo.size() || logo.isNull()) {
        shownLogo = logo;
        shownLogoMask = logoMask;
        return;
    }
    if (largeLogo_.isNull()) {
        largeLogo_ = LoadBuiltinPicture(QStringLiteral(":/pictures/logo_3x.png"));
        largeLogoMask_ = LoadBuiltinPicture(QStringLiteral(":/pictures/logo_mask_3x.png"));
    }
    shownLogo = largeLogo_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The mask stays hard-edged: it is ANDed with the cabinet before the logo is ORed in.
    shownLogoMask = largeLogoMask_.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

std::future<CabinetPictures::Read> CabinetPictures::StartLargeBackground() const {
    if (largeBackgroundRefused_ || backgroundReplaced_)
        return {};
    const auto file = FindLargeBackground();
    if (!file)
        return {};
    return std::async(std::launch::async, [file = *file] {
        Read read{file, {}, {}};
        read.picture = LoadJpegFile(file, read.error);
        return read;
    });
}

QImage CabinetPictures::LargeBackground(std::future<Read> reading) {
    if (!reading.valid())
        return {};
    const Read read = reading.get();
    if (read.picture.isNull())
        report_(read.error);
    else if (auto refusal = SizeRefusal(read.file, read.picture, background.size() * 3, false))
        report_(*refusal);
    else
        return read.picture;
    largeBackgroundRefused_ = true;
    return {};
}

std::optional<std::filesystem::path> CabinetPictures::FindLargeBackground() const {
    const std::string file = kLargeBackgroundFile;
    const std::string translated =
        file.substr(0, file.size() - 4) + "_" + language_ + file.substr(file.size() - 4);
    if (auto found = FindAsset(directories_, translated))
        return found;
    return FindAsset(directories_, file);
}

QImage CabinetPictures::LoadSheet(const SheetVariant& v) {
    // A sheet that could not be used is not read again, nor reported twice.
    if (refusedSheets_.contains(v.cellSize))
        return {};
    const auto file = FindAsset(directories_, prefix_ + v.suffix);
    if (!file)
        return {};
    std::string error;
    QImage loaded = LoadJpegFile(*file, error);
    // A larger sheet holds the same cells as the stored one, each v.cellSize square.
    const QSize needed(sheetSource_.width() / cabinet_layout::kCellSize * v.cellSize,
                       sheetSource_.height() / cabinet_layout::kCellSize * v.cellSize);
    if (loaded.isNull()) {
        report_(error);
    } else if (auto refusal = SizeRefusal(*file, loaded, needed, false)) {
        report_(*refusal);
    } else {
        return loaded;
    }
    refusedSheets_.insert(v.cellSize);
    return {};
}

void CabinetPictures::Prepare(int layoutWidth) {
    namespace layout = cabinet_layout;
    geometry_.layoutWidth = layoutWidth;
    const auto scale = [&](int v) { return ScaleToScreen(v, layoutWidth); };
    // The pictures for the old width go before those for the new one are made, so that the two
    // are never held at once; the larger files are read again when the width changes.
    motionStrip = symbolSheet = cabinetBackground = QImage();
    // Read on a worker while the reel pictures are stretched here.
    std::future<Read> largeBackground =
        layoutWidth > kDesignWidth ? StartLargeBackground() : std::future<Read>();
    motionStrip =
        Stretched(motionSource_, scale(motionSource_.width()), scale(motionSource_.height()));

    // The sheet drawn for exactly this width is used as it is, as the game always has. At any
    // other width the nearest larger sheet is scaled down, so the symbols stay sharp.
    const int wanted = scale(layout::kCellSize);
    const SheetVariant* chosen = nullptr;
    QImage sheet;
    if (layoutWidth != kDesignWidth) {
        for (const SheetVariant& v : kSheetVariants) {
            if (v.width == layoutWidth && !(sheet = LoadSheet(v)).isNull()) {
                chosen = &v;
                break;
            }
        }
        for (const SheetVariant& v : kSheetVariants) {
            if (chosen != nullptr || v.cellSize < wanted || wanted <= layout::kCellSize)
                continue;
            if (!(sheet = LoadSheet(v)).isNull())
                chosen = &v;
        }
    }
    if (chosen != nullptr && chosen->width == layoutWidth) {
        symbolSheet = sheet;
        geometry_.cellSize = chosen->cellSize;
    } else if (layoutWidth == kDesignWidth) {
        symbolSheet = sheetSource_;
        geometry_.cellSize = layout::kCellSize;
    } else {
        const QImage& source = chosen != nullptr ? sheet : sheetSource_;
        const int cells = sheetSource_.width() / layout::kCellSize;
        const int rows = sheetSource_.height() / layout::kCellSize;
        symbolSheet = chosen != nullptr
                          ? Stretched(source, cells * wanted, rows * wanted)
                          : Stretched(source, scale(source.width()), scale(source.height()));
        geometry_.cellSize = wanted;
    }

    sheet = QImage();

    // Above the design size from the background drawn three times as large, which stays sharp.
    const QImage large = LargeBackground(std::move(largeBackground));
    cabinetBackground =
        Stretched(large.isNull() ? background : large, scale(kDesignWidth), scale(kDesignHeight));
    PrepareLogo(layoutWidth);
    geometry_.reelLeft = scale(layout::kReelLeft);
    geometry_.reelTop = scale(layout::kReelTop);
    geometry_.reelPitch = scale(layout::kReelPitch);
    geometry_.motionHeight = scale(motionSource_.height());
}

}  // namespace quillane
