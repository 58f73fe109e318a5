// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "storage/notice.h"

// INI files in the manner of the Windows private-profile functions. Section and key names match
// without regard to ASCII case and keep the spelling they were first written with; the first of
// duplicate sections or keys wins; lines whose first non-blank character is ';' are comments.
namespace quillane::profile {

// A store the file system or the rules of the format refused. notice() is the message the player
// sees: "Unable to write to <file>", then reason(), the operating system's account, on a line
// of its own; what() is its English.
class WriteError : public NoticeError {
  public:
    WriteError(const std::filesystem::path& file, std::error_code reason);

    const std::filesystem::path& file() const noexcept { return file_; }
    std::error_code code() const noexcept { return reason_; }
    std::string reason() const { return reason_.message(); }

  private:
    std::filesystem::path file_;
    std::error_code reason_;
};

// Anything larger is not one of the game's files: it reads as empty and is never rewritten.
inline constexpr std::uintmax_t kMaxFileSize = 16 * 1024 * 1024;

// The file's bytes; empty when it is missing, unreadable, not a regular file or too large.
std::string LoadText(const std::filesystem::path& file);

// Why LoadText gives nothing of a file that is there (file_too_large, is_a_directory, the
// operating system's reason...); no error when the file reads or is missing.
std::error_code ReadProblem(const std::filesystem::path& file);

// The value of `key` in `section` of INI text, trimmed and with one pair of matching outer
// quotes removed, cut to `maxLength` characters; nullopt when the section or key is missing.
std::optional<std::string> FindValue(std::string_view text, std::string_view section,
                                     std::string_view key, std::size_t maxLength);

// False for what no INI line can hold: a line break or NUL anywhere, an empty name, '=' in a
// key or a key that would read as a comment or section, ']' in a section name.
bool CanStore(std::string_view section, std::string_view key, std::string_view value);

// `text` with the key set: rewritten in place when present, else added at the end of its
// section, else in a new section at the end. Every other byte is kept. Throws
// std::invalid_argument unless CanStore.
std::string SetValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value);

// `text` without the sections named `section`, each with its header line and every line up to
// the next section's header. Every other byte is kept.
std::string RemoveSection(std::string_view text, std::string_view section);

std::optional<std::string> ReadString(const std::filesystem::path& file, std::string_view section,
                                      std::string_view key, std::size_t maxLength);

// A key and the value to store under it.
using KeyValue = std::pair<std::string_view, std::string_view>;

// Reads the file afresh, sets the keys of one section in order, as SetValue one after another
// would, and replaces the file once through a synced temporary file in its directory: the file
// holds all of the new values or none of them. Creates missing directories, keeps the file's
// permissions and writes through a symbolic link to its target. Throws WriteError when refused,
// which includes a file whose owner may not write it and one too large to be read.
void WriteValues(const std::filesystem::path& file, std::string_view section,
                 std::span<const KeyValue> entries);

// Reads the file afresh, passes its text to `edit` and replaces the file once with what `edit`
// returns, as WriteValues does. `edit` may throw std::invalid_argument for a value the format
// cannot hold, which is refused like any other store.
void UpdateFile(const std::filesystem::path& file,
                const std::function<std::string(std::string text)>& edit);

// Removes the temporary files that writes of `file` left behind in its directory when their
// process was killed: only those named for this file and for a process no longer running.
// Returns how many were removed.
std::size_t SweepStaleTemporaries(const std::filesystem::path& file);

// WriteValues with one key.
void WriteString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view value);

// Replaces the whole of `file` with `text` as WriteValues does: through a synced temporary file
// renamed into place, creating missing directories, keeping the file's permissions and writing
// through a symbolic link. Throws WriteError when refused, which includes a file in the way that
// is not a regular one or whose owner may not write it.
void ReplaceFile(const std::filesystem::path& file, std::string_view text);

}  // namespace quillane::profile
