// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the cards of a vCard file (versions 2.1, 3.0 and 4.0) as address
// books and phones write them: folded lines, quoted-printable values with
// soft line breaks and a CHARSET, grouped properties ("item1.TEL"), TYPE
// parameters in every spelling, several cards in one file, CRLF, LF or CR
// line ends, UTF-8 or Latin-1. Binary values (photos, sounds, keys) and the
// cards nested in a card (AGENT) are skipped.
#pragma once

#include "contact.h"

#include <QByteArray>

namespace ql310::phonebook {

// True when the first line that is not blank starts a card.
bool looksLikeVCard(const QByteArray& bytes);

// Every card of the file, in file order, each with its name (FN, else the
// parts of N put together, else ORG) and its telephone numbers (TEL) as
// written. A card never ended by END:VCARD at the end of the file (a file
// cut off) comes last, marked cutOff. Past kMaxNumbersRead numbers, cards
// are only counted: their numbers in `numbersLeftOut`.
QList<Contact> readVCards(const QByteArray& bytes, qsizetype* numbersLeftOut = nullptr);

} // namespace ql310::phonebook
