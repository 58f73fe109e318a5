// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "storage/notice.h"

namespace quillane {

namespace {

std::filesystem::path HomeDirectory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return home;
    }
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && *found->pw_dir != '\0') {
        return found->pw_dir;
    }
    throw NoticeError(
        Notice(QT_TRANSLATE_NOOP("Storage", "No home directory to keep the game file in"), {}));
}

// An XDG base directory from `variable`, or `fallback` under the home directory.
std::filesystem::path BaseDirectory(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && std::filesystem::path(value).is_absolute()) {
        return value;
    }
    return HomeDirectory() / fallback;
}

}  // namespace

std::filesystem::path ExecutablePath() {
    return std::filesystem::read_symlink("/proc/self/exe");
}

std::filesystem::path ProgramDirectory() {
    return ExecutablePath().parent_path();
}

std::string ExecutableStem(const std::filesystem::path& program) {
    return program.filename().stem().string();
}

std::filesystem::path GameFilePath(const std::string& stem) {
    return BaseDirectory("XDG_CONFIG_HOME", ".config") / "quillane" / (stem + ".ini");
}

std::filesystem::path DataDirectory() {
    return BaseDirectory("XDG_DATA_HOME", ".local/share") / "quillane";
}

std::filesystem::path MusicCacheDirectory() {
    try {
        return BaseDirectory("XDG_CACHE_HOME", ".cache") / "quillane" / "music";
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace quillane
