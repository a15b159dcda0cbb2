// SPDX-License-Identifier: GPL-3.0-or-later
// Names in SQL: ql310_entry(number) gives the phone-book entry (0..39) that
// names a number, NULL for none; ql310_name(number) its name, '' for none.
// Registered on one connection; registering again replaces the phone book.
#pragma once

#include <QString>

#include <memory>

namespace ql310::numbers {
class PhoneBookNames;
}

namespace ql310::calllog {

class CallLogStore;

// The SQL of a call's name, for sorting by the Name column.
inline const QString kNameSql = QStringLiteral("ql310_name(PhoneNumber)");

// SQL over Data that every call `names` names meets, read through the
// log's sort indexes: numbers of digits by their last six, the few others
// (not the empty ones) by the number index. Empty when an entry of one or
// two digits would let it meet a large part of the log.
QString namedCallsSql(const numbers::PhoneBookNames& names);

// On the store's permanent log; false when it is not open.
bool registerNameFunctions(CallLogStore& store,
                           std::shared_ptr<const numbers::PhoneBookNames> names);

} // namespace ql310::calllog
