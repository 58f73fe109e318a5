#pragma once

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/game_session.h"
#include "core/saved_game.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "storage/game_file_store.h"

namespace quillane {

class CabinetView;

// What the main window is given: the adapters it works through, and where it runs from.
struct Environment {
    Clock& clock;
    GameSession& session;
    SoundPort& sound;
    MusicPort& music;
    Messages& messages;
    std::function<std::unique_ptr<Help>(const std::filesystem::path& manual)> makeHelp;
    std::filesystem::path programFile;  // the executable's full path
    std::function<std::uint32_t()> timeOfDaySeed;
};

// The main window: the slot cabinet, its menus, its sounds and music, and the game it plays.
class CabinetWindow : public QMainWindow {
  public:
    static constexpr int kNoTrack = -1;
    static constexpr int kPendingTrack = 10;  // a track index of 10 or more waits to be started

    explicit CabinetWindow(Environment environment);
    ~CabinetWindow() override;

    GameSession& session() { return session_; }
    const GameSession& session() const { return session_; }
    bool busy() const { return busy_; }
    bool closing() const { return closing_; }
    int wildFrame() const { return wildFrame_; }
    Clock& clock() { return env_.clock; }
    // Plays the bonus game in its window, modally; tests put their own player here.
    // The player gets the dealt game and returns the chosen card's total.
    using BonusPlayer = std::function<std::int32_t(const BingoGame& game)>;
    void SetBonusPlayer(BonusPlayer player) { bonusPlayer_ = std::move(player); }
    void PlayBonusGame();

    // Moves the live account to or from one section of the game file: slots 0 to 7 are the
    // saved games, slot 8 the current game. A refused store is reported and returns false.
    bool StoreGame(int slot, const std::string& name);

    // Start-up, in two halves: the window's creation and, 250 ms later, FinishStartup.
    void Create();
    void FinishStartup();
    void NewGame();

    // The spin cycle: the bet, the reels, the score, the count-up and the win display.
    void Spin();
    void SpinReels();
    void EvaluateSpin();
    void CountUpWin(std::int32_t paid);
    void Pause(std::uint32_t ms);
    void ShowWinFrame();
    void OpenBonusGame();
    void FlashLineSymbols(int line, bool on);
    void FlashBalls(bool on);
    void DrawWildFrame(int reel, int row, int frame);

    // The player's controls: clicks on the cabinet (surface coordinates) and keys.
    void Click(int x, int y);
    void PressKey(int key);
    void PressBetKey(int key);
    void BetMax();

    // The cabinet's drawing, each piece on its own; Redraw redraws all of them.
    void Redraw();
    void DrawReel(int reel);
    void DrawReelMotion(int reel, int offset);
    void DrawDigits(std::int64_t number, int x, int y, bool green, bool rightAligned, bool tight);
    void DrawCreditsMeter();
    void DrawCoinsMeter();
    void DrawCoinsMeter(std::int32_t amount);
    void DrawWinningsMeter(std::int32_t amount);
    void DrawMeterPanel();
    void RedrawMeters();
    void DrawBetLabel(bool lit, int key);
    enum class CabinetButton { Spin, BetMax };
    void DrawCabinetButton(CabinetButton which, bool ready);
    void DrawLogo();
    void DrawLineMarker(int payline, bool lit);
    void DrawLineMarkers();
    void DrawPayline(int payline);
    void RestoreReelEdges();
    void ClearMessageStrip();
    void RestoreBadgeArea();

    // Sounds and music.
    void PreloadSounds();
    void BuildPlaylist();
    void PlayReelStopSound();
    void PlayCountSound();
    void PlayWinSound(bool wait);
    void PlayStartSound();
    void PlayBonusSound();
    void PlayEffect(Sound effect);
    void SelectNextTrack();
    void StartPendingTrack();
    void TrackEnded();
    void ToggleSound();
    void ToggleMusic();

    // Menu commands.
    void NewGameCommand();
    void ExitCommand();
    void ShowVersion();
    void ShowManual();
    void SaveGameCommand();
    void OpenGameCommand();
    void BorrowCommand();
    void ShowStatistics();
    void ShowPayoffChart();

    int ScaleToScreen(int v) const;

    // What start-up settled; for the other windows and for tests.
    int layoutWidth() const { return layoutWidth_; }
    int screenWidth() const { return screenWidth_; }
    int screenHeight() const { return screenHeight_; }
    int cellSize() const { return cellSize_; }
    int reelLeft() const { return reelLeft_; }
    int reelTop() const { return reelTop_; }
    int reelPitch() const { return reelPitch_; }
    int motionStripHeight() const { return motionHeight_; }
    int meterTop() const { return meterTop_; }
    QColor lineColor(int payline) const {
        return lineColors_[static_cast<std::size_t>(payline - 1)];
    }
    const QImage& symbolSheet() const { return symbolSheet_; }
    const QImage& digitsSmall() const { return digitsSmall_; }
    const QImage& greenSmall() const { return greenSmall_; }
    Messages& messages() { return env_.messages; }
    Help* help() { return help_.get(); }
    const QImage& motionStrip() const { return motionStrip_; }
    const QImage& surface() const { return surface_; }
    Canvas& canvas() { return canvas_; }
    const std::string& productName() const { return productName_; }
    const std::string& assetPrefix() const { return assetPrefix_; }
    const std::filesystem::path& programDirectory() const { return programDirectory_; }
    const std::string& executableStem() const { return exeStem_; }
    const std::filesystem::path& helpFile() const { return helpFile_; }
    const std::filesystem::path& gameFilePath() const { return store_->path(); }
    const std::array<std::string, 10>& playlist() const { return playlist_; }
    int trackIndex() const { return trackIndex_; }
    void setTrackIndex(int index) { trackIndex_ = index; }
    Timer& startupTimer() { return *startupTimer_; }
    Timer& winDisplayTimer() { return *winDisplayTimer_; }
    Timer& musicTimer() { return *musicTimer_; }
    Timer& bonusLaunchTimer() { return *bonusLaunchTimer_; }
    QAction* action(const QString& objectName) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void ReadSettings();
    void LoadReplacementPictures();
    void BuildPictureBitmaps();
    void PreparePictures();
    void LoadBuiltinPictures();
    void ResizeSurface();
    void Relayout();
    int ClientHeightFor(int windowHeight) const;
    std::filesystem::path AssetPath(const std::string& name) const;
    // Runs one start-up step; an error is shown and start-up goes on with the next step.
    void Step(const std::function<void()>& step);
    void StopTimers();
    void WriteWinMessage();
    // Runs a spin or a bonus pay-out; a close asked for meanwhile waits for its end.
    void RunCycle(const std::function<void()>& cycle);
    // Lists the slots in the slot dialog (a SlotDialog::Mode) and files or opens the choice.
    void RunSlotDialog(int mode);

    Environment env_;
    GameSession& session_;
    std::unique_ptr<GameFileStore> store_;
    std::unique_ptr<Help> help_;

    std::filesystem::path programDirectory_;
    std::string exeStem_;
    std::string productName_ = "Quillane";
    std::string webPageName_ = "quillane";
    std::string versionText_ = "1.1";
    std::string assetPrefix_ = "Bingo";
    std::filesystem::path helpFile_;

    int screenWidth_ = 800;
    int screenHeight_ = 600;
    int layoutWidth_ = 800;

    // The stored pictures, replaced from files beside the program where those exist.
    QImage backgroundPicture_, motionPicture_, symbolsPicture_, betMaxPicture_, spinPicture_,
        badgePicture_;
    QImage digitsSmall_, greenSmall_, digitsLarge_, greenLarge_, logo_, logoMask_;
    QImage lineBubbles_, lineBubblesDim_, lineBubblesNeg_;
    // The bitmaps drawn from.
    QImage background_, motionSource_, motionStrip_, sheetSource_, symbolSheet_;
    QImage betMaxBitmap_, spinBitmap_, badgeBitmap_;
    // The background at the layout's size, stretched once rather than at every paint.
    QImage cabinetBackground_;

    int cellSize_ = 76;
    int reelLeft_ = 207;
    int reelTop_ = 210;
    int reelPitch_ = 92;
    int motionHeight_ = 912;
    int meterTop_ = 30;
    std::array<QColor, kPaylineCount> lineColors_{};

    QImage surface_;
    Canvas canvas_{surface_};
    CabinetView* view_ = nullptr;

    std::unique_ptr<Timer> startupTimer_;
    std::unique_ptr<Timer> winDisplayTimer_;
    std::unique_ptr<Timer> musicTimer_;
    std::unique_ptr<Timer> bonusLaunchTimer_;
    std::array<std::string, 10> playlist_;
    int trackIndex_ = kNoTrack;

    QMenu* fileMenu_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* manualAction_ = nullptr;
    QAction* soundAction_ = nullptr;
    QAction* musicAction_ = nullptr;
    BonusPlayer bonusPlayer_;
    int cursorTicks_ = 0;
    bool blinkOn_ = false;
    int wildFrame_ = 4;
    int wildFrameStep_ = 1;
    bool busy_ = false;     // clicks and keys on the cabinet are ignored while set
    bool closing_ = false;  // ends a reel animation at once
    bool soundOn_ = true;
    bool musicOn_ = true;
    bool created_ = false;
    int cycleDepth_ = 0;
    bool closeRequested_ = false;
};

}  // namespace quillane
