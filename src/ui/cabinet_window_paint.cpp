#include <algorithm>

#include "core/paylines.h"
#include "core/scale.h"
#include "ui/cabinet_window.h"
#include "ui/meter_digits.h"

namespace quillane {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(0x80, 0x80, 0x80);

// Screen rows of the payline markers, top to bottom: payline n uses row kMarkerRow[n - 1].
constexpr std::array<int, kPaylineCount> kMarkerRow = {4, 1, 7, 0, 8, 2, 6, 3, 5};
constexpr int kMarkerRowHeight = 25;

struct BetKey {
    const char* caption;
    int left;
    int top;
};
constexpr std::array<BetKey, 10> kBetKeys = {{{"1 Payline", 167, 487},
                                              {"3 Paylines", 227, 487},
                                              {"5 Paylines", 287, 487},
                                              {"7 Paylines", 347, 487},
                                              {"9 Paylines", 407, 487},
                                              {"1 Credit", 193, 503},
                                              {"2 Credits", 254, 503},
                                              {"3 Credits", 315, 503},
                                              {"5 Credits", 376, 503},
                                              {"10 Credits", 437, 503}}};

QRect Area(int left, int top, int width, int height) {
    return {left, top, width, height};
}

}  // namespace

void CabinetWindow::Redraw() {
    if (surface_.isNull())
        return;
    canvas_.SetBrushClear(true);
    canvas_.SetCopyMode(Canvas::CopyMode::Copy);
    canvas_.Draw(Area(0, 0, ScaleToScreen(800), ScaleToScreen(600)), cabinetBackground_,
                 cabinetBackground_.rect());
    DrawLineMarkers();
    for (int p = 1; p <= kPaylineCount; ++p)
        DrawPayline(p);
    RestoreReelEdges();
    if (session_.state().gamePaid > 0) {
        for (int p = 1; p <= kPaylineCount; ++p) {
            DrawLineMarker(p, session_.state().spin.lineWin[static_cast<std::size_t>(p - 1)] > 0);
        }
    }
    for (int r = 0; r < kReelCount; ++r)
        DrawReel(r);
    DrawMeterPanel();
    DrawCreditsMeter();
    DrawCoinsMeter();
    for (int k = 1; k <= 10; ++k)
        DrawBetLabel(false, k);
    DrawBetLabel(true, session_.state().settings.linesKey);
    DrawBetLabel(true, session_.state().settings.creditsKey);
    DrawCabinetButton(CabinetButton::Spin, true);
    DrawCabinetButton(CabinetButton::BetMax, true);
    DrawLogo();
}

void CabinetWindow::DrawReel(int reel) {
    if (reel >= kReelCount) {
        env_.messages.Inform("Oops, I did it again! (" + std::to_string(reel) + ")");
        return;
    }
    if (reel < 0)
        return;
    const int c = cellSize_;
    const int x = reelLeft_ + (reel % kReelCount) * reelPitch_;
    const auto& strip = session_.reelSymbols()[static_cast<std::size_t>(reel)];
    const int stop = session_.state().reelStops[static_cast<std::size_t>(reel)];
    canvas_.SetCopyMode(Canvas::CopyMode::Copy);
    for (int row = 0; row < kRowCount; ++row) {
        const int n = SymbolInRow(strip, stop, row);
        canvas_.Draw(Area(x, reelTop_ + row * c, c, c), symbolSheet_,
                     Area((n % 4) * c, (n / 4) * c, c, c));
    }
}

void CabinetWindow::DrawReelMotion(int reel, int offset) {
    const int c = cellSize_;
    const int h = motionHeight_;
    if (c <= 0 || h <= 0 || motionStrip_.isNull())
        return;
    offset = std::clamp(offset, 0, h - 1);
    // The strip wraps: a window running past its foot continues from its head.
    QImage frame(c, 3 * c, QImage::Format_ARGB32);
    frame.fill(Qt::black);
    Canvas work(frame);
    const int first = std::min(3 * c, h - offset);
    work.Draw(Area(0, 0, c, first), motionStrip_, Area(0, offset, c, first));
    for (int y = first; y < 3 * c; y += h) {
        const int rows = std::min(3 * c - y, h);
        work.Draw(Area(0, y, c, rows), motionStrip_, Area(0, 0, c, rows));
    }
    canvas_.SetCopyMode(Canvas::CopyMode::Copy);
    canvas_.Draw(Area(reelLeft_ + (reel % kReelCount) * reelPitch_, reelTop_, c, 3 * c), frame,
                 frame.rect());
}

void CabinetWindow::DrawDigits(std::int64_t number, int x, int y, bool green, bool rightAligned,
                               bool tight) {
    quillane::DrawDigits(canvas_, green ? greenSmall_ : digitsSmall_, number, x, y, rightAligned,
                         tight);
}

void CabinetWindow::DrawCoinsMeter() {
    DrawCoinsMeter(session_.state().bet);
}

void CabinetWindow::DrawCoinsMeter(std::int32_t amount) {
    DrawDigits(amount, ScaleToScreen(250), meterTop_, true, true, false);
}

void CabinetWindow::DrawWinningsMeter(std::int32_t amount) {
    DrawDigits(amount, ScaleToScreen(428), meterTop_, false, true, false);
}

void CabinetWindow::DrawCreditsMeter() {
    DrawDigits(session_.state().account.credits, ScaleToScreen(620), meterTop_, true, true, false);
}

void CabinetWindow::DrawMeterPanel() {
    const int left = ScaleToScreen(169), top = ScaleToScreen(27);
    const int right = ScaleToScreen(627), bottom = ScaleToScreen(64);
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

    const int w = layoutWidth_;
    const bool bold = w > 1150;
    canvas_.SetFont(w < 851 ? 8 : w <= 1150 ? 10 : w <= 1300 ? 12 : 14, bold);
    canvas_.TextOut(ScaleToScreen(172), ScaleToScreen(29), QStringLiteral(" Coins: "));
    canvas_.TextOut(ScaleToScreen(309), ScaleToScreen(29), QStringLiteral(" Winnings: "));
    canvas_.TextOut(ScaleToScreen(489), ScaleToScreen(29), QStringLiteral(" Credits: "));

    meterTop_ = ScaleToScreen(27) + 3;
    canvas_.SetPenColor(canvas_.brushColor());
    canvas_.SetBrushClear(true);
    auto centred = [this](const QString& text, int cx, int cy, QColor colour) {
        const QSize extent = canvas_.TextExtent(text);
        canvas_.SetFontColor(colour);
        canvas_.TextOut(cx - extent.width() / 2, cy - extent.height() / 2, text);
    };
    centred(QStringLiteral("Insert"), ScaleToScreen(710), ScaleToScreen(471), kWhite);
    centred(QStringLiteral("Coins"), ScaleToScreen(710), ScaleToScreen(486), kBlack);
    canvas_.SetFont(w < 851 ? 8 : w <= 1150 ? 10 : w <= 1300 ? 12 : 14, true);
    canvas_.SetBrushClear(false);
}

void CabinetWindow::RedrawMeters() {
    DrawMeterPanel();
    DrawCreditsMeter();
    DrawCoinsMeter();
}

void CabinetWindow::DrawBetLabel(bool lit, int key) {
    if (key < 1 || key > 10)
        return;
    const BetKey& k = kBetKeys[static_cast<std::size_t>(key - 1)];
    const int width = key <= 5 ? 51 : 53;
    const QColor face =
        lit ? kWhite
            : QColor::fromRgb(background_.valid(188, 492) ? background_.pixel(188, 492)
                                                          : qRgb(0x80, 0x80, 0x80));
    canvas_.SetBrushClear(false);
    canvas_.SetBrushColor(face);
    canvas_.SetPenColor(face);
    canvas_.Rectangle(ScaleToScreen(k.left), ScaleToScreen(k.top), ScaleToScreen(k.left + width),
                      ScaleToScreen(k.top + 10));
    canvas_.SetFont(layoutWidth_ <= 1150 ? 8 : 10, layoutWidth_ > 900);
    canvas_.SetFontColor(lit ? kBlack : kGrey);
    canvas_.SetBrushClear(true);
    const QString caption = QString::fromLatin1(k.caption);
    const QSize extent = canvas_.TextExtent(caption);
    const int cx = ScaleToScreen(k.left + 25);
    const int cy = ScaleToScreen(k.top + (key <= 5 ? 4 : 5));
    canvas_.TextOut(cx - extent.width() / 2, cy - extent.height() / 2, caption);
}

void CabinetWindow::DrawCabinetButton(CabinetButton which, bool ready) {
    const QImage& picture = which == CabinetButton::Spin ? spinBitmap_ : betMaxBitmap_;
    const int x = which == CabinetButton::Spin ? 606 : 542;
    const int w = picture.width();
    const int half = picture.height() / 2;
    const QRect source = ready ? Area(0, half, w, picture.height() - half) : Area(0, 0, w, half);
    canvas_.SetCopyMode(Canvas::CopyMode::Copy);
    const int left = ScaleToScreen(x), top = ScaleToScreen(485);
    canvas_.Draw(Area(left, top, ScaleToScreen(x + w) - left, ScaleToScreen(485 + half) - top),
                 picture, source);
}

void CabinetWindow::DrawLogo() {
    const QRect dest((ScaleToScreen(140) - 125) / 2, ScaleToScreen(10), 125, 70);
    canvas_.SetCopyMode(Canvas::CopyMode::And);
    canvas_.Draw(dest, logoMask_, logoMask_.rect());
    canvas_.SetCopyMode(Canvas::CopyMode::Or);
    canvas_.Draw(dest, logo_, logo_.rect());
    canvas_.SetCopyMode(Canvas::CopyMode::Copy);
}

void CabinetWindow::DrawLineMarker(int payline, bool lit) {
    if (payline < 1 || payline > kPaylineCount)
        return;
    const int r = kMarkerRow[static_cast<std::size_t>(payline - 1)];
    const int top = ScaleToScreen(212) + ScaleToScreen(kMarkerRowHeight * r);
    const int height = ScaleToScreen(kMarkerRowHeight);
    const QImage& face = lit ? lineBubbles_ : lineBubblesDim_;
    const int w = layoutWidth_;
    const int numberSize = w <= 900 ? 8 : w <= 1190 ? 10 : w <= 1400 ? 14 : 18;
    const QString number = QString::number(payline);

    auto marker = [&](int sourceLeft, int sourceRight, int left, int width, int oddOffset,
                      int evenOffset) {
        const QRect source(sourceLeft, kMarkerRowHeight * r, sourceRight - sourceLeft,
                           kMarkerRowHeight);
        const QRect dest(left, top, width, height);
        canvas_.SetCopyMode(Canvas::CopyMode::And);
        canvas_.Draw(dest, lineBubblesNeg_, source);
        canvas_.SetCopyMode(Canvas::CopyMode::Or);
        canvas_.Draw(dest, face, source);
        canvas_.SetCopyMode(Canvas::CopyMode::Copy);
        if (!lit)
            return;
        canvas_.SetBrushClear(true);
        canvas_.SetFont(numberSize, true);
        canvas_.SetFontColor(kWhite);
        const QSize extent = canvas_.TextExtent(number);
        const int cx = left + ScaleToScreen(r % 2 == 1 ? oddOffset : evenOffset);
        const int cy = top + ScaleToScreen(13);
        canvas_.TextOut(cx - extent.width() / 2, cy - extent.height() / 2, number);
    };
    marker(0, 42, ScaleToScreen(162), ScaleToScreen(42), 29, 10);
    marker(49, 90, ScaleToScreen(654), ScaleToScreen(41), 31, 12);
    canvas_.SetBrushClear(false);
}

void CabinetWindow::DrawLineMarkers() {
    for (int p = 1; p <= kPaylineCount; ++p)
        DrawLineMarker(p, p <= session_.state().settings.linesBet);
}

void CabinetWindow::DrawPayline(int payline) {
    if (payline < 1 || payline > kPaylineCount)
        return;
    const int r = kMarkerRow[static_cast<std::size_t>(payline - 1)];
    const int c = cellSize_, L = reelLeft_, T = reelTop_, P = reelPitch_;
    const int y0 = ScaleToScreen(212) + ScaleToScreen(kMarkerRowHeight * r + 13);
    const int h = c / 2;
    auto cx = [&](int k) { return L + k * P + h; };
    const int xs = L - ScaleToScreen(3);
    const int xe = L + c + 4 * P + ScaleToScreen(3);

    canvas_.SetBrushClear(false);
    // The path takes the colour of its own left marker, drawn just before.
    const QColor colour = QColor::fromRgb(canvas_.Pixel(xs - 8, y0));
    canvas_.SetPenColor(colour);
    lineColors_[static_cast<std::size_t>(payline - 1)] = colour;

    const int thin = ScaleToScreen(2), thick = ScaleToScreen(3);
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
            to(thin, cx(2), T + 3 * c - ScaleToScreen(5));
            to(thin, xe, y0);
            break;
        case 5:
            to(thin, cx(2), T + ScaleToScreen(5));
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
            const int bend =
                payline == 8 ? T + h - ScaleToScreen(6) : T + 2 * c + h + ScaleToScreen(6);
            to(thick, cx(0), y0);
            to(thin, cx(1), bend);
            to(thick, cx(3), bend);
            to(thin, cx(4), y0);
            to(thick, xe, y0);
            break;
        }
    }
    canvas_.SetPenWidth(1);
}

void CabinetWindow::RestoreReelEdges() {
    const int c = cellSize_;
    canvas_.SetCopyMode(Canvas::CopyMode::Copy);
    for (int i = 0; i < kReelCount; ++i) {
        canvas_.Draw(
            Area(ScaleToScreen(204) + i * reelPitch_, ScaleToScreen(210), ScaleToScreen(4), 3 * c),
            background_, QRect(QPoint(204 + 92 * i, 210), QPoint(207 + 92 * i, 437)));
        canvas_.Draw(Area(ScaleToScreen(207) + i * reelPitch_ + c, ScaleToScreen(210),
                          ScaleToScreen(3), 3 * c),
                     background_, QRect(QPoint(283 + 92 * i, 210), QPoint(285 + 92 * i, 437)));
    }
}

void CabinetWindow::ClearMessageStrip() {
    canvas_.SetBrushClear(false);
    canvas_.SetBrushColor(kBlack);
    canvas_.SetPenColor(kBlack);
    canvas_.Rectangle(ScaleToScreen(172), ScaleToScreen(50), ScaleToScreen(624), ScaleToScreen(61));
}

void CabinetWindow::RestoreBadgeArea() {
    canvas_.SetCopyMode(Canvas::CopyMode::Copy);
    const int left = ScaleToScreen(560), top = ScaleToScreen(99);
    canvas_.Draw(Area(left, top, ScaleToScreen(644) - left, ScaleToScreen(184) - top), background_,
                 QRect(QPoint(560, 99), QPoint(643, 183)));
}

}  // namespace quillane
