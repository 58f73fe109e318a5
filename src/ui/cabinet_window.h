#pragma once

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/autoplay.h"
#include "core/game_session.h"
#include "core/player_options.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/screen.h"
#include "platform/sound.h"
#include "storage/game_file_store.h"
#include "storage/game_history.h"
#include "ui/cabinet_audio.h"
#include "ui/cabinet_painter.h"
#include "ui/cabinet_pictures.h"

namespace quillane {

class CabinetView;

// What the main window is given: the game session, the adapters it works through, and where it
// runs from.
struct Environment {
    Clock& clock;
    Screen& screen;
    GameSession& session;
    SoundPort& sound;
    MusicPort& music;
    Messages& messages;
    std::function<std::unique_ptr<Help>(const std::filesystem::path& manual)> makeHelp;
    std::filesystem::path programFile;  // the executable's full path
    std::function<std::uint32_t()> timeOfDaySeed;
    // Where the game history is kept ($XDG_DATA_HOME/quillane); empty to keep it in memory only.
    std::filesystem::path historyDirectory = {};
    bool audioSilent = false;  // no audio device: the game plays on without sound
};

// Said once in the message strip at start-up and in the Version box.
inline constexpr const char* kNoSoundDeviceText =
    "No sound device was found: the game plays silently.";

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

// The main window: the slot cabinet, its menus, and the spin cycle that plays the session's game.
class CabinetWindow : public QMainWindow {
  public:
    explicit CabinetWindow(Environment environment);
    ~CabinetWindow() override;

    GameSession& session() { return session_; }
    bool busy() const { return busy_; }
    bool closing() const { return closing_; }
    int wildFrame() const { return wildFrame_; }

    // Plays the bonus game in its window, modally; tests put their own player here. The player
    // gets the dealt game and returns the chosen card's total.
    using BonusPlayer = std::function<std::int32_t(const BingoGame& game)>;
    void SetBonusPlayer(BonusPlayer player) { bonusPlayer_ = std::move(player); }

    // Files the live game in a slot (8 is the current game). A refused store is reported and
    // returns false.
    bool StoreGame(int slot, const std::string& name);

    // Start-up's second half, 250 ms after the window's creation.
    void FinishStartup();
    void NewGame();

    // The spin cycle: the bet, the reels, the score, the count-up and the win display.
    void Spin();
    void CountUpWin(std::int32_t paid);
    void ShowWinFrame();
    void OpenBonusGame();

    // The player's controls: clicks on the cabinet (surface coordinates) and keys.
    void Click(int x, int y);
    void PressKey(int key);
    void PressBetKey(int key);
    void BetMax();
    // Steps the lines or the credits per line one key up or down, as the key itself would
    // choose them, without spinning.
    void StepBet(bool lines, int step);

    // Options beyond the cabinet's own controls, kept in the game file.
    const PlayerOptions& options() const { return options_; }
    void SetQuickPlay(bool on);
    // Starts autoplay with `plan`, or stops the run under way (nullopt).
    void RunAutoplay(std::optional<AutoplayPlan> plan);
    const Autoplay& autoplay() const { return autoplay_; }
    void SetVolumes(int effectsPercent, int musicPercent);

    void Redraw();
    // The last spins of the live game, oldest first; Balances() gives the credits after each.
    const GameHistory& history() const { return *history_; }
    void ShowHistory();
    CabinetPainter& painter() { return *painter_; }
    const CabinetPictures& pictures() const { return *pictures_; }
    const CabinetGeometry& cabinetGeometry() const { return pictures_->geometry(); }
    CabinetAudio& audio() { return *audio_; }
    const CabinetSettings& settings() const { return settings_; }
    const QImage& surface() const { return surface_; }

    Timer& startupTimer() { return *startupTimer_; }
    Timer& winDisplayTimer() { return *winDisplayTimer_; }
    Timer& musicTimer() { return *musicTimer_; }
    Timer& bonusLaunchTimer() { return *bonusLaunchTimer_; }
    Timer& autoplayTimer() { return *autoplayTimer_; }
    QAction* action(const QString& objectName) const;
    // The credits after each of the game's last spins, oldest first, as the statistics window
    // plots them: from the game history, so they follow the game through restarts and slots.
    std::vector<std::int64_t> recentCredits() const { return history_->Balances(); }
    static constexpr std::size_t kRecentCreditsKept = GameHistory::kMaxRecords;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Create();
    void BuildMenus();
    void ReadSettings();
    void PlaceWindow(const ScreenInfo& screen, bool maximize);
    void ResizeSurface();
    void Relayout();
    int ClientHeightFor(int windowHeight) const;
    std::filesystem::path AssetPath(const std::string& name) const;
    // Runs one start-up step; an error is shown and start-up goes on with the next step.
    void Step(const std::function<void()>& step);
    void StopTimers();

    void SpinReels();
    void EvaluateSpin();
    void Pause(std::uint32_t ms);
    void PlayBonusGame();
    // The game history's hooks: the spin just scored, and the bonus game it opened.
    void RecordSpinInHistory();
    void RecordBonusInHistory(const BingoGame& dealt, std::optional<int> card);
    void FlashLineSymbols(int line, bool on);
    void FlashBalls(bool on);
    // Runs a spin or a bonus pay-out; a close asked for meanwhile waits for its end.
    void RunCycle(const std::function<void()>& cycle);

    // Menu commands.
    void ExitCommand();
    void ShowVersion();
    void ShowManual();
    void ToggleSound();
    void ToggleMusic();
    void SaveGameCommand();
    void OpenGameCommand();
    // Lists the slots in the slot dialog (a SlotDialog::Mode) and files or opens the choice.
    void RunSlotDialog(int mode);
    void BorrowCommand();
    void ShowStatistics();
    void ShowPayoffChart();
    void AutoplayCommand();
    void VolumeCommand();

    void LoadOptions();
    void SaveOptions();
    void ShowBetSelection(int key);
    void AutoplayNext();
    void AfterAutoplaySpin();
    void StopAutoplay(AutoplayStop why);
    // A key or click while autoplay runs stops it and does nothing else; while the reels turn
    // or a win is counted in quick play, it skips to the end. True when the input was used.
    bool InterruptWith(bool skipInput);

    Environment env_;
    GameSession& session_;
    CabinetSettings settings_;
    std::unique_ptr<GameFileStore> store_;
    std::unique_ptr<GameHistory> history_;
    std::unique_ptr<Help> help_;
    std::unique_ptr<CabinetPictures> pictures_;
    std::unique_ptr<CabinetPainter> painter_;
    std::unique_ptr<CabinetAudio> audio_;
    QRect normalGeometry_;      // the window's own size and place, when not maximised
    int layoutGeneration_ = 0;  // counts relayouts, so a spin under way notices one

    QImage surface_;
    CabinetView* view_ = nullptr;

    std::unique_ptr<Timer> startupTimer_;
    std::unique_ptr<Timer> winDisplayTimer_;
    std::unique_ptr<Timer> musicTimer_;
    std::unique_ptr<Timer> bonusLaunchTimer_;
    std::unique_ptr<Timer> autoplayTimer_;

    QAction* manualAction_ = nullptr;
    QAction* soundAction_ = nullptr;
    QAction* musicAction_ = nullptr;
    QAction* quickPlayAction_ = nullptr;
    QAction* autoplayAction_ = nullptr;
    PlayerOptions options_;
    Autoplay autoplay_;
    bool skip_ = false;  // the player asked to skip the reels' turn or the count-up
    BonusPlayer bonusPlayer_;
    bool created_ = false;
    int cycleDepth_ = 0;
    bool closeRequested_ = false;

    // The win display and the wilds' animation.
    int cursorTicks_ = 0;
    bool blinkOn_ = false;
    int wildFrame_ = 4;
    int wildFrameStep_ = 1;
    bool busy_ = false;     // clicks and keys on the cabinet are ignored while set
    bool closing_ = false;  // ends a reel animation at once
};

}  // namespace quillane
