// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/game_program.h"
#include "platform/translations.h"

int main(int argc, char** argv) {
    using namespace quillane;
    // Answered before Qt starts: without a display, and without touching the game file.
    const CommandLine command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    // In the terminal's language, as the desktop's programs answer.
    const std::string language = DesktopLanguage(std::getenv);
    const TranslateText translate = [&language](const char* context, const char* text) {
        return Translations::Translate(language, context, text);
    };
    switch (command.action) {
        case CommandLine::Action::Help:
            return std::fputs(HelpText(translate).c_str(), stdout) == EOF ? 1 : 0;
        case CommandLine::Action::Version:
            return std::printf("quillane %s\n", QUILLANE_VERSION) < 0 ? 1 : 0;
        case CommandLine::Action::Refuse:
            std::fputs(RefusalText(command, translate).c_str(), stderr);
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    return PlayGame(argc, argv);
}
