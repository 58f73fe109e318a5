// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "storage/file_descriptor.h"

namespace quillane {

std::optional<std::vector<unsigned char>> ReadRegularFile(const std::filesystem::path& file,
                                                          std::size_t maxBytes, bool wholeOrNothing,
                                                          Notice& reason) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        reason = std::strerror(errno);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        reason = std::strerror(errno);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        // The reasons follow "... cannot be read:" or "Cannot open file ...".
        if (S_ISDIR(info.st_mode))
            //: Why a file cannot be read: the name is a folder's.
            reason = Notice(QT_TRANSLATE_NOOP("Storage", "It is a directory"), {});
        else
            //: Why a file cannot be read: the name is a device's, a pipe's or a socket's.
            reason = Notice(QT_TRANSLATE_NOOP("Storage", "It is not a regular file"), {});
        return std::nullopt;
    }
    std::vector<unsigned char> bytes;
    bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), maxBytes));
    unsigned char chunk[65536];
    while (bytes.size() <= maxBytes) {
        const std::size_t wanted = std::min(sizeof chunk, maxBytes + 1 - bytes.size());
        const ssize_t got = ::read(fd.get(), chunk, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reason = std::strerror(errno);
            return std::nullopt;
        }
        if (got == 0)
            return bytes;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    if (!wholeOrNothing) {
        bytes.resize(maxBytes);
        return bytes;
    }
    //: Why a file cannot be read; %1 is a number of mebibytes.
    reason = Notice(QT_TRANSLATE_NOOP("Storage", "It is larger than %1 MiB"),
                    {std::to_string(maxBytes / (1024 * 1024))});
    return std::nullopt;
}

}  // namespace quillane
