// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

namespace quillane::testing {

// A caption as drawn: a mnemonic's "&" is not.
QString Shown(QString text);

// Every widget inside the window and, when `apart`, clear of its siblings; every text fits its
// widget.
void ExpectLaidOutCleanly(QWidget& window, bool apart = true);

// Whether a text a player reads never went through the game's catalogues, in the pseudo-language
// where every translated text carries accented letters: it has letters, all of them plain ASCII.
// Names and figures that no language changes ("Quillane", "BINGO", a ball's letter) are not.
bool Untranslated(const QString& text);

// Every text of the window that the game wrote (not Qt's own standard buttons) went through the
// catalogues.
void ExpectTranslated(QWidget& window);

}  // namespace quillane::testing
