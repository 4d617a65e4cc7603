#pragma once

#include "grid/CEditListModel.h"

#include <functional>
#include <optional>
#include <vector>

class CDatabase;
struct CLineRecord;

// The budget grid's rows as the store holds their lines: the cells, the
// indent, the item image and state mark, and what the grid paints by
// (whether a folder has measurement lines), read in one pass through the
// lines however many there are.
class CBudgetRows
{
public:
    // Item images and state marks of the tree.
    enum Image { ClosedFolder = 0, OpenFolder = 1, Concept = 2 };
    enum State { NoState = 0, Collapsed = 1, Expanded = 2 };
    // Flags kept with a row as its item data.
    static constexpr qint64 Measured = 0x1;

    using Row = CEditListModel::Row;

    // A row for a line. A decomposed line shows its children (open folder,
    // expanded) when bShown, and is closed and collapsed otherwise.
    static Row Make(const CLineRecord& line, bool bMeasured, bool bShown);
    // The rows of a budget's lines down to a level (-1: every level), as the
    // budget opens: the lines of the last level shown are collapsed.
    static std::vector<Row> Tree(CDatabase& database, const QString& strBudget, int nMaxLevel);
    // The rows under line nLine of level nLevel, down to nDepthLimit (-1: to
    // the end of its branch).
    static std::vector<Row> Branch(CDatabase& database, const QString& strBudget, long nLine, long nLevel,
                                   long nDepthLimit);
    // One line's row, with a given image and state mark; nothing when the line is gone.
    static std::optional<Row> Line(CDatabase& database, const QString& strBudget, long nLine, int nImage, int nState);
    // Each line from nFirst on down to a level, until visit returns false.
    static void Read(CDatabase& database, const QString& strBudget, long nFirst, long nMaxLevel,
                     const std::function<bool(const CLineRecord& line, bool bMeasured)>& visit);
};
