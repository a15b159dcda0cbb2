// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes of an address book as text: UTF-8 where the bytes are valid UTF-8,
// else Latin-1 (with the Windows characters of 0x80..0x9F), unless a
// character set this Qt knows is named.
#pragma once

#include <QByteArray>
#include <QString>

namespace ql310::phonebook {

// `charset` is a name such as "ISO-8859-1" or "UTF-8"; an unknown or empty
// name falls back to the UTF-8-else-Latin-1 rule.
QString decodeText(const QByteArray& bytes, const QByteArray& charset = {});

// A file in UTF-16 (with its byte-order mark) as UTF-8; a UTF-8 byte-order
// mark removed; other bytes unchanged.
QByteArray withoutByteOrderMark(const QByteArray& bytes);

} // namespace ql310::phonebook
