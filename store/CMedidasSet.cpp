#include "store/CMedidasSet.h"

CMedidasSet::CMedidasSet(CDatabase* pDatabase)
    : CRecordset(pDatabase)
{
}

QString CMedidasSet::GetDefaultSQL() const
{
    return QStringLiteral("[MEDIDAS]");
}

void CMedidasSet::DoFieldExchange(CFieldExchange& fx)
{
    fx.Text("ALTO", m_ALTO);
    fx.Text("ANCHO", m_ANCHO);
    fx.Text("CODIGO", m_CODIGO);
    fx.Text("CODIGOHIJO", m_CODIGOHIJO);
    fx.Text("CODIGOPADRE", m_CODIGOPADRE);
    fx.Text("LARGO", m_LARGO);
    fx.Integer("LIN", m_LIN);
    fx.Text("NOMBRE", m_NOMBRE);
    fx.Integer("NUMLIN", m_NUMLIN);
    fx.Integer("POSICION", m_POSICION);
    fx.Text("TIPO", m_TIPO);
    fx.Text("TOTAL", m_TOTAL);
    fx.Text("UNIDADES", m_UNIDADES);
}

void CMedidasSet::FilterNone()
{
    SetFilter(QStringLiteral("CODIGO IS NULL"));
    m_strSort.clear();
}

void CMedidasSet::FilterLine(const QString& strBudget, const QString& strNumLin, const QString& strSort)
{
    SetFilter(QStringLiteral("CODIGO = ? AND NUMLIN = ?"), {strBudget, strNumLin.toLongLong()});
    m_strSort = strSort;
}

void CMedidasSet::FilterBudget(const QString& strBudget)
{
    SetFilter(QStringLiteral("CODIGO = ?"), {strBudget});
    m_strSort = QStringLiteral("NUMLIN,LIN");
}
