#include "output/CPrintOptions.h"

#include "store/CDateValue.h"
#include "store/CPresupuestosSet.h"

#include <limits>

int CPrintOptions::LevelLimit() const
{
    return AtoiText(IsInvoice() ? m_strInvoiceLevel : m_strBudgetLevel);
}

void CPrintOptions::StoreInvoiceData(CPresupuestosSet& header) const
{
    if (!IsInvoice())
        return;
    header.Edit();
    header.m_NUMFAC = m_strInvoiceNumber.left(kNumberLimit);
    header.m_FECFAC = CDateValue(m_invoiceDate.startOfDay());
    header.Update();
}

int CPrintOptions::AtoiText(const QString& strText)
{
    qsizetype i = 0;
    while (i < strText.size() && (strText[i] == u' ' || (strText[i] >= u'\t' && strText[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < strText.size() && (strText[i] == u'-' || strText[i] == u'+'))
        negative = strText[i++] == u'-';
    qint64 value = 0;
    for (; i < strText.size() && strText[i] >= u'0' && strText[i] <= u'9'; ++i) {
        value = value * 10 + (strText[i].unicode() - u'0');
        // Past the range of an int the level means "every level" all the same.
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return int(negative ? -value : value);
}
