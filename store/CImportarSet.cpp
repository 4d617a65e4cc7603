#include "store/CImportarSet.h"

CImportarSet::CImportarSet(CDatabase* pDatabase)
    : CRecordset(pDatabase)
{
}

QString CImportarSet::GetDefaultSQL() const
{
    return QStringLiteral("[IMPORTAR]");
}

void CImportarSet::DoFieldExchange(CFieldExchange& fx)
{
    fx.Text("CODIGO", m_CODIGO);
    fx.Text("TIPO", m_TIPO);
    fx.Text("CODPADRE", m_CODPADRE);
    fx.Text("CODHIJO", m_CODHIJO);
    fx.Text("NOMBRE", m_NOMBRE);
    fx.Text("DESCRIPCION", m_DESCRIPCION);
    fx.Text("FACTOR", m_FACTOR);
    fx.Text("RENDIMIENTO", m_RENDIMIENTO);
    fx.Text("IMAGEN", m_IMAGEN);
    fx.Text("MEDIDA", m_MEDIDA);
    fx.Text("PRECIO", m_PRECIO);
    fx.Text("TIPO1", m_TIPO1);
    fx.Text("TIPO2", m_TIPO2);
}

void CImportarSet::FilterNone()
{
    SetFilter(QStringLiteral("CODIGO IS NULL"));
    m_strSort.clear();
}
