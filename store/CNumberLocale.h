#pragma once

#include <QLocale>
#include <QString>

// The separators and negative-number order that display text uses, read from
// the user's locale (LC_NUMERIC, LANG). The program works with a decimal
// comma throughout (the grid's own literals, the editors' key filters and the
// reading of typed numbers all assume it), so a locale whose decimal mark is
// not a comma falls back to the Spanish conventions rather than produce
// display text that would read back as a different number.
class CNumberLocale
{
public:
    // Windows order codes: 0 "(1,1)", 1 "-1,1", 2 "- 1,1", 3 "1,1-", 4 "1,1 -".
    enum NegativeOrder { Parenthesis = 0, SignFirst = 1, SignSpaceFirst = 2, SignLast = 3, SpaceSignLast = 4 };

    QString m_strDecimal = QStringLiteral(",");
    QString m_strThousand = QStringLiteral(".");
    bool m_bLeadingZero = true;
    int m_nGrouping = 3;
    int m_nNegativeOrder = SignFirst;
    QString m_strNegativeSign = QStringLiteral("-");

    static CNumberLocale Spanish();
    static CNumberLocale FromLocale(const QLocale& locale);

    // The locale in force: the user's, unless one was pinned.
    static const CNumberLocale& User();
    static void Pin(const CNumberLocale& locale);
    static void Unpin();
};
