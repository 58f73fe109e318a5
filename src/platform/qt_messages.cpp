// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt_messages.h"

#include <QApplication>
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

QMessageBox* MessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                        const std::string& text, QMessageBox::StandardButtons buttons,
                        QMessageBox::StandardButton byDefault) {
    auto* box = new QMessageBox(icon, title, QString::fromStdString(text), buttons, parent);
    box->setDefaultButton(byDefault);
    UseDialogFrame(*box);
    // A box with a short text would be too narrow for its own title under a window manager.
    const int titleWidth = box->fontMetrics().horizontalAdvance(title) + kTitleBarExtra;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

}  // namespace

void QtMessages::Show(Box box) {
    waiting_.push_back(std::move(box));
    if (showing_ || scheduled_)
        return;
    // From the event loop: a box asked for while the main window is being made then shows over
    // it, and holds it.
    scheduled_ = true;
    QMetaObject::invokeMethod(
        qApp,
        [this] {
            scheduled_ = false;
            ShowNext();
        },
        Qt::QueuedConnection);
}

void QtMessages::ShowNext() {
    if (waiting_.empty())
        return;
    Box box = std::move(waiting_.front());
    waiting_.pop_front();
    // Over whatever window the player is using, so that the box holds it too.
    QWidget* over = QApplication::activeModalWidget();
    std::function<void(int)> finished;
    QDialog* dialog = box(over != nullptr ? over : parent_.data(), finished);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    showing_ = dialog;
    QObject::connect(dialog, &QDialog::finished, dialog, [this, finished](int result) {
        showing_ = nullptr;
        if (finished)
            finished(result);
        ShowNext();
    });
    dialog->open();
}

void QtMessages::Inform(const std::string& text) {
    Show([this, text](QWidget* parent, std::function<void(int)>&) -> QDialog* {
        return MessageBox(parent, QMessageBox::Information, title_, text, QMessageBox::Ok,
                          QMessageBox::Ok);
    });
}

void QtMessages::Error(const std::string& text) {
    Show([this, text](QWidget* parent, std::function<void(int)>&) -> QDialog* {
        return MessageBox(parent, QMessageBox::Critical, title_, text, QMessageBox::Ok,
                          QMessageBox::Ok);
    });
}

void QtMessages::Confirm(const std::string& text, std::function<void(bool yes)> answered) {
    Show([this, text, answered](QWidget* parent, std::function<void(int)>& finished) -> QDialog* {
        QMessageBox* box = MessageBox(parent, QMessageBox::Question, title_, text,
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        finished = [answered](int result) { answered(result == QMessageBox::Yes); };
        return box;
    });
}

void QtMessages::AskText(const std::string& caption, const std::string& prompt,
                         const std::string& initial,
                         std::function<void(std::optional<std::string>)> answered) {
    Show([=](QWidget* parent, std::function<void(int)>& finished) -> QDialog* {
        auto* dialog = new QInputDialog(parent);
        dialog->setWindowTitle(QString::fromStdString(caption));
        // Without a window manager there is no title bar: a question without a prompt of its own
        // is asked in the box as well.
        dialog->setLabelText(QString::fromStdString(prompt.empty() ? caption : prompt));
        dialog->setTextValue(QString::fromStdString(initial));
        UseDialogFrame(*dialog);
        // The box takes its width from the field: wide enough for the title bar's text.
        if (auto* field = dialog->findChild<QLineEdit*>()) {
            field->setMinimumWidth(dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) +
                                   kTitleBarExtra);
        }
        finished = [dialog, answered](int result) {
            if (result == QDialog::Accepted)
                answered(dialog->textValue().toStdString());
            else
                answered(std::nullopt);
        };
        return dialog;
    });
}

}  // namespace quillane
