// SPDX-License-Identifier: GPL-3.0-or-later
#include "dial_form.h"

#include "number_match.h"

#include <phonenumbers/phonenumberutil.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

namespace ql310::phonebook {

namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

// "tel:+1-555-0100;ext=7;phone-context=..." : the number and its extension.
QString fromTelUri(const QString& uri, QString& extension)
{
    const QStringList parts = uri.mid(4).split(u';');
    for (const QString& p : parts.mid(1))
        if (p.startsWith(QStringLiteral("ext="), Qt::CaseInsensitive))
            extension = QUrl::fromPercentEncoding(p.mid(4).toUtf8());
    return QUrl::fromPercentEncoding(parts.value(0).toUtf8());
}

// An extension at the end: "ext 12", "ext. 12", "extension 12", "x12".
QString withoutExtension(const QString& value, QString& extension)
{
    static const QRegularExpression tail(
        QStringLiteral("(?<!\\p{L})(?:ext(?:ension|n)?\\.?|x)\\s*[.:=]?\\s*(\\d+)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = tail.match(value);
    if (!m.hasMatch())
        return value;
    extension = m.captured(1);
    return value.left(m.capturedStart(0));
}

bool hasDigit(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool hasLetter(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

std::string symbols(const std::string& text)
{
    return numbers::dialSymbols(text);
}

// The dial symbols of a value without extension or letters, as dialled
// from `region`; false for an international number that cannot be read.
// `incomplete` tells a number libphonenumber finds invalid or too short.
bool dialledFromHome(const std::string& raw, const std::string& region, std::string& dial,
                     bool* incomplete = nullptr)
{
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    PhoneNumber number;
    const bool plus = raw.find_first_not_of(" \t") != std::string::npos
                      && raw[raw.find_first_not_of(" \t")] == '+';
    if (region.empty()) {
        if (!plus) {
            dial = symbols(raw);
            return true;
        }
        if (util.Parse(raw, "ZZ", &number) != PhoneNumberUtil::NO_PARSING_ERROR)
            return false;
        std::string national;
        util.GetNationalSignificantNumber(number, &national);
        dial = "00" + std::to_string(number.country_code()) + national;
        return true;
    }
    const auto parsed = util.ParseAndKeepRawInput(raw, region, &number);
    const bool international =
        parsed == PhoneNumberUtil::NO_PARSING_ERROR
        && (number.country_code_source() == PhoneNumber::FROM_NUMBER_WITH_PLUS_SIGN
            || number.country_code_source() == PhoneNumber::FROM_NUMBER_WITH_IDD);
    if (international) {
        // From home: the national form for the home country, else the
        // home's international prefix, the country code and the number.
        const bool valid = util.IsValidNumber(number);
        std::string formatted;
        util.FormatOutOfCountryCallingNumber(number, region, &formatted);
        dial = symbols(formatted);
        std::string trunk;
        util.GetNddPrefixForRegion(region, true, &trunk);
        if (!valid && number.country_code() == util.GetCountryCodeForRegion(region) && !trunk.empty() &&
            dial.compare(0, trunk.size(), trunk) != 0) {
            // Dialled at home, a number without its trunk prefix reaches
            // another line; one too short to format keeps it all the same.
            std::string national;
            util.GetNationalSignificantNumber(number, &national);
            dial = trunk + national;
        }
        if (incomplete)
            *incomplete = !valid;
        return true;
    }
    if (plus)
        return false;
    dial = symbols(raw);
    // A national form with its trunk prefix that libphonenumber finds short
    // or invalid.
    std::string trunk;
    util.GetNddPrefixForRegion(region, true, &trunk);
    if (incomplete && parsed == PhoneNumberUtil::NO_PARSING_ERROR && !trunk.empty() &&
        dial.compare(0, trunk.size(), trunk) == 0 && dial.compare(0, 2, "00") != 0)
        *incomplete = !util.IsValidNumber(number);
    return true;
}

} // namespace

DialForm dialForm(const QString& value, const std::string& region)
{
    DialForm form;
    if (value.size() > kMaxNumberLength) {
        form.refusal = Refusal::ValueTooLong;
        return form;
    }
    QString text = value.trimmed();
    if (text.startsWith(QStringLiteral("tel:"), Qt::CaseInsensitive))
        text = fromTelUri(text, form.extension);
    if (form.extension.isEmpty())
        text = withoutExtension(text, form.extension);
    text = text.trimmed();

    if (!hasDigit(text)) {
        form.refusal = Refusal::NoDigit;
        return form;
    }
    if (hasLetter(text)) {
        form.refusal = Refusal::Letters;
        return form;
    }

    std::string dial;
    if (!dialledFromHome(text.toStdString(), region, dial, &form.incomplete)) {
        form.refusal = Refusal::NotANumber;
        return form;
    }
    // What the import stores reads back the same: a written form that
    // libphonenumber tidies further (a stray trunk zero after the country
    // code) is tidied until it stays.
    for (int pass = 0; pass < 3; ++pass) {
        std::string again;
        if (!dialledFromHome(dial, region, again) || again == dial)
            break;
        dial = again;
    }

    if (dial.empty()) {
        form.refusal = Refusal::NoDialSymbol;
        return form;
    }
    if (static_cast<int>(dial.size()) > kMaxDialSymbols) {
        form.refusal = Refusal::TooLong;
        return form;
    }
    form.number = QString::fromStdString(dial);
    return form;
}

QString refusalText(Refusal refusal, qsizetype length)
{
    switch (refusal) {
    case Refusal::None: return {};
    case Refusal::NoDigit: return QCoreApplication::translate("ql310::DialForm", "no digit");
    case Refusal::Letters: return QCoreApplication::translate("ql310::DialForm", "letters in the number");
    case Refusal::NotANumber:
        return QCoreApplication::translate("ql310::DialForm",
                                           "not an international number (unknown country code)");
    case Refusal::TooLong: return QCoreApplication::translate("ql310::DialForm", "more than 25 dial symbols");
    case Refusal::NoDialSymbol: return QCoreApplication::translate("ql310::DialForm", "nothing dialable left");
    case Refusal::ValueTooLong:
        return QCoreApplication::translate("ql310::DialForm", "%1 characters, more than %2")
            .arg(length)
            .arg(kMaxNumberLength);
    case Refusal::NameTooLong:
        return QCoreApplication::translate("ql310::DialForm", "a name of %1 characters, more than 256")
            .arg(length);
    case Refusal::CutOff: return QCoreApplication::translate("ql310::DialForm", "the file ends inside a card");
    }
    return {};
}

} // namespace ql310::phonebook
