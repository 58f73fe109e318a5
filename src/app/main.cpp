// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QLocale>
#include <QSessionManager>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/display_guard.h"
#include "core/random.h"
#include "platform/help_window.h"
#include "platform/instance_channel.h"
#include "platform/qt_clock.h"
#include "platform/qt_messages.h"
#include "platform/screen.h"
#include "platform/sdl_audio.h"
#include "platform/termination_signals.h"
#include "storage/game_ledger.h"
#include "storage/instance_lock.h"
#include "storage/paths.h"
#include "ui/cabinet/cabinet_window.h"

namespace {

std::uint32_t SeedFromClock() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(now - floor<days>(now)).count());
}

// An exception that escapes an event handler ends that handler, not the game.
class Application : public QApplication {
  public:
    using QApplication::QApplication;
    quillane::Messages* messages = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            if (messages != nullptr)
                messages->Error(error.what());
        } catch (...) {
            if (messages != nullptr)
                messages->Error("An unexpected error occurred.");
        }
        return false;
    }
};

// Qt ends the process with exit() when the display's connection breaks: what the storage writer
// still holds is written first.
quillane::StorageWriter* writerAtExit = nullptr;

void FlushAtExit() {
    if (writerAtExit != nullptr)
        writerAtExit->Flush();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quillane;
    // Answered before Qt starts: without a display, and without touching the game file.
    const CommandLine command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
        case CommandLine::Action::Help:
            return std::fputs(kHelpText, stdout) == EOF ? 1 : 0;
        case CommandLine::Action::Version:
            return std::printf("quillane %s\n", QUILLANE_VERSION) < 0 ? 1 : 0;
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "quillane: %s (try --help)\n", command.error.c_str());
            return 2;
        case CommandLine::Action::Play:
            break;
    }

    DisplayGuard displayGuard;
    Application app(argc, argv);
    displayGuard.Release();
    QApplication::setApplicationName(QStringLiteral("Quillane"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLANE_VERSION));
    // The desktop entry's name; on Wayland it is the window's app id, through which the
    // compositor finds the game's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLANE_APP_ID));
    QtMessages messages;
    app.messages = &messages;
    // One copy at a time on one settings directory: a second one calls the first forward and
    // leaves without touching the game file.
    std::string stem = "quillane";
    try {
        stem = ExecutableStem(ExecutablePath());
    } catch (const std::exception&) {
    }
    GameLedger::Files files = GameLedger::FilesFor(stem);
    std::unique_ptr<InstanceLock> lock;
    std::unique_ptr<InstanceChannel> channel;
    if (!files.gameFile.empty()) {
        // Without a home directory there is no game file to guard; the window says so.
        const std::filesystem::path lockFile = LockFileFor(files.gameFile);
        lock = std::make_unique<InstanceLock>(lockFile);
        channel = std::make_unique<InstanceChannel>(QString::fromStdString(lockFile.string()));
    }
    if (lock && lock->state() == InstanceLock::State::Taken) {
        channel->CallRunningCopy();
        // The program ends when the player closes the box.
        messages.Inform("Quillane is already running.");
        return QApplication::exec();
    }

    GameLedger ledger(std::move(files), StorageWriter::Mode::Thread);
    writerAtExit = &ledger.writer();
    std::atexit(FlushAtExit);
    QtClock clock;
    SdlAudio audio;
    const QLocale locale = QLocale::system();
    GameSession session(NumberStyle{QString(locale.decimalPoint()).toStdString(),
                                    QString(locale.groupSeparator()).toStdString()});

    QtScreen screen;
    Environment environment{
        clock,
        screen,
        session,
        ledger,
        audio.sound(),
        audio.music(),
        messages,
        [&messages](const std::filesystem::path& manual) {
            return std::make_unique<HelpWindow>(manual, messages);
        },
        ExecutablePath(),
        SeedFromClock,
    };
    environment.audioSilent = audio.silent();
    CabinetWindow cabinet(environment);
    messages.SetParent(&cabinet);
    messages.SetTitle(cabinet.windowTitle());
    if (lock && lock->state() == InstanceLock::State::Held) {
        channel->Listen([&cabinet] {
            cabinet.setWindowState((cabinet.windowState() & ~Qt::WindowMinimized) |
                                   Qt::WindowActive);
            cabinet.raise();
            cabinet.activateWindow();
        });
    }
    // A signal, or the desktop's logout, ends the game as File > Exit does, asking nothing.
    TerminationSignals endSignals([&cabinet](int) { cabinet.EndSession(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &cabinet,
                     [&cabinet](QSessionManager&) { cabinet.EndSession(); });
    cabinet.show();
    const int status = QApplication::exec();
    writerAtExit = nullptr;
    if (const auto refusal = ledger.writer().Flush())
        std::fprintf(stderr, "quillane: the game was not stored: %s\n", refusal->c_str());
    return status;
}
