#include "budget/CLineRows.h"

#include "budget/CBudgetRow.h"
#include "store/CLineReader.h"
#include "store/CLineRecord.h"

CLineRows::CLineRows(CDatabase& database, const CLineTable& table, Texts texts)
    : m_database(database)
    , m_table(table)
    , m_texts(std::move(texts))
{
}

void CLineRows::Share(int nCol, QString& strText) const
{
    constexpr size_t kKept = 16;
    if (strText.isEmpty())
        return;
    if (m_shared.size() <= size_t(nCol))
        m_shared.resize(size_t(nCol) + 1);
    std::vector<QString>& kept = m_shared[size_t(nCol)];
    for (const QString& text : kept) {
        if (text == strText) {
            strText = text;
            return;
        }
    }
    if (kept.size() < kKept)
        kept.push_back(strText);
}

CLineRows::Row CLineRows::Make(const CLineRecord& line, bool bMeasured, bool bShown) const
{
    Row row;
    row.cells = m_texts(line);
    for (const int col : {CBudgetRow::Nivel, CBudgetRow::Desglose, CBudgetRow::Medida, CBudgetRow::Factor,
                          CBudgetRow::Fecha, CBudgetRow::Tipo1, CBudgetRow::Tipo2, CBudgetRow::Presupuesto}) {
        if (col < row.cells.size())
            Share(col, row.cells[col]);
    }
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

void CLineRows::Read(long nFirst, long nMaxLevel,
                     const std::function<bool(const CLineRecord& line, bool bMeasured)>& visit) const
{
    CLineReader reader(m_database, m_table, nFirst, nMaxLevel);
    CLineRecord line;
    bool measured = false;
    while (reader.Next(line, measured)) {
        if (!visit(line, measured))
            return;
    }
}

std::vector<CLineRows::Row> CLineRows::Tree(int nMaxLevel) const
{
    std::vector<Row> rows;
    Read(1, nMaxLevel, [&](const CLineRecord& line, bool measured) {
        rows.push_back(Make(line, measured, nMaxLevel < 0 || line.Level() < nMaxLevel));
        return true;
    });
    return rows;
}

std::vector<CLineRows::Row> CLineRows::Branch(long nLine, long nLevel, long nDepthLimit) const
{
    std::vector<Row> rows;
    // The branch ends at the first line that is no deeper than its head;
    // the level asked for is deeper, so that line is read and stops it.
    Read(nLine + 1, nDepthLimit, [&](const CLineRecord& line, bool measured) {
        if (line.Level() <= nLevel)
            return false;
        rows.push_back(Make(line, measured, nDepthLimit < 0 || line.Level() < nDepthLimit));
        return true;
    });
    return rows;
}

std::optional<CLineRows::Row> CLineRows::Line(long nLine, int nImage, int nState) const
{
    std::optional<Row> row;
    Read(nLine, -1, [&](const CLineRecord& line, bool measured) {
        if (line.Number() == nLine) {
            row = Make(line, measured, false);
            row->nImage = nImage;
            row->nState = nState;
        }
        return false;
    });
    return row;
}
