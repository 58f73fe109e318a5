// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "core/par_sheet.h"

namespace quillane::sim {

// The PAR sheet of `sheet` at `credits` per line, then the base game's figures for each sheet
// of `byLines`: readable tables, or one JSON object.
std::string ParText(const ParSheet& sheet, int credits, const std::vector<ParSheet>& byLines);
std::string ParJson(const ParSheet& sheet, int credits, const std::vector<ParSheet>& byLines);

}  // namespace quillane::sim
