#pragma once

#include <QList>
#include <QTreeView>

class CEditList;

// The tree view inside a CEditList. It draws the rows and holds the current
// row, the selection and the scroll position; the keys, clicks and drags the
// user gives it go to its list, whose input part (CEditListInput) decides
// what they do and falls back on the view's own handling through the Default
// functions. Only CEditList makes one, and keeps it to itself.
class CEditListView : public QTreeView
{
    Q_OBJECT

public:
    explicit CEditListView(CEditList& list);

    void DefaultKeyPress(QKeyEvent* event) { QTreeView::keyPressEvent(event); }
    void DefaultMousePress(QMouseEvent* event) { QTreeView::mousePressEvent(event); }
    void DefaultMouseMove(QMouseEvent* event) { QTreeView::mouseMoveEvent(event); }
    void DefaultMouseRelease(QMouseEvent* event) { QTreeView::mouseReleaseEvent(event); }
    void DefaultMouseDoubleClick(QMouseEvent* event) { QTreeView::mouseDoubleClickEvent(event); }
    // Lays out rows added while redraw was off, so that the scroll range knows them.
    void LayOutPendingRows() { executeDelayedItemsLayout(); }

    // The selection and the focus mark, by row (see CEditList).
    int FirstSelected() const;
    QList<int> SelectedRows() const;
    bool IsSelected(int nRow) const;
    void Select(int nRow, bool bSelect);
    void SelectAllRows();
    void SetFocusRow(int nRow);
    int FocusRow() const;

    // The rows in view, by row (see CEditList).
    void EnsureVisible(int nRow);
    int TopRow() const;
    int RowsPerPage() const;
    int RowHeight() const;
    void RedrawRows(int nFirst, int nLast);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // The current row is always scrolled into view, however it moved.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool IsRow(int nRow) const { return nRow >= 0 && nRow < model()->rowCount(); }

    CEditList& m_list;
};
