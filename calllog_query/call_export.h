// SPDX-License-Identifier: GPL-3.0-or-later
// The calls shown, in the order shown, as CSV (RFC 4180, UTF-8, header row,
// CRLF line ends) or as a JSON array. Columns: direction (in/out), port,
// number, start, end (ISO 8601 local times with the UTC offset), duration
// (ISO 8601, PT2M21S), lost, in progress (yes/no; true/false in JSON), name,
// duration_s (whole seconds).
#pragma once

#include "call_log_rows.h"

#include <QString>

#include <functional>

class QIODevice;

namespace ql310::calllog {

enum class ExportFormat { Csv, Json };

// JSON for a ".json" file name, CSV otherwise.
ExportFormat exportFormatOf(const QString& path);

// The name of a number; empty for none.
using NameOf = std::function<QString(const QString& number)>;

// Writes the calls that meet `condition` in `order` to `out`. False, with
// the reason in `error`, when the log cannot be read or `out` not written.
bool exportCalls(CallLogStore& store, const RowCondition& condition, const RowOrder& order,
                 const QString& nameSql, const NameOf& nameOf, ExportFormat format,
                 QIODevice& out, QString& error);

// A local date and time as ISO 8601 with its UTC offset ("2026-03-26T14:05:09+01:00").
QString isoLocalTime(const QDate& date, const QTime& time);
// Seconds as an ISO 8601 duration ("PT2M21S", "-PT49S", "PT0S").
QString isoDuration(qint64 seconds);
// One CSV field: quoted when it holds a comma, a quote or a line break; a
// field that begins with =, +, -, @, a tab or a carriage return (a formula
// to a spreadsheet) with an apostrophe before it.
QString csvField(const QString& value);

} // namespace ql310::calllog
