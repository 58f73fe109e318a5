// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standalone_cabinet.h"

namespace quillane::testing {

StandaloneCabinet::StandaloneCabinet(const std::filesystem::path& programDir, std::uint32_t seed) {
    Environment environment{
        clock,
        screen,
        session,
        ledger,
        sound,
        music,
        messages,
        [](const std::filesystem::path&) { return std::make_unique<RecordingHelp>(); },
        programDir / "quillane",
        [seed] { return seed; }};
    window = std::make_unique<CabinetWindow>(environment);
    window->show();
    clock.ProcessEvents();
}

}  // namespace quillane::testing
