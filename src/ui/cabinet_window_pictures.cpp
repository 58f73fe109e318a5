#include <QPainter>

#include "core/scale.h"
#include "platform/asset_files.h"
#include "platform/jpeg.h"
#include "ui/cabinet_window.h"

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
    return Opaque(source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

struct SheetVariant {
    int width;
    const char* suffix;
    int cellSize;
};

constexpr SheetVariant kSheetVariants[] = {
    {1600, "152.jpg", 152}, {1280, "122.jpg", 122}, {1152, "110.jpg", 110}, {1024, "98.jpg", 98}};

}  // namespace

void CabinetWindow::LoadBuiltinPictures() {
    RegisterBuiltinPictures();
    backgroundPicture_ = LoadBuiltinPicture(QStringLiteral(":/pictures/background.jpg"));
    motionPicture_ = LoadBuiltinPicture(QStringLiteral(":/pictures/motion.jpg"));
    symbolsPicture_ = LoadBuiltinPicture(QStringLiteral(":/pictures/symbols.jpg"));
    betMaxPicture_ = LoadBuiltinPicture(QStringLiteral(":/pictures/bet5but.jpg"));
    spinPicture_ = LoadBuiltinPicture(QStringLiteral(":/pictures/spinbut.jpg"));
    badgePicture_ = LoadBuiltinPicture(QStringLiteral(":/pictures/bet1b.jpg"));
    digitsSmall_ = LoadBuiltinPicture(QStringLiteral(":/pictures/digits_small.png"));
    greenSmall_ = LoadBuiltinPicture(QStringLiteral(":/pictures/green_small.png"));
    digitsLarge_ = LoadBuiltinPicture(QStringLiteral(":/pictures/digits_large.png"));
    greenLarge_ = LoadBuiltinPicture(QStringLiteral(":/pictures/green_large.png"));
    logo_ = LoadBuiltinPicture(QStringLiteral(":/pictures/logo.png"));
    logoMask_ = LoadBuiltinPicture(QStringLiteral(":/pictures/logo_mask.png"));
    lineBubbles_ = LoadBuiltinPicture(QStringLiteral(":/pictures/line_bubbles.png"));
    lineBubblesDim_ = LoadBuiltinPicture(QStringLiteral(":/pictures/line_bubbles_dim.png"));
    lineBubblesNeg_ = LoadBuiltinPicture(QStringLiteral(":/pictures/line_bubbles_neg.png"));
}

void CabinetWindow::LoadReplacementPictures() {
    // A picture that cannot be read is reported and the stored one kept, so start-up goes on.
    auto replace = [this](const std::string& name, QImage& picture) {
        const auto file = FindFileNoCase(programDirectory_, name);
        if (!file)
            return;
        std::string error;
        QImage loaded = LoadJpegFile(*file, error);
        if (loaded.isNull()) {
            env_.messages.Error(error);
            return;
        }
        picture = Opaque(loaded);
    };
    replace("TESTER.jpg", backgroundPicture_);
    replace("MOTIONX.jpg", motionPicture_);
    replace("Bet5But.jpg", betMaxPicture_);
    replace("SpinBut.jpg", spinPicture_);
    replace("BET1B.jpg", badgePicture_);
    replace(assetPrefix_ + ".jpg", symbolsPicture_);
}

void CabinetWindow::BuildPictureBitmaps() {
    background_ = Opaque(backgroundPicture_);
    motionSource_ = Opaque(motionPicture_);
    betMaxBitmap_ = Opaque(betMaxPicture_);
    spinBitmap_ = Opaque(spinPicture_);
    badgeBitmap_ = Opaque(badgePicture_);
    sheetSource_ = QImage();
    symbolSheet_ = QImage();
    motionStrip_ = QImage();
}

void CabinetWindow::PreparePictures() {
    motionStrip_ = Stretched(motionSource_, ScaleToScreen(motionSource_.width()),
                             ScaleToScreen(motionSource_.height()));

    QImage sheet = symbolsPicture_;
    int variantCell = 0;
    for (const SheetVariant& v : kSheetVariants) {
        if (layoutWidth_ != v.width)
            continue;
        const auto file = FindFileNoCase(programDirectory_, assetPrefix_ + v.suffix);
        if (!file)
            break;
        std::string error;
        QImage loaded = LoadJpegFile(*file, error);
        if (loaded.isNull()) {
            env_.messages.Error(error);
            break;
        }
        sheet = loaded;
        variantCell = v.cellSize;
    }
    sheetSource_ = Opaque(sheet);
    if (variantCell > 0 || layoutWidth_ == kDesignWidth) {
        symbolSheet_ = sheetSource_;
        cellSize_ = variantCell > 0 ? variantCell : 76;
    } else {
        symbolSheet_ = Stretched(sheetSource_, ScaleToScreen(sheetSource_.width()),
                                 ScaleToScreen(sheetSource_.height()));
        cellSize_ = ScaleToScreen(76);
    }

    cabinetBackground_ =
        Stretched(background_, ScaleToScreen(kDesignWidth), ScaleToScreen(kDesignHeight));

    reelLeft_ = ScaleToScreen(207);
    reelTop_ = ScaleToScreen(210);
    reelPitch_ = ScaleToScreen(92);
    motionHeight_ = ScaleToScreen(motionSource_.height());
}

}  // namespace quillane
