// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QGuiApplication>
#include <QScreen>

#include "platform/screen.h"

namespace quillane {

ScreenInfo QtScreen::Info() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    return {screen->geometry(), screen->availableGeometry(), screen->logicalDotsPerInch()};
}

}  // namespace quillane
