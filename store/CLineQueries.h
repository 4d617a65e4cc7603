#pragma once

#include <QString>
#include <vector>

class CDatabase;
class CLineTable;

// Questions about the shape of a line tree (lines numbered 1..n by NUMLIN in
// pre-order, depth NIVEL), of a budget or of a tariff, that the store
// answers faster than a walk through the lines would.
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

    // The number of lines of the tree.
    static long LineCount(CDatabase& database, const CLineTable& table);
    // The last line before nLine whose level is below nLevel (its parent when
    // nLevel is the line's own level); 0 when there is none.
    static long LastBefore(CDatabase& database, const CLineTable& table, long nLine, long nLevel);
    // The first line after nLine whose level is at most nLevel; 0 when there is none.
    static long FirstAfterAtMost(CDatabase& database, const CLineTable& table, long nLine, long nLevel);
    // The lines of level nLevel between two line numbers, in line order.
    static std::vector<Sibling> LinesAtLevel(CDatabase& database, const CLineTable& table, long nLevel, long nFirst,
                                             long nLast);
    // The numbers of the lines down to a level, in line order.
    static std::vector<long> LinesUpToLevel(CDatabase& database, const CLineTable& table, long nLevel);
    // The numbers of the lines whose code is strCode, in line order.
    static std::vector<long> LinesWithCode(CDatabase& database, const CLineTable& table, const QString& strCode);
    // The first line after nLine whose NOMBRE or DESCRIPCION holds strText,
    // compared without regard to case in any alphabet; 0 when there is none.
    static long FirstWithText(CDatabase& database, const CLineTable& table, long nLine, const QString& strText);
};
