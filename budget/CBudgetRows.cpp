#include "budget/CBudgetRows.h"

#include "budget/CBudgetRow.h"
#include "store/CLineReader.h"
#include "store/CLineTable.h"

CBudgetRows::Row CBudgetRows::Make(const CLineRecord& line, bool bMeasured, bool bShown)
{
    Row row;
    row.cells = CBudgetRow::Texts(line);
    row.nIndent = int(line.Level());
    row.nImage = Concept;
    row.nState = NoState;
    if (line.IsDecomposed()) {
        row.nImage = bShown ? OpenFolder : ClosedFolder;
        row.nState = bShown ? Expanded : Collapsed;
    }
    row.nData = bMeasured ? Measured : 0;
    return row;
}

void CBudgetRows::Read(CDatabase& database, const QString& strBudget, long nFirst, long nMaxLevel,
                       const std::function<bool(const CLineRecord& line, bool bMeasured)>& visit)
{
    CLineReader reader(database, CLineTable::ForBudget(strBudget), nFirst, nMaxLevel);
    CLineRecord line;
    bool measured = false;
    while (reader.Next(line, measured)) {
        if (!visit(line, measured))
            return;
    }
}

std::vector<CBudgetRows::Row> CBudgetRows::Tree(CDatabase& database, const QString& strBudget, int nMaxLevel)
{
    std::vector<Row> rows;
    Read(database, strBudget, 1, nMaxLevel, [&](const CLineRecord& line, bool measured) {
        rows.push_back(Make(line, measured, nMaxLevel < 0 || line.Level() < nMaxLevel));
        return true;
    });
    return rows;
}

std::vector<CBudgetRows::Row> CBudgetRows::Branch(CDatabase& database, const QString& strBudget, long nLine,
                                                   long nLevel, long nDepthLimit)
{
    std::vector<Row> rows;
    // The branch ends at the first line that is no deeper than its head;
    // the level asked for is deeper, so that line is read and stops it.
    Read(database, strBudget, nLine + 1, nDepthLimit, [&](const CLineRecord& line, bool measured) {
        if (line.Level() <= nLevel)
            return false;
        rows.push_back(Make(line, measured, nDepthLimit < 0 || line.Level() < nDepthLimit));
        return true;
    });
    return rows;
}

std::optional<CBudgetRows::Row> CBudgetRows::Line(CDatabase& database, const QString& strBudget, long nLine,
                                                  int nImage, int nState)
{
    std::optional<Row> row;
    Read(database, strBudget, nLine, -1, [&](const CLineRecord& line, bool measured) {
        if (line.Number() == nLine) {
            row = Make(line, measured, false);
            row->nImage = nImage;
            row->nState = nState;
        }
        return false;
    });
    return row;
}
