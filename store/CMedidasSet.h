#pragma once

#include "store/CDateValue.h"
#include "store/CRecordset.h"

// Table MEDIDAS: measurement lines of folder lines.
class CMedidasSet : public CRecordset
{
public:
    explicit CMedidasSet(CDatabase* pDatabase = nullptr);

    QString m_ALTO;
    QString m_ANCHO;
    QString m_CODIGO;
    QString m_CODIGOHIJO;
    QString m_CODIGOPADRE;
    QString m_LARGO;
    QString m_LIN;
    QString m_NOMBRE;
    QString m_NUMLIN;
    QString m_POSICION;
    QString m_TIPO;
    QString m_TOTAL;
    QString m_UNIDADES;

    // Selects nothing.
    void FilterNone();
    // The measurement lines of one budget line.
    void FilterLine(const QString& strBudget, const QString& strNumLin, const QString& strSort = {});
    // Every measurement line of one budget, by budget line and then in line order.
    void FilterBudget(const QString& strBudget);

    QString GetDefaultSQL() const override;

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
};
