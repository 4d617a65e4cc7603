#pragma once

#include "grid/CEditListModel.h"
#include "grid/CEditListView.h"
#include "grid/ColumnInfo.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QHeaderView>
#include <QList>
#include <QScrollBar>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <memory>

class CEditListColumnSizer;
class CEditListDelegate;
class CEditListDragDrop;
class CEditListEditController;
class CEditListInput;
class CInPlaceEditor;
class CSortHeaderCtrl;

// The list under every grid of the program: rows of text cells indented by
// level, with a state mark and an item image in the first column, edited in
// place cell by cell, sorted by a click on a column header and reordered by
// dragging rows. The list knows nothing of what its rows mean: subclasses give
// them meaning through the virtual operations, which the list calls from its
// mouse, keyboard and editor handling.
//
// Rows are addressed by index (0 = first row); cells by row and column.
//
// The rows are drawn by a tree view that the list holds to itself: every
// change of rows, selection and order goes through the list's operations.
// The keys and the mouse, the in-place editor and the dragging of rows are
// parts of their own (CEditListInput, CEditListEditController,
// CEditListDragDrop).
class CEditList : public QWidget
{
    Q_OBJECT

public:
    explicit CEditList(QWidget* parent = nullptr);
    ~CEditList() override;

    // ---- Columns ----------------------------------------------------------
    // Allocates a table of n empty column definitions, discarding any earlier
    // table. Fill it through Column(i), then ApplyColumns().
    void SetColumnCount(int nCount);
    int GetColumnCount() const { return int(m_columns.size()); }
    ColumnInfo& Column(int nCol);
    const ColumnInfo& Column(int nCol) const;
    // Shows every column of the table with its title, alignment and width.
    void ApplyColumns();
    // Sets up and shows a whole table, its titles translated.
    void ApplyColumns(const ColumnSpec* pColumns, int nCount);
    // Widths follow the list's font: the tables' figures are pixels of an
    // 8-point MS Sans Serif, and each column is drawn wider or narrower as
    // the font's letters and digits are.
    double WidthScale() const;
    int ScaledWidth(int nWidth) const;
    // The column that takes the width the others leave, never less than half
    // its own; -1 for none. Once the user sizes it, it keeps that size.
    void SetStretchColumn(int nCol);
    // Widens the shown columns to the longest texts of rows nFirst..nLast
    // (in the first column of a tree, past its indent, mark and image), up
    // to a third of the list's width. Rows call it as they come and change;
    // a column the user sized keeps its size.
    void FitColumnsToRows(int nFirst, int nLast);

    void SetSortEnabled(bool bEnabled);
    void SetEditEnabled(bool bEnabled);
    bool IsSortEnabled() const { return m_bSortEnabled; }
    bool IsEditEnabled() const { return m_bEditEnabled; }
    int SortColumn() const { return m_nSortColumn; }
    bool IsSortAscending() const { return m_bSortAscending; }

    // The colours the next cells are drawn with; GetCellColors overrides call it.
    void SetCellColors(const QColor& crText, const QColor& crBackground);
    QColor CurrentTextColor() const { return m_crText; }
    QColor CurrentBkColor() const { return m_crBackground; }
    // The list's background, also below the last row.
    void SetBkColor(const QColor& crBackground);

    // Tree lists reserve, in the first column of every row, room for the
    // state mark and the item image after the indent.
    void SetTreeImages(bool bTreeImages);
    bool HasTreeImages() const { return m_bTreeImages; }
    // Several rows may be selected at once (off: one row at most).
    void SetMultipleSelection(bool bMultiple);
    // Rows may be dragged to another place (on by default).
    void SetRowDragEnabled(bool bEnabled) { m_bRowDragEnabled = bEnabled; }

    // ---- Virtual operations -----------------------------------------------
    // 1. Font weight of a cell (400 normal, 700 bold).
    virtual int GetCellFontWeight(int nRow, int nCol);
    // 2. Rows dropped: the first selected row was dragged onto nToRow.
    virtual void MoveItem(int nFromRow, int nToRow);
    // 3. Sorts by a column: ascending when it is a new sort column, the
    //    other way round when it already is.
    virtual void SortByColumn(int nCol);
    // 4. A click on a row (also Up and Down). nOnStateIcon is 1 when the
    //    click fell on the state mark of the row.
    virtual void OnItemClick(int nRow, int nCol, int nOnStateIcon);
    // 5. Chooses the colours of a cell with SetCellColors before it is drawn.
    virtual void GetCellColors(int nRow, int nCol);
    // 6, 7. Opens the editor on the previous or next editable cell.
    virtual void EditPrevCell(int nRow, int nCol);
    virtual void EditNextCell(int nRow, int nCol);
    // 8. An editor was laid over the cell.
    virtual void OnCellEditOpened(int nRow, int nCol);
    // 9. ValidateCell refused the text of the cell; the editor stays open.
    virtual void OnCellRefused(int nRow, int nCol);
    // 10. The editor's text is in the cell: accept it (true), possibly after
    //     changing the cell, or refuse it (false).
    virtual bool ValidateCell(int nRow, int nCol);
    // 11. The editor over the cell went away.
    virtual void OnCellEditClosed(int nRow, int nCol);
    // 12. Delete key on a selected row.
    virtual void DeleteLine(int nRow, int nFlag);
    // 13. Insert key; nRow is the first selected row or -1.
    virtual void InsertLine(int nRow, int nCol);
    // 14. A cell's new text was accepted.
    virtual void CellChanged(int nRow, int nCol);
    // 15. Opens the editor of the cell (date editor for date columns).
    virtual void BeginCellEdit(int nRow, int nCol);
    // Whether the row lets the user edit the cell: the keys that move from
    // cell to cell pass over the cells it does not. By default every shown
    // editable column of every row, while editing is on.
    virtual bool CanEditCell(int nRow, int nCol);

    // Right click or context-menu key; nRow is -1 off the rows.
    virtual void OnContextMenu(int nRow, int nCol, const QPoint& ptGlobal);

    // ---- Rows -------------------------------------------------------------
    int GetItemCount() const { return m_pModel->Count(); }
    // Inserts a row at nRow (clamped to 0..count) with the texts of its first
    // columns; returns its index. nImage -1 shows no item image; nState 0 no
    // state mark, 1 collapsed, 2 expanded.
    int InsertItem(int nRow, const QString& strText, int nIndent = 0, int nImage = -1, int nState = 0);
    int InsertItem(int nRow, const QStringList& texts, int nIndent = 0, int nImage = -1, int nState = 0);
    bool DeleteItem(int nRow);
    void DeleteItems(int nFirst, int nCount) { m_pModel->RemoveRows(nFirst, nCount); }
    void DeleteAllItems();

    // The rows' data is the model's; the selection, the focus mark and the
    // rows in view are the view's.
    QString GetItemText(int nRow, int nCol) const { return m_pModel->Text(nRow, nCol); }
    void SetItemText(int nRow, int nCol, const QString& strText) { m_pModel->SetText(nRow, nCol, strText); }
    int GetItemIndent(int nRow) const { return m_pModel->IsRow(nRow) ? m_pModel->At(nRow).nIndent : 0; }
    void SetItemIndent(int nRow, int nIndent) { m_pModel->SetIndent(nRow, nIndent); }
    // Item images: 0 closed folder, 1 open folder, 2 concept, -1 none.
    int GetItemImage(int nRow) const { return m_pModel->IsRow(nRow) ? m_pModel->At(nRow).nImage : -1; }
    void SetItemImage(int nRow, int nImage) { m_pModel->SetImage(nRow, nImage); }
    // State images: 0 none, 1 collapsed, 2 expanded.
    int GetItemStateImage(int nRow) const { return m_pModel->IsRow(nRow) ? m_pModel->At(nRow).nState : 0; }
    void SetItemStateImage(int nRow, int nState) { m_pModel->SetState(nRow, nState); }
    qint64 GetItemData(int nRow) const { return m_pModel->IsRow(nRow) ? m_pModel->At(nRow).nData : 0; }
    void SetItemData(int nRow, qint64 nData) { m_pModel->SetData(nRow, nData); }

    int GetFirstSelected() const { return m_pView->FirstSelected(); }         // -1 when none
    QList<int> GetSelectedRows() const { return m_pView->SelectedRows(); }   // in row order
    int GetSelectedCount() const { return int(GetSelectedRows().size()); }
    bool IsItemSelected(int nRow) const { return m_pView->IsSelected(nRow); }
    // In a single-selection list selecting a row deselects the others.
    void SelectItem(int nRow, bool bSelect = true) { m_pView->Select(nRow, bSelect); }
    void SelectAll() { m_pView->SelectAllRows(); }
    void DeselectAll() { m_pView->selectionModel()->clearSelection(); }
    void SetFocusItem(int nRow) { m_pView->SetFocusRow(nRow); }
    int GetFocusItem() const { return m_pView->FocusRow(); }
    // Selects the row and gives it the focus mark.
    void SelectAndFocus(int nRow)
    {
        SelectItem(nRow, true);
        SetFocusItem(nRow);
    }

    void EnsureVisible(int nRow) { m_pView->EnsureVisible(nRow); }
    // Scrolls the list sideways until the column is in view.
    void EnsureColumnVisible(int nCol);
    int GetTopIndex() const { return m_pView->TopRow(); }
    int GetCountPerPage() const { return m_pView->RowsPerPage(); }
    void RedrawItems(int nFirst, int nLast) { m_pView->RedrawRows(nFirst, nLast); }
    // Off: changes are collected and the list is redrawn once when redraw is
    // switched on again. Calls nest.
    void SetRedraw(bool bRedraw);

    // Row under a point of the viewport (-1 when none), its column, and
    // whether the point is on the row's state mark.
    int HitTest(const QPoint& pt, int* pCol = nullptr, bool* pOnStateIcon = nullptr) const;
    // Where the text of the first column starts, past indent, mark and image.
    int TextOffset(int nRow) const;
    // The rectangle an editor covers over a cell, in viewport coordinates.
    QRect EditorRect(int nRow, int nCol) const;

    bool IsEditing() const;
    QWidget* Editor() const;
    // The current cell's column: the one last clicked, edited or moved to
    // with Left and Right; F2, Enter and typing edit that cell of the
    // current row. -1 before any.
    int CurrentColumn() const;
    void SetCurrentColumn(int nCol);
    // Opens the editor on the current row's current cell, or on the first
    // cell of the row the user may edit after it (before it when none).
    bool EditCurrentCell();
    // The cells of a row the user may edit: the first from nFrom rightwards,
    // the last from nFrom leftwards; -1 when there is none.
    int NextEditableCell(int nRow, int nFrom);
    int PrevEditableCell(int nRow, int nFrom);
    // Closes an open editor as losing the focus does: the cell gets
    // m_strCellText back.
    void CancelCellEdit();

    int DropTarget() const;
    bool IsDragging() const;

    CEditListModel* RowModel() const { return m_pModel; }
    CSortHeaderCtrl* SortHeader() const { return m_pHeader; }

    // ---- The view's geometry ------------------------------------------------
    // What callers need of the view to place tips and editors over cells and
    // to point at them: the rows' widget, their model, the header, the
    // vertical scroll bar and a cell's rectangle in viewport coordinates.
    QWidget* viewport() const { return m_pView->viewport(); }
    QAbstractItemModel* model() const { return m_pModel; }
    QHeaderView* header() const { return m_pView->header(); }
    QScrollBar* verticalScrollBar() const { return m_pView->verticalScrollBar(); }
    QRect visualRect(const QModelIndex& index) const { return m_pView->visualRect(index); }

    // ---- Called by the editors --------------------------------------------
    enum class EditorMove { Stay, Next, Prev, NextInRow, PrevInRow, Up, Down, First, Last };
    // Commits the editor's text and opens the editor where the move leads.
    void EditorCommit(CInPlaceEditor* pEditor, EditorMove move);
    // Opens the editor a page higher or lower, dropping the uncommitted text.
    void EditorPage(CInPlaceEditor* pEditor, bool bUp);
    void EditorCancel(CInPlaceEditor* pEditor);
    void EditorFocusLost(CInPlaceEditor* pEditor);
    // Lets an editor grow to the right, up to the right edge of the list.
    void WidenEditor(QWidget* pEditor, int nWantedWidth);

    // The current row and column, and the text of the cell being edited as it
    // was when its editor opened or its text was last committed.
    int m_nRow = -1;
    int m_nCol = -1;
    QString m_strCellText;

signals:
    // The set of selected rows changed (once per redraw-off batch).
    void SelectionChanged();

protected:
    // The view's keys, clicks and context menus arrive here, on their way
    // to the input part (CEditListInput); subclasses may catch them first.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Opens the text or date editor on a cell without the subclass's rules.
    void OpenEditor(int nRow, int nCol);
    // Sorts the rows by a column's kind without touching the sort mark.
    void SortItems(int nCol, bool bAscending);

private:
    friend class CEditListDragDrop;
    friend class CEditListEditController;
    friend class CEditListInput;
    friend class CEditListView;

    void CloseEditor(bool bRestore);
    int RowHeight() const { return m_pView->RowHeight(); }
    void OnSelectionModelChanged();

    // Declared before the view: making the view sends the list events, and
    // event() must then find these empty, not unmade.
    std::unique_ptr<CEditListEditController> m_pEditing;
    std::unique_ptr<CEditListDragDrop> m_pDragDrop;
    std::unique_ptr<CEditListInput> m_pInput;
    std::unique_ptr<CEditListColumnSizer> m_pSizer;
    CEditListView* m_pView;
    CEditListModel* m_pModel;
    CEditListDelegate* m_pDelegate;
    CSortHeaderCtrl* m_pHeader;
    QVector<ColumnInfo> m_columns;

    bool m_bSortEnabled = true;
    bool m_bEditEnabled = false;
    int m_nSortColumn = -1;
    bool m_bSortAscending = true;
    QColor m_crText = QColor(0, 0, 0);
    QColor m_crBackground = QColor(255, 255, 255);
    bool m_bTreeImages = false;

    int m_nRedrawOff = 0;
    bool m_bSelectionDirty = false;

    bool m_bRowDragEnabled = true;
};
