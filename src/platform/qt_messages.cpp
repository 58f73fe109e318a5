#include "platform/qt_messages.h"

#include <QInputDialog>
#include <QMessageBox>

namespace quillane {

void QtMessages::Inform(const std::string& text) {
    QMessageBox::information(parent_, title_, QString::fromStdString(text));
}

void QtMessages::Error(const std::string& text) {
    QMessageBox::critical(parent_, title_, QString::fromStdString(text));
}

bool QtMessages::Confirm(const std::string& text) {
    return QMessageBox::question(parent_, title_, QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtMessages::AskText(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& initial) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, QString::fromStdString(caption),
                                                 QString::fromStdString(prompt), QLineEdit::Normal,
                                                 QString::fromStdString(initial), &ok);
    if (!ok)
        return std::nullopt;
    return answer.toStdString();
}

}  // namespace quillane
