// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// quillane-art PICTURES_DIR SHEETS_DIR BONUS_DIR [ICONS_DIR]: draws the main window's built-in
// pictures into PICTURES_DIR, the larger symbol sheets, which the game finds beside itself, into
// SHEETS_DIR, the pictures of the bingo bonus and borrow windows into BONUS_DIR, and the
// application icon at the desktop's sizes and as SVG into ICONS_DIR.
#include <QDir>
#include <QGuiApplication>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

#include "art.h"

namespace {

struct Job {
    const QDir* dir;
    QString name;
    std::function<bool(const QString&)> write;
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s PICTURES_DIR SHEETS_DIR BONUS_DIR [ICONS_DIR]\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QDir sheets(QString::fromLocal8Bit(argv[2]));
    const QDir bonus(QString::fromLocal8Bit(argv[3]));
    const QDir icons(QString::fromLocal8Bit(argc == 5 ? argv[4] : argv[1]));
    for (const QDir& dir : {out, sheets, bonus, icons}) {
        if (!dir.exists() && !QDir().mkpath(dir.path())) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
            return 1;
        }
    }

    const art::LineMarkers markers = art::drawLineMarkers();
    const art::MaskedPicture logo = art::drawLogo(1);
    const art::MaskedPicture largeLogo = art::drawLogo(3);
    auto jpeg = [](std::function<QImage()> draw) {
        return [draw](const QString& path) { return art::saveJpeg(draw(), path); };
    };
    auto png = [](QImage image) {
        return [image](const QString& path) { return art::savePng(image, path); };
    };
    const art::CabinetWords english = art::cabinetWords(QStringLiteral("en"));
    std::vector<Job> jobs = {
        {&out, "background.jpg", jpeg([&english] { return art::drawBackground(1, english); })},
        {&sheets, "background_3x.jpg",
         jpeg([&english] { return art::drawBackground(3, english); })},
        {&out, "motion.jpg", jpeg(art::drawMotionStrip)},
        {&out, "symbols.jpg", jpeg([] { return art::drawSymbolSheet(76); })},
        {&sheets, "Bingo98.jpg", jpeg([] { return art::drawSymbolSheet(98); })},
        {&sheets, "Bingo110.jpg", jpeg([] { return art::drawSymbolSheet(110); })},
        {&sheets, "Bingo122.jpg", jpeg([] { return art::drawSymbolSheet(122); })},
        {&sheets, "Bingo152.jpg", jpeg([] { return art::drawSymbolSheet(152); })},
        {&sheets, "Bingo304.jpg", jpeg([] { return art::drawSymbolSheet(304); })},
        {&out, "bet5but.jpg", jpeg([&english] { return art::drawBetMaxButton(english); })},
        {&out, "spinbut.jpg", jpeg([&english] { return art::drawSpinButton(english); })},
        {&out, "bet1b.jpg", jpeg(art::drawDenominationBadge)},
        {&out, "digits_small.png", png(art::drawDigitStrip(1, QColor(255, 36, 24)))},
        {&out, "green_small.png", png(art::drawDigitStrip(1, QColor(40, 255, 70)))},
        {&out, "digits_large.png", png(art::drawDigitStrip(2, QColor(255, 36, 24)))},
        {&out, "green_large.png", png(art::drawDigitStrip(2, QColor(40, 255, 70)))},
        {&out, "logo.png", png(logo.picture)},
        {&out, "logo_mask.png", png(logo.mask)},
        {&out, "logo_3x.png", png(largeLogo.picture)},
        {&out, "logo_mask_3x.png", png(largeLogo.mask)},
        {&out, "line_bubbles.png", png(markers.lit)},
        {&out, "line_bubbles_dim.png", png(markers.dim)},
        {&out, "line_bubbles_neg.png", png(markers.mask)},
    };
    // The pictures with words in them, in each of the game's other languages; the game takes
    // the one for the interface language.
    for (const QString& language : art::cabinetLanguages()) {
        const art::CabinetWords words = art::cabinetWords(language);
        const QString suffix = "_" + language + ".jpg";
        jobs.push_back(
            {&out, "background" + suffix, jpeg([words] { return art::drawBackground(1, words); })});
        jobs.push_back({&sheets, "background_3x" + suffix,
                        jpeg([words] { return art::drawBackground(3, words); })});
        jobs.push_back(
            {&out, "bet5but" + suffix, jpeg([words] { return art::drawBetMaxButton(words); })});
        jobs.push_back(
            {&out, "spinbut" + suffix, jpeg([words] { return art::drawSpinButton(words); })});
    }
    // The bonus window's pictures also come at twice the size, which the window scales down
    // smoothly on large screens instead of enlarging the small ones.
    const std::array<const char*, 5> colours = {"blue", "red", "white", "green", "yellow"};
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("_2x.png");
        jobs.push_back({&bonus, "callboard" + suffix, png(art::drawCallBoard(scale))});
        jobs.push_back({&bonus, "monitor" + suffix, png(art::drawBallMonitor(scale))});
        for (int i = 0; i < 5; ++i) {
            const QString colour = QString::fromLatin1(colours[i]);
            jobs.push_back({&bonus, colour + "_card" + suffix, png(art::drawBingoCard(i, scale))});
            jobs.push_back({&bonus, colour + "_ball" + suffix, png(art::drawCallBall(i, scale))});
        }
        for (int i = 0; i <= 12; ++i) {
            const QString name = QStringLiteral("bingo%1").arg(i);
            jobs.push_back({&bonus, name + suffix, png(art::drawPatternPicture(i, false, scale))});
            if (i > 0) {
                jobs.push_back(
                    {&bonus, name + "x" + suffix, png(art::drawPatternPicture(i, true, scale))});
            }
        }
    }
    for (int amount : {1000, 100, 10, 1}) {
        jobs.push_back({&bonus, QStringLiteral("borrow_%1.png").arg(amount),
                        png(art::drawBorrowButton(amount))});
    }

    if (argc == 5) {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            jobs.push_back(
                {&icons, QStringLiteral("quillane-%1.png").arg(size), [size](const QString& path) {
                     return art::saveIconPng(art::drawIcon(size), path);
                 }});
        }
        jobs.push_back({&icons, "quillane.svg", art::saveIconSvg});
    }

    int failures = 0;
    for (const Job& job : jobs) {
        const QString path = job.dir->filePath(job.name);
        if (!job.write(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
