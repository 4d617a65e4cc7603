#include "grid/CEditListInput.h"

#include "grid/CEditList.h"
#include "grid/CEditListDragDrop.h"
#include "grid/CEditListView.h"
#include "ui/CStoreErrors.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

CEditListInput::CEditListInput(CEditList& list, CEditListView& view)
    : m_list(list)
    , m_view(view)
{
}

bool CEditListInput::PassesUp(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (event != m_pPassingKey)
            return false;
        m_pPassingKey = nullptr;
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::ContextMenu:
        // The view covers the list: these come from it, which has passed them
        // on here already.
        return true;
    default:
        return false;
    }
}

// ---- Keyboard --------------------------------------------------------------------

void CEditListInput::KeyPress(QKeyEvent* event)
{
    CStoreErrors::Catch(&m_list, [&] { HandleKey(event); });
}

void CEditListInput::HandleKey(QKeyEvent* event)
{
    CEditListDragDrop& dragDrop = *m_list.m_pDragDrop;
    if (dragDrop.IsDragging()) {
        if (event->key() == Qt::Key_Escape)
            dragDrop.End(false);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Insert:
    case Qt::Key_Delete:
        // Acted on when the key is let go; a held key repeats its press.
        if (!event->isAutoRepeat())
            m_nPressedKey = event->key();
        event->accept();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        m_view.DefaultKeyPress(event);
        const int nRow = m_list.GetFirstSelected();
        m_list.m_nRow = nRow;
        m_list.m_nCol = 0;
        if (nRow >= 0)
            m_list.OnItemClick(nRow, 0, 0);
        return;
    }
    default:
        if (!HandleEditingKey(event))
            m_view.DefaultKeyPress(event);
    }
}

void CEditListInput::KeyRelease(QKeyEvent* event)
{
    CStoreErrors::Catch(&m_list, [&] { HandleKeyRelease(event); });
}

void CEditListInput::HandleKeyRelease(QKeyEvent* event)
{
    const int nKey = event->key();
    if (event->isAutoRepeat() || nKey != m_nPressedKey || (nKey != Qt::Key_Insert && nKey != Qt::Key_Delete)) {
        event->ignore();
        return;
    }
    m_nPressedKey = 0;
    event->accept();
    if (nKey == Qt::Key_Insert) {
        m_list.m_nRow = m_list.GetFirstSelected();
        m_list.m_nCol = 0;
        m_list.InsertLine(m_list.m_nRow, 0);
        return;
    }
    const int nRow = m_list.GetFirstSelected();
    if (nRow >= 0) {
        m_list.m_nRow = nRow;
        m_list.m_nCol = 0;
        m_list.DeleteLine(nRow, 0);
    }
}

bool CEditListInput::HandleEditingKey(QKeyEvent* event)
{
    if (!m_list.IsEditEnabled())
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (modifiers != Qt::NoModifier)
            return false;
        MoveCurrentColumn(event->key() == Qt::Key_Left ? -1 : 1);
        return true;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return modifiers == Qt::NoModifier && EditCurrentCell();
    default:
        break;
    }
    // A character typed on a row starts editing the current cell with it.
    const QString strText = event->text();
    if (strText.isEmpty() || !strText[0].isPrint() || (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    if (!EditCurrentCell())
        return false;
    if (QWidget* pEditor = m_list.Editor()) {
        QKeyEvent typed(QEvent::KeyPress, event->key(), event->modifiers(), strText);
        QCoreApplication::sendEvent(pEditor, &typed);
    }
    return true;
}

// ---- The current cell ------------------------------------------------------------

void CEditListInput::SetCurrentColumn(int nCol)
{
    if (nCol == m_nCursorCol)
        return;
    m_nCursorCol = nCol;
    m_view.viewport()->update();
}

void CEditListInput::MoveCurrentColumn(int nStep)
{
    const QHeaderView& header = *m_view.header();
    const int nCount = m_list.GetColumnCount();
    int nCol = m_nCursorCol;
    if (nCol < 0)
        nCol = nStep > 0 ? -1 : nCount;
    for (int c = nCol + nStep; c >= 0 && c < nCount; c += nStep) {
        if (!header.isSectionHidden(c) && header.sectionSize(c) > 0) {
            SetCurrentColumn(c);
            EnsureColumnVisible(c);
            return;
        }
    }
}

bool CEditListInput::EditCurrentCell()
{
    const int nRow = m_list.GetFirstSelected() >= 0 ? m_list.GetFirstSelected() : m_list.GetFocusItem();
    if (nRow < 0)
        return false;
    int nCol = m_nCursorCol >= 0 && m_list.CanEditCell(nRow, m_nCursorCol) ? m_nCursorCol
                                                                          : m_list.NextEditableCell(nRow, m_nCursorCol);
    if (nCol < 0)
        nCol = m_list.PrevEditableCell(nRow, m_nCursorCol);
    if (nCol < 0)
        return false;
    m_list.BeginCellEdit(nRow, nCol);
    return m_list.IsEditing();
}

void CEditListInput::EnsureColumnVisible(int nCol)
{
    const QHeaderView& header = *m_view.header();
    const int nCellLeft = header.sectionViewportPosition(nCol);
    const int nCellRight = nCellLeft + header.sectionSize(nCol);
    QScrollBar* hbar = m_view.horizontalScrollBar();
    const int nWidth = m_view.viewport()->width();
    if (nCellLeft < 0)
        hbar->setValue(hbar->value() + nCellLeft);
    else if (nCellRight > nWidth)
        hbar->setValue(hbar->value() + qMin(nCellLeft, nCellRight - nWidth));
}

// ---- Mouse -----------------------------------------------------------------------

void CEditListInput::MousePress(QMouseEvent* event)
{
    CStoreErrors::Catch(&m_list, [&] {
        m_list.CloseEditor(true);
        m_bNoClick = false;
        m_ptPress = event->position().toPoint();
        m_bPressed = event->button() == Qt::LeftButton && m_view.indexAt(m_ptPress).isValid();
        m_view.DefaultMousePress(event);
    });
}

void CEditListInput::MouseMove(QMouseEvent* event)
{
    CEditListDragDrop& dragDrop = *m_list.m_pDragDrop;
    const QPoint pt = event->position().toPoint();
    if (dragDrop.IsDragging()) {
        dragDrop.Move(pt);
        return;
    }
    if (m_bPressed && (event->buttons() & Qt::LeftButton) && m_list.m_bRowDragEnabled) {
        // Rows are dragged, never swept over to change the selection.
        if ((pt - m_ptPress).manhattanLength() >= QApplication::startDragDistance()) {
            m_bPressed = false;
            m_bNoClick = true; // the release that ends a drag is no click
            dragDrop.Begin(pt);
        }
        return;
    }
    m_view.DefaultMouseMove(event);
}

void CEditListInput::MouseRelease(QMouseEvent* event)
{
    CStoreErrors::Catch(&m_list, [&] { HandleRelease(event); });
}

void CEditListInput::HandleRelease(QMouseEvent* event)
{
    CEditListDragDrop& dragDrop = *m_list.m_pDragDrop;
    if (dragDrop.IsDragging()) {
        dragDrop.End(true);
        m_bNoClick = false;
        return;
    }
    const bool bClick = event->button() == Qt::LeftButton && !m_bNoClick;
    m_bPressed = false;
    m_bNoClick = false;
    m_view.DefaultMouseRelease(event);
    if (!bClick)
        return;
    int nCol = -1;
    bool bOnState = false;
    const int nRow = m_list.HitTest(event->position().toPoint(), &nCol, &bOnState);
    if (nRow < 0)
        return;
    SetCurrentColumn(nCol);
    m_list.OnItemClick(nRow, nCol, bOnState ? 1 : 0);
}

void CEditListInput::MouseDoubleClick(QMouseEvent* event)
{
    CStoreErrors::Catch(&m_list, [&] { HandleDoubleClick(event); });
}

void CEditListInput::HandleDoubleClick(QMouseEvent* event)
{
    m_list.CloseEditor(true);
    m_view.DefaultMouseDoubleClick(event);
    m_bNoClick = true;
    if (event->button() != Qt::LeftButton)
        return;
    int nCol = -1;
    const int nRow = m_list.HitTest(event->position().toPoint(), &nCol);
    if (nRow < 0)
        return;
    m_list.m_strCellText = m_list.GetItemText(nRow, nCol);
    if (m_list.Column(nCol).nEditable == 1)
        m_list.BeginCellEdit(nRow, nCol);
}

void CEditListInput::ContextMenu(QContextMenuEvent* event)
{
    CStoreErrors::Catch(&m_list, [&] {
        m_list.CloseEditor(true);
        int nCol = -1;
        int nRow = m_list.HitTest(event->pos(), &nCol);
        if (event->reason() == QContextMenuEvent::Keyboard) {
            nRow = m_list.GetFirstSelected();
            nCol = nRow >= 0 ? 0 : -1;
        }
        m_list.OnContextMenu(nRow, nCol, event->globalPos());
    });
}
