// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "fakes.h"
#include "ui/cabinet/cabinet_layout.h"
#include "ui/cabinet/cabinet_window.h"
#include "virtual_clock.h"

namespace quillane::testing {

// A main window in a program directory, configuration and player's data directory of its own,
// with recording adapters and virtual time. Files can be placed beside the program or among the
// player's before the window is made.
class CabinetFixture : public ::testing::Test {
  protected:
    CabinetFixture();
    ~CabinetFixture() override;

    const std::filesystem::path& programDir() const { return programDir_; }
    const std::filesystem::path& configDir() const { return configDir_; }
    std::filesystem::path gameFile() const { return configDir_ / "quillane" / "quillane.ini"; }
    // Where the window keeps the game history; set it before Start(), empty for none on disk.
    std::filesystem::path historyDir;
    std::filesystem::path playerDir() const { return dataDir_ / "quillane"; }

    // A file beside the program.
    void Put(const std::string& name, const std::string& contents = "x");
    void Remove(const std::string& name);
    // A file in the player's data directory.
    void PutForPlayer(const std::string& name, const std::string& contents = "x");
    // The real built sounds, music and sheets, copied beside the program.
    void PutShippedFile(const std::string& name);

    CabinetWindow& Start();
    CabinetWindow& cabinet() { return *cabinet_; }
    GameLedger& ledger() { return *ledger_; }
    // Start-up's second half, 250 ms on.
    void PassStartup() { clock.Advance(260); }
    // Moves time on until the spin under way, with its bonus game, is paid and the cycle idle.
    void Settle();
    // A spin as the Enter key starts it, played to its end.
    void SpinAndSettle();
    // Clicks the middle of `box`, a rectangle on the design grid.
    void ClickMiddle(const cabinet_layout::Box& box);
    // Clicks the middle of bet key `key`, 1 to 10.
    void PressBetKey(int key) { ClickMiddle(cabinet_layout::HitBox(key)); }
    // Closes the window as its close box does and lets the storing finish; whether it closed.
    bool CloseWindow();

    // Runs the menu command `action` and hands `use` the window of type W it opens; the window
    // is closed afterwards if it is still open.
    template <class W>
    void WithWindow(const char* action, const std::function<void(W&)>& use) {
        cabinet_->action(action)->trigger();
        QPointer<W> window = dynamic_cast<W*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr) << action;
        use(*window);
        if (window && window->isVisible())
            window->close();
        clock.ProcessEvents();
    }

    QRgb At(int x, int y) const { return cabinet_->surface().pixel(x, y); }

    // The card whose total is the largest in the bonus game dealt from `seed` at 9 lines of 1.
    int RichestCard() const;

    // A seed whose next spin, at the current bet, scores as `wanted` asks; the session is seeded.
    SpinResult SeedFor(const std::function<bool(const SpinResult&)>& wanted);

    // Changes the session's state directly, to set up a position.
    template <class Change>
    void Arrange(Change change) {
        SessionState state = session.state();
        change(state);
        session.Restore(state);
    }

    VirtualClock clock;
    FixedScreen screen;
    GameSession session;
    RecordingSound sound;
    RecordingMusic music;
    RecordingMessages messages;
    RecordingHelp* help = nullptr;
    std::uint32_t seed = 12345;
    int bonusGamesPlayed = 0;
    // The card the stand-in bonus window chooses; it plays its game out at once. With
    // realBonusWindow set before Start(), the game's own window is shown instead.
    int bonusCard = 0;
    bool realBonusWindow = false;
    std::string stem = "quillane";
    bool audioSilent = false;
    // The interface language the Options menu switches; none for a game without the menu's effect.
    Translations* translations = nullptr;

  private:
    std::filesystem::path root_;
    std::filesystem::path programDir_;
    std::filesystem::path configDir_;
    std::filesystem::path dataDir_;
    std::unique_ptr<GameLedger> ledger_;
    std::unique_ptr<CabinetWindow> cabinet_;
};

// Whether the test screen is laid out at this width; tests for other widths skip.
#define REQUIRE_LAYOUT_WIDTH(cabinet, width)                \
    if ((cabinet).cabinetGeometry().layoutWidth != (width)) \
    GTEST_SKIP() << "the screen is laid out at " << (cabinet).cabinetGeometry().layoutWidth

// Colour distance allowing for JPEG's loss.
int ColourDistance(QRgb a, QRgb b);

}  // namespace quillane::testing
