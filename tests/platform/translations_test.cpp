// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/translations.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace quillane {
namespace {

TEST(Translations, LocaleNamesFindTheClosestLanguage) {
    const std::map<std::string, std::string> cases = {{"de_DE.UTF-8", "de"},
                                                      {"de_AT@euro", "de"},
                                                      {"fr", "fr"},
                                                      {"fr_CA.utf8", "fr"},
                                                      {"es_MX", "es"},
                                                      {"it_CH", "it"},
                                                      {"pt_BR.UTF-8", "pt_BR"},
                                                      {"pt_PT", "pt_BR"},
                                                      {"pt", "pt_BR"},
                                                      {"C", "en"},
                                                      {"POSIX", "en"},
                                                      {"C.UTF-8", "en"},
                                                      {"en_GB.UTF-8", "en"},
                                                      {"en_XA", "en_XA"},
                                                      {"nl_NL.UTF-8", ""},
                                                      {"", ""},
                                                      {".UTF-8", ""},
                                                      {"ja", ""}};
    for (const auto& [locale, language] : cases)
        EXPECT_EQ(LanguageForLocale(locale).value_or(""), language) << locale;
}

TEST(Translations, DesktopLanguageFollowsGettextsOrder) {
    struct Case {
        std::map<std::string, std::string> environment;
        std::string language;
    };
    const Case cases[] = {
        {{}, "en"},
        {{{"LANG", "fr_FR.UTF-8"}}, "fr"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "it_IT"}}, "it"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "it_IT"}, {"LC_ALL", "es_ES"}}, "es"},
        {{{"LC_ALL", "C"}, {"LANG", "de_DE"}}, "en"},
        {{{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, "de"},
        {{{"LANGUAGE", "nl:sv:pt_BR:de"}, {"LANG", "fr_FR"}}, "pt_BR"},
        {{{"LANGUAGE", "nl:sv"}, {"LANG", "it_IT"}}, "it"},
        {{{"LANGUAGE", "en_US:de"}}, "en"},
        {{{"LANG", "nl_NL.UTF-8"}}, "en"},
    };
    for (const Case& c : cases) {
        auto lookup = [&](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(DesktopLanguage(lookup), c.language);
        EXPECT_EQ(ChosenLanguage("it", lookup), "it") << "the player's choice comes first";
        EXPECT_EQ(ChosenLanguage("", lookup), c.language);
        EXPECT_EQ(ChosenLanguage("xx", lookup), c.language) << "a choice the game lacks";
    }
}

TEST(Translations, ALocalisedFileFallsBackToTheEnglishOne) {
    const std::set<std::string> files = {"quillane.html", "quillane_de.html", "quillane_pt.html"};
    auto exists = [&](const std::string& name) { return files.count(name) > 0; };
    EXPECT_EQ(LocalisedFileName("quillane.html", "de", exists), "quillane_de.html");
    EXPECT_EQ(LocalisedFileName("quillane.html", "pt_BR", exists), "quillane_pt.html");
    EXPECT_EQ(LocalisedFileName("quillane.html", "fr", exists), "quillane.html");
    EXPECT_EQ(LocalisedFileName("quillane.html", "en", exists), "quillane.html");
}

}  // namespace
}  // namespace quillane
