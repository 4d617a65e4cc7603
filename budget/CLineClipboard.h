#pragma once

#include "store/CLineRecord.h"
#include "store/CMeasureRecord.h"

#include <QString>
#include <vector>

// One copied line, in line order, with its columns as they were stored.
struct CopiedLine {
    CLineRecord line;
    // NIVEL minus the NIVEL of the copied top line.
    long relativeLevel = 0;
    // 1 when the line was a row of the grid when copied.
    int visible = 0;
    // For a shown decomposed line: 1 collapsed, 2 expanded; otherwise 0.
    int expandState = 0;
};

// One copied measurement line, as it was stored.
using CopiedMeasure = CMeasureRecord;

// The copied branch, held by the view so that it outlives one operation and
// is shared by the budget grid and the price-base grid: a branch goes from a
// budget to a tariff and back. A copy pastes once.
class CLineClipboard
{
public:
    std::vector<CopiedLine> m_lines;
    std::vector<CopiedMeasure> m_measures;

    bool IsEmpty() const { return m_lines.empty(); }
    void Clear()
    {
        m_lines.clear();
        m_measures.clear();
    }
};
