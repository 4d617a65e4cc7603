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
    if (event->type() == QEvent::KeyPress && HandleTab(static_cast<QKeyEvent*>(event), true))
        return true;
    return CDateField::event(event);
}

void CInPlaceDate::keyPressEvent(QKeyEvent* event)
{
    if (HandleNavigationKey(event))
        return;
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
