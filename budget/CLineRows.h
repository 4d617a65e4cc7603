#pragma once

#include "grid/CEditListModel.h"
#include "store/CLineTable.h"

#include <functional>
#include <optional>
#include <vector>

class CDatabase;
struct CLineRecord;

// The rows of a tree grid (a budget's or a tariff's) as the store holds
// their lines: the cells, the indent, the item image and state mark, and
// what the grid paints by (whether a folder has measurement lines), read in
// one pass through the lines however many there are.
class CLineRows
{
public:
    // Item images and state marks of the tree.
    enum Image { ClosedFolder = 0, OpenFolder = 1, Concept = 2 };
    enum State { NoState = 0, Collapsed = 1, Expanded = 2 };
    // Flags kept with a row as its item data.
    static constexpr qint64 Measured = 0x1;

    using Row = CEditListModel::Row;
    // The cells of a line's row, as the grid shows them.
    using Texts = std::function<QStringList(const CLineRecord&)>;

    CLineRows(CDatabase& database, const CLineTable& table, Texts texts);

    // A row for a line. A decomposed line shows its children (open folder,
    // expanded) when bShown, and is closed and collapsed otherwise.
    Row Make(const CLineRecord& line, bool bMeasured, bool bShown) const;
    // The rows of the tree down to a level (-1: every level), as it opens:
    // the lines of the last level shown are collapsed.
    std::vector<Row> Tree(int nMaxLevel) const;
    // The rows under line nLine of level nLevel, down to nDepthLimit (-1: to
    // the end of its branch).
    std::vector<Row> Branch(long nLine, long nLevel, long nDepthLimit) const;
    // One line's row, with a given image and state mark; nothing when the line is gone.
    std::optional<Row> Line(long nLine, int nImage, int nState) const;
    // Each line from nFirst on down to a level, until visit returns false.
    void Read(long nFirst, long nMaxLevel, const std::function<bool(const CLineRecord& line, bool bMeasured)>& visit) const;

private:
    // A text already held by a row read before, shared rather than copied.
    void Share(int nCol, QString& strText) const;

    CDatabase& m_database;
    CLineTable m_table;
    Texts m_texts;
    // Units, levels, factors, the budget's code and the like repeat from
    // line to line: rows that share their texts are fewer blocks to
    // allocate and to free, and a large tree closes as fast as it opens.
    // A few texts of each such column are kept, the first met.
    mutable std::vector<std::vector<QString>> m_shared;
};
