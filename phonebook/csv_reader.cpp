// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_reader.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace ql310::phonebook {

namespace {

QChar separatorOf(const QString& text)
{
    int counts[3] = {0, 0, 0};
    const QChar candidates[3] = {u',', u';', u'\t'};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted)
            for (int i = 0; i < 3; ++i)
                counts[i] += c == candidates[i];
    }
    const int* most = std::max_element(counts, counts + 3);
    return candidates[most - counts];
}

bool blank(const QStringList& row)
{
    return std::all_of(row.begin(), row.end(), [](const QString& f) { return f.trimmed().isEmpty(); });
}

// The header's words in lower case without punctuation: "Phone 1 - Value"
// gives "phone 1 value".
QString words(const QString& header)
{
    static const QRegularExpression nonWord(QStringLiteral("[^\\w]+"));
    return header.toLower().replace(nonWord, QStringLiteral(" ")).simplified();
}

bool oneOf(const QString& text, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return text == QLatin1String(n); });
}

bool numberHeader(const QString& w)
{
    static const QSet<QString> numberWords = {
        "phone",  "telephone", "tel",    "mobile", "cell",   "cellphone", "mobilephone", "fax",
        "pager",  "number",    "nummer", "telefon", "telefonnummer", "rufnummer", "handy",
        "mobil",  "mobiltelefon", "téléphone", "telefono", "teléfono", "portable", "phonenumber"};
    const QStringList list = w.split(u' ', Qt::SkipEmptyParts);
    bool number = false;
    for (const QString& word : list) {
        if (word == u"type" || word == u"label" || word == u"kind" || word == u"typ")
            return false;
        number = number || numberWords.contains(word);
    }
    return number;
}

} // namespace

CsvTable readCsv(const QString& text)
{
    const QChar separator = separatorOf(text);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    int quoteLine = 0;
    qsizetype leftOut = 0;
    auto endField = [&] {
        if (field.size() >= 2 && field[0] == u'\'' && QStringView(u"=+-@\t\r").contains(field[1]))
            field.remove(0, 1);
        if (row.size() < kMaxCsvColumns)
            row.append(field);
        field.clear();
        fieldStarted = false;
    };
    auto endRow = [&] {
        endField();
        if (!blank(row)) {
            // The header and the rows an import can use.
            if (rows.size() <= kMaxNumbersRead)
                rows.append(row);
            else
                ++leftOut;
        }
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++line;
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && !fieldStarted) {
            quoted = true;
            quoteLine = line;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
                ++line;
            }
            endRow();
        } else {
            field += c;
            fieldStarted = fieldStarted || !c.isSpace();
        }
    }
    if (!field.isEmpty() || !row.isEmpty())
        endRow();
    CsvTable table;
    if (quoted)
        table.unclosedQuoteLine = quoteLine;
    table.rowsLeftOut = leftOut;
    if (!rows.isEmpty())
        table.header = rows.takeFirst();
    table.rows = rows;
    return table;
}

CsvColumns recogniseColumns(const QStringList& header)
{
    CsvColumns c;
    for (int i = 0; i < header.size(); ++i) {
        const QString w = words(header[i]);
        auto first = [&](int& column) {
            if (column < 0)
                column = i;
        };
        if (oneOf(w, {"name", "full name", "fullname", "display name", "displayname", "fn", "formatted name",
                      "contact", "contact name", "nom", "naam", "nombre", "nome", "anzeigename"}))
            first(c.name);
        else if (oneOf(w, {"first name", "firstname", "given name", "givenname", "vorname", "prénom",
                           "prenom", "first"}))
            first(c.first);
        else if (oneOf(w, {"middle name", "middlename", "additional name", "additional names",
                           "weitere vornamen"}))
            first(c.middle);
        else if (oneOf(w, {"last name", "lastname", "family name", "familyname", "surname", "nachname",
                           "last"}))
            first(c.last);
        else if (numberHeader(w))
            c.numbers.append(i);
    }
    return c;
}

CsvColumns guessColumns(const CsvTable& table)
{
    const int columns = static_cast<int>(table.header.size());
    QList<int> digits(columns, 0), letters(columns, 0);
    for (const QStringList& row : table.rows.mid(0, 50))
        for (int c = 0; c < columns && c < row.size(); ++c) {
            digits[c] += std::any_of(row[c].begin(), row[c].end(), [](QChar ch) { return ch.isDigit(); });
            letters[c] += std::any_of(row[c].begin(), row[c].end(), [](QChar ch) { return ch.isLetter(); });
        }
    CsvColumns guess;
    const auto most = [&](const QList<int>& counts, int skip) {
        int best = -1;
        for (int c = 0; c < columns; ++c)
            if (c != skip && counts[c] > 0 && (best < 0 || counts[c] > counts[best]))
                best = c;
        return best;
    };
    if (const int number = most(digits, -1); number >= 0) {
        guess.numbers = {number};
        guess.name = most(letters, number);
    }
    return guess;
}

QList<Contact> contactsFromCsv(const CsvTable& table, const CsvColumns& columns)
{
    QList<Contact> contacts;
    auto field = [](const QStringList& row, int column) {
        return column >= 0 ? row.value(column).simplified() : QString();
    };
    for (const QStringList& row : table.rows) {
        Contact contact;
        contact.name = field(row, columns.name);
        if (contact.name.isEmpty()) {
            QStringList parts;
            for (int column : {columns.first, columns.middle, columns.last})
                if (const QString part = field(row, column); !part.isEmpty())
                    parts.append(part);
            contact.name = parts.join(u' ');
        }
        for (int column : columns.numbers)
            for (const QString& value : row.value(column).split(QStringLiteral(":::")))
                if (!value.trimmed().isEmpty())
                    contact.numbers.append({value.trimmed(), {}});
        if (!contact.name.isEmpty() || !contact.numbers.isEmpty())
            contacts.append(contact);
    }
    return contacts;
}

} // namespace ql310::phonebook
