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
namespace {

#if defined(QUILLANE_XCB) && QT_CONFIG(xcb)
// The X connection Qt's windows are on; null on Qt's other platforms, which may answer for X too
// (offscreen does) without a connection of ours.
xcb_connection_t* Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr)
        return nullptr;
    return x11->connection();
}
#endif

}  // namespace

void SetWindowBackground(QWidget& window, QRgb colour) {
#if defined(QUILLANE_XCB) && QT_CONFIG(xcb)
    xcb_connection_t* x = Connection();
    if (x == nullptr)
        return;
    // A true-colour visual's pixel, as Qt's windows have.
    const std::uint32_t pixel = colour & 0xFFFFFFu;
    xcb_change_window_attributes(x, static_cast<xcb_window_t>(window.winId()), XCB_CW_BACK_PIXEL,
                                 &pixel);
    xcb_flush(x);
#else
    (void)window;
    (void)colour;
#endif
}

void ShowAtOnce(QWidget& window) {
    window.show();
#if defined(QUILLANE_XCB) && QT_CONFIG(xcb)
    if (xcb_connection_t* x = Connection())
        xcb_flush(x);
#endif
}

}  // namespace quillane
