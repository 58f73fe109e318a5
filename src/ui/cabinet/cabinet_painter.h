// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "core/game_session.h"
#include "core/paylines.h"
#include "platform/canvas.h"
#include "platform/messages.h"
#include "ui/cabinet/cabinet_ground.h"
#include "ui/cabinet/cabinet_pictures.h"
#include "ui/design_grid.h"

namespace quillane {

// Draws the cabinet on its surface, piece by piece, from the pictures and the session's game.
class CabinetPainter {
    Q_DECLARE_TR_FUNCTIONS(CabinetPainter)

  public:
    enum class Button { Spin, BetMax };

    CabinetPainter(QImage& surface, const CabinetPictures& pictures, const GameSession& session,
                   Messages& messages);

    Canvas& canvas() { return canvas_; }
    // The colour of `payline`'s markers, path and message; darker while it is not played.
    static QColor lineColor(int payline, bool played = true);
    int meterTop() const { return meterTop_; }
    // Each payline's path dashed in a pattern of its own and every marker numbered, so that
    // the lines are told apart without their colours.
    void SetLinePatterns(bool on) { linePatterns_ = on; }
    bool linePatterns() const { return linePatterns_; }
    // Every caption drawn at least 4.5:1 against what it stands on.
    void SetHighContrast(bool on) { highContrast_ = on; }

    // The background prepared for a new layout or language, which the next Redraw draws.
    void LayGround(QImage background);
    // The background over `area`, as it lies under everything drawn.
    QImage Ground(const QRect& area) const;
    // Everything, as the game stands.
    void Redraw();
    void DrawReel(int reel);
    void DrawReelMotion(int reel, int offset);
    // A reel column as it stands, and drawn back `dy` pixels lower, for the stopping bounce.
    QImage CopyReel(int reel) const;
    void DrawReelPicture(int reel, const QImage& picture, int dy);
    void DrawWildFrame(int reel, int row, int frame);
    // A cell washed white, where a win flashes.
    void WhitenCell(int reel, int row);
    // A steady frame round a winning cell in `payline`'s colour, or the scatter's for 0; with
    // line patterns, in the line's dashes and with its number.
    void MarkCell(int reel, int row, int payline);
    void DrawCreditsMeter();
    void DrawCoinsMeter(std::int32_t amount);
    void DrawWinningsMeter(std::int32_t amount);
    void RedrawMeters();
    // What the coins and winnings meters show, for assistive technology.
    std::int32_t coinsShown() const { return coinsShown_; }
    std::int32_t winningsShown() const { return winningsShown_; }
    void DrawBetLabel(bool lit, int key);
    void DrawButton(Button which, bool ready);
    void DrawLineMarker(int payline, bool lit);
    void DrawLineMarkers();
    void DrawPayline(int payline);
    void RestoreReelEdges();
    void ClearMessageStrip();
    void RestoreBadgeArea();
    // The win display's message: the line or scatter paid, or what the game paid, and the bonus.
    void WriteWinMessage(bool blinkOn);
    // A line of the game's own in the message strip, such as how many autoplay spins are left.
    // Redraw() writes it again, until the strip is cleared or the win display takes it.
    void WriteMessage(const std::string& text);
    const std::optional<std::string>& message() const { return message_; }
    // A ring around `face`, a box on the design grid, for the key the keyboard is on; nullopt
    // takes it away. Redraw() draws it again.
    void ShowKeyFocus(std::optional<design_grid::Box> face);

  private:
    void RestoreBackground(const QRect& area);
    void DrawMeterPanel();
    void DrawLogo();
    void DrawKeyHint();
    // A meter's number right-aligned at `right`, in cells that shrink when it would reach the
    // meter's caption, whose right edge is `captionRight`.
    void DrawMeter(std::int64_t number, int right, int captionRight, bool green);
    // The rows the message strip's texts may take: beneath the meters' digits, down to the
    // panel's foot. The strip is cleared across them all, so no letter of a message outlives it.
    std::pair<int, int> StripRows() const;
    void WipeMessageStrip();
    // `text` in the message strip, ending at `x` when right-aligned, else starting there: at the
    // meters' size or smaller, so that it fits `room` across and its letters the strip's rows.
    // Returns its other edge.
    int WriteInStrip(const QString& text, int x, bool rightAligned, int room, QColor colour);
    // The point size at which `text` fits `width`, at most `points`.
    int FittingPoints(const QString& text, int width, int points, bool bold);
    int Scale(int v) const { return pictures_.geometry().Scale(v); }
    // The ring's box on the surface, from its outer edge, and its width.
    QRect FocusRingArea(const design_grid::Box& face) const;
    int FocusRingWidth() const;
    void DrawFocusRing();

    QImage& surface_;
    Canvas canvas_;
    CabinetGround ground_;
    const CabinetPictures& pictures_;
    const GameSession& session_;
    Messages& messages_;
    int meterTop_ = 30;
    bool linePatterns_ = false;
    bool highContrast_ = false;
    std::optional<std::string> message_;  // the line WriteMessage wrote, while it stands
    // Where the meters' captions end, so that the digits stop short of them.
    int coinsCaptionRight_ = 0, winningsCaptionRight_ = 0, creditsCaptionRight_ = 0;
    // The digit strips redrawn for each cell width in use, green and red.
    std::map<std::pair<bool, int>, QImage> strips_;
    std::int32_t coinsShown_ = 0, winningsShown_ = 0;
    std::optional<design_grid::Box> focusFace_;
};

}  // namespace quillane
