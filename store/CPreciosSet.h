#pragma once

#include "store/CDateValue.h"
#include "store/CRecordset.h"

// Table PRECIOS: price-base lines, one tree per price base and tariff.
class CPreciosSet : public CRecordset
{
public:
    explicit CPreciosSet(CDatabase* pDatabase = nullptr);

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
    QString m_TARIFA;
    QString m_TIPO1;
    QString m_TIPO2;

    // The lines of one tariff of one price base.
    void FilterTariff(const QString& strCode, const QString& strTariff, const QString& strSort = {});

    QString GetDefaultSQL() const override;

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
};
