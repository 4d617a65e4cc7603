#pragma once

#include "store/CLineSet.h"

// Table ARTICULOS: budget lines of every budget: chapters, folders and concepts.
class CArticulosSet : public CLineSet
{
public:
    explicit CArticulosSet(CDatabase* pDatabase = nullptr);

    // The lines of one budget in line order, so that a line's NUMLIN is its row position.
    void FilterBudget(const QString& strBudget);
    // The lines of one budget below its root down to a level, in line order.
    void FilterBudgetToLevel(const QString& strBudget, int nMaxLevel);

    QString GetDefaultSQL() const override;
};
