#include "store/CLineSet.h"

#include "store/CLineTable.h"

CLineSet::CLineSet(CDatabase* pDatabase)
    : CRecordset(pDatabase)
{
}

void CLineSet::DoFieldExchange(CFieldExchange& fx)
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
    ExchangeOwnColumns(fx);
    fx.Text("TIPO1", m_TIPO1);
    fx.Text("TIPO2", m_TIPO2);
}

void CLineSet::FilterTree(const CLineTable& table)
{
    SetFilter(table.KeyFilter(), table.KeyValues());
    m_strSort = table.LineOrder();
}

void CLineSet::FilterNone()
{
    SetFilter(QStringLiteral("CODIGO IS NULL"));
    m_strSort.clear();
}
