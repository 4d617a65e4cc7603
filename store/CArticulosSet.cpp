#include "store/CArticulosSet.h"

CArticulosSet::CArticulosSet(CDatabase* pDatabase)
    : CRecordset(pDatabase)
{
}

QString CArticulosSet::GetDefaultSQL() const
{
    return QStringLiteral("[ARTICULOS]");
}

void CArticulosSet::DoFieldExchange(CFieldExchange& fx)
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
    fx.Text("TIPO1", m_TIPO1);
    fx.Text("TIPO2", m_TIPO2);
}

void CArticulosSet::FilterNone()
{
    SetFilter(QStringLiteral("CODIGO IS NULL"));
    m_strSort.clear();
}

void CArticulosSet::FilterBudget(const QString& strBudget)
{
    SetFilter(QStringLiteral("CODIGO = ?"), {strBudget});
    m_strSort = QStringLiteral("CODIGO,NUMLIN");
}

void CArticulosSet::FilterBudgetToLevel(const QString& strBudget, int nMaxLevel)
{
    SetFilter(QStringLiteral("CODIGO = ? AND NIVEL <= ? AND NUMLIN > 1"), {strBudget, nMaxLevel});
    m_strSort = QStringLiteral("CODIGO,NUMLIN");
}
