// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "core/random.h"
#include "ui/bonus/bonus_game_window.h"
#include "virtual_clock.h"

// render_bonus WIDTH HEIGHT CALLS OUT.png: the bonus window at that client size, dealt from a
// fixed seed, after the blue card is chosen and CALLS numbers are called (none: the card is
// not chosen yet), for looking at its layout on any screen without playing up to it.
int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_bonus WIDTH HEIGHT CALLS OUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    using namespace quillane;
    testing::VirtualClock clock;
    RandomGenerator random(20240611);
    BonusGameWindow bonus(BingoGame(random, 9), clock, [](Sound) {});
    bonus.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    bonus.show();
    const int calls = std::atoi(argv[3]);
    if (calls > 0) {
        bonus.BlueCardClick();
        bonus.ToggleQuickPlay();
        while (bonus.game().callsMade() < calls && !bonus.gameOver())
            clock.Advance(1);
    }
    QApplication::processEvents();
    return bonus.grab().save(QString::fromLocal8Bit(argv[4])) ? 0 : 1;
}
