#include "platform/qt_messages.h"

#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpacerItem>

namespace quillane {
namespace {

// The title bar's buttons and icon, beside the title's text.
constexpr int kTitleBarExtra = 120;

}  // namespace

void QtMessages::Inform(const std::string& text) {
    Show(QMessageBox::Information, text);
}

void QtMessages::Error(const std::string& text) {
    Show(QMessageBox::Critical, text);
}

void QtMessages::Show(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, title_, QString::fromStdString(text), QMessageBox::Ok, parent_);
    // A box with a short text would be too narrow for its own title under a window manager.
    const int titleWidth = box.fontMetrics().horizontalAdvance(title_) + kTitleBarExtra;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

bool QtMessages::Confirm(const std::string& text) {
    return QMessageBox::question(parent_, title_, QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No,
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
    // The box takes its width from the field: wide enough for the title bar's text.
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) +
                               kTitleBarExtra);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString answer = dialog.textValue();
    return answer.toStdString();
}

}  // namespace quillane
