// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/access/painted_element.h"

#include <QWidget>

namespace quillane {
namespace {

// The interface of `models[index]`, made and registered the first time it is asked for.
QAccessibleInterface* Made(std::vector<QAccessible::Id>& ids,
                           const std::vector<ElementModel>& models, std::size_t index,
                           QWidget* widget, QAccessibleInterface* parent) {
    if (index >= models.size())
        return nullptr;
    if (ids.empty())
        ids.resize(models.size(), 0);
    if (ids[index] == 0)
        ids[index] = QAccessible::registerAccessibleInterface(
            new PaintedElement(widget, parent, models[index]));
    return QAccessible::accessibleInterface(ids[index]);
}

void Forget(const std::vector<QAccessible::Id>& ids) {
    for (QAccessible::Id id : ids) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

void Refreshed(const std::vector<QAccessible::Id>& ids) {
    for (QAccessible::Id id : ids) {
        if (id != 0)
            static_cast<PaintedElement*>(QAccessible::accessibleInterface(id))->Refresh();
    }
}

int IndexIn(const std::vector<QAccessible::Id>& ids, const QAccessibleInterface* child) {
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == id && id != 0)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

PaintedElement::PaintedElement(QWidget* widget, QAccessibleInterface* parent,
                               const ElementModel& model)
    : widget_(widget), parent_(parent), model_(model) {
    seenName_ = text(QAccessible::Name);
    seenValue_ = model_.value ? model_.value() : 0;
    seenChecked_ = model_.checked && model_.checked();
}

void PaintedElement::Refresh() {
    if (const QString name = text(QAccessible::Name); name != seenName_) {
        seenName_ = name;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (model_.value && model_.value() != seenValue_) {
        seenValue_ = model_.value();
        QAccessibleValueChangeEvent event(this, seenValue_);
        QAccessible::updateAccessibility(&event);
    }
    if (model_.checked && model_.checked() != seenChecked_) {
        seenChecked_ = !seenChecked_;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    Refreshed(children_);
}

PaintedElement::~PaintedElement() {
    Forget(children_);
}

QWindow* PaintedElement::window() const {
    return widget_ ? widget_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* PaintedElement::child(int index) const {
    return index < 0 ? nullptr
                     : Made(children_, model_.children, static_cast<std::size_t>(index),
                            widget_.data(), const_cast<PaintedElement*>(this));
}

int PaintedElement::indexOfChild(const QAccessibleInterface* child) const {
    return IndexIn(children_, child);
}

QAccessibleInterface* PaintedElement::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* c = child(i);
        if (c && c->rect().contains(x, y))
            return c;
    }
    return nullptr;
}

QString PaintedElement::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && model_.name)
        return model_.name();
    if (t == QAccessible::Description && model_.description)
        return model_.description();
    if (t == QAccessible::Value && model_.value)
        return QString::number(model_.value());
    return {};
}

QRect PaintedElement::rect() const {
    if (!widget_ || !model_.area)
        return {};
    const QRect area = model_.area();
    return {widget_->mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::State PaintedElement::state() const {
    QAccessible::State s;
    s.invisible = !widget_ || !widget_->isVisible();
    s.disabled = model_.enabled && !model_.enabled();
    if (model_.checked) {
        s.checkable = true;
        s.checked = model_.checked();
    }
    s.readOnly = !model_.press;
    return s;
}

void* PaintedElement::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface && model_.press)
        return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::ValueInterface && model_.value)
        return static_cast<QAccessibleValueInterface*>(this);
    if (type == QAccessible::TableInterface && model_.columns > 0)
        return static_cast<QAccessibleTableInterface*>(this);
    if (type == QAccessible::TableCellInterface && OwnTable())
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

QStringList PaintedElement::actionNames() const {
    return model_.press ? QStringList{pressAction()} : QStringList{};
}

void PaintedElement::doAction(const QString& actionName) {
    if (actionName == pressAction() && model_.press)
        model_.press();
}

QAccessibleInterface* PaintedElement::cellAt(int row, int column) const {
    if (column < 0 || column >= model_.columns)
        return nullptr;
    return child(row * model_.columns + column);
}

int PaintedElement::rowCount() const {
    return model_.columns > 0 ? childCount() / model_.columns : 0;
}

QString PaintedElement::columnDescription(int column) const {
    return model_.columnWord + ' ' + QString::number(column + 1);
}

QString PaintedElement::rowDescription(int row) const {
    return model_.rowWord + ' ' + QString::number(row + 1);
}

QAccessibleTableInterface* PaintedElement::OwnTable() const {
    return parent_ && model_.role == QAccessible::Cell ? parent_->tableInterface() : nullptr;
}

int PaintedElement::columnIndex() const {
    const QAccessibleTableInterface* table = OwnTable();
    return table ? parent_->indexOfChild(this) % table->columnCount() : -1;
}

int PaintedElement::rowIndex() const {
    const QAccessibleTableInterface* table = OwnTable();
    return table ? parent_->indexOfChild(this) / table->columnCount() : -1;
}

QVariant PaintedElement::currentValue() const {
    return model_.value ? QVariant(model_.value()) : QVariant();
}

PaintedWidget::PaintedWidget(QWidget* widget, QAccessible::Role role,
                             std::vector<ElementModel> elements)
    : QAccessibleWidget(widget, role), models_(std::move(elements)) {}

PaintedWidget::~PaintedWidget() {
    Forget(elements_);
}

QAccessibleInterface* PaintedWidget::Element(std::size_t index) const {
    return Made(elements_, models_, index, widget(), const_cast<PaintedWidget*>(this));
}

QAccessibleInterface* PaintedWidget::child(int index) const {
    const int own = QAccessibleWidget::childCount();
    if (index < own)
        return QAccessibleWidget::child(index);
    return Element(static_cast<std::size_t>(index - own));
}

int PaintedWidget::childCount() const {
    return QAccessibleWidget::childCount() + static_cast<int>(models_.size());
}

int PaintedWidget::indexOfChild(const QAccessibleInterface* child) const {
    const int painted = IndexIn(elements_, child);
    return painted >= 0 ? QAccessibleWidget::childCount() + painted
                        : QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* PaintedWidget::childAt(int x, int y) const {
    for (std::size_t i = 0; i < models_.size(); ++i) {
        QAccessibleInterface* e = Element(i);
        if (e && e->rect().contains(x, y))
            return e;
    }
    return QAccessibleWidget::childAt(x, y);
}

void PaintedWidget::Refresh() {
    Refreshed(elements_);
}

QAccessibleInterface* PaintedWidget::element(QAccessible::Role role) const {
    for (std::size_t i = 0; i < models_.size(); ++i) {
        if (models_[i].role == role)
            return Element(i);
    }
    return nullptr;
}

}  // namespace quillane
