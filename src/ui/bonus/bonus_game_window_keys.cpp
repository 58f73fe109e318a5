// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "ui/bonus/bonus_game_window.h"

namespace quillane {
namespace {

// As the cabinet's focus ring: a light band between dark edges, in design pixels.
const QColor kRingLight(255, 226, 64);
const QColor kRingDark(0, 0, 0);
constexpr int kRingEdge = 1;
constexpr int kRingBand = 2;

// The ring alone, laid over its target and the captions beside it; clicks go through.
class CandidateRing : public QWidget {
  public:
    CandidateRing(QWidget* parent, int edge, int band) : QWidget(parent), edge_(edge), band_(band) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void SetWidths(int edge, int band) {
        edge_ = edge;
        band_ = band;
    }
    int thickness() const { return 2 * edge_ + band_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect outer = rect();
        const QRect light = outer.adjusted(edge_, edge_, -edge_, -edge_);
        const QRect inner = light.adjusted(band_, band_, -band_, -band_);
        p.setClipRegion(
            QRegion(outer).subtracted(QRegion(inner.adjusted(edge_, edge_, -edge_, -edge_))));
        p.fillRect(outer, kRingDark);
        p.setClipRegion(QRegion(light).subtracted(QRegion(inner)));
        p.fillRect(light, kRingLight);
    }

  private:
    int edge_, band_;
};

}  // namespace

bool BonusGameWindow::focusNextPrevChild(bool) {
    // Tab belongs to the cards and the monitor, which take no focus of their own.
    return false;
}

void BonusGameWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool back =
        key == Qt::Key_Backtab || (key == Qt::Key_Tab && event->modifiers() & Qt::ShiftModifier);
    const int current = candidate_.value_or(-1);
    if (key >= Qt::Key_1 && key < Qt::Key_1 + kCardCount) {
        if (!cardChosen_)
            Pick(key - Qt::Key_1);
    } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Tab || back) {
        const bool forward = key == Qt::Key_Right || (key == Qt::Key_Tab && !back);
        if (cardChosen_) {
            // Only the monitor is left to press.
            if (key != Qt::Key_Left && key != Qt::Key_Right)
                Pick(kMonitorStop);
        } else if (current < 0) {
            Pick(forward ? 0 : kCardCount - 1);
        } else {
            Pick((current + (forward ? 1 : kCardCount - 1)) % kCardCount);
        }
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (current == kMonitorStop)
            ToggleQuickPlay();
        else if (current >= 0)
            ChooseCard(current);
    } else if (key == Qt::Key_M) {
        ToggleQuickPlay();
    } else if (key == Qt::Key_F1) {
        if (help_)
            help_();
    } else {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BonusGameWindow::Pick(std::optional<int> stop) {
    if (stop == candidate_)
        return;
    candidate_ = stop;
    PlaceCandidateRing();
}

void BonusGameWindow::PlaceCandidateRing() {
    if (!candidate_) {
        if (candidateRing_ != nullptr)
            candidateRing_->hide();
        return;
    }
    const int edge = std::max(1, Scaled(kRingEdge)), band = std::max(2, Scaled(kRingBand));
    auto* ring = static_cast<CandidateRing*>(candidateRing_);
    if (ring == nullptr) {
        candidateRing_ = ring = new CandidateRing(this, edge, band);
        ring->setObjectName(QStringLiteral("CandidateRing"));
    }
    ring->SetWidths(edge, band);
    const QWidget* target =
        *candidate_ == kMonitorStop ? monitor_ : cards_[static_cast<std::size_t>(*candidate_)];
    const int w = ring->thickness();
    ring->setGeometry(target->geometry().adjusted(-w, -w, w, w));
    ring->show();
    ring->raise();
    ring->update();
}

}  // namespace quillane
