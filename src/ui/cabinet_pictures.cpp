#include "ui/cabinet_pictures.h"

#include "core/scale.h"
#include "platform/asset_files.h"
#include "platform/jpeg.h"
#include "ui/cabinet_layout.h"

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

int CabinetGeometry::Scale(int v) const {
    return ScaleToScreen(v, layoutWidth);
}

CabinetPictures::CabinetPictures(std::filesystem::path programDirectory, std::string prefix,
                                 Report report)
    : directory_(std::move(programDirectory)),
      prefix_(std::move(prefix)),
      report_(std::move(report)) {}

void CabinetPictures::LoadBuiltin() {
    RegisterBuiltinPictures();
    background = LoadBuiltinPicture(QStringLiteral(":/pictures/background.jpg"));
    motionSource_ = LoadBuiltinPicture(QStringLiteral(":/pictures/motion.jpg"));
    sheetSource_ = LoadBuiltinPicture(QStringLiteral(":/pictures/symbols.jpg"));
    betMaxButton = LoadBuiltinPicture(QStringLiteral(":/pictures/bet5but.jpg"));
    spinButton = LoadBuiltinPicture(QStringLiteral(":/pictures/spinbut.jpg"));
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
}

void CabinetPictures::LoadReplacements() {
    auto replace = [this](const std::string& name, QImage& picture) {
        const auto file = FindFileNoCase(directory_, name);
        if (!file)
            return;
        std::string error;
        QImage loaded = LoadJpegFile(*file, error);
        if (loaded.isNull()) {
            report_(error);
            return;
        }
        picture = Opaque(loaded);
    };
    replace("TESTER.jpg", background);
    replace("MOTIONX.jpg", motionSource_);
    replace("Bet5But.jpg", betMaxButton);
    replace("SpinBut.jpg", spinButton);
    replace("BET1B.jpg", badge);
    replace(prefix_ + ".jpg", sheetSource_);
}

void CabinetPictures::Prepare(int layoutWidth) {
    namespace layout = cabinet_layout;
    geometry_.layoutWidth = layoutWidth;
    const auto scale = [&](int v) { return ScaleToScreen(v, layoutWidth); };
    motionStrip =
        Stretched(motionSource_, scale(motionSource_.width()), scale(motionSource_.height()));

    QImage sheet = sheetSource_;
    int variantCell = 0;
    for (const SheetVariant& v : kSheetVariants) {
        if (layoutWidth != v.width)
            continue;
        const auto file = FindFileNoCase(directory_, prefix_ + v.suffix);
        if (!file)
            break;
        std::string error;
        QImage loaded = LoadJpegFile(*file, error);
        if (loaded.isNull()) {
            report_(error);
            break;
        }
        sheet = loaded;
        variantCell = v.cellSize;
    }
    sheet = Opaque(sheet);
    if (variantCell > 0 || layoutWidth == kDesignWidth) {
        symbolSheet = sheet;
        geometry_.cellSize = variantCell > 0 ? variantCell : layout::kCellSize;
    } else {
        symbolSheet = Stretched(sheet, scale(sheet.width()), scale(sheet.height()));
        geometry_.cellSize = scale(layout::kCellSize);
    }

    cabinetBackground = Stretched(background, scale(kDesignWidth), scale(kDesignHeight));
    geometry_.reelLeft = scale(layout::kReelLeft);
    geometry_.reelTop = scale(layout::kReelTop);
    geometry_.reelPitch = scale(layout::kReelPitch);
    geometry_.motionHeight = scale(motionSource_.height());
}

}  // namespace quillane
