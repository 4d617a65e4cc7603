#pragma once

#include "store/CLineSet.h"

// Table PRECIOS: price-base lines, one tree per price base and tariff.
class CPreciosSet : public CLineSet
{
public:
    explicit CPreciosSet(CDatabase* pDatabase = nullptr);

    QString m_TARIFA;

    QString Tariff() const override { return m_TARIFA; }
    void SetTariff(const QString& strTariff) override { m_TARIFA = strTariff; }

    // The lines of one tariff of one price base.
    void FilterTariff(const QString& strCode, const QString& strTariff, const QString& strSort = {});

    QString GetDefaultSQL() const override;

protected:
    void ExchangeOwnColumns(CFieldExchange& fx) override;
};
