// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

#include "platform/dialog_frame.h"  // UseDialogFrame, which the game's windows share

namespace quillane {

// The game's plain face: condensed, so captions fit the boxes the windows give them.
QFont GameFont(int pixelSize, bool bold);

}  // namespace quillane
