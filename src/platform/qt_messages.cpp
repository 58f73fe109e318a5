#include "platform/qt_messages.h"

#include <QInputDialog>
#include <QMessageBox>

#include "platform/dialog_frame.h"

namespace quillane {
namespace {

QMessageBox::StandardButton ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const std::string& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton byDefault) {
    QMessageBox box(icon, title, QString::fromStdString(text), buttons, parent);
    box.setDefaultButton(byDefault);
    UseDialogFrame(box);
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
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(initial));
    UseDialogFrame(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

}  // namespace quillane
