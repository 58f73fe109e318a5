#include "platform/qt_messages.h"

#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpacerItem>

#include "platform/dialog_frame.h"

namespace quillane {
namespace {

// The title bar's buttons and icon, beside the title's text.
constexpr int kTitleBarExtra = 120;

QMessageBox::StandardButton ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const std::string& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton byDefault) {
    QMessageBox box(icon, title, QString::fromStdString(text), buttons, parent);
    box.setDefaultButton(byDefault);
    UseDialogFrame(box);
    // A box with a short text would be too narrow for its own title under a window manager.
    const int titleWidth = box.fontMetrics().horizontalAdvance(title) + kTitleBarExtra;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtMessages::Inform(const std::string& text) {
    ShowBox(parent_, QMessageBox::Information, title_, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::Error(const std::string& text) {
    ShowBox(parent_, QMessageBox::Critical, title_, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessages::Confirm(const std::string& text) {
    return ShowBox(parent_, QMessageBox::Question, title_, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtMessages::AskText(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& initial) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(QString::fromStdString(caption));
    // Without a window manager there is no title bar: a question without a prompt of its own is
    // asked in the box as well.
    dialog.setLabelText(QString::fromStdString(prompt.empty() ? caption : prompt));
    dialog.setTextValue(QString::fromStdString(initial));
    UseDialogFrame(dialog);
    // The box takes its width from the field: wide enough for the title bar's text.
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) +
                               kTitleBarExtra);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

}  // namespace quillane
