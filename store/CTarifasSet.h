#pragma once

#include "store/CDateValue.h"
#include "store/CRecordset.h"

// Table TARIFAS: price bases and their tariffs.
class CTarifasSet : public CRecordset
{
public:
    explicit CTarifasSet(CDatabase* pDatabase = nullptr);

    QString m_CODIGO;
    CDateValue m_FECHA;
    QString m_IMAGENES;
    QString m_TARIFA;

    // Every tariff of every price base.
    void FilterAll(const QString& strSort = {});

    QString GetDefaultSQL() const override;

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
};
