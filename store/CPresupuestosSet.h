#pragma once

#include "store/CDateValue.h"
#include "store/CRecordset.h"

// Table PRESUPUESTOS: one header per budget and invoice.
class CPresupuestosSet : public CRecordset
{
public:
    explicit CPresupuestosSet(CDatabase* pDatabase = nullptr);

    QString m_BASE;
    QString m_BIND;
    QString m_CLIENTE;
    QString m_CODIGO;
    QString m_CONTACTO;
    QString m_CP;
    QString m_CPER;
    QString m_DIRECCION;
    QString m_EMAIL;
    QString m_FAX;
    CDateValue m_FECENT;
    CDateValue m_FECFAC;
    CDateValue m_FECMOD;
    QString m_FP;
    QString m_GGEN;
    QString m_IMAGENES;
    QString m_IMPBIND;
    QString m_IMPGGEN;
    QString m_IMPIVA;
    QString m_IVA;
    QString m_NIF;
    QString m_NOMBRE;
    QString m_NUMFAC;
    QString m_OBS;
    QString m_POBLACION;
    QString m_PROVINCIA;
    QString m_TARIFA;
    QString m_TELEFONO;
    QString m_TOTAL;

    // Selects nothing.
    void FilterNone();
    // The header of one budget.
    void FilterBudget(const QString& strBudget);
    // Every budget, by name.
    void FilterAll();

    QString GetDefaultSQL() const override;

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
};
