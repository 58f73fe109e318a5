// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout_checks.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSizeGrip>
#include <QStyle>
#include <span>
#include <vector>

#include "platform/translations.h"

namespace quillane::testing {

QString Shown(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

namespace {

// Where a widget shows: a label with text by the text's own ink, aligned in the label as drawn.
QRect Ink(const QWidget& w) {
    const auto* label = qobject_cast<const QLabel*>(&w);
    if (label == nullptr || label->text().isEmpty() || label->textFormat() == Qt::RichText)
        return w.geometry();
    const QRect room = label->contentsRect();
    const QSize size = label->wordWrap()
                           ? QSize(room.width(), label->heightForWidth(room.width()))
                           : label->fontMetrics().size(Qt::TextShowMnemonic, label->text());
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(), size, room)
        .translated(label->geometry().topLeft());
}

}  // namespace

// Every widget inside the window and clear of its siblings; every text fits its widget.
void ExpectLaidOutCleanly(QWidget& window, bool apart) {
    std::vector<QWidget*> shown;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        // A size grip lies over the window's corner by design.
        if (child->isVisibleTo(&window) && qobject_cast<QSizeGrip*>(child) == nullptr)
            shown.push_back(child);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QWidget* w = shown[i];
        const std::string name = std::string(w->metaObject()->className())
                                     .append(" ")
                                     .append(w->objectName().toStdString());
        const QRect box(w->mapTo(&window, QPoint(0, 0)), w->size());
        EXPECT_TRUE(window.rect().contains(box)) << name << " runs off the window";
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && !label->wordWrap()) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(Shown(label->text())),
                      label->contentsRect().width())
                << name << " is cut";
        } else if (label != nullptr) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name << " is cut";
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const int picture = button->icon().isNull() ? 0 : button->iconSize().width();
            EXPECT_LE(button->fontMetrics().horizontalAdvance(Shown(button->text())) + picture,
                      button->width())
                << name << " is cut";
        }
        for (QWidget* other : std::span(shown).subspan(apart ? i + 1 : shown.size())) {
            if (other->parentWidget() == w->parentWidget()) {
                EXPECT_FALSE(Ink(*w).intersects(Ink(*other)))
                    << name << " over " << other->metaObject()->className() << " "
                    << other->objectName().toStdString();
            }
        }
    }
}

bool Untranslated(const QString& text) {
    static const QStringList kNames = [] {
        QStringList names = {QStringLiteral("Quillane"), QStringLiteral("BINGO"),
                             QStringLiteral("B I N G O")};
        // The language dialog names each language in its own words.
        for (const InterfaceLanguage& l : InterfaceLanguages())
            names << QString::fromUtf8(l.name.data(), static_cast<qsizetype>(l.name.size()));
        return names;
    }();
    const QString shown = Shown(text).trimmed();
    if (kNames.contains(shown) || shown.size() == 1)
        return false;
    bool letters = false;
    for (QChar c : shown) {
        if (c.unicode() > 127)
            return false;
        letters = letters || c.isLetter();
    }
    return letters;
}

void ExpectTranslated(QWidget& window) {
    auto expect = [](const QString& text, const QObject& where) {
        EXPECT_FALSE(Untranslated(text))
            << where.metaObject()->className() << " " << where.objectName().toStdString() << ": "
            << text.toStdString();
    };
    expect(window.windowTitle(), window);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(child)) {
            expect(label->text(), *label);
        } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            // Qt's own buttons are translated by Qt's catalogues, which have no pseudo-language.
            auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
            if (box == nullptr || box->standardButton(button) == QDialogButtonBox::NoButton)
                expect(button->text(), *button);
        } else if (auto* group = qobject_cast<QGroupBox*>(child)) {
            expect(group->title(), *group);
        }
    }
}

}  // namespace quillane::testing
