// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/access/cabinet_elements.h"

#include <QCoreApplication>

#include <QTimer>

#include "core/betting.h"
#include "core/reels.h"
#include "ui/access/accessibility.h"
#include "ui/cabinet/cabinet_key_tips.h"
#include "ui/cabinet/cabinet_layout.h"
#include "ui/cabinet/cabinet_view.h"
#include "ui/cabinet/cabinet_window.h"
#include "ui/widgets/game_names.h"
#include "ui/widgets/number_format.h"

namespace quillane {
namespace {

namespace layout = cabinet_layout;
using layout::Box;

CabinetWindow* Cabinet(const CabinetView* view) {
    return dynamic_cast<CabinetWindow*>(view->window());
}

// A box of the design grid in the view's coordinates.
QRect Area(const CabinetView* view, const Box& box) {
    const CabinetWindow* cabinet = Cabinet(view);
    if (!cabinet)
        return {};
    const CabinetGeometry& g = cabinet->cabinetGeometry();
    const double ratio = view->devicePixelRatioF();
    const QPointF topLeft(g.Scale(box.left), g.Scale(box.top));
    const QPointF bottomRight(g.Scale(box.right), g.Scale(box.bottom));
    return QRectF(view->origin() + topLeft / ratio, view->origin() + bottomRight / ratio)
        .toAlignedRect();
}

// A button pressed as a click on its middle, after the call that pressed it is done with, as
// the view hands a click on.
// Names are worded when asked for, so that they follow a change of language.
ElementModel Button(CabinetView* view, std::function<QString()> name, Box box) {
    ElementModel m;
    m.role = QAccessible::Button;
    m.name = std::move(name);
    m.area = [view, box] { return Area(view, box); };
    m.enabled = [view] {
        const CabinetWindow* cabinet = Cabinet(view);
        return cabinet && (!cabinet->busy() || cabinet->autoplay().running());
    };
    m.press = [view, box] {
        QTimer::singleShot(0, view, [view, box] {
            if (CabinetWindow* cabinet = Cabinet(view)) {
                const CabinetGeometry& g = cabinet->cabinetGeometry();
                cabinet->Click(g.Scale((box.left + box.right) / 2),
                               g.Scale((box.top + box.bottom) / 2));
            }
        });
    };
    return m;
}

// Bet Max or Spin, named by its caption and described by its tooltip.
ElementModel Key(CabinetView* view, int stop) {
    ElementModel m = Button(
        view, [stop] { return CabinetKeyCaption(stop); }, layout::StopHitBox(stop));
    m.description = [stop] { return CabinetKeyTip(stop); };
    return m;
}

ElementModel BetKey(CabinetView* view, int key) {
    auto name = [key] {
        const QString caption =
            QCoreApplication::translate("CabinetPainter", layout::KeyAt(key).caption);
        return IsLinesKey(key)
                   ? caption
                   //: A credits key as a screen reader names it; %1 is
                   //: its caption ("2 Credits")
                   : QCoreApplication::translate("CabinetElements", "%1 \u2014 spins at once")
                         .arg(caption);
    };
    ElementModel m = Button(view, name, layout::HitBox(key));
    m.description = [key] { return CabinetKeyTip(key - 1); };
    m.checked = [view, key] {
        const CabinetWindow* cabinet = Cabinet(view);
        if (!cabinet)
            return false;
        const BetSettings& bet = cabinet->session().state().settings;
        return key == bet.linesKey || key == bet.creditsKey;
    };
    return m;
}

ElementModel Meter(CabinetView* view, std::function<QString()> caption, Box box,
                   std::function<std::int64_t(const CabinetWindow&)> shown) {
    ElementModel m;
    m.role = QAccessible::StaticText;
    m.area = [view, box] { return Area(view, box); };
    m.value = [view, shown] {
        const CabinetWindow* cabinet = Cabinet(view);
        return cabinet ? static_cast<double>(shown(*cabinet)) : 0.0;
    };
    m.name = [view, caption, shown] {
        const CabinetWindow* cabinet = Cabinet(view);
        //: A meter as a screen reader names it; %1 is its caption ("Credits"), %2 its figure
        return QCoreApplication::translate("CabinetElements", "%1: %2")
            .arg(caption(), cabinet ? WithThousands(shown(*cabinet)) : QString());
    };
    return m;
}

ElementModel Reels(CabinetView* view) {
    using namespace design_grid;
    ElementModel table;
    table.role = QAccessible::Table;
    table.columns = kReelCount;
    //: A reel window's column as a screen reader names it
    table.columnWord = QCoreApplication::translate("CabinetElements", "Reel");
    //: A reel window's row as a screen reader names it
    table.rowWord = QCoreApplication::translate("CabinetElements", "Row");
    //: The reel window as a screen reader names it
    table.name = [] { return QCoreApplication::translate("CabinetElements", "Reels"); };
    const Box whole = {kReelLeft, kReelTop, kReelLeft + (kReelCount - 1) * kReelPitch + kCellSize,
                       kReelTop + kReelRows * kCellSize};
    table.area = [view, whole] { return Area(view, whole); };
    for (int row = 0; row < kReelRows; ++row) {
        for (int reel = 0; reel < kReelCount; ++reel) {
            ElementModel cell;
            cell.role = QAccessible::Cell;
            const int left = kReelLeft + reel * kReelPitch, top = kReelTop + row * kCellSize;
            const Box box = {left, top, left + kCellSize, top + kCellSize};
            cell.area = [view, box] { return Area(view, box); };
            cell.name = [view, reel, row] {
                const CabinetWindow* cabinet = Cabinet(view);
                if (!cabinet)
                    return QString();
                if (cabinet->cycle().phase() == SpinCycle::Phase::Reels)
                    //: A reel cell's name while the reels turn
                    return QCoreApplication::translate("CabinetElements", "Turning");
                const GameSession& session = cabinet->session();
                const Symbol s =
                    SymbolInRow(session.reelSymbols()[static_cast<std::size_t>(reel)],
                                session.state().reelStops[static_cast<std::size_t>(reel)], row);
                return SymbolText(s);
            };
            table.children.push_back(std::move(cell));
        }
    }
    return table;
}

ElementModel LineMarker(CabinetView* view, int payline) {
    using namespace design_grid;
    ElementModel m;
    const int top =
        kMarkerTop + kMarkerRowHeight * kMarkerRow[static_cast<std::size_t>(payline - 1)];
    const Box box = {kMarkerColumnLefts[0], top, kMarkerColumnLefts[0] + kMarkerColumnWidth,
                     top + kMarkerRowHeight};
    m.area = [view, box] { return Area(view, box); };
    m.name = [view, payline] {
        const CabinetWindow* cabinet = Cabinet(view);
        const bool played = cabinet && payline <= cabinet->session().state().settings.linesBet;
        return played
                   //: A payline marker as a screen reader names it; %1 is the payline
                   ? QCoreApplication::translate("CabinetElements", "Payline %1: played")
                         .arg(payline)
                   //: A payline marker as a screen reader names it; %1 is the payline
                   : QCoreApplication::translate("CabinetElements", "Payline %1: not played")
                         .arg(payline);
    };
    return m;
}

}  // namespace

std::vector<ElementModel> CabinetElements(CabinetView* view) {
    std::vector<ElementModel> elements;
    elements.push_back(Key(view, layout::kSpinStop));
    elements.push_back(Key(view, layout::kBetMaxStop));
    for (int key = 1; key <= kLastCreditsKey; ++key)
        elements.push_back(BetKey(view, key));

    // The coin slot borrows, as its key does.
    ElementModel coins = Button(
        view,
        [] {
            //: The coin slot as a screen reader names it
            return QCoreApplication::translate("CabinetElements",
                                               "Insert Coins \u2014 borrow credits");
        },
        layout::kCoinSlot);
    coins.description = [] { return CabinetKeyTip(layout::kCoinSlotStop); };
    coins.press = [view] {
        QTimer::singleShot(0, view, [view] {
            if (CabinetWindow* cabinet = Cabinet(view))
                cabinet->PressCabinetKey(layout::kCoinSlotStop);
        });
    };
    elements.push_back(std::move(coins));

    const int meterTop = design_grid::kMeterPanel.top, meterBottom = layout::kMessageStrip.top;
    elements.push_back(Meter(
        view,
        [] {
            //: A meter as a screen reader names it
            return QCoreApplication::translate("CabinetElements", "Coins");
        },
        {layout::kCoinsCaptionLeft, meterTop, layout::kCoinsRight, meterBottom},
        [](const CabinetWindow& c) { return c.painter().coinsShown(); }));
    elements.push_back(Meter(
        view,
        [] {
            //: A meter as a screen reader names it
            return QCoreApplication::translate("CabinetElements", "Winnings");
        },
        {layout::kWinningsCaptionLeft, meterTop, layout::kWinningsRight, meterBottom},
        [](const CabinetWindow& c) { return c.painter().winningsShown(); }));
    elements.push_back(Meter(
        view,
        [] {
            //: A meter as a screen reader names it
            return QCoreApplication::translate("CabinetElements", "Credits");
        },
        {layout::kCreditsCaptionLeft, meterTop, layout::kCreditsRight, meterBottom},
        [](const CabinetWindow& c) { return c.session().state().account.credits; }));

    elements.push_back(Reels(view));
    for (int p = 1; p <= kPaylineCount; ++p)
        elements.push_back(LineMarker(view, p));

    ElementModel status;
    status.role = QAccessible::StatusBar;
    status.name = [view] { return StatusText(view); };
    status.area = [view] { return Area(view, layout::kMessageStrip); };
    elements.push_back(std::move(status));
    return elements;
}

}  // namespace quillane
