#include "grid/CEditListEditController.h"

#include "grid/CEditListModel.h"
#include "grid/CEditListView.h"
#include "grid/CInPlaceDate.h"
#include "grid/CInPlaceEdit.h"
#include "grid/CInPlaceFreeEdit.h"
#include "ui/CSortHeaderCtrl.h"
#include "ui/CStoreErrors.h"

#include <QApplication>
#include <QScrollBar>
#include <QTimer>

namespace {

// Formula rows of the measurement grid carry "3" in this column; their text
// cells take any character.
constexpr int FormulaKindColumn = 12;

} // namespace

CEditListEditController::CEditListEditController(CEditList& list, CEditListView& view)
    : m_list(list)
    , m_view(view)
{
    // An editor stays over its cell only while the cell stays put: scrolling
    // or resizing a column takes the focus back to the list, which closes it.
    // Closing tells the list (OnCellEditClosed), which may reach the store:
    // these slots are where its errors stop.
    auto closeOnMove = [this] {
        if (m_pEditor) {
            m_list.setFocus(Qt::OtherFocusReason);
            CStoreErrors::Catch(&m_list, [this] { Close(true); });
        }
    };
    QObject::connect(view.verticalScrollBar(), &QScrollBar::valueChanged, &list, closeOnMove);
    QObject::connect(view.horizontalScrollBar(), &QScrollBar::valueChanged, &list, closeOnMove);
    QObject::connect(view.header(), &QHeaderView::sectionResized, &list, closeOnMove);

    // An editor whose row goes away goes with it; one whose row moves
    // because rows came or went above it follows the row.
    CEditListModel* model = list.RowModel();
    QObject::connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, &list,
                     [this](const QModelIndex&, int nFirst, int nLast) {
                         if (m_pEditor && m_pEditor->Row() >= nFirst && m_pEditor->Row() <= nLast)
                             CStoreErrors::Catch(&m_list, [this] { Close(false); });
                     });
    QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, &list,
                     [this] { CStoreErrors::Catch(&m_list, [this] { Close(false); }); });
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &list, [this] { PlaceLater(); });
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, &list, [this] { PlaceLater(); });
}

QWidget* CEditListEditController::EditorWidget() const
{
    return m_pEditor ? m_pEditor->Widget() : nullptr;
}

void CEditListEditController::Open(int nRow, int nCol)
{
    Close(true);
    if (!m_list.RowModel()->IsRow(nRow) || nCol < 0 || nCol >= m_list.GetColumnCount())
        return;

    m_list.EnsureVisible(nRow);
    m_list.EnsureColumnVisible(nCol);

    m_list.m_nRow = nRow;
    m_list.m_nCol = nCol;
    m_list.SetCurrentColumn(nCol);
    m_list.SelectAndFocus(nRow);
    m_list.setFocus(Qt::OtherFocusReason);
    m_list.m_strCellText = m_list.GetItemText(nRow, nCol);

    const ColumnInfo& info = m_list.Column(nCol);
    const Qt::Alignment align = info.Alignment();
    CInPlaceEditor* pEditor = nullptr;
    if (info.nKind == ColumnInfo::Date)
        pEditor = new CInPlaceDate(&m_list, nRow, nCol, m_list.m_strCellText);
    else if (m_list.GetItemText(nRow, FormulaKindColumn) == QStringLiteral("3"))
        pEditor = new CInPlaceFreeEdit(&m_list, nRow, nCol, m_list.m_strCellText, align, info.nLimit);
    else
        pEditor = new CInPlaceEdit(&m_list, nRow, nCol, m_list.m_strCellText, info.nKind == ColumnInfo::Number, align,
                                   info.nLimit);
    m_pEditor = pEditor;

    QWidget* pWidget = pEditor->Widget();
    pWidget->setFont(m_list.font());
    const QRect rc = m_list.EditorRect(nRow, nCol);
    pWidget->setGeometry(rc);
    // A date must stay readable even over a narrow column.
    const int nWanted = pWidget->sizeHint().width();
    if (info.nKind == ColumnInfo::Date && nWanted > rc.width())
        Widen(pWidget, nWanted);
    pWidget->show();
    pWidget->setFocus(Qt::OtherFocusReason);
    m_list.OnCellEditOpened(nRow, nCol);
}

void CEditListEditController::PlaceLater()
{
    // Rows may arrive by the thousand: the editor is placed once they have.
    if (!m_pEditor || m_bPlacePending)
        return;
    m_bPlacePending = true;
    QTimer::singleShot(0, &m_list, [this] {
        m_bPlacePending = false;
        if (!m_pEditor || m_pEditor->Row() < 0)
            return;
        QWidget* pWidget = m_pEditor->Widget();
        const QRect rc = m_list.EditorRect(m_pEditor->Row(), m_pEditor->Col());
        pWidget->move(rc.topLeft());
    });
}

void CEditListEditController::Close(bool bRestore)
{
    CInPlaceEditor* pEditor = m_pEditor;
    if (!pEditor)
        return;
    m_pEditor = nullptr;
    const int nRow = pEditor->Row();
    const int nCol = pEditor->Col();
    if (bRestore && pEditor->Validates() && nRow >= 0)
        m_list.SetItemText(nRow, nCol, m_list.m_strCellText);
    QWidget* pWidget = pEditor->Widget();
    QWidget* pFocus = QApplication::focusWidget();
    if (pFocus && (pFocus == pWidget || pWidget->isAncestorOf(pFocus)))
        m_list.setFocus(Qt::OtherFocusReason);
    pWidget->hide();
    pWidget->deleteLater();
    m_list.OnCellEditClosed(nRow, nCol);
}

void CEditListEditController::Discard()
{
    if (!m_pEditor)
        return;
    QWidget* pWidget = m_pEditor->Widget();
    m_pEditor = nullptr;
    delete pWidget;
}

bool CEditListEditController::CommitCell(int nRow, int nCol, const QString& strText)
{
    const QString strBefore = m_list.m_strCellText;
    m_list.m_strCellText = strText;
    m_list.SetItemText(nRow, nCol, strText);
    if (!m_list.ValidateCell(nRow, nCol)) {
        // The refused text stays in the editor for the user to correct; the
        // cell and the text to restore keep what was last accepted, so that
        // Escape or a click elsewhere never leaves unsaved text in the grid.
        m_list.m_strCellText = strBefore;
        m_list.SetItemText(nRow, nCol, strBefore);
        m_list.OnCellRefused(nRow, nCol);
        return false;
    }
    m_list.m_strCellText = m_list.GetItemText(nRow, nCol);
    return true;
}

void CEditListEditController::Commit(CInPlaceEditor* pEditor, CEditList::EditorMove move)
{
    if (!pEditor || pEditor != m_pEditor)
        return;
    const int nRow = pEditor->Row();
    const int nCol = pEditor->Col();
    if (nRow < 0) {
        Close(false);
        return;
    }
    const QString strText = pEditor->EditorText();
    if (pEditor->Validates()) {
        // ValidateCell may show a window and so take the focus from the
        // editor, which then goes away: pEditor is not used past this point.
        if (!CommitCell(nRow, nCol, strText))
            return;
    } else {
        m_list.m_strCellText = strText;
        m_list.SetItemText(nRow, nCol, strText);
    }
    Close(false);
    m_list.CellChanged(nRow, nCol);
    MoveAfterCommit(nRow, nCol, move);
}

void CEditListEditController::MoveAfterCommit(int nRow, int nCol, CEditList::EditorMove move)
{
    using Move = CEditList::EditorMove;
    const int nLast = m_list.GetItemCount() - 1;
    switch (move) {
    case Move::Stay:
        m_list.BeginCellEdit(nRow, nCol);
        break;
    case Move::Next:
        m_list.EditNextCell(nRow, nCol);
        break;
    case Move::Prev:
        m_list.EditPrevCell(nRow, nCol);
        break;
    case Move::NextInRow: {
        const int nNext = m_list.NextEditableCell(nRow, nCol + 1);
        if (nNext >= 0)
            m_list.BeginCellEdit(nRow, nNext);
        break;
    }
    case Move::PrevInRow: {
        const int nPrev = m_list.PrevEditableCell(nRow, nCol - 1);
        if (nPrev >= 0)
            m_list.BeginCellEdit(nRow, nPrev);
        break;
    }
    case Move::Up:
        m_list.RedrawItems(nRow - 1, nRow + 1);
        if (nRow > 0)
            m_list.BeginCellEdit(nRow - 1, nCol);
        break;
    case Move::Down:
        m_list.RedrawItems(nRow - 1, nRow + 1);
        if (nRow < nLast)
            m_list.BeginCellEdit(nRow + 1, nCol);
        break;
    case Move::First:
        m_list.BeginCellEdit(0, nCol);
        break;
    case Move::Last:
        if (nLast >= 0)
            m_list.BeginCellEdit(nLast, nCol);
        break;
    }
}

void CEditListEditController::Page(CInPlaceEditor* pEditor, bool bUp)
{
    if (!pEditor || pEditor != m_pEditor)
        return;
    const int nRow = pEditor->Row();
    const int nCol = pEditor->Col();
    Close(true);
    if (nRow < 0 || m_list.GetItemCount() == 0)
        return;
    const int nPage = m_list.GetCountPerPage();
    const int nTarget = bUp ? qMax(0, nRow - nPage) : qMin(m_list.GetItemCount() - 1, nRow + nPage);
    m_list.BeginCellEdit(nTarget, nCol);
}

void CEditListEditController::Cancel(CInPlaceEditor* pEditor)
{
    if (!pEditor || pEditor != m_pEditor)
        return;
    Close(true);
    m_list.setFocus(Qt::OtherFocusReason);
}

void CEditListEditController::FocusLost(CInPlaceEditor* pEditor)
{
    if (pEditor && pEditor == m_pEditor)
        Close(true);
}

void CEditListEditController::Widen(QWidget* pEditor, int nWantedWidth)
{
    if (!pEditor || nWantedWidth <= pEditor->width())
        return;
    const int nRoom = m_view.viewport()->width() - pEditor->x();
    const int nWidth = qMin(nWantedWidth, nRoom);
    if (nWidth > pEditor->width())
        pEditor->resize(nWidth, pEditor->height());
}
