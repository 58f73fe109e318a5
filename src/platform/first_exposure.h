// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

namespace quillane {

// Calls `exposed` once, when the window is first on the screen: mapped and exposed, which is
// some time after show() has returned. Work that can wait for it keeps the window's start quick.
void OnFirstExposure(QWidget& window, std::function<void()> exposed);

}  // namespace quillane
