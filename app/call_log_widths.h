// SPDX-License-Identifier: GPL-3.0-or-later
// The call-log grid's column widths, remembered per user between runs:
// application "ql310set", section "CallHistoryGrid", keys " 0", " 1", ...,
// values in twips written with one leading blank (" 1700").
#pragma once

#include <QList>
#include <QString>

#include <array>

class QSettings;

namespace ql310 {

constexpr int kRestoredColumns = 7;
constexpr std::array<int, kRestoredColumns> kDefaultCallLogWidths = {100,  600,  750, 1700,
                                                                     1900, 1900, 1000};

// The user's settings store of the program.
QString settingsApplication();

// A number with one leading blank (" 0", " 1700"), the format of keys and values.
QString blankPrefixed(int number);
// The leading number of `value`: blanks skipped, digits taken up to the first
// character that does not belong to a number; 0 when there is none.
int lenientNumber(const QString& value);

// The widths of columns 0..6, with the defaults for missing keys.
std::array<int, kRestoredColumns> readCallLogWidths(QSettings& settings);
// Stores `widths` under the keys " 0" onwards.
void storeCallLogWidths(QSettings& settings, const QList<int>& widths);

} // namespace ql310
