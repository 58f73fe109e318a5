// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "core/symbols.h"

namespace quillane {

// What a symbol is called in the reports of the simulator: "Elephant", "Wild", "B ball". The
// windows name symbols from a table of their own, in the player's language.
std::string_view SymbolName(Symbol s);

}  // namespace quillane
