// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/account/borrow_window.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "platform/asset_files.h"
#include "platform/canvas.h"
#include "ui/widgets/meter_digits.h"
#include "ui/widgets/number_format.h"
#include "ui/widgets/refusal_text.h"
#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

constexpr int kDialogBorder = 3;
// Font sizes in points: the window's, the mode caption's and the mode choices'.
constexpr int kWindowPoints = 10;
constexpr int kModePoints = 14;
constexpr int kChoicePoints = 12;
// At 800 by 600 the window is 582 by 300; the amounts start 104 down, below the counters.
constexpr QMargins kMargins(10, 104, 13, 8);
constexpr int kContentWidth = 582 - 10 - 13;
constexpr QSize kAmountSize(80, 57);
constexpr QSize kAmountPictureSize(48, 48);
constexpr int kAmountsIndent = 79;  // from the left margin to the first amount
constexpr int kAmountGap = 32;
constexpr int kModeTop = 192;
constexpr int kModeIndent = 46;  // from the left margin to the mode caption
constexpr int kModeCaptionWidth = 73;
constexpr int kModeGap = 18;
constexpr QSize kModeSize(190, 33);
constexpr int kButtonsTop = 246;
constexpr QSize kButtonSize(127, 46);
// The counters' captions and meters, drawn on the window.
constexpr int kCaptionsTop = 20;
constexpr int kMetersTop = 40;
constexpr int kCounterInset = 20;
constexpr int kCreditsCaptionInset = 35;
constexpr int kCreditsMeterInset = 30;

QFont WindowFont(int points, bool bold) {
    return GameFont(FontPixelSize(points), bold);
}

}  // namespace

BorrowWindow::BorrowWindow(GameSession& session, const QImage& creditsDigits,
                           const QImage& borrowedDigits, Messages& messages, Help* help,
                           QWidget* parent)
    : QDialog(parent),
      session_(session),
      creditsDigits_(creditsDigits),
      borrowedDigits_(borrowedDigits),
      messages_(messages),
      help_(help) {
    setWindowTitle(
        QCoreApplication::translate("BorrowWindow", "Use this form to borrow or pay back credits"));
    UseDialogFrame(*this);
    setFont(WindowFont(kWindowPoints, false));

    auto* amounts = new QHBoxLayout;
    amounts->setSpacing(kAmountGap);
    amounts->addSpacing(kAmountsIndent);
    static constexpr const char* kPictures[] = {"borrow_1000", "borrow_100", "borrow_10",
                                                "borrow_1"};
    for (int tag = 0; tag < 4; ++tag) {
        auto* button = new QPushButton(this);
        button->setObjectName(
            QStringLiteral("Amount%1").arg(kAmounts[static_cast<std::size_t>(tag)]));
        button->setProperty("tag", tag);
        button->setFixedSize(kAmountSize);
        button->setIcon(QIcon(QPixmap::fromImage(
            LoadBuiltinPicture(QStringLiteral(":/bonus/%1.png").arg(kPictures[tag])))));
        button->setIconSize(kAmountPictureSize);
        //: An amount button's tooltip and name for screen readers, "1,000 credits".
        const QString amount = QCoreApplication::translate("BorrowWindow", "%1 credits")
                                   .arg(WithThousands(kAmounts[static_cast<std::size_t>(tag)]));
        button->setToolTip(amount);
        button->setAccessibleName(amount);
        connect(button, &QPushButton::clicked, this, [this, tag] { PressAmount(tag); });
        amounts->addWidget(button);
    }
    amounts->addStretch();

    //: Caption of the choice between borrowing and paying back.
    auto* mode = new QLabel(QCoreApplication::translate("BorrowWindow", "Mode:"), this);
    mode->setObjectName(QStringLiteral("ModeCaption"));
    mode->setFont(WindowFont(kModePoints, false));
    mode->setStyleSheet(QStringLiteral("color: #ff0000;"));
    mode->setMinimumWidth(kModeCaptionWidth);
    borrowMode_ =
        new QRadioButton(QCoreApplication::translate("BorrowWindow", "Borrow Credits"), this);
    borrowMode_->setObjectName(QStringLiteral("BorrowMode"));
    payBackMode_ =
        new QRadioButton(QCoreApplication::translate("BorrowWindow", "Pay Back Credits"), this);
    payBackMode_->setObjectName(QStringLiteral("PayBackMode"));
    auto* modes = new QHBoxLayout;
    modes->setSpacing(kModeGap);
    modes->addSpacing(kModeIndent);
    modes->addWidget(mode, 0, Qt::AlignTop);
    for (QRadioButton* r : {borrowMode_, payBackMode_}) {
        r->setFont(WindowFont(kChoicePoints, false));
        r->setMinimumSize(kModeSize);
        modes->addWidget(r);
    }
    modes->addStretch();
    borrowMode_->setChecked(true);

    auto* ok = new QPushButton(QCoreApplication::translate("BorrowWindow", "&OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setMinimumSize(kButtonSize);
    ok->setDefault(true);
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpButton = new QPushButton(QCoreApplication::translate("BorrowWindow", "&Help"), this);
    helpButton->setObjectName(QStringLiteral("HelpButton"));
    helpButton->setMinimumSize(kButtonSize);
    helpButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    connect(helpButton, &QPushButton::clicked, this, [this] { ShowHelpText(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpButton);
    buttons->addStretch();
    buttons->addWidget(ok);

    // The counters are drawn above the amounts, in the margin the layout leaves them.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(kMargins);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setColumnMinimumWidth(0, kContentWidth);
    layout->addLayout(amounts, 0, 0, Qt::AlignTop);
    layout->addLayout(modes, 1, 0, Qt::AlignTop);
    layout->addLayout(buttons, 2, 0, Qt::AlignTop);
    layout->setRowMinimumHeight(0, kModeTop - kMargins.top());
    layout->setRowMinimumHeight(1, kButtonsTop - kModeTop);
    layout->activate();
    // The buttons below in reading order; a focused button is what Enter presses.
    setTabOrder(payBackMode_, helpButton);
    setTabOrder(helpButton, ok);
    Redraw();
}

void BorrowWindow::PressAmount(int tag) {
    if (tag < 0 || tag >= static_cast<int>(kAmounts.size()))
        return;
    const std::int32_t amount = kAmounts[static_cast<std::size_t>(tag)];
    const auto refusal =
        borrowMode_->isChecked() ? session_.Borrow(amount) : session_.PayBack(amount);
    if (refusal) {
        messages_.Inform(RefusalText(*refusal).toStdString());
        return;
    }
    Redraw();
}

void BorrowWindow::ShowHelpText() {
    //: The borrow window's Help: "borrow" and "pay back" are its two modes, Borrow Credits and
    //: Pay Back Credits.
    messages_.Inform(
        QCoreApplication::translate(
            "BorrowWindow",
            "Use this screen to borrow credits or pay back credits that you borrowed previously.  "
            "Click on the button representing the amount to borrow (or pay back).\r\n\r\n"
            "To switch between \"borrow\" and \"pay back\" select the mode.")
            .toStdString());
}

void BorrowWindow::Redraw() {
    surface_ = QImage(size(), QImage::Format_ARGB32);
    surface_.fill(palette().color(QPalette::Button));
    Canvas canvas(surface_);
    canvas.SetFont(kWindowPoints, true);
    canvas.SetFontColor(palette().color(QPalette::ButtonText));
    canvas.SetBrushColor(palette().color(QPalette::Button));
    canvas.SetBrushClear(false);
    //: Caption over the meter of the credits borrowed.
    canvas.DrawText(kCounterInset, kCaptionsTop,
                    QCoreApplication::translate("BorrowWindow", "Borrowed:"));
    //: Caption over the meter of the player's credits.
    const QString credits = QCoreApplication::translate("BorrowWindow", "Credits:");
    // Placed from the dialog's outer width with a fixed border, not the window manager's frame,
    // which differs between desktops and is not there until the window is shown.
    const int outerWidth = width() + 2 * kDialogBorder;
    canvas.DrawText(outerWidth - kCreditsCaptionInset - canvas.TextSize(credits).width(),
                    kCaptionsTop, credits);
    const Account& account = session_.state().account;
    DrawDigits(canvas, creditsDigits_, account.credits, width() - kCreditsMeterInset, kMetersTop,
               true, false);
    DrawDigits(canvas, borrowedDigits_, account.borrowed, kCounterInset, kMetersTop, false, false);
    // The drawn counters, for screen readers.
    setAccessibleDescription(
        QCoreApplication::translate("BorrowWindow", "Borrowed: %1. Credits: %2.")
            .arg(WithThousands(account.borrowed), WithThousands(account.credits)));
    update();
}

void BorrowWindow::resizeEvent(QResizeEvent*) {
    Redraw();
}

void BorrowWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, surface_);
}

void BorrowWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        // The buttons have their own topic; the window's is the main one.
        QWidget* focus = focusWidget();
        if (help_ != nullptr)
            help_->ShowTopic(focus != nullptr && focus != this ? kControlsTopic : kWindowTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quillane
