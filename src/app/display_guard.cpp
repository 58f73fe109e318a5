// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/display_guard.h"

#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace quillane {
namespace {

// A copy of a message and its context, whose strings Qt does not promise to keep.
struct HeldMessage {
    QtMsgType type;
    std::optional<std::string> file, function, category;
    int line;
    QString text;
};

std::optional<std::string> Copy(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

const char* Pointer(const std::optional<std::string>& text) {
    return text ? text->c_str() : nullptr;
}

std::mutex gMutex;
QtMessageHandler gPrevious = nullptr;
std::vector<HeldMessage> gHeld;

bool Unset(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr || *value == '\0';
}

// The platform plugin's own complaint says best what went wrong, unless nothing names a display.
std::string Reason(const QString& fatal) {
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool windowed = platform.isEmpty() || platform.startsWith(QLatin1String("xcb")) ||
                          platform.startsWith(QLatin1String("wayland"));
    if (windowed && Unset("DISPLAY") && Unset("WAYLAND_DISPLAY"))
        return "neither DISPLAY nor WAYLAND_DISPLAY is set";
    for (const HeldMessage& held : gHeld) {
        if (held.category && held.category->starts_with("qt.qpa.") &&
            *held.category != "qt.qpa.plugin")
            return held.text.trimmed().toStdString();
    }
    return fatal.section(u'\n', 0, 0).trimmed().toStdString();
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    std::lock_guard lock(gMutex);
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quillane: cannot open a display: %s\n", Reason(text).c_str());
        std::fflush(stderr);
        ::_exit(1);
    }
    gHeld.push_back({type, Copy(context.file), Copy(context.function), Copy(context.category),
                     context.line, text});
}

}  // namespace

DisplayGuard::DisplayGuard() {
    std::lock_guard lock(gMutex);
    gHeld.clear();
    gPrevious = qInstallMessageHandler(Hold);
}

void DisplayGuard::Release() {
    if (released_)
        return;
    released_ = true;
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
    {
        std::lock_guard lock(gMutex);
        qInstallMessageHandler(gPrevious);
        held.swap(gHeld);
        previous = gPrevious;
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(Pointer(message.file), message.line,
                                         Pointer(message.function), Pointer(message.category));
        previous(message.type, context, message.text);
    }
}

}  // namespace quillane
