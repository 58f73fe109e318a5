// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quillane {

// Covers the making of the application object. Qt's messages are held back meanwhile; if Qt
// cannot open a display, the program ends with one line on standard error and status 1 instead
// of Qt's long explanation and an abort. One guard at a time.
class DisplayGuard {
  public:
    DisplayGuard();
    ~DisplayGuard() { Release(); }
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // The display is open: puts the previous message handler back and passes it what was held.
    void Release();

  private:
    bool released_ = false;
};

}  // namespace quillane
