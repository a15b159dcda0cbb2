// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer_name.h"

#include <QHash>

namespace ql310::phonebook {

namespace {

// Letters that have no decomposition but an obvious Latin spelling.
QString spelled(char32_t c)
{
    static const QHash<char32_t, QString> letters = {
        {U'Ł', "L"},  {U'ł', "l"},  {U'Đ', "D"},  {U'đ', "d"},  {U'Ħ', "H"},  {U'ħ', "h"},
        {U'ı', "i"},  {U'Œ', "OE"}, {U'œ', "oe"}, {U'Ŧ', "T"},  {U'ŧ', "t"},  {U'ŀ', "l"},
        {U'Ŀ', "L"},  {U'ĸ', "k"},  {U'ŉ', "n"},  {U'Ŋ', "N"},  {U'ŋ', "n"},  {U'ſ', "s"},
        {U'‘', "'"},  {U'’', "'"},  {U'‚', ","},  {U'“', "\""}, {U'”', "\""}, {U'„', "\""},
        {U'–', "-"},  {U'—', "-"},  {U'…', "..."}, {U'€', "EUR"}, {U'ẞ', "SS"}};
    return letters.value(c);
}

QString latin1(char32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return QStringLiteral(" ");
    if (c <= 0xFF)
        return QString(QChar(static_cast<char16_t>(c)));
    if (const QString s = spelled(c); !s.isEmpty())
        return s;
    // The decomposition's characters that Latin-1 holds; the combining
    // accents it drops.
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    QString kept;
    bool lost = false;
    for (const QChar d : decomposed) {
        if (d.unicode() <= 0xFF && d.unicode() >= 0x20)
            kept += d;
        else if (d.category() != QChar::Mark_NonSpacing && d.category() != QChar::Mark_SpacingCombining
                 && d.category() != QChar::Mark_Enclosing)
            lost = true;
    }
    if (kept.isEmpty() || lost)
        return QStringLiteral("?");
    return kept;
}

} // namespace

namespace {

QString latin1Name(const QString& name)
{
    QString out;
    for (const char32_t c : name.toUcs4())
        out += latin1(c);
    return out.simplified();
}

} // namespace

QString peerName(const QString& name) { return latin1Name(name).left(kPeerNameLength).trimmed(); }

bool peerNameCut(const QString& name) { return latin1Name(name).size() > kPeerNameLength; }

} // namespace ql310::phonebook
