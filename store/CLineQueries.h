#pragma once

#include <QString>
#include <vector>

class CDatabase;

// Questions about the shape of a budget's line tree (lines numbered 1..n by
// NUMLIN in pre-order, depth NIVEL) that the store answers faster than a walk
// through the lines would.
class CLineQueries
{
public:
    struct Sibling {
        long numlin;
        QString articulo;
        QString rendimiento;
        QString precio;
        QString importe;
    };

    // The last line before nLine whose level is below nLevel (its parent when
    // nLevel is the line's own level); 0 when there is none.
    static long LastBefore(CDatabase& database, const QString& strBudget, long nLine, long nLevel);
    // The first line after nLine whose level is at most nLevel; 0 when there is none.
    static long FirstAfterAtMost(CDatabase& database, const QString& strBudget, long nLine, long nLevel);
    // The lines of level nLevel between two line numbers, in line order.
    static std::vector<Sibling> LinesAtLevel(CDatabase& database, const QString& strBudget, long nLevel, long nFirst,
                                             long nLast);
};
