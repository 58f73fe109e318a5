#include "storage/game_file.h"

#include <langinfo.h>
#include <locale.h>

#include <array>
#include <cctype>
#include <ctime>
#include <utility>

#include "storage/profile.h"

namespace quillane {

char DateSeparatorFromFormat(std::string_view format) {
    for (std::size_t i = 0; i < format.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(format[i]);
        if (c == '%') {
            // Skip the conversion with its flags, width and E/O modifier.
            ++i;
            while (i < format.size() &&
                   std::string_view("_-0^#EO123456789").find(format[i]) != std::string_view::npos) {
                ++i;
            }
            if (i < format.size() && format[i] == 'D') {
                return '/';
            }
            if (i < format.size() && format[i] == 'F') {
                return '-';
            }
        } else if (c < 0x80 && std::ispunct(c)) {
            return static_cast<char>(c);
        }
    }
    return '/';
}

char LocaleDateSeparator() {
    const locale_t locale = ::newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) {
        return '/';
    }
    const char* format = ::nl_langinfo_l(D_FMT, locale);
    const char separator = DateSeparatorFromFormat(format != nullptr ? format : "");
    ::freelocale(locale);
    return separator;
}

std::string LocalDateText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return FormatGameDate({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                          LocaleDateSeparator());
}

GameFile::GameFile(std::filesystem::path file, DateSource today)
    : file_(std::move(file)), today_(std::move(today)) {}

SavedGame GameFile::Read(int slot) const {
    const std::string section = SlotSection(slot);
    const std::string text = profile::LoadText(file_);
    return ReadSavedGame(
        slot,
        [&](std::string_view key) {
            return profile::FindValue(text, section, key, kProfileTextLength);
        },
        today_());
}

void GameFile::Write(int slot, const std::string& name, const Account& account) const {
    const std::string section = SlotSection(slot);
    const std::array<GameEntry, 7> entries = GameEntries(name, today_(), account);
    std::array<profile::KeyValue, 7> values;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        values[i] = {entries[i].key, entries[i].value};
    }
    profile::WriteValues(file_, section, values);
}

std::optional<std::string> GameFile::Problem() const {
    const std::string file = "The game file " + file_.string();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file_, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return std::nullopt;
    }
    if (!error && !std::filesystem::is_regular_file(status)) {
        return file + " is not a regular file and was not read.";
    }
    if (!error) {
        error = profile::ReadProblem(file_);
    }
    if (error == std::errc::file_too_large) {
        return file + " is larger than " + std::to_string(profile::kMaxFileSize >> 20) +
               " MiB and was not read.";
    }
    if (error) {
        return file + " cannot be read: " + error.message() + ".";
    }
    return std::nullopt;
}

std::size_t GameFile::SweepStaleTemporaries() const {
    return profile::SweepStaleTemporaries(file_);
}

}  // namespace quillane
