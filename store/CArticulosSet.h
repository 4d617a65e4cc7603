#pragma once

#include "store/CDateValue.h"
#include "store/CRecordset.h"

// Table ARTICULOS: budget lines of every budget: chapters, folders and concepts.
class CArticulosSet : public CRecordset
{
public:
    explicit CArticulosSet(CDatabase* pDatabase = nullptr);

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

    // Selects nothing: the state of the set while no budget is open.
    void FilterNone();
    // The lines of one budget in line order, so that a line's NUMLIN is its row position.
    void FilterBudget(const QString& strBudget);
    // The lines of one budget below its root down to a level, in line order.
    void FilterBudgetToLevel(const QString& strBudget, int nMaxLevel);

    QString GetDefaultSQL() const override;

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
};
