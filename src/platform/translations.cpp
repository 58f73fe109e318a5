// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>

namespace quillane {
namespace {

constexpr std::array<InterfaceLanguage, 6> kLanguages = {{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
    {"es", "Espa\u00f1ol"},
    {"it", "Italiano"},
    {"pt_BR", "Portugu\u00eas (Brasil)"},
}};

QString CatalogueOf(const std::string& language) {
    return QStringLiteral(":/i18n/quillane_") + QString::fromStdString(language) +
           QStringLiteral(".qm");
}

bool Known(std::string_view code) {
    if (code == kPseudoLanguage)
        return true;
    for (const auto& l : kLanguages)
        if (l.code == code)
            return true;
    return false;
}

}  // namespace

std::span<const InterfaceLanguage> InterfaceLanguages() {
    return kLanguages;
}

std::optional<std::string> LanguageForLocale(std::string_view locale) {
    // "de_DE.UTF-8@euro": the codeset and the modifier do not choose the language.
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty())
        return std::nullopt;
    if (locale == "C" || locale == "POSIX")
        return std::string(kEnglish);
    if (Known(locale))
        return std::string(locale);
    const std::string_view base = locale.substr(0, locale.find('_'));
    if (base == kEnglish)
        return std::string(kEnglish);
    // Portuguese readers anywhere read the Brazilian catalogue better than English.
    if (base == "pt")
        return std::string("pt_BR");
    if (base != locale && Known(base))
        return std::string(base);
    return std::nullopt;
}

std::string DesktopLanguage(const std::function<const char*(const char*)>& environment) {
    auto value = [&](const char* name) {
        const char* v = environment(name);
        return std::string_view(v ? v : "");
    };
    std::string_view list = value("LANGUAGE");
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        if (auto language = LanguageForLocale(list.substr(0, colon)))
            return *language;
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!value(name).empty())
            return LanguageForLocale(value(name)).value_or(std::string(kEnglish));
    }
    return std::string(kEnglish);
}

std::string ChosenLanguage(std::string_view choice,
                           const std::function<const char*(const char*)>& environment) {
    if (Known(choice))
        return std::string(choice);
    return DesktopLanguage(environment);
}

std::string LocalisedFileName(std::string_view english, std::string_view language,
                              const std::function<bool(const std::string&)>& exists) {
    const std::size_t dot = english.rfind('.');
    const std::string_view stem = english.substr(0, dot);
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : english.substr(dot);
    if (language != kEnglish) {
        for (std::string_view code = language;;) {
            std::string name = std::string(stem) + "_" + std::string(code) + std::string(extension);
            if (exists(name))
                return name;
            const std::size_t underscore = code.rfind('_');
            if (underscore == std::string_view::npos)
                break;
            code = code.substr(0, underscore);
        }
    }
    return std::string(english);
}

Translations::Translations() = default;

Translations::~Translations() {
    Apply(std::string(kEnglish));
}

bool Translations::Apply(const std::string& language) {
    for (auto* translator : {&game_, &qt_}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    language_ = language;
    if (language == kEnglish)
        return true;
    auto game = std::make_unique<QTranslator>();
    if (!game->load(CatalogueOf(language))) {
        language_ = std::string(kEnglish);
        return false;
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qt_ = std::move(qt);
    }
    QCoreApplication::installTranslator(game.get());
    game_ = std::move(game);
    return true;
}

std::string Translations::Translate(const std::string& language, const char* context,
                                    const char* text) {
    QTranslator translator;
    if (language != kEnglish && translator.load(CatalogueOf(language))) {
        const QString translated = translator.translate(context, text);
        if (!translated.isEmpty())
            return translated.toStdString();
    }
    return text;
}

}  // namespace quillane
