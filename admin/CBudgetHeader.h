#pragma once

#include "store/CDateValue.h"

#include <QString>

class CPresupuestosSet;

// The header of a budget as the budget data dialog edits it: every column
// of PRESUPUESTOS, numbers in store text.
class CBudgetHeader
{
public:
    QString m_strCodigo;
    QString m_strNombre;
    QString m_strTarifa;
    QString m_strCliente;
    QString m_strNif;
    QString m_strDireccion;
    QString m_strPoblacion;
    QString m_strCp;
    QString m_strProvincia;
    QString m_strContacto;
    QString m_strTelefono;
    QString m_strFax;
    QString m_strEmail;
    QString m_strFp;
    QString m_strNumFac;
    CDateValue m_fecFac;
    CDateValue m_fecEnt;
    CDateValue m_fecMod;
    QString m_strImagenes;
    QString m_strObs;
    QString m_strBind;
    QString m_strImpBind;
    QString m_strGgen;
    QString m_strImpGgen;
    QString m_strCper;
    QString m_strBase;
    QString m_strIva;
    QString m_strImpIva;
    QString m_strTotal;

    // A new header: every text empty, the three dates now.
    static CBudgetHeader New();

    void Load(const CPresupuestosSet& set);
    // Writes every column into the record being edited.
    void StoreAll(CPresupuestosSet& set) const;
    // Writes the columns a new budget starts with; payment terms and the
    // invoice's number and date come later, from an edit or an invoice.
    void StoreNew(CPresupuestosSet& set) const;
    // Writes the percentages and the amounts derived from them.
    void StoreTotals(CPresupuestosSet& set) const;
};
