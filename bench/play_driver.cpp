// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real game, made as the program makes it, played by a random player instead of a person.
// Usage:
//   play_driver play LOG [SEED]  plays until a signal ends it or it is killed, noting what it
//                                does and sees in LOG for kill_harness.sh
//   play_driver check [SPINS]    loads the game as the next start would and says whether the
//                                game file and the history agree; with SPINS, the last change
//                                the player made was that spin (-1: none known), and the
//                                history must end on it
//   play_driver stalls N         autoplays N quick spins and says how late a 1 ms timer ever
//                                fired: how long the UI thread was busy at a stretch
// Each LOG line is "<milliseconds since the epoch> <event> [values]", written whole:
//   start SEED PID | ready | signal N | phase NAME | dialog KIND | drawn SPINS | shown SPINS
//   pending SEED|- CARD|- | bonus SEED CARD | blackout | saved SLOT SPINS | borrowed AMOUNT
//   newgame | open SLOT | quickplay 0|1 | autoplay SPINS
// A line for something the player does that changes the account (borrowed, newgame, open) is
// written before it is done, so that a kill never finds it done and not noted.
#include <fcntl.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/game_program.h"
#include "storage/game_ledger.h"
#include "storage/paths.h"
#include "storage/profile.h"
#include "ui/account/borrow_window.h"
#include "ui/account/slot_dialog.h"
#include "ui/bonus/bonus_game_window.h"
#include "ui/cabinet/cabinet_layout.h"
#include "ui/cabinet/cabinet_window.h"

namespace {

namespace fs = std::filesystem;
using namespace quillane;

// The game's own file names, whatever this program is called.
constexpr const char* kStem = "quillane";

long long EpochMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// Appends whole lines with one unbuffered write each, so a kill leaves at most the line under
// way cut short. Without a file it notes nothing.
class EventLog {
  public:
    explicit EventLog(const char* path) {
        if (path != nullptr)
            fd_ = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    }
    ~EventLog() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    bool open() const { return fd_ >= 0; }

    void Note(const std::string& event) const {
        if (fd_ < 0)
            return;
        const std::string line = std::to_string(EpochMilliseconds()) + " " + event + "\n";
        [[maybe_unused]] const ssize_t written = ::write(fd_, line.data(), line.size());
    }

  private:
    int fd_ = -1;
};

// Hands every effect on to the real port and tells the player first.
class WatchedSound : public SoundPort {
  public:
    explicit WatchedSound(SoundPort& port) : port_(port) {}
    // `sound` is nothing for an effect played from a file.
    std::function<void(std::optional<Sound> sound)> played;

    void Preload(Sound sound, const fs::path& file) override { port_.Preload(sound, file); }
    void PlayPreloaded(Sound sound) override {
        if (played)
            played(sound);
        port_.PlayPreloaded(sound);
    }
    std::chrono::milliseconds PlayFile(const fs::path& file) override {
        if (played)
            played(std::nullopt);
        return port_.PlayFile(file);
    }
    void SetVolume(int percent) override { port_.SetVolume(percent); }

  private:
    SoundPort& port_;
};

const char* PhaseName(SpinCycle::Phase phase) {
    switch (phase) {
        case SpinCycle::Phase::Idle:
            return "Idle";
        case SpinCycle::Phase::Reels:
            return "Reels";
        case SpinCycle::Phase::WinSound:
            return "WinSound";
        case SpinCycle::Phase::CountUp:
            return "CountUp";
        case SpinCycle::Phase::BonusLaunch:
            return "BonusLaunch";
        case SpinCycle::Phase::BonusOpen:
            return "BonusOpen";
    }
    return "?";
}

const char* DialogKind(QWidget* modal) {
    if (modal == nullptr)
        return "none";
    if (dynamic_cast<BonusGameWindow*>(modal) != nullptr)
        return "bonus";
    if (dynamic_cast<SlotDialog*>(modal) != nullptr)
        return "slot";
    if (dynamic_cast<BorrowWindow*>(modal) != nullptr)
        return "borrow";
    if (dynamic_cast<QInputDialog*>(modal) != nullptr)
        return "input";
    if (dynamic_cast<QMessageBox*>(modal) != nullptr)
        return "box";
    return "other";
}

// Plays like a restless person: a move every 30 to 300 ms, answering whatever window is up,
// else spinning, betting, autoplaying, saving, borrowing and now and then starting afresh.
// A fast timer notes what the cabinet shows as it changes.
class RandomPlayer {
  public:
    RandomPlayer(CabinetWindow& cabinet, GameSession& session, WatchedSound& sound,
                 const EventLog& log, std::uint32_t seed)
        : cabinet_(cabinet), session_(session), log_(log), random_(seed) {
        sound.played = [this](std::optional<Sound> effect) { Heard(effect); };
        watch_.setTimerType(Qt::PreciseTimer);
        watch_.setInterval(2);
        QObject::connect(&watch_, &QTimer::timeout, [this] { Observe(); });
        move_.setSingleShot(true);
        QObject::connect(&move_, &QTimer::timeout, [this] { Move(); });
    }

    void Start() {
        watch_.start();
        ArmMove();
    }

  private:
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
    void ArmMove() { move_.start(Uniform(30, 300)); }

    // Notes what changed since the last look: the phase, a spin drawn, the pending bonus game,
    // the window in front, a bonus window opened, chosen or blacked out.
    void Observe() {
        const SpinCycle::Phase phase = cabinet_.cycle().phase();
        const std::int32_t spins = session_.settled().account.spins;
        if (!phaseNoted_ || phase != lastPhase_) {
            log_.Note(std::string("phase ") + PhaseName(phase));
        }
        if (phase == SpinCycle::Phase::Reels &&
            (!phaseNoted_ || lastPhase_ != SpinCycle::Phase::Reels || spins != drawnSpins_)) {
            log_.Note("drawn " + std::to_string(spins));
            drawnSpins_ = spins;
            ++drawnCount_;
        }
        phaseNoted_ = true;
        lastPhase_ = phase;

        const std::optional<PendingBonus>& pending = session_.pendingBonus();
        const std::string pendingText =
            pending ? (pending->seed ? std::to_string(*pending->seed) : "-") + " " +
                          (pending->card ? std::to_string(*pending->card) : "-")
                    : "- -";
        if (pendingText != pendingNoted_) {
            log_.Note("pending " + pendingText);
            pendingNoted_ = pendingText;
        }

        const char* kind = DialogKind(QApplication::activeModalWidget());
        if (kind != dialogNoted_) {
            log_.Note(std::string("dialog ") + kind);
            dialogNoted_ = kind;
        }

        BonusGameWindow* window = nullptr;
        // Not findChild: the game's windows carry no meta-object of their own.
        for (QObject* child : cabinet_.children()) {
            if (auto* open = dynamic_cast<BonusGameWindow*>(child); open && open->isVisible())
                window = open;
        }
        if (window != bonusWindow_.data() && window != nullptr) {
            bonusWindow_ = window;
            cardNoted_ = false;
            blackoutNoted_ = false;
            cardDue_.reset();
            NoteBonus(*window);
        }
        if (bonusWindow_ && bonusWindow_->cardChosen() && !cardNoted_)
            NoteBonus(*bonusWindow_);
        if (bonusWindow_ && bonusWindow_->gameOver() && !blackoutNoted_) {
            log_.Note("blackout");
            blackoutNoted_ = true;
        }
    }

    void NoteBonus(const BonusGameWindow& window) {
        const std::optional<PendingBonus>& pending = session_.pendingBonus();
        const std::string seed =
            pending && pending->seed ? std::to_string(*pending->seed) : std::string("-");
        const int card = window.cardChosen() ? window.chosenCard() : -1;
        log_.Note("bonus " + seed + " " + std::to_string(card));
        cardNoted_ = window.cardChosen();
    }

    // The first reel stop of a spin shows it; the blackout's effect sounds just before the bonus
    // game is settled, so noting it here puts the line ahead of the settlement.
    void Heard(std::optional<Sound> effect) {
        Observe();
        if (effect == Sound::ReelStop && shownCount_ != drawnCount_) {
            shownCount_ = drawnCount_;
            log_.Note("shown " + std::to_string(session_.settled().account.spins));
        }
        if (!effect && bonusWindow_ && bonusWindow_->game().Over() && !blackoutNoted_) {
            log_.Note("blackout");
            blackoutNoted_ = true;
        }
    }

    void Move() {
        Observe();
        if (QWidget* modal = QApplication::activeModalWidget()) {
            Answer(modal);
        } else {
            Choose();
        }
        Observe();
        ArmMove();
    }

    void Answer(QWidget* modal) {
        if (auto* bonus = dynamic_cast<BonusGameWindow*>(modal)) {
            PlayBonus(*bonus);
        } else if (auto* slotDialog = dynamic_cast<SlotDialog*>(modal)) {
            const int slot = Uniform(1, SlotDialog::kSlots);
            if (slotMode_ == SlotDialog::kOpen) {
                log_.Note("open " + std::to_string(slot));
            } else {
                savingSlot_ = slot;
            }
            slotDialog->ChooseSlot(slot);
        } else if (auto* input = dynamic_cast<QInputDialog*>(modal)) {
            input->accept();
            if (savingSlot_) {
                log_.Note("saved " + std::to_string(*savingSlot_) + " " +
                          std::to_string(session_.settled().account.spins));
                savingSlot_.reset();
            }
        } else if (auto* borrow = dynamic_cast<BorrowWindow*>(modal)) {
            if (borrow != borrowPressed_.data()) {
                const int tag = borrowLow_ ? 0 : Uniform(0, 3);
                log_.Note("borrowed " + std::to_string(BorrowWindow::kAmounts[tag]));
                borrow->PressAmount(tag);
                borrowPressed_ = borrow;
            } else {
                borrow->close();
            }
        } else if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
            box->accept();
        } else if (auto* dialog = dynamic_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    }

    void PlayBonus(BonusGameWindow& bonus) {
        if (!bonus.cardChosen()) {
            const auto now = std::chrono::steady_clock::now();
            if (!cardDue_)
                cardDue_ = now + std::chrono::milliseconds(Uniform(100, 1500));
            if (now >= *cardDue_) {
                bonus.ChooseCard(Uniform(0, kCardCount - 1));
                NoteBonus(bonus);
            }
            return;
        }
        // Mostly hurried along: a game at the normal pace outlasts most runs of the harness.
        if (!bonus.gameOver() && Chance(bonus.quickPlay() ? 0.01 : 0.3))
            bonus.ToggleQuickPlay();
    }

    struct Weighted {
        double weight;
        void (RandomPlayer::*move)();
    };

    void Choose() {
        const bool idle = !cabinet_.busy();
        if (cabinet_.autoplay().running() && Chance(0.95))
            return;
        borrowLow_ = session_.settled().account.credits < 200;
        if (idle && borrowLow_ && Chance(0.7)) {
            Trigger("borrow");
            return;
        }
        const std::vector<Weighted> moves =
            idle
                ? std::vector<Weighted>{{45, &RandomPlayer::SpinKey},
                                        {15, &RandomPlayer::BetKey},
                                        {5, &RandomPlayer::BetMax},
                                        {4, &RandomPlayer::Autoplay},
                                        {5, &RandomPlayer::Save},
                                        {1, &RandomPlayer::Open},
                                        {2, &RandomPlayer::Borrow},
                                        {3, &RandomPlayer::QuickPlay},
                                        {0.25, &RandomPlayer::NewGame}}
                : std::vector<Weighted>{{70, &RandomPlayer::Wait},    {10, &RandomPlayer::SpinKey},
                                        {5, &RandomPlayer::Save},     {0.5, &RandomPlayer::Open},
                                        {2, &RandomPlayer::Borrow},   {2, &RandomPlayer::QuickPlay},
                                        {0.2, &RandomPlayer::NewGame}};
        std::vector<double> weights;
        for (const Weighted& m : moves)
            weights.push_back(m.weight);
        std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
        (this->*moves[pick(random_)].move)();
    }

    void Wait() {}
    void SpinKey() { cabinet_.PressKey(Qt::Key_Return); }
    void BetMax() { cabinet_.PressKey(Qt::Key_M); }
    void BetKey() {
        const cabinet_layout::Box box = cabinet_layout::HitBox(Uniform(1, 10));
        const CabinetGeometry& g = cabinet_.cabinetGeometry();
        cabinet_.Click(g.Scale((box.left + box.right) / 2), g.Scale((box.top + box.bottom) / 2));
    }
    void Autoplay() {
        log_.Note("autoplay 10");
        cabinet_.RunAutoplay(AutoplayPlan{});
    }
    void Save() {
        slotMode_ = SlotDialog::kSave;
        Trigger("saveGame");
    }
    void Open() {
        slotMode_ = SlotDialog::kOpen;
        Trigger("openGame");
    }
    void Borrow() { Trigger("borrow"); }
    void QuickPlay() {
        Trigger("quickPlay");
        log_.Note(std::string("quickplay ") + (cabinet_.options().quickPlay ? "1" : "0"));
    }
    void NewGame() {
        log_.Note("newgame");
        Trigger("newGame");
    }
    void Trigger(const char* name) {
        if (QAction* a = cabinet_.action(QString::fromLatin1(name)))
            a->trigger();
    }

    CabinetWindow& cabinet_;
    GameSession& session_;
    const EventLog& log_;
    std::mt19937 random_;
    QTimer watch_;
    QTimer move_;

    bool phaseNoted_ = false;
    SpinCycle::Phase lastPhase_ = SpinCycle::Phase::Idle;
    std::int32_t drawnSpins_ = -1;
    long drawnCount_ = 0;
    long shownCount_ = 0;
    std::string pendingNoted_;
    std::string dialogNoted_;
    QPointer<BonusGameWindow> bonusWindow_;
    bool cardNoted_ = false;
    bool blackoutNoted_ = false;
    std::optional<std::chrono::steady_clock::time_point> cardDue_;
    int slotMode_ = SlotDialog::kSave;
    std::optional<int> savingSlot_;
    QPointer<BorrowWindow> borrowPressed_;
    bool borrowLow_ = false;
};

// Autoplays `spins` quick spins, picking each bonus card at once, while a 1 ms timer notes how
// late each of its ticks comes after the one before.
class StallProbe {
  public:
    StallProbe(CabinetWindow& cabinet, GameSession& session, int spins)
        : cabinet_(cabinet), session_(session), spins_(spins) {
        probe_.setTimerType(Qt::PreciseTimer);
        probe_.setInterval(1);
        QObject::connect(&probe_, &QTimer::timeout, [this] { Tick(); });
        helper_.setInterval(10);
        QObject::connect(&helper_, &QTimer::timeout, [this] { Help(); });
    }

    void Start() { helper_.start(); }

  private:
    using Clock = std::chrono::steady_clock;
    static constexpr double kLongStallMs = 10;

    // The time this thread has run, in ms: a stall it spent running is the game's own work,
    // one it spent waiting is the system's (another thread or process had the processor).
    static double ThreadMilliseconds() {
        timespec used{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
        return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
    }

    void Tick() {
        const Clock::time_point now = Clock::now();
        const double ran = ThreadMilliseconds();
        if (last_) {
            const double late =
                std::chrono::duration<double, std::milli>(now - *last_).count() - 1.0;
            lateness_.push_back(std::max(0.0, late));
            busy_.push_back(std::max(0.0, ran - lastRan_ - 1.0));
            // Where the long ones came: the phase and window found once the stall is over.
            if (late > kLongStallMs)
                ++longStalls_[std::string(PhaseName(cabinet_.cycle().phase())) + "/" +
                              DialogKind(QApplication::activeModalWidget()) + " ran " +
                              std::to_string(static_cast<int>(ran - lastRan_)) + " ms"];
        }
        last_ = now;
        lastRan_ = ran;
    }

    void Help() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* bonus = dynamic_cast<BonusGameWindow*>(modal)) {
            if (!bonus->cardChosen()) {
                bonus->ChooseCard(0);
                ++bonusGames_;
            }
            return;
        }
        if (auto* borrow = dynamic_cast<BorrowWindow*>(modal)) {
            borrow->PressAmount(0);
            borrow->close();
            return;
        }
        if (auto* dialog = dynamic_cast<QDialog*>(modal)) {
            dialog->accept();
            return;
        }
        if (cabinet_.busy() || cabinet_.autoplay().running())
            return;
        if (!started_) {
            // Start-up is over: the game is idle for the first time.
            started_ = true;
            first_ = session_.settled().account.spins;
            if (!cabinet_.options().quickPlay)
                cabinet_.action(QStringLiteral("quickPlay"))->trigger();
            began_ = Clock::now();
            probe_.start();
        }
        const int played = session_.settled().account.spins - first_;
        if (played >= spins_) {
            Finish(played);
            return;
        }
        if (!session_.CanStakeSpin()) {
            cabinet_.action(QStringLiteral("borrow"))->trigger();
            return;
        }
        AutoplayPlan plan;
        plan.spins = spins_ - played;
        plan.stopOnBonus = false;
        cabinet_.RunAutoplay(plan);
    }

    void Finish(int played) {
        probe_.stop();
        helper_.stop();
        const double seconds = std::chrono::duration<double>(Clock::now() - began_).count();
        std::vector<double> sorted = lateness_;
        std::sort(sorted.begin(), sorted.end());
        const auto at = [&sorted](double fraction) {
            if (sorted.empty())
                return 0.0;
            const auto rank =
                static_cast<std::size_t>(fraction * static_cast<double>(sorted.size()));
            return sorted[std::min(rank, sorted.size() - 1)];
        };
        std::printf(
            "spins=%d bonus_games=%d seconds=%.1f samples=%zu p50=%.3f p99=%.3f p99.9=%.3f "
            "max=%.3f (lateness of a 1 ms timer, ms)\n",
            played, bonusGames_, seconds, sorted.size(), at(0.5), at(0.99), at(0.999),
            sorted.empty() ? 0.0 : sorted.back());
        int longStalls = 0;
        std::string where;
        for (const auto& [context, count] : longStalls_) {
            longStalls += count;
            where += (where.empty() ? "" : ", ") + context + " " + std::to_string(count);
        }
        std::printf(
            "over %.0f ms: %d (phase/window after each, and how long of it this thread "
            "ran: %s)\n",
            kLongStallMs, longStalls, where.empty() ? "none" : where.c_str());
        std::sort(busy_.begin(), busy_.end());
        std::printf("the thread's own running between ticks: p99=%.3f p99.9=%.3f max=%.3f ms\n",
                    busy_.empty() ? 0.0 : busy_[busy_.size() * 99 / 100],
                    busy_.empty() ? 0.0 : busy_[busy_.size() * 999 / 1000],
                    busy_.empty() ? 0.0 : busy_.back());
        std::fflush(stdout);
        cabinet_.EndSession();
    }

    CabinetWindow& cabinet_;
    GameSession& session_;
    const int spins_;
    QTimer probe_;
    QTimer helper_;
    bool started_ = false;
    std::int32_t first_ = 0;
    int bonusGames_ = 0;
    Clock::time_point began_;
    std::optional<Clock::time_point> last_;
    double lastRan_ = 0;
    std::vector<double> lateness_;
    std::vector<double> busy_;
    std::map<std::string, int> longStalls_;
};

// Plays the real game, with the instance lock left out, and lets `attach` add its player once
// the window is shown.
template <typename Attach>
int PlayGameWith(int argc, char** argv, const EventLog& log, Attach attach) {
    // No sound card here: SDL's silent driver keeps the timing of a real one.
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::optional<WatchedSound> sound;
    GameHooks hooks;
    hooks.stem = kStem;
    hooks.oneCopy = false;
    hooks.sound = [&sound](SoundPort& real) -> SoundPort& { return sound.emplace(real); };
    hooks.signalled = [&log](int signal) { log.Note("signal " + std::to_string(signal)); };
    hooks.shown = [&](CabinetWindow& cabinet, GameSession& session, SoundPort&) {
        std::shared_ptr player = attach(cabinet, session, *sound);
        player->Start();
        log.Note("ready");
        return std::shared_ptr<void>(std::move(player));
    };
    return PlayGame(argc, argv, hooks);
}

int Play(int argc, char** argv) {
    const EventLog log(argv[2]);
    if (!log.open()) {
        std::fprintf(stderr, "play_driver: cannot open %s: %s\n", argv[2], std::strerror(errno));
        return 2;
    }
    const std::uint32_t seed = argc > 3
                                   ? static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10))
                                   : std::random_device{}();
    log.Note("start " + std::to_string(seed) + " " + std::to_string(::getpid()));
    return PlayGameWith(
        argc, argv, log,
        [&log, seed](CabinetWindow& cabinet, GameSession& session, WatchedSound& sound) {
            return std::make_unique<RandomPlayer>(cabinet, session, sound, log, seed);
        });
}

int Stalls(int argc, char** argv) {
    const int spins = std::max(1, std::atoi(argv[2]));
    // A game of its own, so that runs compare and the player's own game is left alone.
    std::string folder = (fs::temp_directory_path() / "quillane-stalls-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 2;
    }
    ::setenv("XDG_CONFIG_HOME", (fs::path(folder) / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (fs::path(folder) / "data").c_str(), 1);
    const EventLog log(nullptr);
    const int status = PlayGameWith(
        argc, argv, log, [spins](CabinetWindow& cabinet, GameSession& session, WatchedSound&) {
            return std::make_unique<StallProbe>(cabinet, session, spins);
        });
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return status;
}

int Temporaries(const std::vector<fs::path>& folders) {
    int count = 0;
    for (const fs::path& folder : folders) {
        std::error_code error;
        for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error))
            count += entry->path().extension() == ".tmp";
    }
    return count;
}

std::string Optional(const std::optional<std::uint32_t>& value) {
    return value ? std::to_string(*value) : "-";
}

// What the next start reads, and whether its three views of the current game agree: the game
// file, the history file's header and records, and the ledger's memory.
int Check(int argc, char** argv) {
    // -1: the last change is not known to be a spin.
    const std::int32_t lastSpin = argc > 2 ? std::atoi(argv[2]) : -1;
    const GameLedger::Files files = GameLedger::FilesFor(kStem);
    if (files.gameFile.empty()) {
        std::fprintf(stderr, "play_driver: %s\n",
                     files.problem.value_or(Notice("no game file")).English().c_str());
        return 2;
    }
    const std::vector<fs::path> folders = {files.gameFile.parent_path(), files.historyDirectory};
    const int left = Temporaries(folders);
    const std::string today = LocalDateText();
    const GameFileContents before = ReadGameFile(profile::LoadText(files.gameFile), today);

    GameLedger ledger(files, StorageWriter::Mode::Inline);
    ledger.Load();
    const std::optional<Notice> refusal = ledger.writer().Flush();

    std::optional<Notice> problem;
    const HistoryFile history = ReadHistoryFile(ledger.HistoryFile(kCurrentGameSlot), problem);
    const bool stored = fs::exists(files.gameFile);
    const GameFileContents contents = ReadGameFile(profile::LoadText(files.gameFile), today);
    const SettledGame current = ledger.Current();
    const Account& account = current.account;
    const auto& records = ledger.history().records();
    const auto kept = contents.serials[kCurrentGameSlot];

    std::vector<std::string> why;
    const auto require = [&why](bool holds, const char* what) {
        if (!holds)
            why.push_back(what);
    };
    require(!refusal, "refused");
    require(!problem && !ledger.historyProblem(), "history-unreadable");
    if (stored || history.header) {
        require(contents.games[kCurrentGameSlot].account == account, "file-account");
        require(contents.bonus == current.bonus, "file-bonus");
        require(history.header.has_value(), "no-header");
        if (history.header) {
            require(history.header->game.account == account, "header-account");
            require(history.header->bonus == current.bonus, "header-bonus");
            require(kept == history.header->serial, "serials");
        }
        require(history.records == records, "records");
    }
    // Every spin adds a record and a new game or an opened slot brings its own records along.
    require(records.size() == std::min<std::size_t>(static_cast<std::size_t>(account.spins),
                                                    GameHistory::kMaxRecords),
            "record-count");
    if (lastSpin >= 0 && account.spins == lastSpin)
        require(!records.empty() && records.back().creditsAfter == account.credits,
                "last-record-credits");
    for (int slot = 0; slot < kSavedSlotCount; ++slot) {
        const HistoryFile saved = ReadHistoryFile(ledger.HistoryFile(slot), problem);
        if (saved.header && saved.header->game.account != ledger.Slot(slot).account)
            why.push_back("slot" + std::to_string(slot + 1));
    }
    const bool completed =
        history.header && history.header->serial > before.serials[kCurrentGameSlot].value_or(0);

    std::string whyText;
    for (const std::string& w : why)
        whyText += (whyText.empty() ? "" : ",") + w;
    const std::optional<PendingBonus>& bonus = current.bonus;
    std::printf(
        "spins=%d credits=%d borrowed=%d records=%zu serial=%s completed=%d agree=%d "
        "bonus_seed=%s bonus_card=%s temporaries=%d temporaries_found=%d why=%s\n",
        account.spins, account.credits, account.borrowed, records.size(),
        kept ? std::to_string(*kept).c_str() : "-", completed ? 1 : 0, why.empty() ? 1 : 0,
        bonus ? Optional(bonus->seed).c_str() : "-",
        bonus && bonus->card ? std::to_string(*bonus->card).c_str() : "-", Temporaries(folders),
        left, whyText.empty() ? "-" : whyText.c_str());
    return why.empty() ? 0 : 1;
}

int Usage() {
    std::fputs(
        "usage: play_driver play LOG [SEED] | play_driver check [SPINS] | "
        "play_driver stalls SPINS\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "play" && argc > 2)
        return Play(argc, argv);
    if (mode == "check")
        return Check(argc, argv);
    if (mode == "stalls" && argc > 2)
        return Stalls(argc, argv);
    return Usage();
}
