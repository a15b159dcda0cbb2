// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard_reader.h"

#include "text_decoding.h"

#include <QList>

#include <algorithm>
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

// Calls `take` with each line of `bytes` (CR, LF or CR LF ends a line).
template <class Take>
void forEachPhysicalLine(const QByteArray& bytes, Take&& take)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        take(QByteArrayView(bytes).sliced(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        take(QByteArrayView(bytes).sliced(start));
}

// The part of a line before its value: "item1.TEL;TYPE=cell".
QByteArray head(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return line.first(i).toByteArray();
    }
    return {};
}

bool quotedPrintable(QByteArrayView line)
{
    return head(line).toUpper().contains("QUOTED-PRINTABLE");
}

bool isEnd(QByteArrayView line)
{
    return line.trimmed().toByteArray().toUpper().startsWith("END:VCARD");
}

// Calls `take` with each line after folded lines are joined: a line that
// starts with a blank or a tab continues the one before; a quoted-printable
// value that ends with "=" continues on the next line. Whether a line is
// quoted-printable is decided once, by the head of its first part, so that
// a long run of folded parts costs no more than reading them.
template <class Take>
void forEachLogicalLine(const QByteArray& bytes, Take&& take)
{
    QByteArray pending;
    bool have = false;
    int qp = -1; // unknown
    auto pendingQp = [&] {
        if (qp < 0)
            qp = quotedPrintable(pending) ? 1 : 0;
        return qp == 1;
    };
    forEachPhysicalLine(bytes, [&](QByteArrayView line) {
        if (have && !line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
            // A folded quoted-printable line may still end with its soft break.
            if (pending.endsWith('=') && pendingQp())
                pending.chop(1);
            pending += line.sliced(1);
            return;
        }
        if (have && pending.endsWith('=') && pendingQp() && !isEnd(line)) {
            pending.chop(1);
            pending += line;
            return;
        }
        if (have)
            take(pending);
        pending = line.toByteArray();
        have = true;
        qp = -1;
    });
    if (have)
        take(pending);
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

// A name is kept up to this many characters; only its length counts beyond.
constexpr qsizetype kMaxKeptName = 4096;

struct CardBuilder {
    QString fn;
    QString n;
    QString org;
    QList<ContactNumber> numbers;
    qsizetype nameLength = 0;

    void take(const Property& p)
    {
        QString text;
        if (!valueText(p, text))
            return;
        if (text.size() > kMaxKeptName && p.name != "TEL") {
            if ((p.name == "FN" && fn.isEmpty()) || (p.name == "N" && n.isEmpty()) ||
                (p.name == "ORG" && org.isEmpty()))
                nameLength = std::max(nameLength, text.size());
            text.truncate(kMaxKeptName);
        }
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
        Contact c{!n.isEmpty() ? n : !fn.isEmpty() ? fn : org, numbers};
        c.nameLength = nameLength;
        return c;
    }
};

} // namespace

bool looksLikeVCard(const QByteArray& bytes)
{
    bool found = false, decided = false;
    forEachPhysicalLine(bytes.left(1 << 16), [&](QByteArrayView line) {
        if (decided || line.trimmed().isEmpty())
            return;
        decided = true;
        found = line.trimmed().toByteArray().toUpper().startsWith("BEGIN:VCARD");
    });
    return found;
}

QList<Contact> readVCards(const QByteArray& bytes, qsizetype* numbersLeftOut)
{
    QList<Contact> cards;
    qsizetype kept = 0, leftOut = 0, counted = 0;
    auto keep = [&](const Contact& contact) {
        if (kept >= kMaxNumbersRead) {
            leftOut += std::max<qsizetype>(counted, contact.cutOff ? 1 : 0);
            counted = 0;
            return;
        }
        kept += contact.numbers.size();
        cards.append(contact);
    };
    CardBuilder card;
    int depth = 0;
    forEachLogicalLine(bytes, [&](const QByteArray& line) {
        Property p;
        if (!parseProperty(line, p))
            return;
        const bool edge = p.name == "BEGIN" || p.name == "END";
        const QByteArray value = edge ? p.value.trimmed().toUpper() : QByteArray();
        if (p.name == "BEGIN" && value == "VCARD") {
            if (++depth == 1)
                card = CardBuilder();
            return;
        }
        if (p.name == "END" && value == "VCARD") {
            if (depth == 1)
                keep(card.contact());
            depth = std::max(0, depth - 1);
            return;
        }
        // A 2.1 AGENT may hold a whole card of its own: BEGIN:VCARD
        // follows on the next line and raises the depth. Cards past the
        // numbers kept are only counted.
        if (depth == 1 && kept >= kMaxNumbersRead)
            counted += p.name == "TEL";
        else if (depth == 1)
            card.take(p);
    });
    if (depth >= 1) {
        Contact cut = card.contact();
        cut.cutOff = true;
        keep(cut);
    }
    if (numbersLeftOut)
        *numbersLeftOut = leftOut;
    return cards;
}

} // namespace ql310::phonebook
