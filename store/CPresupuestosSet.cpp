#include "store/CPresupuestosSet.h"

CPresupuestosSet::CPresupuestosSet(CDatabase* pDatabase)
    : CRecordset(pDatabase)
{
}

QString CPresupuestosSet::GetDefaultSQL() const
{
    return QStringLiteral("[PRESUPUESTOS]");
}

void CPresupuestosSet::DoFieldExchange(CFieldExchange& fx)
{
    fx.Text("BASE", m_BASE);
    fx.Text("BIND", m_BIND);
    fx.Text("CLIENTE", m_CLIENTE);
    fx.Text("CODIGO", m_CODIGO);
    fx.Text("CONTACTO", m_CONTACTO);
    fx.Text("CP", m_CP);
    fx.Text("CPER", m_CPER);
    fx.Text("DIRECCION", m_DIRECCION);
    fx.Text("EMAIL", m_EMAIL);
    fx.Text("FAX", m_FAX);
    fx.Date("FECENT", m_FECENT);
    fx.Date("FECFAC", m_FECFAC);
    fx.Date("FECMOD", m_FECMOD);
    fx.Text("FP", m_FP);
    fx.Text("GGEN", m_GGEN);
    fx.Text("IMAGENES", m_IMAGENES);
    fx.Text("IMPBIND", m_IMPBIND);
    fx.Text("IMPGGEN", m_IMPGGEN);
    fx.Text("IMPIVA", m_IMPIVA);
    fx.Text("IVA", m_IVA);
    fx.Text("NIF", m_NIF);
    fx.Text("NOMBRE", m_NOMBRE);
    fx.Text("NUMFAC", m_NUMFAC);
    fx.Text("OBS", m_OBS);
    fx.Text("POBLACION", m_POBLACION);
    fx.Text("PROVINCIA", m_PROVINCIA);
    fx.Text("TARIFA", m_TARIFA);
    fx.Text("TELEFONO", m_TELEFONO);
    fx.Text("TOTAL", m_TOTAL);
}

void CPresupuestosSet::FilterNone()
{
    SetFilter(QStringLiteral("CODIGO IS NULL"));
    m_strSort.clear();
}

void CPresupuestosSet::FilterBudget(const QString& strBudget)
{
    SetFilter(QStringLiteral("CODIGO = ?"), {strBudget});
    m_strSort = QStringLiteral("CODIGO");
}

void CPresupuestosSet::FilterAll()
{
    SetFilter(QStringLiteral("1 = 1"));
    m_strSort = QStringLiteral("NOMBRE");
}
