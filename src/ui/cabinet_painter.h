#pragma once

#include <QColor>
#include <QImage>
#include <array>
#include <cstdint>

#include "core/game_session.h"
#include "core/paylines.h"
#include "platform/canvas.h"
#include "platform/messages.h"
#include "ui/cabinet_pictures.h"

namespace quillane {

// Draws the cabinet on its surface, piece by piece, from the pictures and the session's game.
class CabinetPainter {
  public:
    enum class Button { Spin, BetMax };

    CabinetPainter(QImage& surface, const CabinetPictures& pictures, const GameSession& session,
                   Messages& messages);

    Canvas& canvas() { return canvas_; }
    // The colour the path of `payline` was last drawn in.
    QColor lineColor(int payline) const {
        return lineColors_[static_cast<std::size_t>(payline - 1)];
    }
    int meterTop() const { return meterTop_; }

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
    void DrawCreditsMeter();
    void DrawCoinsMeter(std::int32_t amount);
    void DrawWinningsMeter(std::int32_t amount);
    void RedrawMeters();
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

  private:
    void DrawMeterPanel();
    void DrawLogo();
    void DrawDigits(std::int64_t number, int right, bool green);
    int Scale(int v) const { return pictures_.geometry().Scale(v); }

    QImage& surface_;
    Canvas canvas_;
    const CabinetPictures& pictures_;
    const GameSession& session_;
    Messages& messages_;
    int meterTop_ = 30;
    std::array<QColor, kPaylineCount> lineColors_{};
};

}  // namespace quillane
