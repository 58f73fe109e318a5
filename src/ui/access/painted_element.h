// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <functional>
#include <vector>

namespace quillane {

// Something painted on a widget that assistive technology should see as an object of its own:
// what it is, what it says, where it stands, and what pressing it does.
struct ElementModel {
    QAccessible::Role role = QAccessible::StaticText;
    std::function<QString()> name;
    std::function<QString()> description;  // what pressing it does, when a name cannot say
    std::function<QRect()> area;           // in the widget's coordinates
    std::function<bool()> checked;         // only for what can be checked
    std::function<bool()> enabled;         // enabled when not given
    std::function<void()> press;           // only for what can be pressed
    std::function<double()> value;         // only for what shows a number
    int columns = 0;              // a table's: its children are its cells, a row after another
    QString columnWord, rowWord;  // a table's columns and rows are these words and a number
    std::vector<ElementModel> children;
};

// One painted element's interface. It lives as long as the widget's own interface.
class PaintedElement : public QAccessibleInterface,
                       public QAccessibleActionInterface,
                       public QAccessibleValueInterface,
                       public QAccessibleTableInterface,
                       public QAccessibleTableCellInterface {
  public:
    PaintedElement(QWidget* widget, QAccessibleInterface* parent, const ElementModel& model);
    ~PaintedElement() override;

    bool isValid() const override { return !widget_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return static_cast<int>(model_.children.size()); }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return model_.role; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    // A table's, when the model has columns; nothing can be selected in it.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return model_.columns; }
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // A table cell's.
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent_; }

    // Tells assistive technology what has changed on this element and its children since they
    // were last seen: names, values and checked states.
    void Refresh();

  private:
    // The table this is a cell of, or null.
    QAccessibleTableInterface* OwnTable() const;

    QPointer<QWidget> widget_;
    QAccessibleInterface* parent_;
    const ElementModel& model_;
    mutable std::vector<QAccessible::Id> children_;
    QString seenName_;
    double seenValue_ = 0;
    bool seenChecked_ = false;
};

// A widget's interface with its painted elements after its child widgets.
class PaintedWidget : public QAccessibleWidget {
  public:
    PaintedWidget(QWidget* widget, QAccessible::Role role, std::vector<ElementModel> elements);
    ~PaintedWidget() override;

    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    // The first painted element of `role`, or null.
    QAccessibleInterface* element(QAccessible::Role role) const;
    // Tells what has changed on the painted elements assistive technology has seen.
    void Refresh();

  private:
    QAccessibleInterface* Element(std::size_t index) const;

    std::vector<ElementModel> models_;
    mutable std::vector<QAccessible::Id> elements_;
};

}  // namespace quillane
