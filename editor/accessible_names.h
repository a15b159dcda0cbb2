// SPDX-License-Identifier: GPL-3.0-or-later
// Names for screen readers: every control of the editor is named by the
// captions of its row and column (its label), every grid by its caption,
// the status panels by what they show; each grid's columns carry their
// header texts, so that a cell reports its column header.
#pragma once

class QWidget;

namespace ql310 {

class EditorWindow;

// Names the controls, grids and panels of `window` from its present texts.
void nameForAccessibility(EditorWindow& window);

// Names each focusable control under `root` that has no name of its own by
// the captions of its row and column of the grid layout it sits in.
void nameByLayoutCaptions(QWidget* root);

} // namespace ql310
