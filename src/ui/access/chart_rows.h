// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "ui/access/painted_element.h"

namespace quillane {

class PayoffChart;

// The payoff chart as text: the pay table a line a symbol, then its rules and the bonus game's
// explanation a paragraph each, top to bottom.
std::vector<ElementModel> ChartRows(PayoffChart* chart);

}  // namespace quillane
