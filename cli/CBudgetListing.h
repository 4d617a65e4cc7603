#pragma once

#include <QString>
#include <QTextStream>

class CDatabase;
struct CLineRecord;

// How velmora-cli prints a budget, one tab-separated line per budget line
// (show-budget, and the lines an editing command changed), then the header's
// totals; values are escaped so that a line of output stays one line.
class CBudgetListing
{
public:
    // Backslashes, tabs and line breaks written as \\, \t, \n and \r.
    static QString Escaped(const QString& strText);
    // NUMLIN, NIVEL, the code indented by nDepth levels, unit, name, price,
    // quantity and amount.
    static void WriteLine(QTextStream& out, const CLineRecord& line, long nDepth);
    // GGEN, BIND, IVA and the amounts of the budget's header, one per line.
    static void WriteTotals(QTextStream& out, CDatabase& db, const QString& strBudget);
};
