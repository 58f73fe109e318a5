#pragma once

#include <QString>

#include "platform/messages.h"

#include <QMessageBox>

class QWidget;

namespace quillane {

// Message boxes over a parent window, titled with the product name.
class QtMessages : public Messages {
  public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }
    void SetTitle(const QString& title) { title_ = title; }

    void Inform(const std::string& text) override;
    void Error(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override;

  private:
    QWidget* parent_;
    QString title_ = QStringLiteral("Quillane");
};

}  // namespace quillane
