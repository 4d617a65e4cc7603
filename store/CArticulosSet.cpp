#include "store/CArticulosSet.h"

#include "store/CLineTable.h"

CArticulosSet::CArticulosSet(CDatabase* pDatabase)
    : CLineSet(pDatabase)
{
}

QString CArticulosSet::GetDefaultSQL() const
{
    return QStringLiteral("[ARTICULOS]");
}

void CArticulosSet::FilterBudget(const QString& strBudget)
{
    FilterTree(CLineTable::ForBudget(strBudget));
}

void CArticulosSet::FilterBudgetToLevel(const QString& strBudget, int nMaxLevel)
{
    SetFilter(QStringLiteral("CODIGO = ? AND NIVEL <= ? AND NUMLIN > 1"), {strBudget, nMaxLevel});
    m_strSort = QStringLiteral("CODIGO,NUMLIN");
}
