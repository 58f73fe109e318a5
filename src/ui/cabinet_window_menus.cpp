#include <QMenuBar>
#include <QShortcut>

#include "ui/cabinet_window.h"

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

    fileMenu_ = bar->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    connect(Named(fileMenu_->addAction(QStringLiteral("&New Game")), "newGame"),
            &QAction::triggered, this, [this] { NewGameCommand(); });
    fileMenu_->addSeparator();
    connect(Named(fileMenu_->addAction(QStringLiteral("&Open Game")), "openGame"),
            &QAction::triggered, this, [this] { OpenGameCommand(); });
    connect(Named(fileMenu_->addAction(QStringLiteral("&Save Game")), "saveGame"),
            &QAction::triggered, this, [this] { SaveGameCommand(); });
    fileMenu_->addSeparator();
    connect(Named(fileMenu_->addAction(QStringLiteral("E&xit")), "exit"), &QAction::triggered, this,
            [this] { ExitCommand(); });

    optionsMenu_ = bar->addMenu(QStringLiteral("&Options"));
    optionsMenu_->setObjectName(QStringLiteral("optionsMenu"));
    soundAction_ = Named(optionsMenu_->addAction(QStringLiteral("Sound")), "sound");
    musicAction_ = Named(optionsMenu_->addAction(QStringLiteral("Music")), "music");
    for (QAction* a : {soundAction_, musicAction_}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(soundAction_, &QAction::triggered, this, [this] { ToggleSound(); });
    connect(musicAction_, &QAction::triggered, this, [this] { ToggleMusic(); });

    connect(Named(bar->addAction(QStringLiteral("&Borrow")), "borrow"), &QAction::triggered, this,
            [this] { BorrowCommand(); });
    connect(Named(bar->addAction(QStringLiteral("&Stats")), "stats"), &QAction::triggered, this,
            [this] { ShowStatistics(); });
    connect(Named(bar->addAction(QStringLiteral("&Payoffs")), "payoffs"), &QAction::triggered, this,
            [this] { ShowPayoffChart(); });

    helpMenu_ = bar->addMenu(QStringLiteral("&Help"));
    helpMenu_->setObjectName(QStringLiteral("helpMenu"));
    connect(Named(helpMenu_->addAction(QStringLiteral("Version")), "version"), &QAction::triggered,
            this, [this] { ShowVersion(); });
    helpMenu_->addSeparator();
    manualAction_ = Named(helpMenu_->addAction(QStringLiteral("&Quillane Manual")), "manual");
    connect(manualAction_, &QAction::triggered, this, [this] { ShowManual(); });

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (help_)
            help_->ShowTopic(kMainHelpTopic);
    });
}

QAction* CabinetWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

}  // namespace quillane
