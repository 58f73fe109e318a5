// quillane-art PICTURES_DIR SHEETS_DIR: draws the main window's built-in pictures into PICTURES_DIR
// and the larger symbol sheets, which the game finds beside itself, into SHEETS_DIR.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "art.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PICTURES_DIR SHEETS_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QDir sheets(QString::fromLocal8Bit(argv[2]));
    for (const QDir& dir : {out, sheets}) {
        if (!dir.exists() && !QDir().mkpath(dir.path())) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
            return 1;
        }
    }

    const art::LineMarkers markers = art::drawLineMarkers();
    const art::MaskedPicture logo = art::drawLogo();
    using Job = std::pair<const char*, std::function<bool(const QString&)>>;
    auto jpeg = [](std::function<QImage()> draw) {
        return [draw](const QString& path) { return art::saveJpeg(draw(), path); };
    };
    auto png = [](QImage image) {
        return [image](const QString& path) { return art::savePng(image, path); };
    };
    const std::vector<Job> jobs = {
        {"background.jpg", jpeg(art::drawBackground)},
        {"motion.jpg", jpeg(art::drawMotionStrip)},
        {"symbols.jpg", jpeg([] { return art::drawSymbolSheet(76); })},
        {"@Bingo98.jpg", jpeg([] { return art::drawSymbolSheet(98); })},
        {"@Bingo110.jpg", jpeg([] { return art::drawSymbolSheet(110); })},
        {"@Bingo122.jpg", jpeg([] { return art::drawSymbolSheet(122); })},
        {"@Bingo152.jpg", jpeg([] { return art::drawSymbolSheet(152); })},
        {"bet5but.jpg", jpeg(art::drawBetMaxButton)},
        {"spinbut.jpg", jpeg(art::drawSpinButton)},
        {"bet1b.jpg", jpeg(art::drawDenominationBadge)},
        {"digits_small.png", png(art::drawDigitStrip(1, QColor(255, 36, 24)))},
        {"green_small.png", png(art::drawDigitStrip(1, QColor(40, 255, 70)))},
        {"digits_large.png", png(art::drawDigitStrip(2, QColor(255, 36, 24)))},
        {"green_large.png", png(art::drawDigitStrip(2, QColor(40, 255, 70)))},
        {"logo.png", png(logo.picture)},
        {"logo_mask.png", png(logo.mask)},
        {"line_bubbles.png", png(markers.lit)},
        {"line_bubbles_dim.png", png(markers.dim)},
        {"line_bubbles_neg.png", png(markers.mask)},
    };
    int failures = 0;
    for (const auto& [name, write] : jobs) {
        // Names starting with '@' are sheets, named as the game looks for them.
        const QString file = QString::fromLatin1(name);
        const QString path =
            file.startsWith('@') ? sheets.filePath(file.mid(1)) : out.filePath(file);
        if (!write(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
