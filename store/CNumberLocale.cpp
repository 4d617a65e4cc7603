#include "store/CNumberLocale.h"

#include <optional>

namespace {

std::optional<CNumberLocale>& Pinned()
{
    static std::optional<CNumberLocale> pinned;
    return pinned;
}

int NegativeOrderOf(const QLocale& locale)
{
    const QString sample = locale.toString(-1.5, 'f', 1);
    const QString sign = locale.negativeSign();
    if (sample.startsWith(u'('))
        return CNumberLocale::Parenthesis;
    if (sample.startsWith(sign + u' '))
        return CNumberLocale::SignSpaceFirst;
    if (sample.endsWith(u' ' + sign))
        return CNumberLocale::SpaceSignLast;
    if (sample.endsWith(sign))
        return CNumberLocale::SignLast;
    return CNumberLocale::SignFirst;
}

} // namespace

CNumberLocale CNumberLocale::Spanish()
{
    return CNumberLocale();
}

CNumberLocale CNumberLocale::FromLocale(const QLocale& locale)
{
    CNumberLocale result;
    if (locale.decimalPoint() != QStringLiteral(","))
        return result;
    result.m_strDecimal = locale.decimalPoint();
    result.m_strThousand = locale.groupSeparator();
    result.m_strNegativeSign = locale.negativeSign();
    result.m_nNegativeOrder = NegativeOrderOf(locale);
    return result;
}

const CNumberLocale& CNumberLocale::User()
{
    if (Pinned())
        return *Pinned();
    static const CNumberLocale system = FromLocale(QLocale::system());
    return system;
}

void CNumberLocale::Pin(const CNumberLocale& locale)
{
    Pinned() = locale;
}

void CNumberLocale::Unpin()
{
    Pinned().reset();
}
