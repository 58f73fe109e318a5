#pragma once

#include <QDialog>
#include <QFont>

namespace quillane {

// The game's plain face: condensed, so captions fit the boxes the windows give them.
QFont GameFont(int pixelSize, bool bold);

// A modal window with a title and a close box only, as the game's dialogs have.
void UseDialogFrame(QDialog& dialog);

}  // namespace quillane
