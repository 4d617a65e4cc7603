#include "store/CTarifasSet.h"

CTarifasSet::CTarifasSet(CDatabase* pDatabase)
    : CRecordset(pDatabase)
{
}

QString CTarifasSet::GetDefaultSQL() const
{
    return QStringLiteral("[TARIFAS]");
}

void CTarifasSet::DoFieldExchange(CFieldExchange& fx)
{
    fx.Text("CODIGO", m_CODIGO);
    fx.Date("FECHA", m_FECHA);
    fx.Text("IMAGENES", m_IMAGENES);
    fx.Text("TARIFA", m_TARIFA);
}

void CTarifasSet::FilterAll(const QString& strSort)
{
    SetFilter(QStringLiteral("1 = 1"));
    m_strSort = strSort;
}
