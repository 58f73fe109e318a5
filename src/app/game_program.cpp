// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/game_program.h"

#include <QApplication>
#include <QSessionManager>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "app/display_guard.h"
#include "platform/audio_module.h"
#include "platform/help_window.h"
#include "platform/instance_channel.h"
#include "platform/late_audio.h"
#include "platform/notice_text.h"
#include "platform/qt_clock.h"
#include "platform/qt_messages.h"
#include "platform/screen.h"
#include "platform/termination_signals.h"
#include "platform/translations.h"
#include "platform/window_background.h"
#include "storage/game_ledger.h"
#include "storage/instance_lock.h"
#include "storage/options_file.h"
#include "storage/paths.h"
#include "ui/cabinet/cabinet_window.h"

namespace quillane {
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
    Messages* messages = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const NoticeError& error) {
            if (messages != nullptr)
                messages->Error(NoticeText(error.notice()).toStdString());
        } catch (const std::exception& error) {
            if (messages != nullptr)
                messages->Error(error.what());
        } catch (...) {
            if (messages != nullptr)
                //: An error box's text when something unforeseen went wrong
                messages->Error(
                    QCoreApplication::translate("GameProgram", "An unexpected error occurred.")
                        .toStdString());
        }
        return false;
    }
};

// Qt ends the process with exit() when the display's connection breaks: what the storage writer
// still holds is written first.
StorageWriter* writerAtExit = nullptr;

void FlushAtExit() {
    if (writerAtExit != nullptr)
        writerAtExit->Flush();
}

}  // namespace

int PlayGame(int argc, char** argv, const GameHooks& hooks) {
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
    std::string stem = hooks.stem.empty() ? "quillane" : hooks.stem;
    try {
        if (hooks.stem.empty())
            stem = ExecutableStem(ExecutablePath());
    } catch (const std::exception&) {
    }
    GameLedger::Files files = GameLedger::FilesFor(stem);
    // The player's language before any window: the choice kept in the options, else the desktop's.
    Translations translations;
    translations.Apply(ChosenLanguage(ReadOptions(files.gameFile).language, std::getenv));
    std::unique_ptr<InstanceLock> lock;
    std::unique_ptr<InstanceChannel> channel;
    if (hooks.oneCopy && !files.gameFile.empty()) {
        // Without a home directory there is no game file to guard; the window says so.
        const std::filesystem::path lockFile = LockFileFor(files.gameFile);
        lock = std::make_unique<InstanceLock>(lockFile);
        channel = std::make_unique<InstanceChannel>(QString::fromStdString(lockFile.string()));
    }
    if (lock && lock->state() == InstanceLock::State::Taken) {
        channel->CallRunningCopy();
        // The program ends when the player closes the box.
        //: Shown when the player starts the game a second time
        messages.Inform(QCoreApplication::translate("GameProgram", "Quillane is already running.")
                            .toStdString());
        return QApplication::exec();
    }

    GameLedger ledger(std::move(files), StorageWriter::Mode::Thread);
    writerAtExit = &ledger.writer();
    std::atexit(FlushAtExit);
    QtClock clock;
    // The audio device and its libraries are opened once the window is up.
    LateAudio lateAudio;
    std::unique_ptr<AudioSystem> audio;
    GameSession session;

    SoundPort& sound = hooks.sound ? hooks.sound(lateAudio.sound()) : lateAudio.sound();
    QtScreen screen;
    Environment environment{
        clock,
        screen,
        session,
        ledger,
        sound,
        lateAudio.music(),
        messages,
        [&messages](const std::filesystem::path& manual) {
            return std::make_unique<HelpWindow>(manual, messages);
        },
        ExecutablePath(),
        SeedFromClock,
    };
    environment.translations = &translations;
    // The window shows first, with the margin's colour; the cabinet is built in it before the
    // event loop paints it.
    CabinetWindow cabinet(environment, CabinetWindow::BuildLater{});
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
    TerminationSignals endSignals([&cabinet, &hooks](int signal) {
        if (hooks.signalled)
            hooks.signalled(signal);
        cabinet.EndSession();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &cabinet,
                     [&cabinet](QSessionManager&) { cabinet.EndSession(); });
    ShowAtOnce(cabinet);
    std::shared_ptr<void> added;
    auto openAudio = [&] {
        std::string error;
        audio = OpenAudioModule(MusicCacheDirectory(), error);
        if (audio) {
            lateAudio.Open(audio->sound(), audio->music(),
                           [&messages](const std::string& problem) { messages.Error(problem); });
        } else {
            // No module, or not even a silent device: the game plays on without sound.
            messages.Error(error);
        }
        cabinet.SetAudioSilent(!audio || audio->silent());
        if (hooks.shown)
            added = hooks.shown(cabinet, session, sound);
    };
    // Queued now, so that it runs before any input or signal the event loop will deliver. The
    // audio's libraries are loaded after that, once the cabinet's first paint is on its way.
    QMetaObject::invokeMethod(
        &cabinet,
        [&cabinet, openAudio] {
            cabinet.Build();
            QMetaObject::invokeMethod(&cabinet, openAudio, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    const int status = QApplication::exec();
    added.reset();
    writerAtExit = nullptr;
    if (const auto refusal = ledger.writer().Flush())
        std::fprintf(stderr, "%s: the game was not stored: %s\n", stem.c_str(),
                     NoticeText(*refusal).toLocal8Bit().constData());
    return status;
}

}  // namespace quillane
