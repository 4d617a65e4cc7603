#pragma once

#include "store/CDateValue.h"
#include "store/CRecordset.h"

class CLineTable;

// The columns every line of a tree has, in a budget (ARTICULOS) and in a
// tariff (PRECIOS): the base of both sets, so that the tree engine and the
// line record work on either.
class CLineSet : public CRecordset
{
public:
    explicit CLineSet(CDatabase* pDatabase = nullptr);

    QString m_ARTICULO;
    QString m_CODIGO;
    QString m_DESCRIPCION;
    QString m_DESGLOSE;
    QString m_FACTOR;
    CDateValue m_FECHA;
    QString m_IMAGEN;
    QString m_IMPORTE;
    QString m_MEDIDA;
    QString m_NIVEL;
    QString m_NOMBRE;
    QString m_NUMLIN;
    QString m_PRECIO;
    QString m_RENDIMIENTO;
    QString m_TIPO1;
    QString m_TIPO2;

    // The tariff the line belongs to; empty for a budget line.
    virtual QString Tariff() const { return {}; }
    virtual void SetTariff(const QString&) {}

    // Selects nothing: the state of the set while no tree is open.
    void FilterNone();
    // The lines of one tree in tree order, so that a line's NUMLIN is its row position.
    void FilterTree(const CLineTable& table);

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
    // Binds the columns a table adds to the common ones, after RENDIMIENTO.
    virtual void ExchangeOwnColumns(CFieldExchange&) {}
};
