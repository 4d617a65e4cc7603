#pragma once

#include "budget/CLineTree.h"
#include "grid/CEditList.h"

#include <functional>
#include <memory>
#include <vector>

class CEditingService;
class CLineListHost;
class CLineRows;
class CLineSet;
class QMenu;
struct CChangeSet;

// The budget grid: the open budget's line tree, of which only the expanded
// part is present as rows. It shows the lines and forwards what the user
// does to the editing service, then shows what changed; the service stores
// every change at once, in one transaction per user operation. A failed one
// leaves the store as it was: the grid is reloaded and the user told.
//
// A tariff's lines are the same tree in another table: the price-base grid
// (CPreciosList) is this grid with its own columns, colours and hooks.
class CArticulosList : public CEditList
{
    Q_OBJECT

public:
    explicit CArticulosList(QWidget* parent = nullptr);
    ~CArticulosList() override;

    // The window the grid sits in, and the line set the window keeps open
    // on the lines shown.
    void Attach(CLineListHost* pHost, CLineSet* pLines);
    // Sets up the grid's columns, titled in the user's language.
    void SetupColumns();

    // Overrides of the list's operations.
    int GetCellFontWeight(int nRow, int nCol) override;
    void MoveItem(int nFromRow, int nToRow) override;
    void OnItemClick(int nRow, int nCol, int nOnStateIcon) override;
    void GetCellColors(int nRow, int nCol) override;
    bool ValidateCell(int nRow, int nCol) override;
    void DeleteLine(int nRow, int nFlag) override;
    void InsertLine(int nRow, int nCol) override;
    void CellChanged(int nRow, int nCol) override;
    void OnCellEditClosed(int nRow, int nCol) override;
    void BeginCellEdit(int nRow, int nCol) override;
    bool CanEditCell(int nRow, int nCol) override;
    void OnContextMenu(int nRow, int nCol, const QPoint& ptGlobal) override;

    // Appends the rows of the open tree's lines down to a level (-1: every level).
    void LoadTree(int nMaxLevel);
    void ExpandLine(int nRow, int nDepthLimit);
    void CollapseLine(int nRow);
    void ExpandAll(int nRow);
    void InsertChapter();
    void InsertFolder();
    void InsertConcept();
    void CopySelected();
    void PasteSelected();
    // Rewrites every row from the store.
    void RefreshAmountCells();
    // Stores a line's long description as typed in the window's box, and
    // shows the lines that changed with it.
    void StoreDescription(long nLine, const QString& strText);
    // Shows what an edit changed: the rows of the changed lines and the totals.
    void ShowChanges(const CChangeSet& changes);

    // The popup menu commands, also reached from the toolbar.
    bool OnCommand(int nID);
    QMenu* PopupMenu();
    // Whether "Pegar" may paste on a row (the popup menu's rule).
    bool CanPasteOn(int nRow);

    long RowLine(int nRow) const;
    long RowLevel(int nRow) const;
    bool IsDecomposed(int nRow) const;
    bool IsChapterRow(int nRow) const;
    bool IsFolderRow(int nRow) const;
    // The row that shows a line; -1 when the line is not shown.
    int RowOfLine(long nLine) const;

    QString m_strBeforeEdit;

signals:
    // The selected line changed (the measurement window follows it).
    void LineSelected(int nRow);

protected:
    // The grid's columns: the budget's sixteen.
    virtual std::vector<ColumnSpec> Columns() const;
    // The cells of a line's row.
    virtual QStringList RowTexts(const CLineRecord& line) const;
    // Whether a click on a branch's state mark also shows the line's picture.
    virtual bool ShowsLineOnToggle() const { return false; }
    // Whether a collapsed line opens one level before a new line goes in as
    // its first child; otherwise it is only marked open, with the new line
    // as the one row below it.
    virtual bool OpensBranchToInsert(CLineTree::Kind) const { return true; }
    CLineListHost* Host() const { return m_pHost; }

private:
    // Runs what the user asked for; a store error reloads the budget and
    // tells the user, a refused edit tells why and shows the stored line
    // again. Nothing is thrown on into the list's event handling.
    bool Guard(const std::function<void()>& action);
    void DoInsert(CLineTree::Kind kind);
    void DoPasteBranch(int nRow);
    // Takes the rows of a removed branch out and renumbers the rows below.
    void RemoveBranchRows(int nRow, long nRemoved);
    // Puts in the rows of the lines a paste or a move placed, below a row.
    void InsertPlacedRows(int nRow, bool bInto, const CChangeSet& changes);
    // Inserts the row of a line; -1 when the line is gone.
    int InsertRowForLine(int nRow, long nLine, int nImage, int nState);
    void ShiftLineNumbers(int nFromRow, long nDelta);
    void SetRowTexts(int nRow, const QStringList& texts);
    void SelectRow(int nRow);
    // Whether the row's line has measurement lines: kept with the row, so
    // that painting never asks the store.
    bool HasMeasurements(int nRow) const;
    // The rows of the lines of the tree the host has open.
    CLineRows Rows() const;
    // The row's line positioned in the set, false when it is gone.
    bool PositionRow(int nRow);

    CLineListHost* m_pHost = nullptr;
    CLineSet* m_pLines = nullptr;
    std::unique_ptr<QMenu> m_pPopup;
};
