// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Marks a message for the translators without bringing Qt in: lupdate reads the marks, and the
// windows translate the message in the context "Storage" when they show it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x  // as Qt defines it, so that both may be seen
#endif

namespace quillane {

// Something the game's files have to tell the player: a message the game words, with %1, %2,
// ... standing for its arguments, or a text as it is (a file's name, a number, the system's
// reason). An argument can be worded in turn.
class Notice {
  public:
    Notice() = default;
    // Text as it is, never translated.
    Notice(std::string text) : text_(std::move(text)) {}  // NOLINT: a plain text is a notice
    Notice(const char* text) : text_(text) {}             // NOLINT
    // `format`, marked with QT_TRANSLATE_NOOP("Storage", ...), and what %1, %2, ... stand for
    // (none for a message without any: a format alone would be a text as it is).
    Notice(const char* format, std::vector<Notice> args);

    // Null for a text as it is.
    const char* format() const { return format_; }
    const std::string& text() const { return text_; }
    const std::vector<Notice>& args() const { return args_; }

    // In English, as logs and the command line show it.
    std::string English() const;
    // `format` with %1 to %9 replaced by `arg` of the arguments, in one pass, so that an
    // argument holding "%2" stays as it is; any other '%' is kept.
    static std::string Fill(const std::string& format, const std::vector<std::string>& args);

    friend bool operator==(const Notice& a, const Notice& b) { return a.English() == b.English(); }

  private:
    const char* format_ = nullptr;
    std::string text_;
    std::vector<Notice> args_;
};

// An error whose message the player reads; what() is its English.
class NoticeError : public std::runtime_error {
  public:
    explicit NoticeError(Notice notice)
        : std::runtime_error(notice.English()), notice_(std::move(notice)) {}
    const Notice& notice() const noexcept { return notice_; }

  private:
    Notice notice_;
};

}  // namespace quillane
