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

const Value* Members::Array(std::string_view name) {
    const Value* value = Find(name);
    return value != nullptr && value->kind == Value::Kind::Array ? value : nullptr;
}

bool Members::Done() const {
    return std::all_of(used_.begin(), used_.end(), [](bool used) { return used; });
}

}  // namespace quillane::json
