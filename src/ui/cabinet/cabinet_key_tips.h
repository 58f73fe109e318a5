// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillane {

// The caption of the key at `stop` of Tab's round (cabinet_layout), in the player's language.
QString CabinetKeyCaption(int stop);
// What pressing that key does, in a sentence or two that start with its caption: shown as the
// key's tooltip and told as its description to a screen reader.
QString CabinetKeyTip(int stop);

}  // namespace quillane
