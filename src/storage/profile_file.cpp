// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/profile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>

#include "storage/file_descriptor.h"

namespace quillane::profile {

namespace {

std::error_code LastError() {
    return {errno, std::system_category()};
}

struct Existing {
    std::string text;
    std::optional<struct stat> status;  // set when a regular file was read
    std::error_code error;              // why a file that is there could not be read
};

Existing ReadExisting(const std::filesystem::path& file) {
    Existing result;
    // O_NONBLOCK so that a FIFO in the file's place cannot hang the game.
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        if (errno != ENOENT) {
            result.error = LastError();
        }
        return result;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        result.error = LastError();
        return result;
    }
    if (!S_ISREG(status.st_mode)) {
        result.error = std::make_error_code(S_ISDIR(status.st_mode) ? std::errc::is_a_directory
                                                                    : std::errc::invalid_argument);
        return result;
    }
    if (static_cast<std::uintmax_t>(status.st_size) > kMaxFileSize) {
        result.error = std::make_error_code(std::errc::file_too_large);
        return result;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.text.clear();
            result.error = LastError();
            return result;
        }
        if (result.text.size() + static_cast<std::size_t>(count) > kMaxFileSize) {
            result.text.clear();
            result.error = std::make_error_code(std::errc::file_too_large);
            return result;
        }
        result.text.append(buffer, static_cast<std::size_t>(count));
    }
    result.status = status;
    return result;
}

// The file a write must replace: the final target of a chain of symbolic links.
std::filesystem::path ResolveLinks(const std::filesystem::path& file, std::error_code& error) {
    std::filesystem::path target = file;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return target;
        }
        const std::filesystem::path link = std::filesystem::read_symlink(target, error);
        if (error) {
            return {};
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

// Removes the temporary file unless it was renamed into place.
struct TemporaryFile {
    std::filesystem::path path;
    bool renamed = false;
    ~TemporaryFile() {
        if (!path.empty() && !renamed) {
            ::unlink(path.c_str());
        }
    }
};

// Temporary files are named ".<file>.<pid>.<n>.tmp" so that a sweep can tell whose they are.
std::string TemporaryPrefix(const std::filesystem::path& target) {
    std::string prefix = ".";
    prefix += target.filename().string().substr(0, 200);
    prefix += '.';
    return prefix;
}

int CreateTemporary(const std::filesystem::path& target, TemporaryFile& temporary) {
    static std::atomic<unsigned> counter{0};
    const std::string prefix = TemporaryPrefix(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate =
            target.parent_path() /
            (prefix + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp");
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temporary.path = std::move(candidate);
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    errno = EEXIST;
    return -1;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The writer of a temporary file named by CreateTemporary for `prefix`; 0 for any other name.
pid_t TemporaryOwner(std::string_view name, std::string_view prefix) {
    constexpr std::string_view suffix = ".tmp";
    if (!name.starts_with(prefix) || !name.ends_with(suffix) ||
        name.size() < prefix.size() + suffix.size()) {
        return 0;
    }
    name = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos || !AllDigits(name.substr(0, dot)) ||
        !AllDigits(name.substr(dot + 1))) {
        return 0;
    }
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dot, pid);
    return error == std::errc() && pid > 0 ? pid : 0;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

void SyncDirectory(const std::filesystem::path& directory) {
    const std::filesystem::path path = directory.empty() ? "." : directory;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) {
        ::fsync(fd.get());
    }
}

// A rename would replace a file its owner made read-only without asking it, so the owner's write
// bit decides, even for root, to whom access() allows everything.
std::error_code WritePermission(const std::filesystem::path& target, const struct stat& status) {
    if ((status.st_mode & S_IWUSR) == 0) {
        return std::make_error_code(std::errc::permission_denied);
    }
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return LastError();
    }
    return {};
}

// Replaces `target` with `text`; returns the reason on failure, leaving `target` untouched.
std::error_code Replace(const std::filesystem::path& target, std::string_view text,
                        const std::optional<struct stat>& old) {
    TemporaryFile temporary;
    FileDescriptor fd(CreateTemporary(target, temporary));
    if (fd.get() < 0) {
        return LastError();
    }
    if (old) {
        if (::fchmod(fd.get(), old->st_mode & 07777) != 0) {
            return LastError();
        }
        if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
            // Only a privileged writer can give the file back to its owner; others keep it.
            [[maybe_unused]] const int ignored = ::fchown(fd.get(), old->st_uid, old->st_gid);
        }
    }
    if (!WriteAll(fd.get(), text) || ::fsync(fd.get()) != 0 || !fd.Close()) {
        return LastError();
    }
    if (::rename(temporary.path.c_str(), target.c_str()) != 0) {
        return LastError();
    }
    temporary.renamed = true;
    SyncDirectory(target.parent_path());
    return {};
}

}  // namespace

WriteError::WriteError(const std::filesystem::path& file, std::error_code reason)
    //: %1 is the file, %2 the system's reason on a line of its own; keep the line break.
    : NoticeError(Notice(QT_TRANSLATE_NOOP("Storage", "Unable to write to %1\n%2"),
                         {file.string(), reason.message()})),
      file_(file),
      reason_(reason) {}

std::string LoadText(const std::filesystem::path& file) {
    return ReadExisting(file).text;
}

std::error_code ReadProblem(const std::filesystem::path& file) {
    return ReadExisting(file).error;
}

std::optional<std::string> ReadString(const std::filesystem::path& file, std::string_view section,
                                      std::string_view key, std::size_t maxLength) {
    return FindValue(LoadText(file), section, key, maxLength);
}

namespace {

// The file a write of `file` replaces, through any symbolic links, with its directory made.
std::filesystem::path WritableTarget(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path target = ResolveLinks(file, error);
    if (error) {
        throw WriteError(file, error);
    }
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), error);
        if (error) {
            throw WriteError(file, error);
        }
    }
    return target;
}

}  // namespace

void UpdateFile(const std::filesystem::path& file,
                const std::function<std::string(std::string text)>& edit) {
    const std::filesystem::path target = WritableTarget(file);
    std::error_code error;
    Existing existing = ReadExisting(target);
    if (existing.error) {
        throw WriteError(file, existing.error);
    }
    if (existing.status) {
        error = WritePermission(target, *existing.status);
        if (error) {
            throw WriteError(file, error);
        }
    }
    std::string text;
    try {
        text = edit(std::move(existing.text));
    } catch (const std::invalid_argument&) {
        throw WriteError(file, std::make_error_code(std::errc::invalid_argument));
    }
    error = Replace(target, text, existing.status);
    if (error) {
        throw WriteError(file, error);
    }
}

void WriteValues(const std::filesystem::path& file, std::string_view section,
                 std::span<const KeyValue> entries) {
    for (const auto& [key, value] : entries) {
        if (!CanStore(section, key, value)) {
            throw WriteError(file, std::make_error_code(std::errc::invalid_argument));
        }
    }
    UpdateFile(file, [&](std::string text) {
        for (const auto& [key, value] : entries) {
            text = SetValue(text, section, key, value);
        }
        return text;
    });
}

std::size_t SweepStaleTemporaries(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path target = ResolveLinks(file, error);
    if (error) {
        return 0;
    }
    const std::string prefix = TemporaryPrefix(target);
    const std::filesystem::path directory =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::size_t removed = 0;
    for (std::filesystem::directory_iterator entry(directory, error), end; !error && entry != end;
         entry.increment(error)) {
        const pid_t owner = TemporaryOwner(entry->path().filename().string(), prefix);
        struct stat status {};
        if (owner == 0 || ::lstat(entry->path().c_str(), &status) != 0 ||
            !S_ISREG(status.st_mode)) {
            continue;
        }
        if (::kill(owner, 0) == -1 && errno == ESRCH && ::unlink(entry->path().c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

void WriteString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view value) {
    const KeyValue entry{key, value};
    WriteValues(file, section, {&entry, 1});
}

void ReplaceFile(const std::filesystem::path& file, std::string_view text) {
    const std::filesystem::path target = WritableTarget(file);
    std::error_code error;
    std::optional<struct stat> old;
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            throw WriteError(
                file, std::make_error_code(S_ISDIR(status.st_mode) ? std::errc::is_a_directory
                                                                   : std::errc::invalid_argument));
        }
        error = WritePermission(target, status);
        if (error) {
            throw WriteError(file, error);
        }
        old = status;
    } else if (errno != ENOENT) {
        throw WriteError(file, LastError());
    }
    error = Replace(target, text, old);
    if (error) {
        throw WriteError(file, error);
    }
}

}  // namespace quillane::profile
