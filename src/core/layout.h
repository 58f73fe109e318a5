#pragma once

namespace quillane {

// The width the 800 by 600 cabinet is laid out at: the screen's width when the scaled cabinet
// fits the window's client height, otherwise the largest width at which it does, so the bet
// keys and the spin button never fall below the edge of a wide screen.
int LayoutWidth(int screenWidth, int clientHeight);

}  // namespace quillane
