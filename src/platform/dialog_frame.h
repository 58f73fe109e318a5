// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace quillane {

// A modal window with a title and a close box only, as the game's dialogs and message boxes
// have. A window manager that minimises it anyway takes the main window with it, and without a
// taskbar nothing would bring them back: both are restored at once.
void UseDialogFrame(QDialog& dialog);

}  // namespace quillane
