// SPDX-License-Identifier: GPL-3.0-or-later
// The program's vocabulary: every user-visible text by its id (101..422).
#pragma once

#include "encodings.h"
#include "text_id.h"

#include <QString>

namespace ql310 {

// The text `id`, exactly as the table holds it (blanks, "&&" and all).
// An id outside 101..422 is a fault of the caller: it yields an empty string
// and a warning in the debug log.
QString text(TextId id);

// What the editor shows for a stored value: text(shown.textId), or the
// literal where no text fits.
QString text(const image::Shown& shown);

// What a caption shows for `caption`: every single "&" (the access-key
// marker) removed and every "&&" shown as one "&".
QString captionDisplayText(const QString& caption);

// The access-key letter of `caption` (the character after the first single
// "&"), or a null QChar when it has none.
QChar captionAccessKey(const QString& caption);

} // namespace ql310
