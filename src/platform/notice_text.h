// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "storage/notice.h"

namespace quillane {

// A notice of the game's files in the player's language: its message translated in the context
// "Storage", then filled with its arguments. English, as Notice::English(), without a translator.
QString NoticeText(const Notice& notice);

}  // namespace quillane
