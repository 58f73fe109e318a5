// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <memory>

#include "fakes.h"
#include "ui/cabinet/cabinet_window.h"
#include "virtual_clock.h"

namespace quillane::testing {

// A main window with recording adapters and virtual time, shown and painted, for the tools and
// benchmarks that need the real cabinet outside a test.
struct StandaloneCabinet {
    explicit StandaloneCabinet(const std::filesystem::path& programDir, std::uint32_t seed = 0);

    VirtualClock clock;
    QtScreen screen;
    GameSession session;
    RecordingSound sound;
    RecordingMusic music;
    RecordingMessages messages;
    GameLedger ledger{GameLedger::Files{}, StorageWriter::Mode::Inline};
    std::unique_ptr<CabinetWindow> window;
};

}  // namespace quillane::testing
