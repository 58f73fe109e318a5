#include "ui/account/slot_dialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPointer>
#include <QStyle>

#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

QFont DialogFont(bool bold) {
    return GameFont(11, bold);
}

QLabel* Label(QWidget* parent, int x, int y, int width, Qt::Alignment alignment, bool bold) {
    auto* label = new QLabel(parent);
    label->setFont(DialogFont(bold));
    label->setGeometry(x, y, width, 16);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

}  // namespace

SlotDialog::SlotDialog(Mode mode, const std::array<SavedGame, kSavedSlotCount>& games,
                       const QString& productName, Messages& messages, Help* help, QWidget* parent)
    : QDialog(parent), mode_(mode), messages_(messages), help_(help) {
    UseDialogFrame(*this);
    setFixedSize(616, 360);
    setFont(DialogFont(true));

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(0, 8, 617, 297);
    for (int slot = 1; slot <= kSlots; ++slot) {
        BuildSlot(slot, slot <= 4 ? 16 : 312, 16 + 72 * ((slot - 1) % 4));
    }
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(508, 316, 97, 37);
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    // Enter belongs to the slot being named, never to Cancel or Help.
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* helpButton = new QPushButton(QStringLiteral("&Help"), this);
    helpButton->setObjectName(QStringLiteral("HelpButton"));
    helpButton->setGeometry(8, 316, 97, 37);
    helpButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    helpButton->setAutoDefault(false);
    connect(helpButton, &QPushButton::clicked, this, [this] { ShowHelp(); });
    ListSlots(games, productName);
}

void SlotDialog::BuildSlot(int slot, int left, int top) {
    const auto i = static_cast<std::size_t>(slot - 1);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("SlotPanel%1").arg(slot));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(left, top, 289, 65);

    names_[i] = new QLineEdit(panel);
    names_[i]->setObjectName(QStringLiteral("SlotName%1").arg(slot));
    names_[i]->setFrame(false);
    names_[i]->setFont(DialogFont(false));
    names_[i]->setGeometry(8, 8, 233, 20);
    names_[i]->setBackgroundRole(QPalette::Button);
    names_[i]->setStyleSheet(QStringLiteral("QLineEdit { background: palette(button); }"));
    // The name and the product are plain; the slot's figures take the dialog's bold.
    games_[i] = Label(panel, 8, 28, 129, Qt::AlignLeft, false);
    dates_[i] = Label(panel, 168, 28, 57, Qt::AlignRight, true);
    credits_[i] = Label(panel, 8, 48, 105, Qt::AlignLeft, true);
    borrowed_[i] = Label(panel, 112, 48, 113, Qt::AlignRight, true);

    buttons_[i] = new QPushButton(QStringLiteral("OK"), panel);
    buttons_[i]->setObjectName(QStringLiteral("Slot%1").arg(slot));
    buttons_[i]->setProperty("tag", slot);
    buttons_[i]->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    buttons_[i]->setGeometry(232, 16, 49, 37);
    buttons_[i]->setAutoDefault(false);
    connect(buttons_[i], &QPushButton::clicked, this, [this, slot] { ChooseSlot(slot); });
    // Enter in a slot's name confirms it, as that slot's button would.
    connect(names_[i], &QLineEdit::returnPressed, this, [this, slot] { ChooseSlot(slot); });
}

void SlotDialog::ListSlots(const std::array<SavedGame, kSavedSlotCount>& games,
                           const QString& product) {
    setWindowTitle(mode_ == kSave ? QStringLiteral("Save a Game -- Select Game Slot")
                                  : QStringLiteral("Open a Game -- Select Game Slot"));
    for (int n = 1; n <= kSlots; ++n) {
        const SavedGame& record = games[static_cast<std::size_t>(n - 1)];
        name(n)->setText(QString::fromStdString(record.name));
        date(n)->setText(QString::fromStdString(record.date));
        credits(n)->setText(QString::number(record.account.credits) + " Credits");
        borrowed(n)->setText(QString::number(record.account.borrowed) + " Borrowed");
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
    messages_.AskText("Name for this saved game?", "", proposed,
                      [self = QPointer<SlotDialog>(this), tag](std::optional<std::string> entered) {
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

void SlotDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quillane
