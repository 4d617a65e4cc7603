#include "grid/CInPlaceDate.h"

#include "grid/CEditList.h"
#include "grid/CellSort.h"

#include <QKeyEvent>
#include <QLineEdit>

CInPlaceDate::CInPlaceDate(CEditList* pList, int nRow, int nCol, const QString& strCellText)
    : CDateField(pList->viewport())
    , CInPlaceEditor(pList, nRow, nCol)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    const QDate date = DateFromCell(strCellText);
    if (date.isValid())
        SetValue(QDateTime(date, QTime(0, 0)));
    else
        SetEmpty();
}

bool CInPlaceDate::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab) {
            const bool bBack = keyEvent->key() == Qt::Key_Backtab || (keyEvent->modifiers() & Qt::ShiftModifier);
            m_pList->EditorCommit(this, bBack ? CEditList::EditorMove::PrevInRow : CEditList::EditorMove::NextInRow);
            return true;
        }
    }
    return CDateField::event(event);
}

void CInPlaceDate::keyPressEvent(QKeyEvent* event)
{
    const bool bCtrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_pList->EditorCommit(this, CEditList::EditorMove::Stay);
        return;
    case Qt::Key_Escape:
        m_pList->EditorCancel(this);
        return;
    case Qt::Key_Up:
        m_pList->EditorCommit(this, CEditList::EditorMove::Up);
        return;
    case Qt::Key_Down:
        m_pList->EditorCommit(this, CEditList::EditorMove::Down);
        return;
    case Qt::Key_PageUp:
        m_pList->EditorPage(this, true);
        return;
    case Qt::Key_PageDown:
        m_pList->EditorPage(this, false);
        return;
    case Qt::Key_Home:
        if (bCtrl) {
            m_pList->EditorCommit(this, CEditList::EditorMove::First);
            return;
        }
        break;
    case Qt::Key_End:
        if (bCtrl) {
            m_pList->EditorCommit(this, CEditList::EditorMove::Last);
            return;
        }
        break;
    default:
        break;
    }
    CDateField::keyPressEvent(event);
}

void CInPlaceDate::FillNow()
{
    CDateField::FillNow();
    // On to the month, as after typing the day.
    setCurrentSectionIndex(qMin(1, sectionCount() - 1));
}

void CInPlaceDate::focusOutEvent(QFocusEvent* event)
{
    CDateField::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        m_pList->EditorFocusLost(this);
}
