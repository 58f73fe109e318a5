// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/help_window.h"

#include <QCoreApplication>

#include <QFile>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <system_error>

namespace quillane {
namespace {

constexpr QSize kFirstSize(720, 640);  // the manual's window when it first opens

// Escape closes the manual, as it closes the game's dialogs.
class ManualBrowser : public QTextBrowser {
  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
            close();
        else
            QTextBrowser::keyPressEvent(event);
    }
};

}  // namespace

HelpWindow::HelpWindow(std::filesystem::path manual, Messages& messages)
    : manual_(std::move(manual)), messages_(messages) {}

HelpWindow::~HelpWindow() {
    delete browser_.data();
}

QWidget* HelpWindow::window() const {
    return browser_.data();
}

void HelpWindow::ShowContents() {
    Show({});
}

void HelpWindow::ShowTopic(int topic) {
    Show(QString::number(topic));
}

void HelpWindow::Show(const QString& anchor) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(manual_, error)) {
        //: %1 is the manual's file
        messages_.Error(
            QCoreApplication::translate("HelpWindow", "The manual \"%1\" could not be found.")
                .arg(QString::fromStdString(manual_.string()))
                .toStdString());
        return;
    }
    if (!browser_) {
        browser_ = new ManualBrowser;
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->setOpenExternalLinks(false);
        browser_->resize(kFirstSize);
    }
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(manual_.string()));
    browser_->setSource(url);
    if (!anchor.isEmpty())
        browser_->scrollToAnchor(anchor);
    browser_->setWindowTitle(browser_->documentTitle().isEmpty()
                                 //: The manual window's title when the manual has none
                                 ? QCoreApplication::translate("HelpWindow", "Manual")
                                 : browser_->documentTitle());
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

}  // namespace quillane
