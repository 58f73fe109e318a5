// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <filesystem>
#include <functional>
#include <future>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillane {

// A symbol sheet larger than the stored one, in a file of the player's or the program's.
struct SheetVariant {
    int width;  // the layout width it was drawn for, or 0
    const char* suffix;
    int cellSize;
};

// Where the cabinet's pictures fall at one layout width.
struct CabinetGeometry {
    int layoutWidth = 800;
    int cellSize = 76;
    int reelLeft = 207;
    int reelTop = 210;
    int reelPitch = 92;
    int motionHeight = 912;  // the motion strip's height as drawn

    int Scale(int v) const;
};

// The cabinet's pictures: the stored ones, replaced by the player's or the program's files where
// those exist, and the reel pictures prepared for the layout width.
class CabinetPictures {
  public:
    using Report = std::function<void(const std::string& error)>;

    // `directories` hold the replacement files, searched in order; `prefix` names the sheets.
    CabinetPictures(std::vector<std::filesystem::path> directories, std::string prefix,
                    Report report);

    void LoadBuiltin();
    // The background and the bet-max and spin buttons have words painted in them: they are
    // taken in `language` where the game has them so, in English elsewhere, and reloaded when
    // the language changes after LoadBuiltin. A player's replacement still wins. Call Prepare
    // again afterwards.
    void UseLanguage(const std::string& language);
    // A picture that cannot be read is reported and the stored one kept.
    void LoadReplacements();
    // Stretches the reel pictures to `layoutWidth`, taking a larger symbol sheet where one
    // drawn for that width is found among the files.
    void Prepare(int layoutWidth);

    const CabinetGeometry& geometry() const { return geometry_; }

    // As drawn from.
    QImage background;  // at its design size
    // At the layout's size, stretched once rather than at every paint; the painter takes it.
    QImage cabinetBackground;
    QImage motionStrip;
    QImage symbolSheet;
    QImage betMaxButton, spinButton, badge;
    QImage digitsSmall, greenSmall, digitsLarge, greenLarge;
    QImage logo, logoMask;            // at their own size
    QImage shownLogo, shownLogoMask;  // shrunk or grown with the smallest and largest layouts
    QImage lineBubbles, lineBubblesDim, lineBubblesNeg;

  private:
    // The sheet read from its file, or a null picture when there is none to use.
    QImage LoadSheet(const SheetVariant& variant);
    struct Read {
        std::filesystem::path file;
        QImage picture;
        std::string error;
    };
    // The stored background drawn three times as large, read for each width that needs it and
    // not held: started on a worker, then taken once read, and reported if it cannot be used.
    // No reading where there is none, it was refused, or the player replaced the background.
    std::future<Read> StartLargeBackground() const;
    QImage LargeBackground(std::future<Read> reading);
    void PrepareLogo(int layoutWidth);
    // The stored picture `stem` in the language in use, or the English one.
    QImage LoadWorded(const QString& stem) const;
    // The larger background's file in the language in use, or the English one.
    std::optional<std::filesystem::path> FindLargeBackground() const;

    std::vector<std::filesystem::path> directories_;
    std::string prefix_;
    Report report_;
    CabinetGeometry geometry_;
    // The pictures before any stretching.
    QImage motionSource_, sheetSource_;
    std::set<int> refusedSheets_;  // by cell size
    static constexpr const char* kLargeBackgroundFile = "background_3x.jpg";
    std::string language_ = "en";
    bool builtinLoaded_ = false;
    bool backgroundReplaced_ = false;
    bool betMaxReplaced_ = false;
    bool spinReplaced_ = false;
    bool largeBackgroundRefused_ = false;
    QImage largeLogo_, largeLogoMask_;  // three times the logo's size, read when first needed
};

}  // namespace quillane
