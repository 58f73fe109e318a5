// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/autoplay.h"
#include "core/game_session.h"
#include "core/play_reminder.h"
#include "core/player_options.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/screen.h"
#include "platform/sound.h"
#include "platform/translations.h"
#include "storage/game_ledger.h"
#include "ui/cabinet/cabinet_audio.h"
#include "ui/cabinet/cabinet_painter.h"
#include "ui/cabinet/cabinet_pictures.h"
#include "ui/cabinet/cabinet_view.h"
#include "ui/cabinet/spin_cycle.h"

class QDialog;
class QLabel;

namespace quillane {

class BonusGameWindow;
class CabinetView;
class ReminderNotice;

// What the main window is given: the game session, where its games are kept, the adapters it
// works through, and where it runs from.
struct Environment {
    Clock& clock;
    Screen& screen;
    GameSession& session;
    GameLedger& ledger;
    SoundPort& sound;
    MusicPort& music;
    Messages& messages;
    std::function<std::unique_ptr<Help>(const std::filesystem::path& manual)> makeHelp;
    std::filesystem::path programFile;  // the executable's full path
    std::function<std::uint32_t()> timeOfDaySeed;
    bool audioSilent = false;              // no audio device: the game plays on without sound
    Translations* translations = nullptr;  // the interface language, switched from the options
};

// Said once in the message strip at start-up and in the Version box.
QString NoSoundDeviceText();

// What start-up settled from the program's place and its settings file.
struct CabinetSettings {
    std::string productName = "Quillane";
    std::string webPageName = "quillane";
    std::string versionText = QUILLANE_VERSION;
    std::string assetPrefix = "Bingo";  // starts the names of the sounds, music and sheets
    // Where the player's replacements and then the program's own files are looked for.
    std::vector<std::filesystem::path> assetDirectories;
    std::filesystem::path dataDirectory;  // the program's own files
    std::string executableStem;
    std::filesystem::path helpFile;
    std::filesystem::path gameFile;
};

// The main window: the slot cabinet, its menus and its windows. The spin cycle plays the
// session's spins on the cabinet; the window hands it the player's input and opens the windows
// the menus ask for, none of which waits.
class CabinetWindow : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(CabinetWindow)

  public:
    explicit CabinetWindow(Environment environment);
    // Made in two steps for a quick start: the window alone, placed and ready to show, and then
    // Build(), once the event loop runs, makes the cabinet in it before its first paint.
    struct BuildLater {};
    CabinetWindow(Environment environment, BuildLater);
    // The cabinet of a window made with BuildLater.
    void Build();
    // Told when the audio opens after the cabinet is built, before the first spin: as the
    // environment's `audioSilent`.
    void SetAudioSilent(bool silent) { env_.audioSilent = silent; }
    ~CabinetWindow() override;

    // The player's controls: clicks on the cabinet (surface coordinates) and keys.
    void Click(int x, int y);
    void PressKey(int key);
    // Ends the game as File > Exit does, asking nothing: for a signal or the desktop's logout.
    void EndSession();
    // Presses the key at a stop of Tab's round (cabinet_layout) as a click on it would; the
    // coin slot borrows.
    void PressCabinetKey(int stop);
    // The stop the focus ring is on: none until the player presses Tab.
    std::optional<int> keyFocus() const { return keyFocus_; }

    // Clicks and keys on the cabinet are ignored: before start-up's second half, and while a
    // spin with its bonus game is under way.
    bool busy() const;
    const SpinCycle& cycle() const { return *cycle_; }
    // Starts autoplay with `plan`, or stops the run under way (nullopt).
    void RunAutoplay(std::optional<AutoplayPlan> plan);
    const Autoplay& autoplay() const { return autoplay_; }
    const PlayerOptions& options() const { return options_; }
    // The play reminder's notice over the meters, and the session clock; null until first shown.
    const QLabel* reminderNotice() const;
    const QLabel* sessionClock() const { return sessionClock_; }
    const GameSession& session() const { return session_; }
    // The last spins of the live game, oldest first.
    const GameHistory& history() const { return env_.ledger.history(); }
    // Shows the bonus game; tests put their own player here.
    void SetBonusOpener(SpinCycle::BonusOpener opener) {
        cycle_->SetBonusOpener(WithAutoplayCard(std::move(opener)));
    }

    void Redraw();
    CabinetPainter& painter() { return *painter_; }
    const CabinetPainter& painter() const { return *painter_; }
    const CabinetPictures& pictures() const { return *pictures_; }
    const CabinetGeometry& cabinetGeometry() const { return pictures_->geometry(); }
    CabinetAudio& audio() { return *audio_; }
    const CabinetSettings& settings() const { return settings_; }
    const QImage& surface() const { return surface_; }
    QAction* action(const QString& objectName) const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    enum class Ending { Playing, Storing, Asking, Done };

    void CreateFrame();
    void BuildMenus();
    // The menus' texts, the window's title and the cabinet's captions in the language chosen.
    void RetranslateMenus();
    void Retranslate();
    // The interface's language code, English where the game has no translations.
    std::string InterfaceLanguage() const;
    // The manual in the interface's language, or the English one.
    void FindManual();
    // "Stop Autoplay" while autoplay runs, "Autoplay..." otherwise.
    void ShowAutoplayCommand();
    void ReadSettings();
    void PlaceWindow(const ScreenInfo& screen, bool maximize);
    // The pictures prepared for `layoutWidth`, and their background handed to the painter.
    void PreparePictures(int layoutWidth);
    void ResizeSurface();
    void Relayout();
    int ClientHeightFor(int windowHeight) const;
    // The menu bar's height, and the status bar's while it shows.
    int BarsHeight() const;
    std::filesystem::path AssetPath(const std::string& name) const;
    // Runs one start-up step; an error is shown and start-up goes on with the next step.
    void Step(const std::function<void()>& step);
    void StopTimers();
    void FinishStartup();
    // The music timer runs only while a track waits to start, and the window is on the screen.
    void WaitToStartTrack();
    void StartWaitingTrack();

    void Spin();
    void PressBetKey(int key);
    void BetMax();
    // Steps the lines or the credits per line one key up or down, as the key itself would
    // choose them, without spinning.
    void StepBet(bool lines, int step);
    void ShowBetSelection(int key);
    void NewGame();

    // Shows `dialog` over the cabinet without waiting for it; the spin cycle holds meanwhile,
    // and `done` gets the dialog's result when it closes.
    void ShowDialog(QDialog* dialog, std::function<void(int result)> done = {});
    void OpenBonusWindow(const BingoGame& game, std::optional<int> card, bool quickPlay,
                         SpinCycle::BonusEvents events);
    void ShowVersion();
    void ShowManual();
    // F1: the manual at the cabinet's topic, also from the bonus game.
    void ShowWindowHelp();
    void ToggleSound();
    void ToggleMusic();
    void SetQuickPlay(bool on);
    void SetReduceMotion(bool on);
    void SetLinePatterns(bool on);
    void SetHighContrast(bool on);
    void SetVolumes(int effectsPercent, int musicPercent);
    // Lists the slots in the slot dialog (a SlotDialog::Mode) and files or opens the choice.
    void RunSlotDialog(int mode);
    void BorrowCommand();
    void ShowStatistics();
    void ShowPayoffChart();
    void ShowHistory();
    void AutoplayCommand();
    void VolumeCommand();
    void LanguageCommand();
    void LoadOptions();
    void SaveOptions();

    // The play reminder and the session clock in the status bar, both there while it is on.
    void ReminderCommand();
    void ApplyReminder();
    void ScheduleReminder();
    // Gives the reminder that is due, if the cabinet is idle and no window is up; else looks
    // again soon. True when it was given.
    bool RemindIfDue();
    void ShowReminderWindow(const QString& text);
    void ShowSessionClock();
    void PlaceReminderNotice();
    // A few words over the meter panel for a while, and told to assistive technology: the play
    // reminder, or why autoplay stopped while a win holds the message strip.
    void ShowNotice(const QString& text);
    // The game's account is about to be replaced by a new game's or a slot's.
    void ReplaceAccount(const std::function<void()>& replace);
    // "Remember My Bet": the bet the keys show is kept in the options for the next start.
    void SetRememberBet(bool on);
    // Stores the bet the keys show if it is to be kept and has changed; true when it stored.
    bool KeepBet();
    // The window's least size, the status bar's height included while it shows.
    void LimitWindowSize();
    // The tooltip of the key at (x, y) on the surface, if a key stands there.
    std::optional<CabinetView::Tip> KeyTipAt(int x, int y) const;

    // Tab, Shift+Tab, Escape, and Enter or Space on a focused key: true when `key` was one.
    bool TakeFocusKey(int key);
    void SetKeyFocus(std::optional<int> stop);

    // Names the keys in the message strip, the first time the game starts.
    void ShowShortcutHint();
    // Says in the message strip that a win was cut short by the credits' limit, and, once, that
    // a statistics counter has stopped at its limit.
    void TellLimits();

    void AutoplayNext();
    void AfterAutoplaySpin();
    void AfterAutoplayBonus();
    // Opens the bonus game with the card autoplay plays, when it plays one, and remembers the
    // card the player chooses by hand.
    SpinCycle::BonusOpener WithAutoplayCard(SpinCycle::BonusOpener open);
    void StopAutoplay(AutoplayStop why);
    // A refusal shown, and told to assistive technology.
    void Refuse(const std::string& refusal);
    // Tells assistive technology how the spin went, once its own pay-out is over, and how its
    // bonus game paid once `settled`.
    void AnnounceSpin(bool settled);
    // A key or click while autoplay runs stops it and does nothing else; one that can skip,
    // while the reels turn or a win is counted in quick play, skips. True when it was used.
    bool InterruptWith(bool skipInput);

    // The one way out: the spin under way stops being shown (what it won is stored already),
    // the writer is drained, and the program ends. `orderly` asks nothing of the player.
    void EndGame(bool orderly);
    void FinishEnding(const std::optional<std::string>& refusal);
    void Quit();

    Environment env_;
    GameSession& session_;
    CabinetSettings settings_;
    std::unique_ptr<Help> help_;
    std::unique_ptr<CabinetPictures> pictures_;
    std::unique_ptr<CabinetPainter> painter_;
    std::unique_ptr<CabinetAudio> audio_;
    std::unique_ptr<SpinCycle> cycle_;
    QRect normalGeometry_;  // the window's own size and place, when not maximised

    QImage surface_;
    CabinetView* view_ = nullptr;

    std::unique_ptr<Timer> startupTimer_;
    std::unique_ptr<Timer> musicTimer_;
    std::unique_ptr<Timer> autoplayTimer_;
    std::unique_ptr<Timer> reminderTimer_;
    std::unique_ptr<Timer> sessionClockTimer_;
    std::unique_ptr<Timer> noticeTimer_;

    QAction* manualAction_ = nullptr;
    QAction* soundAction_ = nullptr;
    QAction* musicAction_ = nullptr;
    QAction* quickPlayAction_ = nullptr;
    QAction* reduceMotionAction_ = nullptr;
    QAction* linePatternsAction_ = nullptr;
    QAction* highContrastAction_ = nullptr;
    QAction* autoplayAction_ = nullptr;
    QAction* rememberBetAction_ = nullptr;
    std::optional<PlayReminder> reminder_;
    ReminderNotice* reminderNotice_ = nullptr;
    QLabel* sessionClock_ = nullptr;
    PlayerOptions options_;
    Autoplay autoplay_;
    QPointer<BonusGameWindow> bonusWindow_;
    std::optional<int> keyFocus_;
    std::vector<std::int32_t Account::*> countersToldAtLimit_;  // said once each
    bool created_ = false;
    bool started_ = false;  // start-up's second half has run
    bool exposed_ = false;  // the window has been on the screen
    Ending ending_ = Ending::Playing;
    bool orderly_ = false;
};

}  // namespace quillane
