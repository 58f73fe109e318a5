#include "ui/account/borrow_window.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "platform/asset_files.h"
#include "platform/canvas.h"
#include "ui/widgets/meter_digits.h"
#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

constexpr int kDialogBorder = 3;

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
    setWindowTitle(QStringLiteral("Use this form to borrow or pay back credits"));
    UseDialogFrame(*this);
    setFixedSize(582, 300);
    setFont(WindowFont(10, false));

    static constexpr int kLefts[] = {89, 201, 313, 425};
    static constexpr const char* kPictures[] = {"borrow_1000", "borrow_100", "borrow_10",
                                                "borrow_1"};
    for (int tag = 0; tag < 4; ++tag) {
        auto* button = new QPushButton(this);
        button->setObjectName(
            QStringLiteral("Amount%1").arg(kAmounts[static_cast<std::size_t>(tag)]));
        button->setProperty("tag", tag);
        button->setGeometry(kLefts[tag], 104, 80, 57);
        button->setIcon(QIcon(QPixmap::fromImage(
            LoadBuiltinPicture(QStringLiteral(":/bonus/%1.png").arg(kPictures[tag])))));
        button->setIconSize(QSize(48, 48));
        button->setAutoDefault(false);
        button->setToolTip(
            QStringLiteral("%1 credits").arg(kAmounts[static_cast<std::size_t>(tag)]));
        connect(button, &QPushButton::clicked, this, [this, tag] { PressAmount(tag); });
    }
    auto* mode = new QLabel(QStringLiteral("Mode:"), this);
    mode->setObjectName(QStringLiteral("ModeCaption"));
    mode->setFont(WindowFont(14, false));
    mode->setStyleSheet(QStringLiteral("color: #ff0000;"));
    mode->move(56, 192);
    borrowMode_ = new QRadioButton(QStringLiteral("Borrow Credits"), this);
    borrowMode_->setObjectName(QStringLiteral("BorrowMode"));
    payBackMode_ = new QRadioButton(QStringLiteral("Pay Back Credits"), this);
    payBackMode_->setObjectName(QStringLiteral("PayBackMode"));
    borrowMode_->setGeometry(147, 192, 190, 33);
    payBackMode_->setGeometry(355, 192, 190, 33);
    for (QRadioButton* r : {borrowMode_, payBackMode_})
        r->setFont(WindowFont(12, false));
    borrowMode_->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(442, 246, 127, 46);
    ok->setDefault(true);
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpButton = new QPushButton(QStringLiteral("&Help"), this);
    helpButton->setObjectName(QStringLiteral("HelpButton"));
    helpButton->setGeometry(10, 246, 127, 46);
    helpButton->setAutoDefault(false);
    helpButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    connect(helpButton, &QPushButton::clicked, this, [this] { ShowHelpText(); });
    Redraw();
}

void BorrowWindow::PressAmount(int tag) {
    if (tag < 0 || tag >= static_cast<int>(kAmounts.size()))
        return;
    const std::int32_t amount = kAmounts[static_cast<std::size_t>(tag)];
    const auto refusal =
        borrowMode_->isChecked() ? session_.Borrow(amount) : session_.PayBack(amount);
    if (refusal) {
        messages_.Inform(*refusal);
        return;
    }
    Redraw();
}

void BorrowWindow::ShowHelpText() {
    messages_.Inform(
        "Use this screen to borrow credits or pay back credits that you borrowed previously.  "
        "Click on the button representing the amount to borrow (or pay back).\r\n\r\n"
        "To switch between \"borrow\" and \"pay back\" select the mode.");
}

void BorrowWindow::Redraw() {
    surface_ = QImage(size(), QImage::Format_ARGB32);
    surface_.fill(palette().color(QPalette::Button));
    Canvas canvas(surface_);
    canvas.SetFont(10, true);
    canvas.SetFontColor(palette().color(QPalette::ButtonText));
    canvas.SetBrushColor(palette().color(QPalette::Button));
    canvas.SetBrushClear(false);
    canvas.DrawText(20, 20, QStringLiteral("Borrowed:"));
    const QString credits = QStringLiteral("Credits:");
    // Placed from the dialog's outer width with a fixed border, not the window manager's frame,
    // which differs between desktops and is not there until the window is shown.
    const int outerWidth = width() + 2 * kDialogBorder;
    canvas.DrawText(outerWidth - 35 - canvas.TextSize(credits).width(), 20, credits);
    const Account& account = session_.state().account;
    DrawDigits(canvas, creditsDigits_, account.credits, width() - 30, 40, true, false);
    DrawDigits(canvas, borrowedDigits_, account.borrowed, 20, 40, false, false);
    update();
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
