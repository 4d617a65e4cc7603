#include "grid/CCharFilterValidator.h"

CCharFilterValidator::CCharFilterValidator(Mode mode, const QString& strChars, QObject* parent)
    : QValidator(parent)
    , m_mode(mode)
    , m_strChars(strChars)
{
}

bool CCharFilterValidator::Accepts(QChar ch) const
{
    return m_strChars.contains(ch) == (m_mode == OnlyThese);
}

QValidator::State CCharFilterValidator::validate(QString& input, int& pos) const
{
    QString strKept;
    strKept.reserve(input.size());
    int nPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (Accepts(input[i]))
            strKept += input[i];
        else if (i < pos)
            --nPos;
    }
    input = strKept;
    pos = qMax(0, nPos);
    return Acceptable;
}
