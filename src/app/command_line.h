// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillane {

// What the game's command line asks for. Qt's own options, such as -platform or -style, are
// left for QApplication as they always were; anything else is refused.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    std::string error;  // for Refuse: one line saying what is wrong, in English
    // The same, for the translators: the untranslated text with %1 for `errorArgument`.
    const char* errorText = nullptr;
    std::string errorArgument;
};

// Looks a text up in the translations, by its context; gives `text` back when it has none.
using TranslateText = std::function<std::string(const char* context, const char* text)>;
// Translates nothing: the texts as written.
std::string Untranslated(const char* context, const char* text);

// `args` without the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// What --help prints.
std::string HelpText(const TranslateText& translate);
// The line a refused command line prints: "quillane: ... (try --help)", with its line break.
std::string RefusalText(const CommandLine& command, const TranslateText& translate);
// The line printed when the help or the version could not be written; `reason` says why.
std::string WriteFailureText(const std::string& reason, const TranslateText& translate);

}  // namespace quillane
