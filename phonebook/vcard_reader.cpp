// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard_reader.h"

#include "text_decoding.h"

#include <QList>
#include <utility>

namespace ql310::phonebook {

namespace {

struct Property {
    QByteArray name;                            // upper case, without its group
    QList<std::pair<QByteArray, QByteArray>> params;  // name upper case, value as written
    QByteArray value;

    QByteArray param(const char* wanted) const
    {
        for (const auto& [name, value] : params)
            if (name == wanted)
                return value;
        return {};
    }
};

QList<QByteArray> physicalLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

// The part of a line before its value: "item1.TEL;TYPE=cell".
QByteArray head(const QByteArray& line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return line.left(i);
    }
    return {};
}

bool quotedPrintable(const QByteArray& line)
{
    return head(line).toUpper().contains("QUOTED-PRINTABLE");
}

bool isEnd(const QByteArray& line)
{
    return line.trimmed().toUpper().startsWith("END:VCARD");
}

// Folded lines joined: a line that starts with a blank or a tab continues
// the one before; a quoted-printable value that ends with "=" continues on
// the next line.
QList<QByteArray> logicalLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    for (const QByteArray& line : physicalLines(bytes)) {
        if (!lines.isEmpty() && !line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
            // A folded quoted-printable line may still end with its soft break.
            if (lines.last().endsWith('=') && quotedPrintable(lines.last()))
                lines.last().chop(1);
            lines.last() += line.mid(1);
            continue;
        }
        if (!lines.isEmpty() && lines.last().endsWith('=') && quotedPrintable(lines.last()) && !isEnd(line)) {
            lines.last().chop(1);
            lines.last() += line;
            continue;
        }
        lines.append(line);
    }
    return lines;
}

// A parameter without a name is a TYPE, or an ENCODING for the encodings.
std::pair<QByteArray, QByteArray> parameter(const QByteArray& text)
{
    const qsizetype eq = text.indexOf('=');
    if (eq < 0) {
        const QByteArray upper = text.trimmed().toUpper();
        if (upper == "QUOTED-PRINTABLE" || upper == "BASE64" || upper == "8BIT" || upper == "7BIT" || upper == "B")
            return {"ENCODING", upper};
        return {"TYPE", text.trimmed()};
    }
    QByteArray value = text.mid(eq + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    return {text.left(eq).trimmed().toUpper(), value};
}

bool parseProperty(const QByteArray& line, Property& property)
{
    const QByteArray h = head(line);
    if (h.isEmpty())
        return false;  // the lines of an unfolded binary value, stray text
    QList<QByteArray> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= h.size(); ++i) {
        if (i < h.size() && h[i] == '"')
            quoted = !quoted;
        if (i == h.size() || (h[i] == ';' && !quoted)) {
            parts.append(h.mid(start, i - start));
            start = i + 1;
        }
    }
    QByteArray name = parts.takeFirst().trimmed().toUpper();
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.mid(dot + 1);
    if (name.isEmpty())
        return false;
    property.name = name;
    for (const QByteArray& p : parts)
        if (!p.trimmed().isEmpty())
            property.params.append(parameter(p));
    property.value = line.mid(h.size() + 1);
    return true;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray decodeQuotedPrintable(const QByteArray& value)
{
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '=' && i + 2 < value.size() && hexValue(value[i + 1]) >= 0
            && hexValue(value[i + 2]) >= 0) {
            out += char(hexValue(value[i + 1]) * 16 + hexValue(value[i + 2]));
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

// The text of a value; false for a binary one.
bool valueText(const Property& p, QString& text)
{
    const QByteArray encoding = p.param("ENCODING").toUpper();
    if (encoding == "B" || encoding == "BASE64")
        return false;
    const QByteArray bytes = encoding == "QUOTED-PRINTABLE" ? decodeQuotedPrintable(p.value) : p.value;
    text = decodeText(bytes, p.param("CHARSET"));
    return true;
}

// The components of a structured value split at unescaped ";", each with
// its escapes (\, \; \\ \n) undone.
QStringList components(const QString& value)
{
    QStringList parts{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            parts.last() += (next == u'n' || next == u'N') ? QChar(u' ') : next;
        } else if (c == u';') {
            parts.append(QString());
        } else {
            parts.last() += c;
        }
    }
    return parts;
}

QString joined(const QStringList& parts)
{
    QStringList words;
    for (const QString& p : parts)
        if (!p.trimmed().isEmpty())
            words.append(p.simplified());
    return words.join(u' ');
}

QStringList types(const Property& p)
{
    QStringList out;
    for (const auto& [name, value] : p.params)
        if (name == "TYPE")
            for (const QByteArray& t : value.split(','))
                if (!t.trimmed().isEmpty())
                    out.append(QString::fromLatin1(t.trimmed()).toLower());
    return out;
}

struct CardBuilder {
    QString fn;
    QString n;
    QString org;
    QList<ContactNumber> numbers;

    void take(const Property& p)
    {
        QString text;
        if (!valueText(p, text))
            return;
        if (p.name == "FN" && fn.isEmpty())
            fn = joined({components(text).join(u';')});
        else if (p.name == "N" && n.isEmpty()) {
            // Family; Given; Additional; Prefixes; Suffixes. The name as
            // people say it: given name, then family name, without titles
            // (a list of values in one part is separated by commas).
            const QStringList c = components(text);
            n = joined({c.value(1).replace(u',', u' '), c.value(0).replace(u',', u' ')});
        } else if (p.name == "ORG" && org.isEmpty())
            org = joined({components(text).value(0)});
        else if (p.name == "TEL")
            numbers.append({text.trimmed(), types(p)});
    }
    Contact contact() const
    {
        // The structured name first: the full name often carries titles.
        return {!n.isEmpty() ? n : !fn.isEmpty() ? fn : org, numbers};
    }
};

} // namespace

bool looksLikeVCard(const QByteArray& bytes)
{
    for (const QByteArray& line : physicalLines(bytes.left(1 << 16)))
        if (!line.trimmed().isEmpty())
            return line.trimmed().toUpper().startsWith("BEGIN:VCARD");
    return false;
}

QList<Contact> readVCards(const QByteArray& bytes)
{
    QList<Contact> cards;
    CardBuilder card;
    int depth = 0;
    for (const QByteArray& line : logicalLines(bytes)) {
        Property p;
        if (!parseProperty(line, p))
            continue;
        const QByteArray value = p.value.trimmed().toUpper();
        if (p.name == "BEGIN" && value == "VCARD") {
            if (++depth == 1)
                card = CardBuilder();
            continue;
        }
        if (p.name == "END" && value == "VCARD") {
            if (depth == 1)
                cards.append(card.contact());
            depth = std::max(0, depth - 1);
            continue;
        }
        // A 2.1 AGENT may hold a whole card of its own: BEGIN:VCARD
        // follows on the next line and raises the depth.
        if (depth == 1)
            card.take(p);
    }
    if (depth >= 1)
        cards.append(card.contact());
    return cards;
}

} // namespace ql310::phonebook
