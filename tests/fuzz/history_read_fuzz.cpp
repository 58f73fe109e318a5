// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The history reader on any file: it keeps at most the limit, and the header and every record it
// keeps are written and read back unchanged.
#include <cstdlib>
#include <string_view>

#include "storage/game_history.h"
#include "storage/history_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const HistoryFile file = ParseHistory(text, 3);
    if (file.records.size() > 3)
        std::abort();
    if (file.header && DecodeHistoryHeader(EncodeHistoryHeader(*file.header)) != file.header)
        std::abort();
    for (const SpinRecord& record : file.records) {
        if (DecodeSpinRecord(EncodeSpinRecord(record)) != record)
            std::abort();
    }
    return 0;
}
