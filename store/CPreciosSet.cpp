#include "store/CPreciosSet.h"

CPreciosSet::CPreciosSet(CDatabase* pDatabase)
    : CRecordset(pDatabase)
{
}

QString CPreciosSet::GetDefaultSQL() const
{
    return QStringLiteral("[PRECIOS]");
}

void CPreciosSet::DoFieldExchange(CFieldExchange& fx)
{
    fx.Text("ARTICULO", m_ARTICULO);
    fx.Text("CODIGO", m_CODIGO);
    fx.Text("DESCRIPCION", m_DESCRIPCION);
    fx.Text("DESGLOSE", m_DESGLOSE);
    fx.Text("FACTOR", m_FACTOR);
    fx.Date("FECHA", m_FECHA);
    fx.Text("IMAGEN", m_IMAGEN);
    fx.Text("IMPORTE", m_IMPORTE);
    fx.Text("MEDIDA", m_MEDIDA);
    fx.Integer("NIVEL", m_NIVEL);
    fx.Text("NOMBRE", m_NOMBRE);
    fx.Integer("NUMLIN", m_NUMLIN);
    fx.Text("PRECIO", m_PRECIO);
    fx.Text("RENDIMIENTO", m_RENDIMIENTO);
    fx.Text("TARIFA", m_TARIFA);
    fx.Text("TIPO1", m_TIPO1);
    fx.Text("TIPO2", m_TIPO2);
}

void CPreciosSet::FilterTariff(const QString& strCode, const QString& strTariff, const QString& strSort)
{
    SetFilter(QStringLiteral("CODIGO = ? AND TARIFA = ?"), {strCode, strTariff});
    m_strSort = strSort;
}
