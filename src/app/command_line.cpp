// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <string_view>

namespace quillane {

const char* const kHelpText =
    "usage: quillane [--help] [--version] [Qt options]\n"
    "Quillane, a five-reel, nine-line video slot with a blackout-bingo bonus game.\n"
    "\n"
    "  -h, --help   print this help and leave\n"
    "  --version    print the version and leave\n"
    "\n"
    "Qt's own options, such as -platform NAME or -style NAME, are also taken.\n"
    "The game is kept in $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).\n"
    "Pictures, sounds and music of your own go in $XDG_DATA_HOME/quillane\n"
    "(~/.local/share/quillane/). F1 in the game opens the manual; see also quillane(6).\n";

namespace {

// Qt's options that take a value, and those that stand alone, each between spaces. Qt takes them
// with one dash or two, and a value after '=' or as the next argument.
constexpr std::string_view kQtValueOptions =
    " platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle"
    " display geometry style stylesheet session name title ";
constexpr std::string_view kQtFlags = " reverse nograb dograb sync widgetcount ";

bool Among(std::string_view names, std::string_view name) {
    if (name.empty() || name.find(' ') != std::string_view::npos)
        return false;
    for (auto at = names.find(name); at != std::string_view::npos; at = names.find(name, at + 1)) {
        if (names[at - 1] == ' ' && names[at + name.size()] == ' ')
            return true;
    }
    return false;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h")
            return {CommandLine::Action::Help, {}};
        if (arg == "--version")
            return {CommandLine::Action::Version, {}};
        std::string_view name = arg;
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-"))
            name.remove_prefix(1);
        else
            return {CommandLine::Action::Refuse, "unexpected argument '" + arg + "'"};
        const auto equals = name.find('=');
        const bool valueGiven = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (Among(kQtValueOptions, name)) {
            if (!valueGiven && ++i == args.size())
                return {CommandLine::Action::Refuse, "option '" + arg + "' needs a value"};
        } else if (!Among(kQtFlags, name) || valueGiven) {
            return {CommandLine::Action::Refuse, "unknown option '" + arg + "'"};
        }
    }
    return {};
}

}  // namespace quillane
