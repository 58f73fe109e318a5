// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "standalone_cabinet.h"

// render_cabinet PROGRAM_DIR OUT.png: the cabinet as the game paints it at start-up, on the
// screen Qt is given, for comparing with what a real display shows.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_cabinet PROGRAM_DIR OUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    const quillane::testing::StandaloneCabinet cabinet(argv[1]);
    return cabinet.window->surface().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
