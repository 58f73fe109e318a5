// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <functional>

#include "ui/account/slot_dialog.h"
#include "ui/cabinet/cabinet_window.h"

namespace quillane {
namespace {

constexpr int kMainHelpTopic = 41003;

// The Options menu's bet steps, each with its own key, that change the bet without spinning.
struct BetStep {
    const char* caption;
    const char* name;
    Qt::Key key;
    bool lines;
    int step;
};
const BetStep kBetSteps[] = {
    //: Menu item: plays one more payline
    {QT_TRANSLATE_NOOP("CabinetWindow", "&More Lines"), "moreLines", Qt::Key_Right, true, 1},
    //: Menu item: plays one payline fewer
    {QT_TRANSLATE_NOOP("CabinetWindow", "&Fewer Lines"), "fewerLines", Qt::Key_Left, true, -1},
    //: Menu item: bets more credits on each payline
    {QT_TRANSLATE_NOOP("CabinetWindow", "More &Credits per Line"), "moreCredits", Qt::Key_Up, false,
     1},
    //: Menu item: bets fewer credits on each payline
    {QT_TRANSLATE_NOOP("CabinetWindow", "Fewer C&redits per Line"), "fewerCredits", Qt::Key_Down,
     false, -1}};

// The manual's item is F1's one owner in the cabinet, so that no second shortcut makes the key
// ambiguous: chosen from the menu it opens the contents, pressed as F1 the window's own topic.
class ManualAction : public QAction {
  public:
    ManualAction(std::function<void()> onKey, QObject* parent)
        : QAction(parent), onKey_(std::move(onKey)) {}

  protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::Shortcut)
            return QAction::event(event);
        onKey_();
        return true;
    }

  private:
    std::function<void()> onKey_;
};

QAction* Named(QAction* action, const char* name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void CabinetWindow::BuildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* fileMenu = bar->addMenu(QString());
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    connect(Named(fileMenu->addAction(QString()), "newGame"), &QAction::triggered, this,
            [this] { NewGame(); });
    fileMenu->addSeparator();
    connect(Named(fileMenu->addAction(QString()), "openGame"), &QAction::triggered, this,
            [this] { RunSlotDialog(SlotDialog::kOpen); });
    connect(Named(fileMenu->addAction(QString()), "saveGame"), &QAction::triggered, this,
            [this] { RunSlotDialog(SlotDialog::kSave); });
    fileMenu->addSeparator();
    connect(Named(fileMenu->addAction(QString()), "exit"), &QAction::triggered, this,
            [this] { close(); });

    QMenu* optionsMenu = bar->addMenu(QString());
    optionsMenu->setObjectName(QStringLiteral("optionsMenu"));
    soundAction_ = Named(optionsMenu->addAction(QString()), "sound");
    musicAction_ = Named(optionsMenu->addAction(QString()), "music");
    for (QAction* a : {soundAction_, musicAction_}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(soundAction_, &QAction::triggered, this, [this] { ToggleSound(); });
    connect(musicAction_, &QAction::triggered, this, [this] { ToggleMusic(); });
    connect(Named(optionsMenu->addAction(QString()), "volume"), &QAction::triggered, this,
            [this] { VolumeCommand(); });
    optionsMenu->addSeparator();
    quickPlayAction_ = Named(optionsMenu->addAction(QString()), "quickPlay");
    quickPlayAction_->setCheckable(true);
    connect(quickPlayAction_, &QAction::triggered, this, [this](bool on) { SetQuickPlay(on); });
    reduceMotionAction_ = Named(optionsMenu->addAction(QString()), "reduceMotion");
    linePatternsAction_ = Named(optionsMenu->addAction(QString()), "linePatterns");
    highContrastAction_ = Named(optionsMenu->addAction(QString()), "highContrast");
    for (QAction* a : {reduceMotionAction_, linePatternsAction_, highContrastAction_})
        a->setCheckable(true);
    connect(Named(optionsMenu->addAction(QString()), "language"), &QAction::triggered, this,
            [this] { LanguageCommand(); });
    connect(reduceMotionAction_, &QAction::triggered, this,
            [this](bool on) { SetReduceMotion(on); });
    connect(linePatternsAction_, &QAction::triggered, this,
            [this](bool on) { SetLinePatterns(on); });
    connect(highContrastAction_, &QAction::triggered, this,
            [this](bool on) { SetHighContrast(on); });
    autoplayAction_ = Named(optionsMenu->addAction(QString()), "autoplay");
    connect(autoplayAction_, &QAction::triggered, this, [this] { AutoplayCommand(); });
    optionsMenu->addSeparator();
    for (const BetStep& s : kBetSteps) {
        QAction* a = Named(optionsMenu->addAction(QString()), s.name);
        a->setShortcut(QKeySequence(s.key));
        connect(a, &QAction::triggered, this,
                [this, lines = s.lines, step = s.step] { StepBet(lines, step); });
    }
    rememberBetAction_ = Named(optionsMenu->addAction(QString()), "rememberBet");
    rememberBetAction_->setCheckable(true);
    connect(rememberBetAction_, &QAction::triggered, this, [this](bool on) { SetRememberBet(on); });
    optionsMenu->addSeparator();
    connect(Named(optionsMenu->addAction(QString()), "history"), &QAction::triggered, this,
            [this] { ShowHistory(); });
    connect(Named(optionsMenu->addAction(QString()), "reminder"), &QAction::triggered, this,
            [this] { ReminderCommand(); });

    connect(Named(bar->addAction(QString()), "borrow"), &QAction::triggered, this,
            [this] { BorrowCommand(); });
    connect(Named(bar->addAction(QString()), "stats"), &QAction::triggered, this,
            [this] { ShowStatistics(); });
    connect(Named(bar->addAction(QString()), "payoffs"), &QAction::triggered, this,
            [this] { ShowPayoffChart(); });

    QMenu* helpMenu = bar->addMenu(QString());
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    connect(Named(helpMenu->addAction(QString()), "version"), &QAction::triggered, this,
            [this] { ShowVersion(); });
    helpMenu->addSeparator();
    manualAction_ = Named(new ManualAction([this] { ShowWindowHelp(); }, helpMenu), "manual");
    helpMenu->addAction(manualAction_);
    connect(manualAction_, &QAction::triggered, this, [this] { ShowManual(); });
    manualAction_->setShortcut(QKeySequence(Qt::Key_F1));
    RetranslateMenus();
}

void CabinetWindow::RetranslateMenus() {
    auto set = [this](const char* name, const QString& text) {
        if (QAction* a = action(QString::fromLatin1(name)))
            a->setText(text);
    };
    auto setMenu = [this](const char* name, const QString& title) {
        if (auto* menu = findChild<QMenu*>(QString::fromLatin1(name)))
            menu->setTitle(title);
    };
    //: Menu title
    setMenu("fileMenu", tr("&File"));
    //: Menu item: starts a new game
    set("newGame", tr("&New Game"));
    //: Menu item: opens a game kept in a slot
    set("openGame", tr("&Open Game"));
    //: Menu item: keeps the game in a slot
    set("saveGame", tr("&Save Game"));
    //: Menu item: ends the program
    set("exit", tr("E&xit"));
    //: Menu title
    setMenu("optionsMenu", tr("&Options"));
    //: Menu item, checked while sound effects play
    set("sound", tr("Sound"));
    //: Menu item, checked while music plays
    set("music", tr("Music"));
    //: Menu item: opens the volume window
    set("volume", tr("Volume\u2026"));
    //: Menu item, checked while the game plays quickly
    set("quickPlay", tr("&Quick Play"));
    //: Menu item, checked while the reels and pay-outs move less
    set("reduceMotion", tr("Re&duce Motion"));
    //: Menu item, checked while each payline is drawn in a pattern of its own
    set("linePatterns", tr("Line &Patterns"));
    //: Menu item, checked while the captions are drawn in high contrast
    set("highContrast", tr("High Co&ntrast"));
    //: Menu item: opens the window that chooses the interface's language
    set("language", tr("&Language\u2026"));
    ShowAutoplayCommand();
    for (const BetStep& s : kBetSteps)
        set(s.name, QCoreApplication::translate("CabinetWindow", s.caption));
    //: Menu item, checked while the bet is kept for the next time the game starts
    set("rememberBet", tr("Remember My &Bet"));
    //: Menu item: opens the list of the last spins
    set("history", tr("Game &History\u2026"));
    //: Menu item: opens the window that sets how often the game tells the time and credits played
    set("reminder", tr("Play Rem&inder\u2026"));
    //: Menu bar item: borrows credits
    set("borrow", tr("&Borrow"));
    //: Menu bar item: shows the game's statistics
    set("stats", tr("&Stats"));
    //: Menu bar item: shows the pay table
    set("payoffs", tr("&Payoffs"));
    //: Menu title
    setMenu("helpMenu", tr("&Help"));
    //: Menu item: shows the program's name and version
    set("version", tr("Version"));
    //: Menu item: opens the manual; %1 is the game's name
    set("manual", settings_.productName.empty()
                      ? tr("&Manual")
                      : tr("&%1 Manual").arg(QString::fromStdString(settings_.productName)));
}

void CabinetWindow::ShowWindowHelp() {
    if (help_)
        help_->ShowTopic(kMainHelpTopic);
}

void CabinetWindow::ShowVersion() {
    //: The Version box; %1 is the game's name, %2 its version. Keep the line breaks.
    QString text = tr("%1\r\n\r\nVersion:  %2")
                       .arg(QString::fromStdString(settings_.productName),
                            QString::fromStdString(settings_.versionText));
    if (env_.audioSilent)
        text += QStringLiteral("\r\n\r\n") + NoSoundDeviceText();
    env_.messages.Inform(text.toStdString());
}

void CabinetWindow::ShowManual() {
    if (help_)
        help_->ShowContents();
}

void CabinetWindow::ToggleSound() {
    audio_->ToggleSound();
    soundAction_->setChecked(audio_->soundOn());
    options_.sound = audio_->soundOn();
    SaveOptions();
}

void CabinetWindow::ToggleMusic() {
    audio_->ToggleMusic();
    musicAction_->setChecked(audio_->musicOn());
    options_.music = audio_->musicOn();
    SaveOptions();
}

QAction* CabinetWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

}  // namespace quillane
