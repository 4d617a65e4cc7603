#include "store/NumberText.h"

#include "store/CNumberLocale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

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

// Store text of a decimal given by its digits, rounded to nDecimals; no sign on a zero.
QString RoundedStoreText(bool bNegative, QString integerDigits, QString fractionDigits, int nDecimals)
{
    RoundDigits(integerDigits, fractionDigits, nDecimals);
    while (integerDigits.size() > 1 && integerDigits.startsWith(u'0'))
        integerDigits.remove(0, 1);
    if (integerDigits.isEmpty())
        integerDigits = QStringLiteral("0");
    QString result = integerDigits;
    if (nDecimals > 0)
        result += u'.' + fractionDigits;
    const bool isZero = std::all_of(result.begin(), result.end(), [](QChar c) { return c == u'0' || c == u'.'; });
    return bNegative && !isZero ? u'-' + result : result;
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

double StoreAtof(std::string_view text)
{
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
    return result.ec == std::errc() && std::isfinite(value) ? value : 0.0;
}

double StoreAtof(const QString& strText)
{
    // Numbers are short: a buffer on the stack spares an allocation.
    char buffer[64];
    if (strText.size() <= qsizetype(sizeof buffer)) {
        qsizetype n = 0;
        for (const QChar c : strText)
            buffer[n++] = c.unicode() < 0x80 ? char(c.unicode()) : '?';
        return StoreAtof(std::string_view(buffer, size_t(n)));
    }
    const QByteArray text = strText.toLatin1();
    return StoreAtof(std::string_view(text.constData(), size_t(text.size())));
}

int StoreFormatTo(char* pBuffer, double dValue, int nDecimals)
{
    const auto result = std::to_chars(pBuffer, pBuffer + kStoreFormatBuffer, dValue, std::chars_format::fixed, nDecimals);
    if (result.ec == std::errc())
        return int(result.ptr - pBuffer);
    return std::snprintf(pBuffer, kStoreFormatBuffer, "%.*f", std::min(nDecimals, 20), dValue);
}

QString StoreFormat(double dValue, int nDecimals)
{
    char buffer[kStoreFormatBuffer];
    return QString::fromLatin1(buffer, StoreFormatTo(buffer, dValue, nDecimals));
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
    return RoundedStoreText(number.negative, number.integerDigits, number.fractionDigits, nDecimals);
}

namespace {

// A number as its significant digits, scaled by a power of ten.
struct Decimal {
    bool negative = false;
    std::string digits; // without leading zeros; empty for 0
    long exponent = 0;
};

// The decimal text of the number StoreAtof reads, taken digit by digit.
Decimal ReadDecimal(std::string_view text)
{
    Decimal number;
    if (StoreAtof(text) == 0.0)
        return number;
    const char* p = text.data();
    const char* last = p + text.size();
    while (p < last && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
        ++p;
    if (*p == '+')
        ++p;
    double value = 0.0;
    last = std::from_chars(p, last, value, std::chars_format::general).ptr;
    if (*p == '-') {
        number.negative = true;
        ++p;
    }
    bool fraction = false;
    for (; p < last && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            fraction = true;
        } else {
            if (!number.digits.empty() || *p != '0')
                number.digits += *p;
            if (fraction)
                --number.exponent;
        }
    }
    if (p < last) {
        long power = 0;
        std::from_chars(p + 1 + (p[1] == '+'), last, power);
        number.exponent += power;
    }
    return number;
}

// The product of two non-negative integers written in decimal digits.
std::string MultiplyDigits(const std::string& a, const std::string& b)
{
    std::vector<unsigned> product(a.size() + b.size(), 0);
    for (size_t i = a.size(); i-- > 0;) {
        unsigned carry = 0;
        for (size_t j = b.size(); j-- > 0;) {
            const unsigned sum = product[i + j + 1] + unsigned(a[i] - '0') * unsigned(b[j] - '0') + carry;
            product[i + j + 1] = sum % 10;
            carry = sum / 10;
        }
        product[i] += carry;
    }
    std::string digits;
    for (const unsigned d : product) {
        if (!digits.empty() || d != 0)
            digits += char('0' + d);
    }
    return digits;
}

// A plain decimal ("12", "2.75", "-0.5") of at most nine digits, as an
// integer scaled by a power of ten; false for anything else.
bool ReadSmallDecimal(std::string_view text, long long& nValue, int& nScale)
{
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        ++i;
    nValue = 0;
    nScale = 0;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (++digits > 9)
                return false;
            nValue = nValue * 10 + (c - '0');
            nScale += point ? 1 : 0;
        } else {
            return false;
        }
    }
    if (digits == 0)
        return false;
    nValue = negative ? -nValue : nValue;
    return true;
}

// The product of up to four plain decimals of nine digits, done in 128-bit
// integers; false when a factor is anything else.
bool SmallProduct(std::initializer_list<std::string_view> factors, int nDecimals, QString& strResult)
{
    if (factors.size() > 4 || nDecimals > 18)
        return false;
    __int128 product = 1;
    int scale = 0;
    for (const std::string_view factor : factors) {
        long long value = 0;
        int factorScale = 0;
        if (!ReadSmallDecimal(factor, value, factorScale))
            return false;
        product *= value;
        scale += factorScale;
    }
    const bool negative = product < 0;
    unsigned __int128 magnitude = negative ? (unsigned __int128)(-product) : (unsigned __int128)product;
    for (; scale < nDecimals; ++scale)
        magnitude *= 10;
    if (scale > nDecimals) {
        unsigned __int128 divisor = 1;
        for (int i = nDecimals; i < scale; ++i)
            divisor *= 10;
        magnitude = (magnitude + divisor / 2) / divisor;
    }
    char digits[48];
    int length = 0;
    do {
        digits[length++] = char('0' + int(magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0 || length <= nDecimals);
    std::string text;
    if (negative && !std::all_of(digits, digits + length, [](char c) { return c == '0'; }))
        text += '-';
    for (int i = length; i-- > 0;) {
        text += digits[i];
        if (i == nDecimals && nDecimals > 0)
            text += '.';
    }
    strResult = QString::fromLatin1(text.data(), qsizetype(text.size()));
    return true;
}

} // namespace

QString StoreProduct(std::initializer_list<std::string_view> factors, int nDecimals)
{
    QString small;
    if (SmallProduct(factors, nDecimals, small))
        return small;
    Decimal product;
    product.digits = "1";
    double binary = 1.0;
    for (const std::string_view factor : factors) {
        const Decimal number = ReadDecimal(factor);
        binary *= StoreAtof(factor);
        if (number.digits.empty())
            return StoreFormat(0.0, nDecimals);
        product.digits = MultiplyDigits(product.digits, number.digits);
        product.exponent += number.exponent;
        product.negative = product.negative != number.negative;
    }
    // Beyond what a double holds the text would not read back.
    if (long(product.digits.size()) + product.exponent > 300 || !std::isfinite(binary))
        return StoreFormat(binary, nDecimals);
    QString integerDigits;
    QString fractionDigits;
    if (product.exponent >= 0) {
        integerDigits = QString::fromLatin1(product.digits) + QString(qsizetype(product.exponent), u'0');
    } else {
        const long scale = -product.exponent;
        QString digits = QString::fromLatin1(product.digits);
        if (qsizetype(scale) >= digits.size())
            digits = QString(qsizetype(scale) - digits.size() + 1, u'0') + digits;
        integerDigits = digits.left(digits.size() - qsizetype(scale));
        fractionDigits = digits.right(qsizetype(scale));
    }
    return RoundedStoreText(product.negative, integerDigits, fractionDigits, nDecimals);
}
