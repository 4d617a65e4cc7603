#include "store/CPreciosSet.h"

CPreciosSet::CPreciosSet(CDatabase* pDatabase)
    : CLineSet(pDatabase)
{
}

QString CPreciosSet::GetDefaultSQL() const
{
    return QStringLiteral("[PRECIOS]");
}

void CPreciosSet::ExchangeOwnColumns(CFieldExchange& fx)
{
    fx.Text("TARIFA", m_TARIFA);
}

void CPreciosSet::FilterTariff(const QString& strCode, const QString& strTariff, const QString& strSort)
{
    SetFilter(QStringLiteral("CODIGO = ? AND TARIFA = ?"), {strCode, strTariff});
    m_strSort = strSort;
}
