// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone_book_export.h"

#include "dial_form.h"

#include <phonenumbers/phonenumberutil.h>

#include <array>

namespace ql310::phonebook {

namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

bool parse(const QString& stored, const std::string& region, PhoneNumber& number)
{
    if (region.empty() || stored.isEmpty())
        return false;
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    if (util.Parse(stored.toStdString(), region, &number) != PhoneNumberUtil::NO_PARSING_ERROR
        || !util.IsValidNumber(number))
        return false;
    std::string e164;
    util.Format(number, PhoneNumberUtil::E164, &e164);
    return dialForm(QString::fromStdString(e164), region).number == stored;
}

// A text value of vCard 4.0 with its backslash, comma and semicolon
// escaped and each line break as "\n": the carriage return of a CR LF is
// dropped, a carriage return alone breaks the line as well.
QString escaped(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        if (c == u'\\' || c == u',' || c == u';')
            out += u'\\';
        if (c == u'\n' || c == u'\r')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out;
}

QString csvField(const QString& text)
{
    QString quoted = formulaSafe(text);
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// The TEL line of a stored number: a tel: URI where the number is valid in
// the home region, else the digits as text.
QString telLine(const QString& stored, const std::string& region)
{
    PhoneNumber number;
    if (parse(stored, region, number)) {
        std::string uri;
        PhoneNumberUtil::GetInstance()->Format(number, PhoneNumberUtil::RFC3966, &uri);
        return QStringLiteral("TEL;VALUE=uri:%1\r\n").arg(QString::fromStdString(uri));
    }
    if (stored.isEmpty())
        return {};
    return QStringLiteral("TEL;VALUE=text:%1\r\n").arg(escaped(stored));
}

} // namespace

QString formulaSafe(const QString& cell)
{
    if (!cell.isEmpty() && QStringView(u"=+-@\t\r").contains(cell[0]))
        return u'\'' + cell;
    return cell;
}

QString internationalForm(const QString& stored, const std::string& region)
{
    PhoneNumber number;
    if (!parse(stored, region, number))
        return {};
    std::string out;
    PhoneNumberUtil::GetInstance()->Format(number, PhoneNumberUtil::INTERNATIONAL, &out);
    return QString::fromStdString(out);
}

QByteArray exportPhoneBook(const PhoneBook& book, ExportFormat format, const std::string& region)
{
    QString out;
    if (format == ExportFormat::Csv)
        out += QStringLiteral("Entry,Name,Number\r\n");
    std::array<bool, kEntries> written{};
    for (int i = 0; i < kEntries; ++i) {
        const Entry& e = book[static_cast<size_t>(i)];
        if (e.free() || written[static_cast<size_t>(i)])
            continue;
        if (format == ExportFormat::Csv) {
            const QString international = internationalForm(e.number, region);
            out += QStringLiteral("%1,%2,%3\r\n")
                       .arg(kFirstEntry + i)
                       .arg(csvField(e.name), csvField(international.isEmpty() ? e.number : international));
            continue;
        }
        // One card per name, with every number of that name in entry order.
        out += QStringLiteral("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:%1\r\n").arg(escaped(e.name));
        for (int j = i; j < kEntries; ++j) {
            const Entry& same = book[static_cast<size_t>(j)];
            if (same.free() || written[static_cast<size_t>(j)] ||
                (j != i && (e.name.isEmpty() || same.name != e.name)))
                continue;
            written[static_cast<size_t>(j)] = true;
            out += telLine(same.number, region);
        }
        out += QStringLiteral("END:VCARD\r\n");
    }
    return out.toUtf8();
}

ExportFormat formatForFileName(const QString& fileName)
{
    return fileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? ExportFormat::Csv
                                                                           : ExportFormat::VCard;
}

} // namespace ql310::phonebook
