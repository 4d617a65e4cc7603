#include "store/CParametrosSet.h"

CParametrosSet::CParametrosSet(CDatabase* pDatabase)
    : CRecordset(pDatabase)
{
}

QString CParametrosSet::GetDefaultSQL() const
{
    return QStringLiteral("[PARAMETROS]");
}

void CParametrosSet::DoFieldExchange(CFieldExchange& fx)
{
    fx.Text("LISTA", m_LISTA);
    fx.Text("IMAGENES", m_IMAGENES);
    fx.Text("TARIFA", m_TARIFA);
    fx.Text("CP", m_CP);
    fx.Text("DIRECCION", m_DIRECCION);
    fx.Text("EMAIL", m_EMAIL);
    fx.Text("FAX", m_FAX);
    fx.Text("LOGO", m_LOGO);
    fx.Text("NIF", m_NIF);
    fx.Text("NOMBRE", m_NOMBRE);
    fx.Text("POBLACION", m_POBLACION);
    fx.Text("PROVINCIA", m_PROVINCIA);
    fx.Text("TELEFONO", m_TELEFONO);
    fx.Text("REGFAC", m_REGFAC);
}
