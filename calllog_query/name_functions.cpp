// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_functions.h"

#include "call_log_store.h"
#include "phone_book_names.h"

#include <QStringList>

#include <optional>
#include <string_view>

namespace ql310::calllog {

QString namedCallsSql(const numbers::PhoneBookNames& names)
{
    // A number of digits ends in its last six characters; a shorter tail
    // (an entry of fewer digits) stands for every six characters, and every
    // shorter number, that end in it.
    constexpr int kTail = 6;
    constexpr size_t kShortestTail = 3;
    QStringList keys;
    for (const std::string& tail : names.tails()) {
        if (tail.size() < kShortestTail)
            return {};
        const QString digits = QString::fromStdString(tail);
        for (int length = 0, count = 1; length <= kTail - int(tail.size()); ++length, count *= 10)
            for (int before = 0; before < count; ++before)
                keys << "'" + (length ? QString::number(before).rightJustified(length, u'0') : QString()) +
                            digits + "'";
    }
    const QString otherSigns = "(" + CallLogStore::numberKindSql() + " = 0 AND CAST(PhoneNumber AS REAL) ";
    return (keys.isEmpty() ? QStringLiteral("0") : "substr(PhoneNumber, -6) IN (" + keys.join(", ") + ")") +
           " OR " + otherSigns + "= 0 AND PhoneNumber > '') OR " + otherSigns + "> 0) OR " +
           otherSigns + "< 0)";
}

bool registerNameFunctions(CallLogStore& store,
                           std::shared_ptr<const numbers::PhoneBookNames> names)
{
    const auto entry = [names](std::string_view number) -> std::optional<qint64> {
        const int entry = names ? names->entryOf(number) : -1;
        return entry < 0 ? std::nullopt : std::optional<qint64>(entry);
    };
    // The names live as long as the function's phone book.
    const auto name = [names](std::string_view number) -> std::string_view {
        return names ? std::string_view(names->nameOf(number)) : std::string_view();
    };
    const bool entryAdded = store.addNumberFunction("ql310_entry", entry);
    return store.addTextFunction("ql310_name", name) && entryAdded;
}

} // namespace ql310::calllog
