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
    if (busy_)
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
    if (busy_)
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
    const BetKeyOutcome outcome = session_.SelectBetKey(key);
    if (outcome.refusal)
        env_.messages.Inform(*outcome.refusal);
    if (!outcome.accepted)
        return;
    const bool lines = IsLinesKey(key);
    const int first = lines ? 1 : kFirstCreditsKey;
    for (int k = first; k < first + kLinesKeyCount; ++k)
        DrawBetLabel(k == key, k);
    if (lines) {
        RestoreReelEdges();
        for (int r = 0; r < kReelCount; ++r)
            DrawReel(r);
        for (int p = 1; p <= session_.state().settings.linesBet; ++p)
            DrawPayline(p);
    }
    DrawCoinsMeter(session_.shownBet());
    DrawLineMarkers();
    if (lines)
        return;
    session_.StakeShownBet();
    DrawCoinsMeter();
    DrawCreditsMeter();
    Spin();
}

void CabinetWindow::BetMax() {
    winDisplayTimer().SetEnabled(false);
    if (!session_.SelectBetMax())
        return;
    for (int k = 1; k < kLinesKeyCount; ++k)
        DrawBetLabel(false, k);
    DrawBetLabel(true, kLinesKeyCount);
    PressBetKey(kLastCreditsKey);
}

}  // namespace quillane
