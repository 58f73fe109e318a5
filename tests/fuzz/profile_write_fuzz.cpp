// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The INI writer on any text: a key set reads back, setting it again changes nothing, no other
// key changes, and what no line can hold is refused.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "storage/profile.h"

namespace {

using namespace quillane::profile;

// A name as the reader compares it: trimmed and in lower-case ASCII.
std::string Folded(std::string_view name) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
    };
    while (!name.empty() && blank(name.front())) {
        name.remove_prefix(1);
    }
    while (!name.empty() && blank(name.back())) {
        name.remove_suffix(1);
    }
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return folded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(24);
    const std::string key = input.ConsumeRandomLengthString(24);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string otherSection = input.ConsumeRandomLengthString(24);
    const std::string otherKey = input.ConsumeRandomLengthString(24);
    const std::string text = input.ConsumeRemainingBytesAsString();
    constexpr std::size_t kAll = std::string::npos;

    if (!CanStore(section, key, value)) {
        try {
            SetValue(text, section, key, value);
        } catch (const std::invalid_argument&) {
            return 0;
        }
        std::abort();
    }
    const std::string changed = SetValue(text, section, key, value);
    if (FindValue(changed, section, key, kAll) != value ||
        SetValue(changed, section, key, value) != changed) {
        std::abort();
    }
    if ((Folded(otherSection) != Folded(section) || Folded(otherKey) != Folded(key)) &&
        FindValue(changed, otherSection, otherKey, kAll) !=
            FindValue(text, otherSection, otherKey, kAll)) {
        std::abort();
    }
    return 0;
}
