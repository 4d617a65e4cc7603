#include "grid/CEditListView.h"

#include "grid/CEditList.h"
#include "grid/CEditListInput.h"

#include <QEvent>

CEditListView::CEditListView(CEditList& list)
    : QTreeView(&list)
    , m_list(list)
{
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
        m_list.EnsureVisible(current.row());
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
