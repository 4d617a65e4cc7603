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
