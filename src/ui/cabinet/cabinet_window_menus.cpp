// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QMenuBar>
#include <QShortcut>

#include "ui/account/slot_dialog.h"
#include "ui/cabinet/cabinet_window.h"

namespace quillane {
namespace {

constexpr int kMainHelpTopic = 41003;

QAction* Named(QAction* action, const char* name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void CabinetWindow::BuildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* fileMenu = bar->addMenu(QStringLiteral("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    connect(Named(fileMenu->addAction(QStringLiteral("&New Game")), "newGame"), &QAction::triggered,
            this, [this] { NewGame(); });
    fileMenu->addSeparator();
    connect(Named(fileMenu->addAction(QStringLiteral("&Open Game")), "openGame"),
            &QAction::triggered, this, [this] { RunSlotDialog(SlotDialog::kOpen); });
    connect(Named(fileMenu->addAction(QStringLiteral("&Save Game")), "saveGame"),
            &QAction::triggered, this, [this] { RunSlotDialog(SlotDialog::kSave); });
    fileMenu->addSeparator();
    connect(Named(fileMenu->addAction(QStringLiteral("E&xit")), "exit"), &QAction::triggered, this,
            [this] { close(); });

    QMenu* optionsMenu = bar->addMenu(QStringLiteral("&Options"));
    optionsMenu->setObjectName(QStringLiteral("optionsMenu"));
    soundAction_ = Named(optionsMenu->addAction(QStringLiteral("Sound")), "sound");
    musicAction_ = Named(optionsMenu->addAction(QStringLiteral("Music")), "music");
    for (QAction* a : {soundAction_, musicAction_}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(soundAction_, &QAction::triggered, this, [this] { ToggleSound(); });
    connect(musicAction_, &QAction::triggered, this, [this] { ToggleMusic(); });
    connect(Named(optionsMenu->addAction(QString::fromUtf8("Volume\u2026")), "volume"),
            &QAction::triggered, this, [this] { VolumeCommand(); });
    optionsMenu->addSeparator();
    quickPlayAction_ = Named(optionsMenu->addAction(QStringLiteral("&Quick Play")), "quickPlay");
    quickPlayAction_->setCheckable(true);
    connect(quickPlayAction_, &QAction::triggered, this, [this](bool on) { SetQuickPlay(on); });
    reduceMotionAction_ =
        Named(optionsMenu->addAction(QStringLiteral("Re&duce Motion")), "reduceMotion");
    linePatternsAction_ =
        Named(optionsMenu->addAction(QStringLiteral("Line &Patterns")), "linePatterns");
    highContrastAction_ =
        Named(optionsMenu->addAction(QStringLiteral("High Co&ntrast")), "highContrast");
    for (QAction* a : {reduceMotionAction_, linePatternsAction_, highContrastAction_})
        a->setCheckable(true);
    connect(reduceMotionAction_, &QAction::triggered, this,
            [this](bool on) { SetReduceMotion(on); });
    connect(linePatternsAction_, &QAction::triggered, this,
            [this](bool on) { SetLinePatterns(on); });
    connect(highContrastAction_, &QAction::triggered, this,
            [this](bool on) { SetHighContrast(on); });
    autoplayAction_ =
        Named(optionsMenu->addAction(QString::fromUtf8("&Autoplay\u2026")), "autoplay");
    connect(autoplayAction_, &QAction::triggered, this, [this] { AutoplayCommand(); });
    optionsMenu->addSeparator();
    const struct {
        const char* caption;
        const char* name;
        Qt::Key key;
        bool lines;
        int step;
    } steps[] = {{"&More Lines", "moreLines", Qt::Key_Right, true, 1},
                 {"&Fewer Lines", "fewerLines", Qt::Key_Left, true, -1},
                 {"More &Credits per Line", "moreCredits", Qt::Key_Up, false, 1},
                 {"Fewer C&redits per Line", "fewerCredits", Qt::Key_Down, false, -1}};
    for (const auto& s : steps) {
        QAction* a = Named(optionsMenu->addAction(QString::fromLatin1(s.caption)), s.name);
        a->setShortcut(QKeySequence(s.key));
        connect(a, &QAction::triggered, this,
                [this, lines = s.lines, step = s.step] { StepBet(lines, step); });
    }
    optionsMenu->addSeparator();
    connect(Named(optionsMenu->addAction(QStringLiteral("Game &History\u2026")), "history"),
            &QAction::triggered, this, [this] { ShowHistory(); });

    connect(Named(bar->addAction(QStringLiteral("&Borrow")), "borrow"), &QAction::triggered, this,
            [this] { BorrowCommand(); });
    connect(Named(bar->addAction(QStringLiteral("&Stats")), "stats"), &QAction::triggered, this,
            [this] { ShowStatistics(); });
    connect(Named(bar->addAction(QStringLiteral("&Payoffs")), "payoffs"), &QAction::triggered, this,
            [this] { ShowPayoffChart(); });

    QMenu* helpMenu = bar->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    connect(Named(helpMenu->addAction(QStringLiteral("Version")), "version"), &QAction::triggered,
            this, [this] { ShowVersion(); });
    helpMenu->addSeparator();
    manualAction_ = Named(helpMenu->addAction(QStringLiteral("&Quillane Manual")), "manual");
    connect(manualAction_, &QAction::triggered, this, [this] { ShowManual(); });
    // Shown beside the item; F1 itself opens the manual at the window's topic, below.
    manualAction_->setShortcut(QKeySequence(Qt::Key_F1));
    manualAction_->setShortcutContext(Qt::WidgetShortcut);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { ShowWindowHelp(); });
}

void CabinetWindow::ShowWindowHelp() {
    if (help_)
        help_->ShowTopic(kMainHelpTopic);
}

void CabinetWindow::ShowVersion() {
    env_.messages.Inform(settings_.productName + "\r\n\r\nVersion:  " + settings_.versionText +
                         (env_.audioSilent ? "\r\n\r\n" + std::string(kNoSoundDeviceText) : ""));
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
