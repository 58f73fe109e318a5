// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/json_value.h"

#include <algorithm>
#include <charconv>

namespace quillane::json {
namespace {

constexpr int kMaxDepth = 4;
constexpr std::size_t kMaxItems = 100;

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<Value> Object() {
        std::optional<Value> value = Parse(0);
        SkipBlanks();
        if (!value || at_ != text_.size() || value->kind != Value::Kind::Object)
            return std::nullopt;
        return value;
    }

  private:
    void SkipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t'))
            ++at_;
    }

    bool Take(char c) {
        SkipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    std::optional<Value> Parse(int depth) {
        if (depth > kMaxDepth)
            return std::nullopt;
        SkipBlanks();
        if (at_ >= text_.size())
            return std::nullopt;
        if (text_[at_] == '{')
            return ObjectAt(depth);
        if (text_[at_] == '[')
            return Array(depth);
        if (text_[at_] == '"')
            return String();
        return Integer();
    }

    std::optional<Value> Integer() {
        const std::size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-')
            ++at_;
        const std::size_t digits = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
            ++at_;
        const std::size_t count = at_ - digits;
        // JSON allows no leading zeros, nor "-0"; a fraction or exponent is no integer.
        if (count == 0 || (count > 1 && text_[digits] == '0') ||
            (digits > start && count == 1 && text_[digits] == '0'))
            return std::nullopt;
        Value value;
        const auto [end, error] =
            std::from_chars(text_.data() + start, text_.data() + at_, value.integer);
        if (error != std::errc() || end != text_.data() + at_)
            return std::nullopt;
        return value;
    }

    std::optional<unsigned> Hex4() {
        if (text_.size() - at_ < 4)
            return std::nullopt;
        unsigned code = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16);
        if (error != std::errc() || end != text_.data() + at_ + 4)
            return std::nullopt;
        at_ += 4;
        return code;
    }

    static void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // \uXXXX, with a surrogate pair for what lies beyond the first plane.
    bool Unicode(std::string& out) {
        auto code = Hex4();
        if (!code || (*code >= 0xDC00 && *code <= 0xDFFF))
            return false;
        if (*code >= 0xD800 && *code <= 0xDBFF) {
            if (!Next('\\') || !Next('u'))
                return false;
            const auto low = Hex4();
            if (!low || *low < 0xDC00 || *low > 0xDFFF)
                return false;
            code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
        }
        AppendUtf8(out, *code);
        return true;
    }

    bool Next(char c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    std::optional<Value> String() {
        ++at_;  // '"'
        Value value;
        value.kind = Value::Kind::String;
        while (at_ < text_.size() && value.text.size() <= kMaxStringBytes) {
            const char c = text_[at_++];
            if (c == '"')
                return value;
            if (static_cast<unsigned char>(c) < 0x20)
                return std::nullopt;
            if (c != '\\') {
                value.text += c;
                continue;
            }
            if (at_ >= text_.size())
                return std::nullopt;
            const char escaped = text_[at_++];
            static constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
            if (const std::size_t i = kFrom.find(escaped); i != std::string_view::npos) {
                value.text += kTo[i];
            } else if (escaped != 'u' || !Unicode(value.text)) {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::optional<std::string> Name() {
        if (!Take('"'))
            return std::nullopt;
        std::string name;
        while (at_ < text_.size() && name.size() < 16) {
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return name.empty() ? std::nullopt : std::optional<std::string>(name);
            }
            if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
                return std::nullopt;
            name += c;
            ++at_;
        }
        return std::nullopt;
    }

    std::optional<Value> Array(int depth) {
        ++at_;  // '['
        Value value;
        value.kind = Value::Kind::Array;
        if (Take(']'))
            return value;
        do {
            if (value.items.size() >= kMaxItems)
                return std::nullopt;
            std::optional<Value> item = Parse(depth + 1);
            if (!item)
                return std::nullopt;
            value.items.push_back(std::move(*item));
        } while (Take(','));
        if (!Take(']'))
            return std::nullopt;
        return value;
    }

    std::optional<Value> ObjectAt(int depth) {
        ++at_;  // '{'
        Value value;
        value.kind = Value::Kind::Object;
        if (Take('}'))
            return value;
        do {
            std::optional<std::string> name = Name();
            if (!name || !Take(':') || value.names.size() >= kMaxItems ||
                std::find(value.names.begin(), value.names.end(), *name) != value.names.end())
                return std::nullopt;
            std::optional<Value> item = Parse(depth + 1);
            if (!item)
                return std::nullopt;
            value.names.push_back(std::move(*name));
            value.items.push_back(std::move(*item));
        } while (Take(','));
        if (!Take('}'))
            return std::nullopt;
        return value;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<Value> ParseObject(std::string_view text) {
    return Parser(text).Object();
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::optional<std::int64_t> InRange(const Value* value, std::int64_t low, std::int64_t high) {
    if (value == nullptr || value->kind != Value::Kind::Integer || value->integer < low ||
        value->integer > high)
        return std::nullopt;
    return value->integer;
}

Members::Members(const Value& object) : object_(object), used_(object.names.size()) {}

const Value* Members::Find(std::string_view name) {
    for (std::size_t i = 0; i < object_.names.size(); ++i) {
        if (object_.names[i] == name) {
            used_[i] = true;
            return &object_.items[i];
        }
    }
    return nullptr;
}

std::optional<std::int64_t> Members::Integer(std::string_view name, std::int64_t low,
                                             std::int64_t high) {
    return InRange(Find(name), low, high);
}

const std::string* Members::String(std::string_view name) {
    const Value* value = Find(name);
    return value != nullptr && value->kind == Value::Kind::String ? &value->text : nullptr;
}

const Value* Members::Array(std::string_view name) {
    const Value* value = Find(name);
    return value != nullptr && value->kind == Value::Kind::Array ? value : nullptr;
}

bool Members::Done() const {
    return std::all_of(used_.begin(), used_.end(), [](bool used) { return used; });
}

}  // namespace quillane::json
