// The history reader on any file: it keeps at most the limit, and every record it keeps is
// written and read back unchanged.
#include <cstdlib>
#include <string_view>

#include "storage/game_history.h"
#include "storage/history_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t skipped = 0;
    const std::vector<SpinRecord> records = ParseHistory(text, 3, skipped);
    if (records.size() > 3)
        std::abort();
    for (const SpinRecord& record : records) {
        if (DecodeSpinRecord(EncodeSpinRecord(record)) != record)
            std::abort();
    }
    return 0;
}
