// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    // What is printed must reach its reader: a full disc or a closed pipe is said, with status 1.
    auto print = [&translate](const std::string& text) {
        // A reader gone away is then a failed write like any other, not a death by signal.
        std::signal(SIGPIPE, SIG_IGN);
        if (std::fputs(text.c_str(), stdout) != EOF && std::fflush(stdout) == 0)
            return 0;
        std::fputs(WriteFailureText(std::strerror(errno), translate).c_str(), stderr);
        return 1;
    };
    switch (command.action) {
        case CommandLine::Action::Help:
            return print(HelpText(translate));
        case CommandLine::Action::Version:
            return print(std::string("quillane ") + QUILLANE_VERSION + "\n");
        case CommandLine::Action::Refuse:
            std::fputs(RefusalText(command, translate).c_str(), stderr);
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    return PlayGame(argc, argv);
}
