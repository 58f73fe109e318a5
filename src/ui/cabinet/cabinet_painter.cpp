// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/cabinet_painter.h"

#include <algorithm>
#include <string>

#include "core/paytable.h"
#include "core/reels.h"
#include "ui/cabinet/cabinet_layout.h"
#include "ui/widgets/contrast.h"
#include "ui/widgets/meter_digits.h"

namespace quillane {
namespace {

namespace layout = cabinet_layout;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kYellow(255, 255, 0);
const QColor kHintColour(0xD7, 0xBC, 0xE3);  // as the background's other captions there

// Each payline's dashes and gaps, in pen widths, short enough to show in the gaps between reels.
const std::array<QList<qreal>, kPaylineCount> kLineDashes = {{
    {},
    {3, 2},
    {1, 1},
    {3, 1, 1, 1},
    {1, 3},
    {3, 1, 1, 1, 1, 1},
    {6, 2},
    {2, 1, 2, 3},
    {1, 1, 1, 3},
}};

QRect Area(int left, int top, int width, int height) {
    return {left, top, width, height};
}

}  // namespace

CabinetPainter::CabinetPainter(QImage& surface, const CabinetPictures& pictures,
                               const GameSession& session, Messages& messages)
    : surface_(surface),
      canvas_(surface),
      pictures_(pictures),
      session_(session),
      messages_(messages) {
    canvas_.SetWillChangeListener([this](const QRect& area) { ground_.Keep(surface_, area); });
}

void CabinetPainter::LayGround(QImage background) {
    ground_.Lay(std::move(background));
}

QImage CabinetPainter::Ground(const QRect& area) const {
    return ground_.Copy(surface_, area);
}

QColor CabinetPainter::lineColor(int payline, bool played) {
    const QColor colour =
        QColor::fromRgb(layout::kLineColours[static_cast<std::size_t>(payline - 1)]);
    if (played)
        return colour;
    auto dim = [](int v) { return (v * 45 + 50) / 100; };
    return QColor(dim(colour.red()), dim(colour.green()), dim(colour.blue()));
}

void CabinetPainter::Redraw() {
    if (surface_.isNull())
        return;
    const SessionState& game = session_.state();
    canvas_.SetBrushClear(true);
    ground_.Restore(canvas_, Area(0, 0, Scale(kDesignWidth), Scale(kDesignHeight)));
    DrawLineMarkers();
    for (int p = 1; p <= kPaylineCount; ++p)
        DrawPayline(p);
    RestoreReelEdges();
    if (game.gamePaid > 0) {
        for (int p = 1; p <= kPaylineCount; ++p)
            DrawLineMarker(p, game.spin.lineWin[static_cast<std::size_t>(p - 1)] > 0);
    }
    for (int r = 0; r < kReelCount; ++r)
        DrawReel(r);
    DrawMeterPanel();
    DrawCreditsMeter();
    DrawCoinsMeter(game.bet);
    if (message_)
        WriteMessage(*message_);
    for (int k = 1; k <= static_cast<int>(layout::kBetKeys.size()); ++k)
        DrawBetLabel(false, k);
    DrawBetLabel(true, game.settings.linesKey);
    DrawBetLabel(true, game.settings.creditsKey);
    DrawButton(Button::Spin, true);
    DrawButton(Button::BetMax, true);
    DrawLogo();
    if (highContrast_)
        DrawKeyHint();
    if (focusFace_)
        DrawFocusRing();
}

void CabinetPainter::DrawKeyHint() {
    // Written again over its dim print on the background, lighter.
    const layout::Box box = layout::kKeyHint;
    const int left = Scale(box.left), top = Scale(box.top);
    const int right = Scale(box.right), bottom = Scale(box.bottom);
    auto groundAt = [this](int x, int y) { return QColor::fromRgb(ground_.Pixel(surface_, x, y)); };
    // Row by row in the colour beside the print, so the cabinet's shading runs on through it.
    canvas_.SetBrushClear(false);
    for (int y = top; y < bottom; ++y) {
        canvas_.SetBrushColor(groundAt(left, y));
        canvas_.FillRect(left, y, right, y + 1);
    }
    const QColor ground = groundAt(left, (top + bottom) / 2);
    //: The keys' hint beneath the bet keys, painted in a small box: keep it short
    const QString hint = tr("ENTER = SPIN  M = MAX");
    FittingPoints(hint, right - left, layout::BetKeyFontPoints(pictures_.geometry().layoutWidth),
                  false);
    const QSize extent = canvas_.TextSize(hint);
    canvas_.SetBrushClear(true);
    canvas_.SetFontColor(ReadableOn(kHintColour, ground));
    canvas_.DrawText((left + right - extent.width()) / 2, (top + bottom - extent.height()) / 2,
                     hint);
    canvas_.SetBrushClear(false);
}

void CabinetPainter::DrawReel(int reel) {
    if (reel >= kReelCount) {
        messages_.Inform(tr("Oops, I did it again! (%1)").arg(reel).toStdString());
        return;
    }
    if (reel < 0)
        return;
    const CabinetGeometry& g = pictures_.geometry();
    const int c = g.cellSize;
    const int x = g.reelLeft + reel * g.reelPitch;
    const auto& strip = session_.reelSymbols()[static_cast<std::size_t>(reel)];
    const int stop = session_.state().reelStops[static_cast<std::size_t>(reel)];
    for (int row = 0; row < kRowCount; ++row) {
        const int n = SymbolInRow(strip, stop, row);
        canvas_.Draw(Area(x, g.reelTop + row * c, c, c), pictures_.symbolSheet,
                     Area((n % 4) * c, (n / 4) * c, c, c));
    }
}

void CabinetPainter::DrawReelMotion(int reel, int offset) {
    const CabinetGeometry& g = pictures_.geometry();
    const int c = g.cellSize;
    const int h = g.motionHeight;
    const QImage& strip = pictures_.motionStrip;
    if (c <= 0 || h <= 0 || strip.isNull())
        return;
    offset = std::clamp(offset, 0, h - 1);
    // The strip wraps: a window running past its foot continues from its head. The rows are
    // copied straight onto the surface.
    const int left = g.reelLeft + reel * g.reelPitch;
    const int first = std::min(3 * c, h - offset);
    canvas_.Draw(Area(left, g.reelTop, c, first), strip, Area(0, offset, c, first));
    for (int y = first; y < 3 * c; y += h) {
        const int rows = std::min(3 * c - y, h);
        canvas_.Draw(Area(left, g.reelTop + y, c, rows), strip, Area(0, 0, c, rows));
    }
    // A strip narrower than a sheet's cell leaves the window black at its right.
    if (strip.width() < c) {
        const QColor brush = canvas_.brushColor();
        canvas_.SetBrushColor(kBlack);
        canvas_.FillRect(left + strip.width(), g.reelTop, left + c, g.reelTop + 3 * c);
        canvas_.SetBrushColor(brush);
    }
}

QImage CabinetPainter::CopyReel(int reel) const {
    const CabinetGeometry& g = pictures_.geometry();
    return surface_.copy(g.reelLeft + reel * g.reelPitch, g.reelTop, g.cellSize,
                         3 * g.cellSize - layout::kReelCopyTrim);
}

void CabinetPainter::DrawReelPicture(int reel, const QImage& picture, int dy) {
    const CabinetGeometry& g = pictures_.geometry();
    canvas_.Draw(
        QRect(g.reelLeft + reel * g.reelPitch, g.reelTop + dy, picture.width(), picture.height()),
        picture, picture.rect());
}

void CabinetPainter::DrawWildFrame(int reel, int row, int frame) {
    const CabinetGeometry& g = pictures_.geometry();
    const int c = g.cellSize;
    canvas_.Draw(QRect(g.reelLeft + reel * g.reelPitch, g.reelTop + row * c, c, c),
                 pictures_.symbolSheet, QRect((frame % 4) * c, (frame / 4) * c, c, c));
}

void CabinetPainter::WhitenCell(int reel, int row) {
    const CabinetGeometry& g = pictures_.geometry();
    canvas_.SetBrushClear(false);
    canvas_.SetBrushColor(kWhite);
    canvas_.SetPenColor(kWhite);
    const int x = g.reelLeft + reel * g.reelPitch, y = g.reelTop + row * g.cellSize;
    canvas_.Rectangle(x, y, x + g.cellSize, y + g.cellSize);
}

void CabinetPainter::MarkCell(int reel, int row, int payline) {
    const CabinetGeometry& g = pictures_.geometry();
    const int width = Scale(layout::kThickPath);
    const int inset = width / 2;
    const int left = g.reelLeft + reel * g.reelPitch + inset,
              top = g.reelTop + row * g.cellSize + inset;
    const int right = left + g.cellSize - 2 * inset - 1, bottom = top + g.cellSize - 2 * inset - 1;
    const bool line = payline >= 1 && payline <= kPaylineCount;
    canvas_.SetPenColor(line ? lineColor(payline) : kYellow);
    canvas_.SetPenWidth(width);
    if (line && linePatterns_)
        canvas_.SetPenDashes(kLineDashes[static_cast<std::size_t>(payline - 1)]);
    canvas_.MoveTo(left, top);
    canvas_.LineTo(right, top);
    canvas_.LineTo(right, bottom);
    canvas_.LineTo(left, bottom);
    canvas_.LineTo(left, top);
    canvas_.SetPenDashes({});
    canvas_.SetPenWidth(1);
    if (!line || !linePatterns_)
        return;
    const QString number = QString::number(payline);
    canvas_.SetFont(layout::MarkerNumberPoints(g.layoutWidth), true);
    const QSize extent = canvas_.TextSize(number);
    canvas_.SetBrushClear(false);
    canvas_.SetBrushColor(lineColor(payline));
    canvas_.SetPenColor(lineColor(payline));
    canvas_.Rectangle(left, top, left + extent.width() + 2 * width, top + extent.height());
    canvas_.SetBrushClear(true);
    canvas_.SetFontColor(highContrast_ ? TextColourOn(lineColor(payline)) : kWhite);
    canvas_.DrawText(left + width, top, number);
    canvas_.SetBrushClear(false);
}

void CabinetPainter::DrawMeter(std::int64_t number, int right, int captionRight, bool green) {
    const int full = layout::DigitCellWidth(pictures_.geometry().layoutWidth);
    const int cells = DigitCount(number) + 1;  // and the spare cell that wipes a longer number
    const int x = Scale(right);
    const int width = std::max(1, std::min(full, (x - captionRight) / cells));
    const int height = layout::DigitCellHeight(width);
    const int fullHeight = layout::DigitCellHeight(full);
    QImage& strip = strips_[{green, width}];
    if (strip.isNull()) {
        strip = green ? DigitStripFor(pictures_.greenSmall, pictures_.greenLarge, width)
                      : DigitStripFor(pictures_.digitsSmall, pictures_.digitsLarge, width);
    }
    quillane::DrawDigits(canvas_, strip, number, x, meterTop_ + (fullHeight - height) / 2, true,
                         false, QSize(width, height));
}

void CabinetPainter::DrawCoinsMeter(std::int32_t amount) {
    coinsShown_ = amount;
    DrawMeter(amount, layout::kCoinsRight, coinsCaptionRight_, true);
}

void CabinetPainter::DrawWinningsMeter(std::int32_t amount) {
    winningsShown_ = amount;
    DrawMeter(amount, layout::kWinningsRight, winningsCaptionRight_, false);
}

void CabinetPainter::DrawCreditsMeter() {
    DrawMeter(session_.state().account.credits, layout::kCreditsRight, creditsCaptionRight_, true);
}

int CabinetPainter::FittingPoints(const QString& text, int width, int points, bool bold) {
    for (; points > 1; --points) {
        canvas_.SetFont(points, bold);
        if (canvas_.TextSize(text).width() <= width)
            break;
    }
    return points;
}

void CabinetPainter::DrawMeterPanel() {
    const layout::Box panel = layout::kMeterPanel;
    const int left = Scale(panel.left), top = Scale(panel.top);
    const int right = Scale(panel.right), bottom = Scale(panel.bottom);
    canvas_.SetFontColor(kWhite);
    canvas_.SetBrushClear(false);
    canvas_.SetBrushColor(kBlack);
    canvas_.SetPenColor(kBlack);
    canvas_.Rectangle(left, top, right, bottom);

    // Round the panel's corners into the frame around it.
    auto soften = [this](int x, int y, int outsideX, int inwardX, int inwardY) {
        const QColor frame = QColor::fromRgb(canvas_.Pixel(outsideX, y));
        canvas_.SetPixel(x, y, frame);
        canvas_.SetPixel(x, y + inwardY, frame);
        canvas_.SetPixel(x + inwardX, y, frame);
    };
    soften(left, top, left - 1, 1, 1);
    soften(right, top, right + 1, -1, 1);
    soften(left, bottom, left - 1, 1, -1);
    soften(right - 1, bottom, right, -1, -1);

    const int w = pictures_.geometry().layoutWidth;
    canvas_.SetFont(layout::MeterFontPoints(w), layout::MeterFontBold(w));
    const int captionTop = Scale(layout::kMeterCaptionTop);
    // A caption longer than its share of the meter takes a smaller font; the digits keep the rest.
    auto caption = [&](int left, int right, const QString& text) {
        const int room = (Scale(right) - Scale(left)) * layout::kMeterCaptionShare / 100;
        FittingPoints(text, room, layout::MeterFontPoints(w), layout::MeterFontBold(w));
        canvas_.DrawText(Scale(left), captionTop, text);
        return Scale(left) + canvas_.TextSize(text).width();
    };
    //: A meter's caption on the cabinet, before the coins bet; keep it short
    coinsCaptionRight_ = caption(layout::kCoinsCaptionLeft, layout::kCoinsRight, tr(" Coins: "));
    //: A meter's caption on the cabinet, before the last spin's winnings; keep it short
    winningsCaptionRight_ =
        caption(layout::kWinningsCaptionLeft, layout::kWinningsRight, tr(" Winnings: "));
    //: A meter's caption on the cabinet, before the player's credits; keep it short
    creditsCaptionRight_ =
        caption(layout::kCreditsCaptionLeft, layout::kCreditsRight, tr(" Credits: "));

    meterTop_ = top + layout::kMeterDigitsDrop;
    canvas_.SetPenColor(canvas_.brushColor());
    canvas_.SetBrushClear(true);
    const int slotRoom = Scale(layout::kCoinSlotCaptionWidth);
    auto centred = [&](const QString& text, int cx, int cy, QColor colour) {
        FittingPoints(text, slotRoom, layout::MeterFontPoints(w), layout::MeterFontBold(w));
        const QSize extent = canvas_.TextSize(text);
        canvas_.SetFontColor(colour);
        canvas_.DrawText(cx - extent.width() / 2, cy - extent.height() / 2, text);
    };
    //: Painted on the coin slot's small red window, over "Coins": keep it very short
    centred(tr("Insert"), Scale(layout::kInsertCoinsX), Scale(layout::kInsertY), kWhite);
    //: Painted on the coin slot's plate, under "Insert": keep it very short
    centred(tr("Coins"), Scale(layout::kInsertCoinsX), Scale(layout::kCoinsY), kBlack);
    canvas_.SetFont(layout::MeterFontPoints(w), true);
    canvas_.SetBrushClear(false);
}

void CabinetPainter::RedrawMeters() {
    DrawMeterPanel();
    DrawCreditsMeter();
    DrawCoinsMeter(session_.state().bet);
}

void CabinetPainter::DrawBetLabel(bool lit, int key) {
    if (key < 1 || key > static_cast<int>(layout::kBetKeys.size()))
        return;
    const layout::BetKey& k = layout::KeyAt(key);
    const QImage& background = pictures_.background;
    const QColor face =
        lit ? kWhite
            : QColor::fromRgb(background.valid(layout::kKeyFaceX, layout::kKeyFaceY)
                                  ? background.pixel(layout::kKeyFaceX, layout::kKeyFaceY)
                                  : kGrey.rgb());
    canvas_.SetBrushClear(false);
    canvas_.SetBrushColor(face);
    canvas_.SetPenColor(face);
    canvas_.Rectangle(Scale(k.left), Scale(k.top), Scale(k.left + k.width),
                      Scale(k.top + layout::kBetKeyHeight));
    const int w = pictures_.geometry().layoutWidth;
    const QString caption = QCoreApplication::translate("CabinetPainter", k.caption);
    const int room = Scale(k.left + k.width) - Scale(k.left) - layout::kBetKeyCaptionMargin;
    FittingPoints(caption, room, layout::BetKeyFontPoints(w), layout::BetKeyFontBold(w));
    canvas_.SetFontColor(lit ? kBlack : highContrast_ ? ReadableOn(kGrey, face) : kGrey);
    canvas_.SetBrushClear(true);
    const QSize extent = canvas_.TextSize(caption);
    const int cx = Scale(k.left + layout::kBetKeyCaptionCentre);
    const int cy = Scale(k.top + k.captionMiddle);
    canvas_.DrawText(cx - extent.width() / 2, cy - extent.height() / 2, caption);
}

void CabinetPainter::DrawButton(Button which, bool ready) {
    const QImage& picture = which == Button::Spin ? pictures_.spinButton : pictures_.betMaxButton;
    const int x = which == Button::Spin ? layout::kSpinLeft : layout::kBetMaxLeft;
    const int w = picture.width();
    const int half = picture.height() / 2;
    const QRect source = ready ? Area(0, half, w, picture.height() - half) : Area(0, 0, w, half);
    const int left = Scale(x), top = Scale(layout::kButtonTop);
    canvas_.Draw(Area(left, top, Scale(x + w) - left, Scale(layout::kButtonTop + half) - top),
                 picture, source);
}

void CabinetPainter::DrawLogo() {
    const QImage& logo = pictures_.shownLogo;
    const QImage& mask = pictures_.shownLogoMask;
    const QRect dest((Scale(layout::kLogoPanelWidth) - logo.width()) / 2, Scale(layout::kLogoTop),
                     logo.width(), logo.height());
    canvas_.DrawMasked(dest, logo, mask, logo.rect());
}

void CabinetPainter::DrawLineMarker(int payline, bool lit) {
    if (payline < 1 || payline > kPaylineCount)
        return;
    const int r = layout::kMarkerRow[static_cast<std::size_t>(payline - 1)];
    const int top = Scale(layout::kMarkerTop) + Scale(layout::kMarkerRowHeight * r);
    const int height = Scale(layout::kMarkerRowHeight);
    const QImage& face = lit ? pictures_.lineBubbles : pictures_.lineBubblesDim;
    const int numberSize = layout::MarkerNumberPoints(pictures_.geometry().layoutWidth);
    const QString number = QString::number(payline);

    auto marker = [&](int sourceLeft, int sourceRight, int left, int oddOffset, int evenOffset) {
        const QRect source(sourceLeft, layout::kMarkerRowHeight * r, sourceRight - sourceLeft,
                           layout::kMarkerRowHeight);
        const QRect dest(Scale(left), top, Scale(sourceRight - sourceLeft), height);
        canvas_.DrawMasked(dest, face, pictures_.lineBubblesNeg, source);
        if (!lit && !linePatterns_)
            return;
        canvas_.SetBrushClear(true);
        canvas_.SetFont(numberSize, true);
        canvas_.SetFontColor(highContrast_ ? TextColourOn(lineColor(payline, lit)) : kWhite);
        const QSize extent = canvas_.TextSize(number);
        const int cx = Scale(left) + Scale(r % 2 == 1 ? oddOffset : evenOffset);
        const int cy = top + Scale(layout::kMarkerNumberMiddle);
        canvas_.DrawText(cx - extent.width() / 2, cy - extent.height() / 2, number);
    };
    marker(0, layout::kLeftMarkerRight, layout::kMarkerColumnLefts[0], layout::kLeftNumberOdd,
           layout::kLeftNumberEven);
    marker(layout::kRightMarkerLeft, layout::kMarkerSheetWidth, layout::kMarkerColumnLefts[1],
           layout::kRightNumberOdd, layout::kRightNumberEven);
    canvas_.SetBrushClear(false);
}

void CabinetPainter::DrawLineMarkers() {
    for (int p = 1; p <= kPaylineCount; ++p)
        DrawLineMarker(p, p <= session_.state().settings.linesBet);
}

void CabinetPainter::DrawPayline(int payline) {
    if (payline < 1 || payline > kPaylineCount)
        return;
    const CabinetGeometry& g = pictures_.geometry();
    const int r = layout::kMarkerRow[static_cast<std::size_t>(payline - 1)];
    const int c = g.cellSize, L = g.reelLeft, T = g.reelTop, P = g.reelPitch;
    const int y0 = Scale(layout::kMarkerTop) +
                   Scale(layout::kMarkerRowHeight * r + layout::kMarkerNumberMiddle);
    const int h = c / 2;
    auto cx = [&](int k) { return L + k * P + h; };
    const int xs = L - Scale(layout::kPathOverhang);
    const int xe = L + c + (kReelCount - 1) * P + Scale(layout::kPathOverhang);

    canvas_.SetBrushClear(false);
    canvas_.SetPenColor(lineColor(payline, payline <= session_.state().settings.linesBet));
    if (linePatterns_)
        canvas_.SetPenDashes(kLineDashes[static_cast<std::size_t>(payline - 1)]);

    const int thin = Scale(layout::kThinPath), thick = Scale(layout::kThickPath);
    canvas_.SetPenWidth(thick);
    canvas_.MoveTo(xs, y0);
    auto to = [this](int width, int x, int y) {
        canvas_.SetPenWidth(width);
        canvas_.LineTo(x, y);
    };
    switch (payline) {
        case 1:
        case 2:
        case 3:
            to(thick, xe, y0);
            break;
        case 4:
            to(thin, cx(2), T + 3 * c - Scale(layout::kPathTurnInset));
            to(thin, xe, y0);
            break;
        case 5:
            to(thin, cx(2), T + Scale(layout::kPathTurnInset));
            to(thin, xe, y0);
            break;
        case 6:
        case 7:
            to(thick, cx(1), y0);
            to(thin, cx(2), T + c + h);
            to(thin, cx(3), y0);
            to(thick, xe, y0);
            break;
        case 8:
        case 9: {
            const int bend = payline == 8 ? T + h - Scale(layout::kPathBendOffset)
                                          : T + 2 * c + h + Scale(layout::kPathBendOffset);
            to(thick, cx(0), y0);
            to(thin, cx(1), bend);
            to(thick, cx(3), bend);
            to(thin, cx(4), y0);
            to(thick, xe, y0);
            break;
        }
    }
    canvas_.SetPenWidth(1);
    canvas_.SetPenDashes({});
}

void CabinetPainter::RestoreReelEdges() {
    const CabinetGeometry& g = pictures_.geometry();
    const int c = g.cellSize;
    const int left = layout::kReelLeft, top = layout::kReelTop;
    for (int i = 0; i < kReelCount; ++i) {
        RestoreBackground(Area(Scale(left - layout::kRimLeftReach) + i * g.reelPitch, Scale(top),
                               Scale(layout::kRimLeftWidth), 3 * c));
        RestoreBackground(Area(Scale(left) + i * g.reelPitch + c, Scale(top),
                               Scale(layout::kRimRightWidth), 3 * c));
    }
}

void CabinetPainter::RestoreBackground(const QRect& area) {
    // From the background as the cabinet was drawn on it, so the patch matches at every width.
    ground_.Restore(canvas_, area);
}

std::pair<int, int> CabinetPainter::StripRows() const {
    const int digitsBottom =
        Scale(design_grid::kMeterPanel.top) + layout::kMeterDigitsDrop +
        layout::DigitCellHeight(layout::DigitCellWidth(pictures_.geometry().layoutWidth));
    return {std::max(Scale(layout::kMessageStrip.top), digitsBottom),
            Scale(design_grid::kMeterPanel.bottom)};
}

void CabinetPainter::ClearMessageStrip() {
    message_.reset();
    WipeMessageStrip();
}

void CabinetPainter::WipeMessageStrip() {
    const layout::Box strip = layout::kMessageStrip;
    const auto [top, bottom] = StripRows();
    canvas_.SetBrushClear(false);
    canvas_.SetBrushColor(kBlack);
    canvas_.SetPenColor(kBlack);
    canvas_.Rectangle(Scale(strip.left), top, Scale(strip.right), bottom);
}

int CabinetPainter::WriteInStrip(const QString& text, int x, bool rightAligned, int room,
                                 QColor colour) {
    const int w = pictures_.geometry().layoutWidth;
    const auto [top, bottom] = StripRows();
    int points = layout::MeterFontPoints(w);
    int y = 0;
    QSize extent;
    for (;; --points) {
        canvas_.SetFont(points, layout::MeterFontBold(w));
        extent = canvas_.TextSize(text);
        const QRect ink = canvas_.TextInk(text);
        y = Scale(layout::kMessageStrip.bottom) - extent.height();
        y += std::max(0, top - (y + ink.top()));
        if (points == 1 || (extent.width() <= room && y + ink.bottom() < bottom))
            break;
    }
    canvas_.SetBrushClear(true);
    canvas_.SetFontColor(colour);
    const int left = rightAligned ? x - extent.width() : x;
    canvas_.DrawText(left, y, text);
    return rightAligned ? left : left + extent.width();
}

void CabinetPainter::RestoreBadgeArea() {
    const layout::Box badge = layout::kBadgeArea;
    const int left = Scale(badge.left), top = Scale(badge.top);
    RestoreBackground(Area(left, top, Scale(badge.right) - left, Scale(badge.bottom) - top));
}

void CabinetPainter::WriteMessage(const std::string& text) {
    WipeMessageStrip();
    message_ = text;
    const int left = Scale(layout::kLineMessageLeft);
    WriteInStrip(QString::fromStdString(text), left, false,
                 Scale(layout::kMessageStrip.right) - left, kWhite);
    canvas_.SetBrushClear(false);
}

void CabinetPainter::WriteWinMessage(bool blinkOn) {
    ClearMessageStrip();
    const int gap = Scale(layout::kMessageGap);
    // Each message keeps to the strip's room beside the others; a longer one takes a smaller font.
    const SessionState& game = session_.state();
    const int cursor = game.spin.winCursor;
    const int lineLeft = Scale(layout::kLineMessageLeft);
    const int bonusRight = Scale(layout::kBonusMessageRight);
    // The bonus game's message first: the others stop short of it.
    int bonusLeft = -1;
    if (session_.bonusTriggered()) {
        const QString bonus =
            game.bonusWin > 0
                //: In the message strip once the bonus game has paid; %1 is the amount
                ? tr("Bonus Game Paid %1").arg(game.bonusWin)
                //: In the message strip when the spin won the bonus game
                : tr("Play the Bonus Game");
        // Its share of the room it has with the line's message, which takes the rest.
        const int shared = bonusRight - lineLeft - gap;
        bonusLeft = WriteInStrip(bonus, bonusRight, true, shared * layout::kBonusMessageShare / 100,
                                 kYellow);
    }
    if (blinkOn) {
        const int room =
            (bonusLeft >= 0 ? bonusLeft - gap : Scale(layout::kMessageStrip.right)) - lineLeft;
        if (cursor == kScatterCursor) {
            //: In the message strip; %1 is what the scatter balls paid
            WriteInStrip(tr("Scatter paid %1").arg(game.spin.scatterWin), lineLeft, false, room,
                         kWhite);
        } else {
            //: In the message strip, in the payline's colour; %1 is what the line paid
            WriteInStrip(
                tr("Line paid %1").arg(game.spin.lineWin[static_cast<std::size_t>(cursor - 1)]),
                lineLeft, false, room,
                highContrast_ ? ReadableOn(lineColor(cursor), kBlack) : lineColor(cursor));
        }
    } else {
        const int right = Scale(layout::kGamePaidRight);
        const int left = bonusLeft >= 0 ? bonusRight + gap : Scale(layout::kMessageStrip.left);
        //: In the message strip; %1 is what the whole spin paid
        WriteInStrip(tr("Game paid %1").arg(game.gamePaid), right, true, right - left, kWhite);
    }
    canvas_.SetBrushClear(false);
}

}  // namespace quillane
