#include "ui/cabinet_pictures.h"

#include <optional>
#include <string>

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

// The drawing copies from every picture at the coordinates of the stored one, so a replacement
// must have its size; the motion strip may be taller, as long as it shows three cells at once.
std::optional<std::string> SizeRefusal(const std::filesystem::path& file, const QImage& loaded,
                                       QSize needed, bool tallerAllowed) {
    const bool fits =
        loaded.width() == needed.width() &&
        (tallerAllowed ? loaded.height() >= needed.height() : loaded.height() == needed.height());
    if (fits)
        return std::nullopt;
    return "Cannot use the picture \"" + file.string() + "\": it is " +
           std::to_string(loaded.width()) + " by " + std::to_string(loaded.height()) +
           " pixels, and the game needs " + std::to_string(needed.width()) + " by " +
           std::to_string(needed.height()) + (tallerAllowed ? " or taller." : ".");
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
    auto replace = [this](const std::string& name, QImage& picture, bool tallerAllowed = false) {
        const auto file = FindFileNoCase(directory_, name);
        if (!file)
            return;
        std::string error;
        QImage loaded = LoadJpegFile(*file, error);
        if (loaded.isNull()) {
            report_(error);
            return;
        }
        const QSize needed(picture.width(),
                           tallerAllowed ? 3 * cabinet_layout::kCellSize : picture.height());
        if (auto refusal = SizeRefusal(*file, loaded, needed, tallerAllowed)) {
            report_(*refusal);
            return;
        }
        picture = Opaque(loaded);
    };
    replace("TESTER.jpg", background);
    replace("MOTIONX.jpg", motionSource_, true);
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
        // The larger sheet holds the same cells as the stored one, each v.cellSize square.
        const QSize needed(sheetSource_.width() / layout::kCellSize * v.cellSize,
                           sheetSource_.height() / layout::kCellSize * v.cellSize);
        if (auto refusal = SizeRefusal(*file, loaded, needed, false)) {
            report_(*refusal);
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
