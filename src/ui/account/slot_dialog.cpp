// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/account/slot_dialog.h"

#include <QCoreApplication>
#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

// At 800 by 600 the dialog is 616 by 360: eight slot panels in two columns on a bevel, and
// the Help and Cancel buttons below it.
constexpr QMargins kMargins(0, 8, 0, 7);
constexpr QMargins kBevelMargins(16, 8, 15, 8);
constexpr int kPanelGap = 7;
constexpr QMargins kButtonMargins(8, 11, 11, 0);
constexpr QSize kButtonSize(97, 37);
// Within a panel: the name over two rows of figures, the slot's button at the right.
constexpr QMargins kPanelMargins(8, 8, 8, 1);
constexpr int kRowHeights[] = {20, 20, 16};
constexpr int kTextHeight = 16;
constexpr int kFiguresWidth = 104;  // the left-hand figures; the right-hand ones take the rest
constexpr int kRightFiguresWidth = 113;
constexpr int kSlotButtonGap = 7;
constexpr int kSlotButtonDrop = 8;
constexpr QSize kSlotButtonSize(49, 37);

constexpr int kFontPixels = 11;

QFont DialogFont(bool bold) {
    return GameFont(kFontPixels, bold);
}

// A frame's layout keeps inside its border: margins counted from the frame's outer edge.
QMargins InsideFrame(const QFrame& frame, const QMargins& margins) {
    const int border = frame.frameWidth();
    return margins - QMargins(border, border, border, border);
}

QLabel* Label(QWidget* parent, Qt::Alignment alignment, bool bold) {
    auto* label = new QLabel(parent);
    label->setFont(DialogFont(bold));
    label->setMinimumHeight(kTextHeight);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

}  // namespace

QString SlotDialog::ShownDate(const QString& stored) {
    //: The Qt date format of a save slot's date (MM month, dd day, yy year), e.g. "dd.MM.yy".
    const QString format = QCoreApplication::translate("SlotDialog", "MM/dd/yy");
    if (format == QLatin1String("MM/dd/yy"))
        return stored;
    // Stored as month, day and two-digit year, with the system's date separator.
    static const QRegularExpression kStored(QStringLiteral("^(\\d+)\\D(\\d+)\\D(\\d+)$"));
    const QRegularExpressionMatch parts = kStored.match(stored);
    if (!parts.hasMatch())
        return stored;
    const int year = parts.captured(3).toInt();
    const QDate date(year < 100 ? 2000 + year : year, parts.captured(1).toInt(),
                     parts.captured(2).toInt());
    return date.isValid() ? date.toString(format) : stored;
}

SlotDialog::SlotDialog(Mode mode, const std::array<SavedGame, kSavedSlotCount>& games,
                       const QString& productName, Messages& messages, Help* help, QWidget* parent)
    : QDialog(parent), mode_(mode), messages_(messages), help_(help) {
    UseDialogFrame(*this);
    setFont(DialogFont(true));

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* panels = new QGridLayout(bevel);
    panels->setContentsMargins(InsideFrame(*bevel, kBevelMargins));
    panels->setSpacing(kPanelGap);
    for (int slot = 1; slot <= kSlots; ++slot) {
        // Slots 1 to 4 down the left, 5 to 8 down the right.
        panels->addWidget(BuildSlot(slot, bevel), (slot - 1) % 4, (slot - 1) / 4);
    }
    auto* cancel = new QPushButton(QCoreApplication::translate("SlotDialog", "&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setMinimumSize(kButtonSize);
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* helpButton = new QPushButton(QCoreApplication::translate("SlotDialog", "&Help"), this);
    helpButton->setObjectName(QStringLiteral("HelpButton"));
    helpButton->setMinimumSize(kButtonSize);
    helpButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    connect(helpButton, &QPushButton::clicked, this, [this] { ShowHelp(); });
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(kButtonMargins);
    buttons->addWidget(helpButton);
    buttons->addStretch();
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargins);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    ListSlots(games, productName);
    // Tab goes down the slots, then left to right along the buttons below.
    setTabOrder(buttons_.back(), helpButton);
    setTabOrder(helpButton, cancel);
    // The first slot's name has the focus, so its button is what Enter presses.
    buttons_.front()->setDefault(true);
}

QFrame* SlotDialog::BuildSlot(int slot, QWidget* parent) {
    const auto i = static_cast<std::size_t>(slot - 1);
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("SlotPanel%1").arg(slot));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    names_[i] = new QLineEdit(panel);
    names_[i]->setObjectName(QStringLiteral("SlotName%1").arg(slot));
    names_[i]->setFrame(false);
    names_[i]->setFont(DialogFont(false));
    names_[i]->setFixedHeight(kRowHeights[0]);
    names_[i]->setBackgroundRole(QPalette::Button);
    names_[i]->setStyleSheet(QStringLiteral("QLineEdit { background: palette(button); }"));
    //: Read by screen readers: the box that holds a saved game's name.
    names_[i]->setAccessibleName(
        QCoreApplication::translate("SlotDialog", "Slot %1 name").arg(slot));
    // The name and the product are plain; the slot's figures take the dialog's bold.
    games_[i] = Label(panel, Qt::AlignLeft, false);
    dates_[i] = Label(panel, Qt::AlignRight, true);
    credits_[i] = Label(panel, Qt::AlignLeft, true);
    borrowed_[i] = Label(panel, Qt::AlignRight, true);

    //: A slot's own button, which saves or opens the game in it: keep it short.
    buttons_[i] = new QPushButton(QCoreApplication::translate("SlotDialog", "OK"), panel);
    buttons_[i]->setObjectName(QStringLiteral("Slot%1").arg(slot));
    buttons_[i]->setProperty("tag", slot);
    buttons_[i]->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    buttons_[i]->setFixedSize(kSlotButtonSize);
    // Eight buttons read "OK"; a screen reader says which slot each one files or opens.
    buttons_[i]->setAccessibleName(
        (mode_ == kSave ? QCoreApplication::translate("SlotDialog", "Save in slot %1")
                        : QCoreApplication::translate("SlotDialog", "Open slot %1"))
            .arg(slot));
    connect(buttons_[i], &QPushButton::clicked, this, [this, slot] { ChooseSlot(slot); });
    names_[i]->installEventFilter(this);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(InsideFrame(*panel, kPanelMargins));
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(0);
    for (int row = 0; row < static_cast<int>(std::size(kRowHeights)); ++row)
        grid->setRowMinimumHeight(row, kRowHeights[row]);
    grid->setColumnMinimumWidth(0, kFiguresWidth);
    grid->setColumnMinimumWidth(1, kRightFiguresWidth);
    grid->setColumnMinimumWidth(2, kSlotButtonGap);
    grid->addWidget(names_[i], 0, 0, 1, 2, Qt::AlignTop);
    grid->addWidget(games_[i], 1, 0, Qt::AlignTop);
    grid->addWidget(dates_[i], 1, 1, Qt::AlignTop);
    grid->addWidget(credits_[i], 2, 0, Qt::AlignTop);
    grid->addWidget(borrowed_[i], 2, 1, Qt::AlignTop);
    auto* button = new QVBoxLayout;
    button->addSpacing(kSlotButtonDrop);
    button->addWidget(buttons_[i]);
    button->addStretch();
    grid->addLayout(button, 0, 3, 3, 1);
    return panel;
}

void SlotDialog::ListSlots(const std::array<SavedGame, kSavedSlotCount>& games,
                           const QString& product) {
    setWindowTitle(
        mode_ == kSave
            ? QCoreApplication::translate("SlotDialog", "Save a Game -- Select Game Slot")
            : QCoreApplication::translate("SlotDialog", "Open a Game -- Select Game Slot"));
    for (int n = 1; n <= kSlots; ++n) {
        const SavedGame& record = games[static_cast<std::size_t>(n - 1)];
        name(n)->setText(QString::fromStdString(record.name));
        date(n)->setText(ShownDate(QString::fromStdString(record.date)));
        //: A saved game's credits, "1000 Credits".
        credits(n)->setText(QCoreApplication::translate("SlotDialog", "%1 Credits")
                                .arg(QString::number(record.account.credits)));
        //: A saved game's borrowed credits, "0 Borrowed".
        borrowed(n)->setText(QCoreApplication::translate("SlotDialog", "%1 Borrowed")
                                 .arg(QString::number(record.account.borrowed)));
        game(n)->setText(product);
    }
}

void SlotDialog::ChooseSlot(int tag) {
    if (tag < 1 || tag > kSlots)
        return;
    if (mode_ == kOpen) {
        choice_ = Choice{tag - 1, {}};
        accept();
        return;
    }
    const std::string proposed = name(tag)->text().toStdString();
    messages_.AskText(
        QCoreApplication::translate("SlotDialog", "Name for this saved game?").toStdString(), "",
        proposed, [self = QPointer<SlotDialog>(this), tag](std::optional<std::string> entered) {
            if (!self)
                return;
            if (entered)
                self->choice_ = Choice{tag - 1, *entered};
            self->accept();
        });
}

void SlotDialog::ShowHelp() {
    if (help_ != nullptr)
        help_->ShowTopic(kHelpTopic);
}

bool SlotDialog::eventFilter(QObject* watched, QEvent* event) {
    const auto name = std::ranges::find(names_, watched);
    if (name == names_.end())
        return QDialog::eventFilter(watched, event);
    QPushButton* button = buttons_[static_cast<std::size_t>(name - names_.begin())];
    // While a slot's name is typed, its button is the default one, and Enter confirms it; taken
    // here, so that the dialog does not press the default button as well.
    if (event->type() == QEvent::FocusIn) {
        button->setDefault(true);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SlotDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quillane
