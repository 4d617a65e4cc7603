#pragma once

#include "store/CRecordset.h"

// The highest level present among the price-base lines the filter selects.
class CMaxNivelSet : public CRecordset
{
public:
    explicit CMaxNivelSet(CDatabase* pDatabase = nullptr);

    QString m_MAXNIVEL;

    QString GetDefaultSQL() const override;

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
};
