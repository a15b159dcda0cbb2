// SPDX-License-Identifier: GPL-3.0-or-later
#include "dial_symbols.h"

#include "layout.h"

#include <QLineEdit>

namespace ql310 {

QString dialSymbolsOf(const QString& text, int* cursor)
{
    QString kept;
    kept.reserve(text.size());
    int at = cursor ? *cursor : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (image::isDialSymbol(text[i].unicode()))
            kept.append(text[i]);
        else if (cursor && i < *cursor)
            --at;
    }
    if (cursor)
        *cursor = at;
    return kept;
}

QString cutToDialSymbols(QLineEdit* box, const QString& edited)
{
    int cursor = box->cursorPosition();
    const QString kept = dialSymbolsOf(edited, &cursor);
    if (kept != edited) {
        box->setText(kept);
        box->setCursorPosition(cursor);
        box->setModified(true);  // the user's change, though the program wrote it
    }
    return kept;
}

void keepToDialSymbols(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [box](const QString& edited) { cutToDialSymbols(box, edited); });
}

} // namespace ql310
