// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <filesystem>

#include "platform/messages.h"

class QTextBrowser;
class QWidget;

namespace quillane {

// Shows the HTML manual in a window of its own, at its contents or at a numbered topic.
class HelpWindow : public Help {
  public:
    HelpWindow(std::filesystem::path manual, Messages& messages);
    ~HelpWindow() override;

    void ShowContents() override;
    void ShowTopic(int topic) override;

    // The window, while it is open; for tests.
    QWidget* window() const;

  private:
    void Show(const QString& anchor);

    std::filesystem::path manual_;
    Messages& messages_;
    QPointer<QTextBrowser> browser_;
};

}  // namespace quillane
