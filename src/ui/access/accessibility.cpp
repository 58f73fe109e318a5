// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/access/accessibility.h"

#include <QAccessible>
#include <QWidget>

#include "ui/access/cabinet_elements.h"
#include "ui/access/chart_rows.h"
#include "ui/access/painted_element.h"
#include "ui/bonus/bonus_game_window.h"
#include "ui/cabinet/cabinet_view.h"
#include "ui/chart/payoff_chart.h"
#include "ui/widgets/picture_view.h"

namespace quillane {
namespace {

constexpr const char* kStatusProperty = "quillaneStatus";

// A picture that answers a click is a button, pressed as the click would; one that shows a
// state of the game ("checked" set on it) says so.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(PictureView* view)
        : QAccessibleWidget(view, view->clickable() ? QAccessible::Button : QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const QVariant checked = widget()->property("checked");
        if (checked.isValid()) {
            s.checkable = true;
            s.checked = checked.toBool();
        }
        return s;
    }
    QStringList actionNames() const override {
        return picture()->clickable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            picture()->Press();
    }

  private:
    PictureView* picture() const { return static_cast<PictureView*>(widget()); }
};

ElementModel Status(QWidget* widget) {
    ElementModel status;
    status.role = QAccessible::StatusBar;
    status.name = [widget] { return StatusText(widget); };
    status.area = [widget] { return QRect(); };
    return status;
}

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* view = dynamic_cast<CabinetView*>(object))
        return new PaintedWidget(view, QAccessible::Pane, CabinetElements(view));
    if (auto* bonus = dynamic_cast<BonusGameWindow*>(object))
        return new PaintedWidget(bonus, QAccessible::Dialog, {Status(bonus)});
    if (auto* chart = dynamic_cast<PayoffChart*>(object))
        return new PaintedWidget(chart, QAccessible::Dialog, ChartRows(chart));
    if (auto* picture = dynamic_cast<PictureView*>(object))
        return new PictureAccessible(picture);
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(Factory);
    installed = true;
}

void Announce(QWidget* widget, const QString& text) {
    const bool repeated = StatusText(widget) == text;
    auto* painted =
        QAccessible::isActive()
            ? dynamic_cast<PaintedWidget*>(QAccessible::queryAccessibleInterface(widget))
            : nullptr;
    // Made before the text changes, so that the change is news to it.
    QAccessibleInterface* status = painted ? painted->element(QAccessible::StatusBar) : nullptr;
    widget->setProperty(kStatusProperty, text);
    if (!painted || !status)
        return;
    painted->Refresh();
    // The same words again are news all the same: a second refusal, a second spin without a win.
    if (repeated) {
        QAccessibleEvent named(status, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
    QAccessibleEvent alert(status, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Refresh(QWidget* widget) {
    if (!QAccessible::isActive())
        return;
    if (auto* painted = dynamic_cast<PaintedWidget*>(QAccessible::queryAccessibleInterface(widget)))
        painted->Refresh();
}

QString StatusText(const QWidget* widget) {
    return widget->property(kStatusProperty).toString();
}

}  // namespace quillane
