#pragma once

#include "output/CPrintOptions.h"

// Where the columns of the printout's body stand (0.1 mm from the paper's
// left edge): without codes the unit and the description move left, without
// amounts the quantity moves right, and the description takes the room freed.
class CPrintColumns
{
public:
    explicit CPrintColumns(const CPrintOptions& options)
        : m_bCodes(options.m_bCodes)
        , m_bAmounts(options.m_bAmounts)
    {
    }

    int UnitX() const { return m_bCodes ? 400 : 100; }
    int DescriptionX() const { return m_bCodes ? 500 : 200; }
    int DescriptionWidth() const { return (m_bCodes ? 700 : 1000) + (m_bAmounts ? 0 : 550); }
    int QuantityX() const { return m_bAmounts ? 1450 : 1750; }

private:
    bool m_bCodes;
    bool m_bAmounts;
};
