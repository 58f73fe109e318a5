// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The small JSON of the game's own files: objects, arrays, integers and strings, with names of
// ASCII letters. Anything else reads as no document at all.
namespace quillane::json {

struct Value {
    enum class Kind { Integer, String, Array, Object } kind = Kind::Integer;
    std::int64_t integer = 0;
    std::string text;                // a string's bytes, escapes undone
    std::vector<Value> items;        // an array's elements or an object's values
    std::vector<std::string> names;  // an object's names, one for each value
};

// The object that is the whole of `text`, blanks allowed between tokens. nullopt for a fraction,
// true, false or null, a repeated name, nesting deeper than four, more than a hundred items in
// one array or object, or a string longer than kMaxStringBytes.
inline constexpr std::size_t kMaxStringBytes = 4096;
std::optional<Value> ParseObject(std::string_view text);

// `value` when it is an integer from `low` to `high`.
std::optional<std::int64_t> InRange(const Value* value, std::int64_t low, std::int64_t high);

// `text` as a JSON string, quotes included: '"', '\\' and control characters escaped, other bytes
// as they are.
std::string Quote(std::string_view text);

// Reads the members of one object; Done() says whether every member was asked for, so that an
// unknown one can make the whole document odd.
class Members {
  public:
    explicit Members(const Value& object);

    const Value* Find(std::string_view name);
    std::optional<std::int64_t> Integer(std::string_view name, std::int64_t low, std::int64_t high);
    const std::string* String(std::string_view name);
    const Value* Array(std::string_view name);
    bool Done() const;

  private:
    const Value& object_;
    std::vector<bool> used_;
};

}  // namespace quillane::json
