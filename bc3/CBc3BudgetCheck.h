#pragma once

#include <QString>
#include <vector>

class CDatabase;

// How far a budget's stored prices agree with its tree: every decomposed
// line's price recomputed from its direct children as the roll-up computes
// it, percentage lines re-priced and settled, without writing anything.
// Users run it on a budget that came from another program before they edit
// it: a line that differs is one whose price the first edit below it changes.
class CBc3BudgetCheck
{
public:
    struct Difference {
        long numlin;
        QString code;
        QString stored;     // PRECIO as stored, with five decimals
        QString recomputed; // what the roll-up of the children gives
    };

    // Decomposed lines with children, and those of them that differ.
    long m_nDecompositions = 0;
    std::vector<Difference> m_differences;

    static CBc3BudgetCheck Run(CDatabase& database, const QString& strBudget);
};
