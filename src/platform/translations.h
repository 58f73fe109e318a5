// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class QTranslator;

namespace quillane {

// A language the game speaks, by its catalogue's code and as its own speakers name it.
struct InterfaceLanguage {
    std::string_view code;
    std::string_view name;
};

inline constexpr std::string_view kEnglish = "en";
// Accented and stretched English, for finding texts that overflow or were never translated.
inline constexpr std::string_view kPseudoLanguage = "en_XA";

// The languages offered to the player, English first.
std::span<const InterfaceLanguage> InterfaceLanguages();

// The game's language for a locale name such as "de_DE.UTF-8", "pt_BR" or "fr": the closest the
// game has, English for "C", "POSIX" and English locales, nothing for a language it lacks.
std::optional<std::string> LanguageForLocale(std::string_view locale);

// The desktop's language as gettext orders it: LANGUAGE's list first, then the first of LC_ALL,
// LC_MESSAGES and LANG that is set. English when none names a language the game has.
std::string DesktopLanguage(const std::function<const char*(const char*)>& environment);

// The language to show: the player's choice from the options when the game has it, else the
// desktop's.
std::string ChosenLanguage(std::string_view choice,
                           const std::function<const char*(const char*)>& environment);

// The file of a topic in the player's language beside the English one: "quillane.html" becomes
// "quillane_de.html", "quillane_pt_BR.html" or, failing those, itself.
std::string LocalisedFileName(std::string_view english, std::string_view language,
                              const std::function<bool(const std::string&)>& exists);

// The game's own and Qt's catalogues for one language, installed in the application; installing
// another language replaces them, and Qt tells every window to translate itself again.
class Translations {
  public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Installs `language`'s catalogues ("en": none). False when the game's own could not be loaded.
    bool Apply(const std::string& language);
    const std::string& language() const { return language_; }

    // Looks a text up in `language`'s catalogue without an application, for the command line.
    static std::string Translate(const std::string& language, const char* context,
                                 const char* text);

  private:
    std::string language_ = std::string(kEnglish);
    std::unique_ptr<QTranslator> game_;
    std::unique_ptr<QTranslator> qt_;
};

}  // namespace quillane
