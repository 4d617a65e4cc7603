#pragma once

#include <QString>
#include <QTextStream>

class CDatabase;
class CLineSet;
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
    // Every line of an open set, one after the other. A line lies at most
    // one level below the line before it; a level past that (a damaged
    // store) is indented as that deepest one, so the output stays in
    // proportion to the tree.
    static void WriteLines(QTextStream& out, CLineSet& lines);
    // GGEN, BIND, IVA and the amounts of the budget's header, one per line.
    static void WriteTotals(QTextStream& out, CDatabase& db, const QString& strBudget);
};
