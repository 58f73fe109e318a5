// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window_background.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>

#if defined(QUILLANE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace quillane {

void SetWindowBackground(QWidget& window, QRgb colour) {
#if defined(QUILLANE_XCB) && QT_CONFIG(xcb)
    // Qt's other platforms may answer for X too (offscreen does), without a connection of ours.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr)
        return;
    // A true-colour visual's pixel, as Qt's windows have.
    const std::uint32_t pixel = colour & 0xFFFFFFu;
    xcb_change_window_attributes(x11->connection(), static_cast<xcb_window_t>(window.winId()),
                                 XCB_CW_BACK_PIXEL, &pixel);
    xcb_flush(x11->connection());
#else
    (void)window;
    (void)colour;
#endif
}

}  // namespace quillane
