#pragma once

#include "budget/CBudgetTotals.h"
#include "budget/CLineClipboard.h"
#include "store/CLineRecord.h"
#include "store/CMeasureRecord.h"

#include <map>
#include <optional>
#include <vector>

// What one edit changed in the store, for whoever shows the lines: the
// lines whose values changed, the lines removed and added, the measurement
// lines of the line they belong to, and the budget's new totals. Removal
// comes before addition: added and changed lines are numbered as the lines
// stand after the whole edit.
struct CChangeSet {
    // The changed lines by their numbers, with their stored values.
    std::map<long, CLineRecord> m_lines;
    // Every line may have changed (renumbering, re-pricing): read them all again.
    bool m_bAllLines = false;

    // m_nRemovedCount lines that were numbered from m_nRemovedFirst are gone.
    long m_nRemovedFirst = 0;
    long m_nRemovedCount = 0;
    // m_nAddedCount lines numbered from m_nAddedFirst are new.
    long m_nAddedFirst = 0;
    long m_nAddedCount = 0;
    // For a paste or a move: the lines placed, as they were copied (whether
    // each was shown, and how).
    std::vector<CopiedLine> m_placed;

    // The budget's totals and its root line's stored amount; none for a
    // price base or when no amount changed.
    std::optional<CBudgetTotals> m_totals;
    QString m_strRootAmount;

    // After a change of measurement lines: the line they belong to, all of
    // its measurement lines and their sum, in store text.
    long m_nMeasuredLine = 0;
    std::vector<CMeasureRecord> m_measures;
    QString m_strMeasureSum;

    bool HasLine(long nLine) const { return m_lines.count(nLine) > 0; }
};
