// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "core/symbols.h"

namespace quillane {

// What a symbol is called when it is read out or listed: "Elephant", "Wild", "B ball".
std::string_view SymbolName(Symbol s);

}  // namespace quillane
