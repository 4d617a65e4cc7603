#include "admin/CBudgetHeader.h"

#include "store/CPresupuestosSet.h"

CBudgetHeader CBudgetHeader::New()
{
    CBudgetHeader header;
    header.m_fecFac = header.m_fecEnt = header.m_fecMod = CDateValue::Now();
    return header;
}

void CBudgetHeader::Load(const CPresupuestosSet& set)
{
    m_strCodigo = set.m_CODIGO;
    m_strNombre = set.m_NOMBRE;
    m_strTarifa = set.m_TARIFA;
    m_strCliente = set.m_CLIENTE;
    m_strNif = set.m_NIF;
    m_strDireccion = set.m_DIRECCION;
    m_strPoblacion = set.m_POBLACION;
    m_strCp = set.m_CP;
    m_strProvincia = set.m_PROVINCIA;
    m_strContacto = set.m_CONTACTO;
    m_strTelefono = set.m_TELEFONO;
    m_strFax = set.m_FAX;
    m_strEmail = set.m_EMAIL;
    m_strFp = set.m_FP;
    m_strNumFac = set.m_NUMFAC;
    m_fecFac = set.m_FECFAC;
    m_fecEnt = set.m_FECENT;
    m_fecMod = set.m_FECMOD;
    m_strImagenes = set.m_IMAGENES;
    m_strObs = set.m_OBS;
    m_strBind = set.m_BIND;
    m_strImpBind = set.m_IMPBIND;
    m_strGgen = set.m_GGEN;
    m_strImpGgen = set.m_IMPGGEN;
    m_strCper = set.m_CPER;
    m_strBase = set.m_BASE;
    m_strIva = set.m_IVA;
    m_strImpIva = set.m_IMPIVA;
    m_strTotal = set.m_TOTAL;
}

void CBudgetHeader::StoreNew(CPresupuestosSet& set) const
{
    set.m_CODIGO = m_strCodigo;
    set.m_TARIFA = m_strTarifa;
    set.m_CLIENTE = m_strCliente;
    set.m_NOMBRE = m_strNombre;
    set.m_NIF = m_strNif;
    set.m_DIRECCION = m_strDireccion;
    set.m_POBLACION = m_strPoblacion;
    set.m_PROVINCIA = m_strProvincia;
    set.m_CP = m_strCp;
    set.m_CONTACTO = m_strContacto;
    set.m_TELEFONO = m_strTelefono;
    set.m_FAX = m_strFax;
    set.m_EMAIL = m_strEmail;
    set.m_BIND = m_strBind;
    set.m_CPER = m_strCper;
    set.m_GGEN = m_strGgen;
    set.m_IVA = m_strIva;
    set.m_BASE = m_strBase;
    set.m_IMPBIND = m_strImpBind;
    set.m_IMPGGEN = m_strImpGgen;
    set.m_IMPIVA = m_strImpIva;
    set.m_TOTAL = m_strTotal;
    set.m_FECENT = m_fecEnt;
    set.m_FECMOD = m_fecMod;
    set.m_IMAGENES = m_strImagenes;
    set.m_OBS = m_strObs;
}

void CBudgetHeader::StoreAll(CPresupuestosSet& set) const
{
    StoreNew(set);
    set.m_FP = m_strFp;
    set.m_NUMFAC = m_strNumFac;
    set.m_FECFAC = m_fecFac;
}

void CBudgetHeader::StoreTotals(CPresupuestosSet& set) const
{
    set.m_BASE = m_strBase;
    set.m_BIND = m_strBind;
    set.m_CPER = m_strCper;
    set.m_GGEN = m_strGgen;
    set.m_IMPBIND = m_strImpBind;
    set.m_IMPGGEN = m_strImpGgen;
    set.m_IMPIVA = m_strImpIva;
    set.m_IVA = m_strIva;
    set.m_TOTAL = m_strTotal;
}
