// SPDX-License-Identifier: GPL-3.0-or-later
// Editors of fields stored as packed dial digits take only the dial symbols
// 0-9, * and #: whatever else the user types, pastes or drops is dropped at
// once. Texts set by the program (the decoder showing the images) are left
// as they are.
#pragma once

#include <QString>

class QLineEdit;

namespace ql310 {

// `text` without the characters that are no dial symbols; `cursor`, when
// given, moves back by the characters dropped before it.
QString dialSymbolsOf(const QString& text, int* cursor = nullptr);

// Cuts every change by the user of `box` to its dial symbols. `box` keeps
// the rule for its lifetime.
void keepToDialSymbols(QLineEdit* box);

// What the user's change `edited` of `box` becomes: its dial symbols,
// written back into the box (cursor kept in place) when something was
// dropped.
QString cutToDialSymbols(QLineEdit* box, const QString& edited);

} // namespace ql310
