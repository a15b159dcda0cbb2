// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_filter.h"

#include "phone_book_names.h"

namespace ql310::calllog {

namespace {

// The longest number the log holds: a longer search text matches no number.
constexpr int kNumberDigits = 26;

// The entries of `names` whose name holds `text`.
QVariantList entriesNamed(const QString& text, const numbers::PhoneBookNames* names)
{
    QVariantList entries;
    if (!names || text.isEmpty())
        return entries;
    const auto& all = names->entries();
    for (size_t i = 0; i < all.size(); ++i) {
        const QString name = QString::fromStdString(all[i].name);
        if (!name.isEmpty() && name.contains(text, Qt::CaseInsensitive))
            entries << qlonglong(i);
    }
    return entries;
}

// A condition on the entry a number names ("0" when none qualifies).
QString entryIn(const QVariantList& entries, QVariantList& values)
{
    if (entries.isEmpty())
        return QStringLiteral("0");
    values << entries;
    return "ql310_entry(PhoneNumber) IN (" + QStringList(entries.size(), "?").join(", ") + ")";
}

QString numberHolds(const QString& text, QVariantList& values)
{
    if (text.size() > kNumberDigits)
        return QStringLiteral("0");
    values << u'%' + escapedForLike(text) + u'%';
    return QStringLiteral("PhoneNumber LIKE ? ESCAPE '\\'");
}

} // namespace

bool CallFilter::isEmpty() const
{
    return search.isEmpty() && number.isEmpty() && name.isEmpty() &&
           direction == Direction::All && port.isEmpty() && !from.isValid() && !to.isValid() &&
           !lostOnly && !inProgressOnly;
}

QString escapedForLike(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            out += u'\\';
        out += c;
    }
    return out;
}

RowCondition conditionOf(const CallFilter& filter, const numbers::PhoneBookNames* names)
{
    RowCondition condition;
    QStringList parts;
    QVariantList& values = condition.values;
    if (filter.daysReversed()) {
        condition.sql = QStringLiteral("0");
        return condition;
    }
    if (!filter.search.isEmpty()) {
        QVariantList numberValues;
        const QString number = numberHolds(filter.search, numberValues);
        QVariantList entryValues;
        const QString entry = entryIn(entriesNamed(filter.search, names), entryValues);
        values << numberValues << entryValues;
        parts << "(" + number + " OR " + entry + ")";
    }
    if (!filter.number.isEmpty())
        parts << numberHolds(filter.number, values);
    if (!filter.name.isEmpty())
        parts << entryIn(entriesNamed(filter.name, names), values);
    if (filter.direction != CallFilter::Direction::All) {
        parts << QStringLiteral("InOut = ?");
        values << (filter.direction == CallFilter::Direction::Out ? 1 : 0);
    }
    if (!filter.port.isEmpty()) {
        parts << QStringLiteral("Port = ?");
        values << filter.port;
    }
    if (filter.from.isValid()) {
        parts << QStringLiteral("StartDate >= ?");
        values << filter.from.toString(Qt::ISODate);
    }
    if (filter.to.isValid()) {
        parts << QStringLiteral("StartDate <= ?");
        values << filter.to.toString(Qt::ISODate);
    }
    if (filter.lostOnly)
        parts << QStringLiteral("Lost = 1");
    if (filter.inProgressOnly)
        parts << QStringLiteral("Recording = 1");
    condition.sql = parts.join(QStringLiteral(" AND "));
    condition.readsEveryRow = !filter.search.isEmpty() || !filter.number.isEmpty() || !filter.name.isEmpty();
    return condition;
}

} // namespace ql310::calllog
