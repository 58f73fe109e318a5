// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace quillane {

// The screen the game opens on: its whole area, the part free of panels, and its resolution.
struct ScreenInfo {
    QRect geometry{0, 0, 800, 600};
    QRect available{0, 0, 800, 600};
    double logicalDpi = 96;
};

class Screen {
  public:
    virtual ~Screen() = default;
    virtual ScreenInfo Info() const = 0;
};

// The desktop's primary screen; an 800 by 600 one when there is none.
class QtScreen : public Screen {
  public:
    ScreenInfo Info() const override;
};

}  // namespace quillane
