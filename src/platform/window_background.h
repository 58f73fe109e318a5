// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRgb>

class QWidget;

namespace quillane {

// Has the display system itself fill what a window shows before the game paints it, such as
// the part a resize has just added, in `colour`; else the window manager's frame shows there,
// white in many themes. Does nothing where the display system keeps no such colour.
void SetWindowBackground(QWidget& window, QRgb colour);

// Shows the window and sends the request to the display at once, so that the window appears
// while the program goes on with work it queued for the event loop's first turn.
void ShowAtOnce(QWidget& window);

}  // namespace quillane
