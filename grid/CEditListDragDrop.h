#pragma once

#include <QPoint>
#include <QTimer>

class CEditList;
class CEditListView;
class QLabel;

// Dragging rows of a CEditList to another place: a faded image of the
// selected rows follows the pointer, the row under it is marked as the drop
// target, the list scrolls while the pointer is above or below the rows, and
// a drop hands the first selected row and the target to the list's MoveItem.
// The first row (the root of the tree lists) never moves. The list owns one.
class CEditListDragDrop
{
public:
    CEditListDragDrop(CEditList& list, CEditListView& view);
    ~CEditListDragDrop();
    CEditListDragDrop(const CEditListDragDrop&) = delete;
    CEditListDragDrop& operator=(const CEditListDragDrop&) = delete;

    bool IsDragging() const { return m_bDragging; }
    // The row marked as the drop target; the row count below the last row,
    // -1 when none.
    int DropTarget() const { return m_nDropTarget; }

    // The pointer, pressed on a row, moved far enough to start a drag.
    void Begin(const QPoint& pt);
    void Move(const QPoint& pt);
    // Ends the drag: bDrop moves the rows (release), otherwise nothing moves (Escape).
    void End(bool bDrop);

private:
    void OnScrollTimer();
    void SetDropTarget(int nRow);

    CEditList& m_list;
    CEditListView& m_view;
    bool m_bDragging = false;
    int m_nDragSource = -1;
    int m_nDropTarget = -1;
    QLabel* m_pDragImage = nullptr;
    QPoint m_ptDragHotSpot;
    QTimer m_scrollTimer;
    int m_nScrollDirection = 0;
};
