// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_widths.h"

#include <QSettings>

namespace ql310 {

namespace {

const QString kSection = QStringLiteral("CallHistoryGrid");

} // namespace

QString settingsApplication()
{
    return QStringLiteral("ql310set");
}

QString blankPrefixed(int number)
{
    return u' ' + QString::number(number);
}

int lenientNumber(const QString& value)
{
    qsizetype i = 0;
    while (i < value.size() && value[i].isSpace())
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == u'-' || value[i] == u'+')) {
        negative = value[i] == u'-';
        ++i;
    }
    long long number = 0;
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
        number = number * 10 + (value[i].unicode() - u'0');
        if (number > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -number : number);
}

std::array<int, kRestoredColumns> readCallLogWidths(QSettings& settings)
{
    std::array<int, kRestoredColumns> widths{};
    settings.beginGroup(kSection);
    for (int column = 0; column < kRestoredColumns; ++column) {
        const QVariant stored = settings.value(blankPrefixed(column));
        widths[column] = stored.isValid() ? lenientNumber(stored.toString())
                                          : kDefaultCallLogWidths[column];
    }
    settings.endGroup();
    return widths;
}

void storeCallLogWidths(QSettings& settings, const QList<int>& widths)
{
    settings.beginGroup(kSection);
    for (int column = 0; column < widths.size(); ++column)
        settings.setValue(blankPrefixed(column), blankPrefixed(widths[column]));
    settings.endGroup();
    settings.sync();
}

} // namespace ql310
