// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace quillane {

// Lets assistive technology see the painted windows: the cabinet's keys, meters and reels, the
// bonus game's cards and monitor. Once, before the first window opens.
void InstallAccessibility();

// Tells assistive technology `text` as the status of `widget`'s window (the cabinet's view or
// the bonus game), so that a screen reader reads it out.
void Announce(QWidget* widget, const QString& text);
// Tells assistive technology what has changed on `widget`'s painted elements, such as the lit
// bet keys and the meters.
void Refresh(QWidget* widget);
// The last status told of `widget`.
QString StatusText(const QWidget* widget);

}  // namespace quillane
