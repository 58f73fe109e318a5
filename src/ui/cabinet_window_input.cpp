#include "core/betting.h"
#include "core/scale.h"
#include "ui/cabinet_window.h"

namespace quillane {
namespace {

struct HitBox {
    int left, right, top, bottom;
};

constexpr HitBox kBetMaxButton = {542, 600, 485, 528};
constexpr HitBox kSpinButton = {606, 666, 485, 528};
constexpr HitBox kLinesKeys[] = {{167, 218, 487, 497},
                                 {227, 278, 487, 497},
                                 {287, 338, 487, 497},
                                 {347, 398, 487, 497},
                                 {407, 458, 487, 497}};
constexpr HitBox kCreditsKeys[] = {{193, 244, 503, 513},
                                   {254, 305, 503, 513},
                                   {315, 366, 503, 513},
                                   {376, 427, 503, 513},
                                   {437, 488, 503, 513}};

}  // namespace

void CabinetWindow::Click(int x, int y) {
    if (state_.busy)
        return;
    auto hit = [&](const HitBox& b) {
        return ScaleToScreen(b.left) <= x && x <= ScaleToScreen(b.right) &&
               ScaleToScreen(b.top) <= y && y <= ScaleToScreen(b.bottom);
    };
    if (hit(kBetMaxButton)) {
        BetMax();
    } else if (hit(kSpinButton)) {
        Spin();
    }
    for (int k = 0; k < kLinesKeyCount; ++k) {
        if (hit(kLinesKeys[k])) {
            PressBetKey(k + 1);
            break;
        }
    }
    for (int k = 0; k < kLinesKeyCount; ++k) {
        if (hit(kCreditsKeys[k])) {
            PressBetKey(kFirstCreditsKey + k);
            break;
        }
    }
}

void CabinetWindow::PressKey(int key) {
    if (state_.busy)
        return;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        Spin();
    } else if (key == Qt::Key_M) {
        BetMax();
    }
}

void CabinetWindow::PressBetKey(int key) {
    winDisplayTimer().SetEnabled(false);
    ClearMessageStrip();
    const bool lines = IsLinesKey(key);
    if (!lines && !IsCreditsKey(key))
        return;
    const int newLines = lines ? LinesForKey(key) : state_.linesBet;
    const int newCredits = lines ? state_.creditsPerLine : CreditsForKey(key);
    if (!lines) {
        if (auto refusal = CreditsKeyRefusal(state_.account.credits, newLines, newCredits)) {
            env_.messages.Inform(*refusal);
            return;
        }
    }
    const int first = lines ? 1 : kFirstCreditsKey;
    for (int k = first; k < first + kLinesKeyCount; ++k)
        DrawBetLabel(k == key, k);
    state_.lastBet = 0;
    if (lines) {
        state_.linesKey = key;
        RestoreReelEdges();
        for (int r = 0; r < kReelCount; ++r)
            DrawReel(r);
        for (int p = 1; p <= newLines; ++p)
            DrawPayline(p);
    } else {
        state_.creditsKey = key;
    }
    state_.linesBet = newLines;
    state_.creditsPerLine = newCredits;
    state_.bet = state_.linesBet * state_.creditsPerLine;
    DrawCoinsMeter();
    state_.bet = 0;
    DrawLineMarkers();
    if (lines)
        return;
    state_.bet = state_.linesBet * state_.creditsPerLine;
    DrawCoinsMeter();
    state_.account.credits -= state_.bet;
    DrawCreditsMeter();
    Spin();
}

void CabinetWindow::BetMax() {
    winDisplayTimer().SetEnabled(false);
    if (state_.account.credits < kBetMaxStake)
        return;
    for (int k = 1; k < kLinesKeyCount; ++k)
        DrawBetLabel(false, k);
    DrawBetLabel(true, kLinesKeyCount);
    state_.linesBet = kMaxLinesBet;
    state_.linesKey = kLinesKeyCount;
    PressBetKey(kLastCreditsKey);
}

}  // namespace quillane
