#include <QMenuBar>
#include <QShortcut>

#include "ui/Unit1.h"

namespace quillane {
namespace {

constexpr int kMainHelpTopic = 41003;

QAction* Named(QAction* action, const char* name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void TForm1::BuildMenus() {
    QMenuBar* bar = menuBar();

    fileMenu_ = bar->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("File1"));
    connect(Named(fileMenu_->addAction(QStringLiteral("&New Game")), "NewGame1"),
            &QAction::triggered, this, [this] { NewGame1Click(); });
    fileMenu_->addSeparator();
    connect(Named(fileMenu_->addAction(QStringLiteral("&Open Game")), "OpenGame1"),
            &QAction::triggered, this, [this] { OpenGame1Click(); });
    connect(Named(fileMenu_->addAction(QStringLiteral("&Save Game")), "SaveGame1"),
            &QAction::triggered, this, [this] { SaveGame1Click(); });
    fileMenu_->addSeparator();
    connect(Named(fileMenu_->addAction(QStringLiteral("E&xit")), "Exit1"), &QAction::triggered,
            this, [this] { Exit1Click(); });

    optionsMenu_ = bar->addMenu(QStringLiteral("&Options"));
    optionsMenu_->setObjectName(QStringLiteral("Options1"));
    sound1_ = Named(optionsMenu_->addAction(QStringLiteral("Sound")), "Sound1");
    music1_ = Named(optionsMenu_->addAction(QStringLiteral("Music")), "Music1");
    for (QAction* a : {sound1_, music1_}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(sound1_, &QAction::triggered, this, [this] { Sound1Click(); });
    connect(music1_, &QAction::triggered, this, [this] { Music1Click(); });

    connect(Named(bar->addAction(QStringLiteral("&Borrow")), "Borrow1"), &QAction::triggered, this,
            [this] { Borrow1Click(); });
    connect(Named(bar->addAction(QStringLiteral("&Stats")), "Stats1"), &QAction::triggered, this,
            [this] { Stats1Click(); });
    connect(Named(bar->addAction(QStringLiteral("&Payoffs")), "Payoffs1"), &QAction::triggered,
            this, [this] { Payoffs1Click(); });

    helpMenu_ = bar->addMenu(QStringLiteral("&Help"));
    helpMenu_->setObjectName(QStringLiteral("Help1"));
    connect(Named(helpMenu_->addAction(QStringLiteral("Version")), "Version1"), &QAction::triggered,
            this, [this] { Version1Click(); });
    helpMenu_->addSeparator();
    manual1_ = Named(helpMenu_->addAction(QStringLiteral("&Quillane Manual")), "Manual1");
    connect(manual1_, &QAction::triggered, this, [this] { Manual1Click(); });

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (help_)
            help_->ShowTopic(kMainHelpTopic);
    });
}

QAction* TForm1::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

}  // namespace quillane
