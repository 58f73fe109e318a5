// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <string>

namespace quillane {

class CabinetWindow;
class GameSession;
class SoundPort;

// What a program that plays the game adds to it; the game itself adds nothing. The benchmarks'
// driver plays the real game with these.
struct GameHooks {
    // The name the game's files are stored under; by default the program's own.
    std::string stem;
    // Guards the settings folder against a second copy, and brings the first one forward.
    bool oneCopy = true;
    // Puts a port of its own between the game and the real sound effects.
    std::function<SoundPort&(SoundPort& real)> sound;
    // Told of a signal that ends the game, before it ends.
    std::function<void(int signal)> signalled;
    // Called once the cabinet is shown, before the event loop runs; what it returns is kept
    // until the event loop ends, before the cabinet goes.
    std::function<std::shared_ptr<void>(CabinetWindow&, GameSession&, SoundPort&)> shown;
};

// Plays the game until the player or the desktop ends it; returns the process's status.
// Ends with status 1 and one line on stderr when there is no display.
int PlayGame(int argc, char** argv, const GameHooks& hooks = {});

}  // namespace quillane
