// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/profile.h"

#include <vector>

#include "core/saved_game.h"

namespace quillane::profile {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

enum class LineKind { Other, Section, Key };

struct Line {
    std::size_t begin = 0;  // first byte of the line
    std::size_t end = 0;    // end of its content, before the line break
    std::size_t next = 0;   // first byte of the following line
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name, trimmed
    std::size_t equals = 0;  // offset of '=' in a key line
};

void Classify(std::string_view text, Line& line) {
    const std::string_view content = text.substr(line.begin, line.end - line.begin);
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';') {
        return;
    }
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = Trim(trimmed.substr(1, close - 1));
            return;
        }
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const std::string_view key = Trim(content.substr(0, equals));
    if (!key.empty()) {
        line.kind = LineKind::Key;
        line.name = key;
        line.equals = line.begin + equals;
    }
}

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t begin = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (begin < text.size()) {
        const std::size_t newline = text.find('\n', begin);
        const std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
        Line line;
        line.begin = begin;
        line.end = stop;
        line.next = newline == std::string_view::npos ? text.size() : newline + 1;
        if (line.end > line.begin && text[line.end - 1] == '\r') {
            --line.end;
        }
        Classify(text, line);
        lines.push_back(line);
        begin = line.next;
    }
    return lines;
}

// Where a key stands, or would go, within the first section of its name.
struct Location {
    std::optional<std::size_t> section;  // its header line
    std::optional<std::size_t> key;
    std::optional<std::size_t> lastKey;
};

Location Locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Location found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (line.kind == LineKind::Section) {
            if (found.section) {
                break;
            }
            if (SameName(line.name, section)) {
                found.section = i;
            }
        } else if (found.section && line.kind == LineKind::Key) {
            if (!found.key && SameName(line.name, key)) {
                found.key = i;
            }
            found.lastKey = i;
        }
    }
    return found;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Quotes a value that reading would otherwise change by trimming or unquoting.
std::string Encode(std::string_view value) {
    const bool needsQuotes =
        !value.empty() &&
        (IsBlank(value.front()) || IsBlank(value.back()) ||
         (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()));
    return needsQuotes ? '"' + std::string(value) + '"' : std::string(value);
}

std::string_view LineBreakOf(std::string_view text) {
    const std::size_t newline = text.find('\n');
    return newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r' ? "\r\n"
                                                                                         : "\n";
}

bool EndsWithLineBreak(std::string_view text) {
    return !text.empty() && text.back() == '\n';
}

std::string AppendSection(std::string_view text, std::string_view section, std::string_view entry,
                          std::string_view lineBreak) {
    std::string result(text);
    if (!result.empty() && !EndsWithLineBreak(result)) {
        result += lineBreak;
    }
    if (!result.empty()) {
        std::string_view body = result;
        body.remove_suffix(1);
        const std::size_t newline = body.rfind('\n');
        if (!Trim(body.substr(newline == std::string_view::npos ? 0 : newline + 1)).empty()) {
            result += lineBreak;
        }
    }
    result += '[';
    result += section;
    result += ']';
    result += lineBreak;
    result += entry;
    result += lineBreak;
    return result;
}

}  // namespace

std::optional<std::string> FindValue(std::string_view text, std::string_view section,
                                     std::string_view key, std::size_t maxLength) {
    const std::vector<Line> lines = SplitLines(text);
    const Location found = Locate(lines, Trim(section), Trim(key));
    if (!found.key) {
        return std::nullopt;
    }
    const Line& line = lines[*found.key];
    const std::string_view value = text.substr(line.equals + 1, line.end - line.equals - 1);
    return FirstCharacters(Unquote(Trim(value)), maxLength);
}

bool CanStore(std::string_view section, std::string_view key, std::string_view value) {
    const auto breaksLine = [](std::string_view text) {
        return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
    };
    if (breaksLine(section) || breaksLine(key) || breaksLine(value)) {
        return false;
    }
    section = Trim(section);
    key = Trim(key);
    return !section.empty() && section.find(']') == std::string_view::npos && !key.empty() &&
           key.find('=') == std::string_view::npos && key.front() != ';' && key.front() != '[';
}

std::string RemoveSection(std::string_view text, std::string_view section) {
    section = Trim(section);
    const std::vector<Line> lines = SplitLines(text);
    std::string result;
    std::size_t kept = 0;  // where the text not yet copied begins
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Section || !SameName(lines[i].name, section)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines.size() && lines[end].kind != LineKind::Section) {
            ++end;
        }
        result += text.substr(kept, lines[i].begin - kept);
        kept = end < lines.size() ? lines[end].begin : text.size();
        i = end - 1;
    }
    result += text.substr(kept);
    return result;
}

std::string SetValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value) {
    if (!CanStore(section, key, value)) {
        throw std::invalid_argument("An INI line cannot hold this key or value");
    }
    section = Trim(section);
    key = Trim(key);
    const std::string stored = Encode(value);
    const std::vector<Line> lines = SplitLines(text);
    const Location found = Locate(lines, section, key);
    const std::string_view lineBreak = LineBreakOf(text);

    if (found.key) {
        const Line& line = lines[*found.key];
        std::size_t keep = line.equals + 1;
        while (keep < line.end && (text[keep] == ' ' || text[keep] == '\t')) {
            ++keep;
        }
        return std::string(text.substr(0, keep)) + stored + std::string(text.substr(line.end));
    }
    const std::string entry = std::string(key) + '=' + stored;
    if (!found.section) {
        return AppendSection(text, section, entry, lineBreak);
    }
    const Line& anchor = lines[found.lastKey.value_or(*found.section)];
    std::string result(text.substr(0, anchor.next));
    if (!EndsWithLineBreak(result)) {
        result += lineBreak;
    }
    result += entry;
    result += lineBreak;
    result += text.substr(anchor.next);
    return result;
}

}  // namespace quillane::profile
