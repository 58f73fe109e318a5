// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

#include "core/autoplay.h"
#include "core/refusal.h"

namespace quillane {

// A refusal as the player reads it, its figures written as `locale` writes numbers.
QString RefusalText(const Refusal& refusal, const QLocale& locale = QLocale::system());

// The message strip's line while autoplay runs, and the one it leaves when it stops.
QString AutoplayProgressText(int spinsLeft);
QString AutoplayStopText(AutoplayStop why);

}  // namespace quillane
