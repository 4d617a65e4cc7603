#include "store/NumberText.h"

#include "store/CNumberLocale.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace {

struct ParsedNumber {
    bool negative = false;
    QString integerDigits;
    QString fractionDigits;
    bool hasPoint = false;
};

// Accepts what the locale formatting service accepts: an optional minus,
// digits, and at most one point, with at least one digit in all.
bool ParseStoreNumber(const QString& text, ParsedNumber& number)
{
    qsizetype i = 0;
    if (text.startsWith(u'-')) {
        number.negative = true;
        i = 1;
    }
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.') {
            if (number.hasPoint)
                return false;
            number.hasPoint = true;
        } else if (c >= u'0' && c <= u'9') {
            (number.hasPoint ? number.fractionDigits : number.integerDigits) += c;
            anyDigit = true;
        } else {
            return false;
        }
    }
    return anyDigit;
}

// Rounds the digits to nDecimals, half away from zero, on the text itself.
void RoundDigits(QString& integerDigits, QString& fractionDigits, int nDecimals)
{
    const bool roundUp = fractionDigits.size() > nDecimals && fractionDigits[nDecimals] >= u'5';
    fractionDigits = fractionDigits.left(nDecimals).leftJustified(nDecimals, u'0');
    if (!roundUp)
        return;
    QString digits = integerDigits + fractionDigits;
    qsizetype i = digits.size() - 1;
    for (; i >= 0; --i) {
        if (digits[i] == u'9') {
            digits[i] = u'0';
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            break;
        }
    }
    if (i < 0)
        digits.prepend(u'1');
    integerDigits = digits.left(digits.size() - nDecimals);
    fractionDigits = digits.right(nDecimals);
}

QString GroupDigits(const QString& digits, const CNumberLocale& locale)
{
    if (locale.m_nGrouping <= 0 || digits.size() <= locale.m_nGrouping)
        return digits;
    QString grouped;
    const qsizetype head = digits.size() % locale.m_nGrouping;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (i - head) % locale.m_nGrouping == 0)
            grouped += locale.m_strThousand;
        grouped += digits[i];
    }
    return grouped;
}

QString ApplyNegativeOrder(const QString& number, const CNumberLocale& locale)
{
    const QString& sign = locale.m_strNegativeSign;
    switch (locale.m_nNegativeOrder) {
    case CNumberLocale::Parenthesis:
        return u'(' + number + u')';
    case CNumberLocale::SignSpaceFirst:
        return sign + u' ' + number;
    case CNumberLocale::SignLast:
        return number + sign;
    case CNumberLocale::SpaceSignLast:
        return number + u' ' + sign;
    default:
        return sign + number;
    }
}

} // namespace

QString FormatLocaleNumber(const QString& strText, int nDecimals)
{
    ParsedNumber number;
    if (!ParseStoreNumber(strText, number))
        return strText;
    if (nDecimals < 0) {
        QString fraction = number.fractionDigits;
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        nDecimals = int(fraction.size());
    }
    QString integerDigits = number.integerDigits;
    QString fractionDigits = number.fractionDigits;
    RoundDigits(integerDigits, fractionDigits, nDecimals);

    const CNumberLocale& locale = CNumberLocale::User();
    while (integerDigits.size() > 1 && integerDigits.startsWith(u'0'))
        integerDigits.remove(0, 1);
    if (integerDigits == QStringLiteral("0") && !locale.m_bLeadingZero && nDecimals > 0)
        integerDigits.clear();
    if (integerDigits.isEmpty() && (locale.m_bLeadingZero || nDecimals == 0))
        integerDigits = QStringLiteral("0");

    QString result = GroupDigits(integerDigits, locale);
    if (nDecimals > 0)
        result += locale.m_strDecimal + fractionDigits;

    const QString allDigits = integerDigits + fractionDigits;
    const bool isZero = std::all_of(allDigits.begin(), allDigits.end(), [](QChar c) { return c == u'0'; });
    if (number.negative && !isZero)
        result = ApplyNegativeOrder(result, locale);
    return result;
}

QString NormalizeNumberText(const QString& strText)
{
    QString text = strText;
    text.remove(u'.');
    const CNumberLocale& locale = CNumberLocale::User();
    // A locale that groups with something else than a point (a space, say)
    // shows that separator too; it is grouping just the same.
    if (locale.m_strThousand != QStringLiteral(".") && locale.m_strThousand != QStringLiteral(","))
        text.remove(locale.m_strThousand);
    if (locale.m_strNegativeSign != QStringLiteral("-"))
        text.replace(locale.m_strNegativeSign, QStringLiteral("-"));
    text.replace(u',', u'.');
    return text;
}

double StoreAtof(const QString& strText)
{
    const std::string text = strText.toStdString();
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && (*first == ' ' || (*first >= '\t' && *first <= '\r')))
        ++first;
    if (first < last && *first == '+') {
        ++first;
        if (first < last && *first == '-')
            return 0.0;
    }
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    return result.ec == std::errc() ? value : 0.0;
}

QString StoreFormat(double dValue, int nDecimals)
{
    return QString::asprintf("%.*f", nDecimals, dValue);
}

double Round2(double dValue)
{
    return StoreAtof(StoreFormat(dValue, 2));
}

QString RoundNumberText(const QString& strText, int nDecimals)
{
    ParsedNumber number;
    if (!ParseStoreNumber(strText, number))
        return strText;
    QString integerDigits = number.integerDigits.isEmpty() ? QStringLiteral("0") : number.integerDigits;
    QString fractionDigits = number.fractionDigits;
    RoundDigits(integerDigits, fractionDigits, nDecimals);
    while (integerDigits.size() > 1 && integerDigits.startsWith(u'0'))
        integerDigits.remove(0, 1);
    QString result = integerDigits;
    if (nDecimals > 0)
        result += u'.' + fractionDigits;
    const bool isZero = std::all_of(result.begin(), result.end(), [](QChar c) { return c == u'0' || c == u'.'; });
    return number.negative && !isZero ? u'-' + result : result;
}
