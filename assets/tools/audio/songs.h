// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "arrange.h"

namespace songs {

Song EasySwing();     // Bingo0.mid
Song Bossa();         // Bingo1.mid
Song LightFunk();     // Bingo2.mid
Song JazzWaltz();     // Bingo3.mid
Song LoungeChaCha();  // Bingo4.mid

}  // namespace songs
