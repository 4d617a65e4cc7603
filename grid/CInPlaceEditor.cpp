#include "grid/CInPlaceEditor.h"

#include "grid/CEditList.h"

#include <QKeyEvent>

CInPlaceEditor::CInPlaceEditor(CEditList* pList, int nRow, int nCol)
    : m_pList(pList)
    , m_index(pList->model()->index(nRow, 0))
    , m_nCol(nCol)
{
}

bool CInPlaceEditor::HandleTab(QKeyEvent* event, bool bInRow)
{
    if (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab)
        return false;
    const bool bBack = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
    if (bInRow)
        m_pList->EditorCommit(this, bBack ? CEditList::EditorMove::PrevInRow : CEditList::EditorMove::NextInRow);
    else
        m_pList->EditorCommit(this, bBack ? CEditList::EditorMove::Prev : CEditList::EditorMove::Next);
    return true;
}

bool CInPlaceEditor::HandleNavigationKey(QKeyEvent* event)
{
    const bool bCtrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_pList->EditorCommit(this, CEditList::EditorMove::Stay);
        return true;
    case Qt::Key_Escape:
        m_pList->EditorCancel(this);
        return true;
    case Qt::Key_Up:
        m_pList->EditorCommit(this, CEditList::EditorMove::Up);
        return true;
    case Qt::Key_Down:
        m_pList->EditorCommit(this, CEditList::EditorMove::Down);
        return true;
    case Qt::Key_PageUp:
        m_pList->EditorPage(this, true);
        return true;
    case Qt::Key_PageDown:
        m_pList->EditorPage(this, false);
        return true;
    case Qt::Key_Home:
        if (!bCtrl)
            return false;
        m_pList->EditorCommit(this, CEditList::EditorMove::First);
        return true;
    case Qt::Key_End:
        if (!bCtrl)
            return false;
        m_pList->EditorCommit(this, CEditList::EditorMove::Last);
        return true;
    default:
        return false;
    }
}
