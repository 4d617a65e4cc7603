#include "grid/CEditListView.h"

#include "grid/CEditList.h"
#include "grid/CEditListDelegate.h"
#include "grid/CEditListInput.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

CEditListView::CEditListView(CEditList& list)
    : QTreeView(&list)
    , m_list(list)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setDragEnabled(false);
    setAutoScroll(false);
    setTabKeyNavigation(false);
    setSortingEnabled(false); // the view's own sorting; it also makes the header unclickable
    setTextElideMode(Qt::ElideRight);
}

bool CEditListView::event(QEvent* event)
{
    const bool bHandled = QTreeView::event(event);
    // A key the view leaves unaccepted travels on to its parent, the list,
    // which has handled it already: the list lets it pass to its own parent.
    if (event->type() == QEvent::KeyPress && !(bHandled && event->isAccepted()))
        m_list.m_pInput->LetPass(event);
    return bHandled;
}

void CEditListView::keyPressEvent(QKeyEvent* event)
{
    m_list.keyPressEvent(event);
}

void CEditListView::keyReleaseEvent(QKeyEvent* event)
{
    m_list.keyReleaseEvent(event);
}

void CEditListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeView::currentChanged(current, previous);
    if (current.isValid())
        EnsureVisible(current.row());
}

void CEditListView::mousePressEvent(QMouseEvent* event)
{
    m_list.mousePressEvent(event);
}

void CEditListView::mouseMoveEvent(QMouseEvent* event)
{
    m_list.mouseMoveEvent(event);
}

void CEditListView::mouseReleaseEvent(QMouseEvent* event)
{
    m_list.mouseReleaseEvent(event);
}

void CEditListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_list.mouseDoubleClickEvent(event);
}

void CEditListView::contextMenuEvent(QContextMenuEvent* event)
{
    m_list.contextMenuEvent(event);
}

// ---- Selection and focus -------------------------------------------------------

int CEditListView::FirstSelected() const
{
    int nFirst = -1;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        if (nFirst < 0 || range.top() < nFirst)
            nFirst = range.top();
    }
    return nFirst;
}

QList<int> CEditListView::SelectedRows() const
{
    QList<int> rows;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection)
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows << r;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool CEditListView::IsSelected(int nRow) const
{
    const QItemSelection selection = selectionModel()->selection();
    return std::any_of(selection.begin(), selection.end(), [nRow](const QItemSelectionRange& range) {
        return range.top() <= nRow && nRow <= range.bottom();
    });
}

void CEditListView::Select(int nRow, bool bSelect)
{
    if (!IsRow(nRow) || m_list.GetColumnCount() == 0)
        return;
    QItemSelectionModel::SelectionFlags flags = bSelect ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
    if (bSelect && selectionMode() == QAbstractItemView::SingleSelection)
        flags = QItemSelectionModel::ClearAndSelect;
    selectionModel()->select(model()->index(nRow, 0), flags | QItemSelectionModel::Rows);
}

void CEditListView::SelectAllRows()
{
    const int nRows = model()->rowCount();
    const int nCols = model()->columnCount();
    if (nRows == 0 || nCols == 0)
        return;
    selectionModel()->select(QItemSelection(model()->index(0, 0), model()->index(nRows - 1, nCols - 1)),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CEditListView::SetFocusRow(int nRow)
{
    if (!IsRow(nRow) || model()->columnCount() == 0)
        return;
    // The focus mark goes on the first shown column, so that the arrow keys
    // never scroll the list sideways towards a hidden one.
    int nCol = 0;
    while (nCol < model()->columnCount() - 1 && header()->isSectionHidden(nCol))
        ++nCol;
    selectionModel()->setCurrentIndex(model()->index(nRow, nCol), QItemSelectionModel::NoUpdate);
}

int CEditListView::FocusRow() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

// ---- The rows in view ----------------------------------------------------------

void CEditListView::EnsureVisible(int nRow)
{
    if (!IsRow(nRow))
        return;
    // Rows added while redraw was off are not laid out yet; the scroll range
    // must know them before it can reach them.
    LayOutPendingRows();
    const int nTop = TopRow();
    const int nPage = RowsPerPage();
    QScrollBar* bar = verticalScrollBar();
    if (nRow < nTop)
        bar->setValue(nRow);
    else if (nRow >= nTop + nPage)
        bar->setValue(nRow - nPage + 1);
}

int CEditListView::TopRow() const
{
    return verticalScrollBar()->value();
}

int CEditListView::RowsPerPage() const
{
    return qMax(1, viewport()->height() / RowHeight());
}

int CEditListView::RowHeight() const
{
    return qMax(fontMetrics().height() + 4, CEditListDelegate::ImageSize + 2);
}

void CEditListView::RedrawRows(int nFirst, int nLast)
{
    nFirst = qMax(0, nFirst);
    nLast = qMin(model()->rowCount() - 1, nLast);
    if (nFirst > nLast || model()->columnCount() == 0)
        return;
    const QRect top = visualRect(model()->index(nFirst, 0));
    const QRect bottom = visualRect(model()->index(nLast, 0));
    viewport()->update(QRect(0, top.top(), viewport()->width(), bottom.bottom() - top.top() + 1));
}
