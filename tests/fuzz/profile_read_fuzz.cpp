// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The INI reader on any text: a value it finds is the text's own bytes, cut to the length asked.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "storage/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(32);
    const std::string key = input.ConsumeRandomLengthString(32);
    const std::size_t maxLength = input.ConsumeIntegralInRange<std::size_t>(0, 3000);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::optional<std::string> value =
        quillane::profile::FindValue(text, section, key, maxLength);
    if (value && (value->size() > 4 * maxLength || text.find(*value) == std::string::npos)) {
        std::abort();
    }
    return 0;
}
