// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "ui/access/painted_element.h"

namespace quillane {

class CabinetView;

// What the painted cabinet shows, as assistive technology sees it: Spin, Bet Max and the bet
// keys to press, the coin slot, the meters, the reel window's cells, the payline markers and
// the message strip, whose name is the last status told. Each reads the cabinet as it stands.
std::vector<ElementModel> CabinetElements(CabinetView* view);

}  // namespace quillane
