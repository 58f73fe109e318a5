// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/options/language_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/translations.h"
#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

QString NameOf(const std::string& code) {
    for (const InterfaceLanguage& l : InterfaceLanguages())
        if (l.code == code)
            return QString::fromUtf8(l.name.data(), static_cast<qsizetype>(l.name.size()));
    return QString::fromStdString(code);
}

}  // namespace

LanguageDialog::LanguageDialog(const std::string& choice, const std::string& desktop,
                               QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Language"));
    UseDialogFrame(*this);
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("Show Quillane in:"), this);
    caption->setWordWrap(true);
    layout->addWidget(caption);

    group_ = new QButtonGroup(this);
    auto add = [&](const QString& text, const std::string& code) {
        auto* button = new QRadioButton(text, this);
        button->setObjectName(QString::fromStdString(code.empty() ? "desktop" : code));
        button->setChecked(code == choice);
        group_->addButton(button);
        layout->addWidget(button);
    };
    //: The first choice of the language dialog; %1 is the desktop's language in its own words.
    add(tr("The desktop's language (%1)").arg(NameOf(desktop)), "");
    for (const InterfaceLanguage& l : InterfaceLanguages())
        add(NameOf(std::string(l.code)), std::string(l.code));
    if (!group_->checkedButton())
        group_->buttons().front()->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::string LanguageDialog::choice() const {
    const QString name = group_->checkedButton()->objectName();
    return name == QStringLiteral("desktop") ? std::string() : name.toStdString();
}

}  // namespace quillane
