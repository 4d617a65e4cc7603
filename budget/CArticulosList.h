#pragma once

#include "budget/CBudgetTree.h"
#include "grid/CEditList.h"

#include <functional>
#include <memory>
#include <set>

class CArticulosSet;
class CMedidasSet;
class CVelmoraView;
class QMenu;

// The budget grid: the open budget's line tree, of which only the expanded
// part is present as rows. Every change goes to the store at once, in one
// transaction per user operation; a failed one is rolled back, the grid is
// reloaded from the store and the user is told.
class CArticulosList : public CEditList
{
    Q_OBJECT

public:
    explicit CArticulosList(QWidget* parent = nullptr);
    ~CArticulosList() override;

    void Attach(CVelmoraView* pView, CArticulosSet* pLines, CMedidasSet* pMeasures);

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
    void OnContextMenu(int nRow, int nCol, const QPoint& ptGlobal) override;

    // Appends a row for the line the set stands on, at the depth the view loads.
    void AppendLine(int nMaxLevel);
    void ExpandLine(int nRow, int nDepthLimit);
    void CollapseLine(int nRow);
    void ExpandAll(int nRow);
    void InsertChapter();
    void InsertFolder();
    void InsertConcept();
    void CopySelected();
    void PasteSelected();
    void RefreshAmountCells();
    // Refreshes only the rows of the given lines.
    void RefreshAmountCells(const std::set<long>& lines);

    // The popup menu commands, also reached from the toolbar.
    bool OnCommand(int nID);
    // Whether "Pegar" may paste on a row (the popup menu's rule).
    bool CanPasteOn(int nRow);

    long RowLine(int nRow) const;
    long RowLevel(int nRow) const;
    bool IsDecomposed(int nRow) const;
    bool IsChapterRow(int nRow) const;
    bool IsFolderRow(int nRow) const;

    QString m_strBeforeEdit;

signals:
    // The selected line changed (the measurement window follows it).
    void LineSelected(int nRow);

private:
    // Runs one user operation in a transaction; on a database error the
    // store is rolled back, the grid reloaded and the user told. Run inside
    // another transaction, it leaves the error to the enclosing operation.
    bool RunOperation(const std::function<void()>& operation);
    void RefreshRows(const std::set<long>* pLines);
    CBudgetTree Tree();
    void DoInsert(CBudgetTree::Kind kind);
    void DoDeleteLine(int nRow);
    void DoPasteBranch(int nRow, bool bInto);
    void CopyBranch(int nRow);
    int InsertRowForLine(int nRow, long nLine, int nImage, int nState);
    void ShiftLineNumbers(int nFromRow, long nDelta);
    void SelectRow(int nRow);
    bool HasMeasurements(int nRow) const;
    QStringList NewRowTexts(CBudgetTree::Kind kind, long nLevel, const QString& strBudget, long nLine) const;

    CVelmoraView* m_pView = nullptr;
    CArticulosSet* m_pLines = nullptr;
    CMedidasSet* m_pMeasures = nullptr;
    std::unique_ptr<QMenu> m_pPopup;
};
