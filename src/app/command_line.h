// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace quillane {

// What the game's command line asks for. Qt's own options, such as -platform or -style, are
// left for QApplication as they always were; anything else is refused.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    std::string error;  // for Refuse: one line saying what is wrong
};

// `args` without the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kHelpText;

}  // namespace quillane
