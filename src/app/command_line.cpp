// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <string_view>

// Marks the texts for the translators; they are printed before Qt starts, translated by the
// callback given.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace quillane {

namespace {

// The help in whole paragraphs, each one text for the translators.
constexpr const char* kHelpParagraphs[] = {
    //: The command line's help: how the program is started. Keep "quillane" and the options
    QT_TRANSLATE_NOOP("CommandLine",
                      "usage: quillane [--help] [--version] [Qt options]\n"
                      "Quillane, a five-reel, nine-line video slot with a blackout-bingo bonus "
                      "game.\n"),
    //: The command line's help: the options, aligned in two columns. Keep the option names
    QT_TRANSLATE_NOOP("CommandLine",
                      "  -h, --help   print this help and leave\n"
                      "  --version    print the version and leave\n"),
    //: The command line's help: where the game keeps its files. Keep the paths and names
    QT_TRANSLATE_NOOP("CommandLine",
                      "Qt's own options, such as -platform NAME or -style NAME, are also taken.\n"
                      "The game is kept in $XDG_CONFIG_HOME/quillane/quillane.ini "
                      "(~/.config/quillane/).\n"
                      "Pictures, sounds and music of your own go in $XDG_DATA_HOME/quillane\n"
                      "(~/.local/share/quillane/). F1 in the game opens the manual; see also "
                      "quillane(6).\n"),
};

//: A command line error; %1 is the argument given
constexpr const char* kUnexpectedArgument =
    QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'");
//: A command line error; %1 is the option given
constexpr const char* kNeedsValue = QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs a value");
//: A command line error; %1 is the option given
constexpr const char* kUnknownOption = QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'");
//: How a command line error is printed; %1 is the error. Keep "quillane" and "--help"
constexpr const char* kRefusalLine =
    QT_TRANSLATE_NOOP("CommandLine", "quillane: %1 (try --help)\n");

//: Printed when the help or the version could not be written, to a full disc or a closed pipe;
//: %1 is the system's reason. Keep "quillane"
constexpr const char* kWriteFailed =
    QT_TRANSLATE_NOOP("CommandLine", "quillane: cannot write the output: %1\n");

// `text` with its %1 given `argument`, once.
std::string Fill(std::string text, const std::string& argument) {
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

CommandLine Refusal(const char* text, const std::string& argument) {
    return {CommandLine::Action::Refuse, Fill(text, argument), text, argument};
}

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
            return {CommandLine::Action::Help, {}, nullptr, {}};
        if (arg == "--version")
            return {CommandLine::Action::Version, {}, nullptr, {}};
        std::string_view name = arg;
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-"))
            name.remove_prefix(1);
        else
            return Refusal(kUnexpectedArgument, arg);
        const auto equals = name.find('=');
        const bool valueGiven = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (Among(kQtValueOptions, name)) {
            if (!valueGiven && ++i == args.size())
                return Refusal(kNeedsValue, arg);
        } else if (!Among(kQtFlags, name) || valueGiven) {
            return Refusal(kUnknownOption, arg);
        }
    }
    return {};
}

std::string Untranslated(const char* /*context*/, const char* text) {
    return text;
}

std::string HelpText(const TranslateText& translate) {
    std::string text;
    for (const char* paragraph : kHelpParagraphs) {
        if (!text.empty())
            text += '\n';
        text += translate("CommandLine", paragraph);
    }
    return text;
}

std::string RefusalText(const CommandLine& command, const TranslateText& translate) {
    const std::string error =
        command.errorText != nullptr
            ? Fill(translate("CommandLine", command.errorText), command.errorArgument)
            : command.error;
    return Fill(translate("CommandLine", kRefusalLine), error);
}

std::string WriteFailureText(const std::string& reason, const TranslateText& translate) {
    return Fill(translate("CommandLine", kWriteFailed), reason);
}

}  // namespace quillane
