#include "storage/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

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
    throw std::runtime_error("No home directory to keep the game file in");
}

std::filesystem::path ConfigDirectory() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && std::filesystem::path(config).is_absolute()) {
        return config;
    }
    return HomeDirectory() / ".config";
}

std::filesystem::path DataHome() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && std::filesystem::path(data).is_absolute()) {
        return data;
    }
    return HomeDirectory() / ".local" / "share";
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
    return ConfigDirectory() / "quillane" / (stem + ".ini");
}

std::filesystem::path DataDirectory() {
    return DataHome() / "quillane";
}

}  // namespace quillane
