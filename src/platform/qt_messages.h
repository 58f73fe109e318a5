// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QString>
#include <deque>
#include <functional>

#include "platform/messages.h"

class QDialog;
class QWidget;

namespace quillane {

// Message boxes over the window in front, titled with the product name. Each is shown without
// waiting for it; when several come at once they are shown one after another.
class QtMessages : public Messages {
  public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }
    void SetTitle(const QString& title) { title_ = title; }

    void Inform(const std::string& text) override;
    void Error(const std::string& text) override;
    void Confirm(const std::string& text, std::function<void(bool yes)> answered) override;
    void AskText(const std::string& caption, const std::string& prompt, const std::string& initial,
                 std::function<void(std::optional<std::string>)> answered) override;

  private:
    // Makes a box over `parent` and says what its result means.
    using Box = std::function<QDialog*(QWidget* parent, std::function<void(int)>& finished)>;
    void Show(Box box);
    void ShowNext();

    QPointer<QWidget> parent_;
    QString title_ = QStringLiteral("Quillane");
    std::deque<Box> waiting_;
    QPointer<QDialog> showing_;
    bool scheduled_ = false;
};

}  // namespace quillane
