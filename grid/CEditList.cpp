#include "grid/CEditList.h"

#include "grid/CEditListDelegate.h"
#include "grid/CEditListModel.h"
#include "grid/CInPlaceDate.h"
#include "grid/CInPlaceEdit.h"
#include "grid/CInPlaceFreeEdit.h"
#include "grid/CellSort.h"
#include "ui/CSortHeaderCtrl.h"

#include <QApplication>
#include <QCollator>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <numeric>

namespace {

// A cell narrower than this gets no editor: there would be nothing to see.
constexpr int MinEditWidth = 10;
constexpr int ScrollInterval = 100;
// Formula rows of the measurement grid carry "3" in this column; their text
// cells take any character.
constexpr int FormulaKindColumn = 12;

Qt::Alignment ColumnAlignment(int nAlign)
{
    switch (nAlign) {
    case ColumnInfo::Right:
        return Qt::AlignRight;
    case ColumnInfo::Center:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

CEditList::CEditList(QWidget* parent)
    : QTreeView(parent)
    , m_pModel(new CEditListModel(this))
    , m_pDelegate(new CEditListDelegate(this))
    , m_pHeader(new CSortHeaderCtrl(this))
{
    setHeader(m_pHeader);
    setModel(m_pModel);
    setItemDelegate(m_pDelegate);

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

    m_pHeader->setStretchLastSection(false);
    m_pHeader->setSectionsMovable(false);
    m_pHeader->setMinimumSectionSize(0);
    m_pHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pHeader->setSectionsClickable(m_bSortEnabled);

    connect(m_pHeader, &QHeaderView::sectionClicked, this, [this](int nCol) {
        if (m_bSortEnabled)
            SortByColumn(nCol);
    });
    // An editor stays over its cell only while the cell stays put: scrolling
    // or resizing a column takes the focus back to the list, which closes it.
    auto closeOnMove = [this] {
        if (m_pEditor) {
            setFocus(Qt::OtherFocusReason);
            CloseEditor(true);
        }
    };
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, closeOnMove);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, closeOnMove);
    connect(m_pHeader, &QHeaderView::sectionResized, this, closeOnMove);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CEditList::OnSelectionModelChanged);

    // An editor whose row goes away goes with it; one whose row moves
    // because rows came or went above it follows the row.
    connect(m_pModel, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex&, int nFirst, int nLast) {
        if (m_pEditor && m_pEditor->Row() >= nFirst && m_pEditor->Row() <= nLast)
            CloseEditor(false);
    });
    connect(m_pModel, &QAbstractItemModel::modelAboutToBeReset, this, [this] { CloseEditor(false); });
    connect(m_pModel, &QAbstractItemModel::rowsInserted, this, &CEditList::PlaceEditorLater);
    connect(m_pModel, &QAbstractItemModel::rowsRemoved, this, &CEditList::PlaceEditorLater);

    m_scrollTimer.setInterval(ScrollInterval);
    connect(&m_scrollTimer, &QTimer::timeout, this, &CEditList::OnScrollTimer);
}

CEditList::~CEditList()
{
    // The editor goes first and quietly: while the base classes are torn
    // down its loss of focus must not call back into this list.
    if (m_pEditor) {
        QWidget* pWidget = m_pEditor->Widget();
        m_pEditor = nullptr;
        delete pWidget;
    }
    delete m_pDragImage;
}

// ---- Columns ---------------------------------------------------------------

void CEditList::SetColumnCount(int nCount)
{
    m_columns = QVector<ColumnInfo>(qMax(0, nCount));
}

ColumnInfo& CEditList::Column(int nCol)
{
    static ColumnInfo spare;
    if (nCol < 0 || nCol >= m_columns.size()) {
        spare = ColumnInfo();
        return spare;
    }
    return m_columns[nCol];
}

const ColumnInfo& CEditList::Column(int nCol) const
{
    static const ColumnInfo none;
    if (nCol < 0 || nCol >= m_columns.size())
        return none;
    return m_columns[nCol];
}

void CEditList::ApplyColumns(const ColumnSpec* pColumns, int nCount)
{
    SetColumnCount(nCount);
    for (int i = 0; i < nCount; ++i) {
        const ColumnSpec& declared = pColumns[i];
        ColumnInfo& column = Column(i);
        column.strTitle = tr(declared.szTitle);
        column.nWidth = declared.nWidth;
        column.nAlign = declared.nAlign;
        column.nKind = declared.nKind;
        column.nLimit = declared.nLimit;
        column.nEditable = declared.nEditable;
    }
    ApplyColumns();
}

void CEditList::ApplyColumns()
{
    CloseEditor(true);
    QList<QString> titles;
    QList<Qt::Alignment> aligns;
    for (const ColumnInfo& info : m_columns) {
        titles << info.strTitle;
        aligns << ColumnAlignment(info.nAlign);
    }
    m_pModel->SetColumns(titles, aligns);
    for (int i = 0; i < m_columns.size(); ++i) {
        const ColumnInfo& info = m_columns[i];
        // A column of width 0 that cannot be edited only carries data: it is
        // hidden outright, so no divider lets the user widen it.
        const bool bHidden = info.nWidth <= 0 && info.nEditable != 1;
        m_pHeader->setSectionHidden(i, bHidden);
        m_pHeader->resizeSection(i, qMax(0, info.nWidth));
    }
}

void CEditList::SetSortEnabled(bool bEnabled)
{
    m_bSortEnabled = bEnabled;
    m_pHeader->setSectionsClickable(bEnabled);
}

void CEditList::SetEditEnabled(bool bEnabled)
{
    m_bEditEnabled = bEnabled;
    if (!bEnabled)
        CloseEditor(true);
}

void CEditList::SetCellColors(const QColor& crText, const QColor& crBackground)
{
    m_crText = crText;
    m_crBackground = crBackground;
}

void CEditList::SetBkColor(const QColor& crBackground)
{
    m_crBackground = crBackground;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, crBackground);
    setPalette(pal);
    viewport()->update();
}

void CEditList::SetTreeImages(bool bTreeImages)
{
    m_bTreeImages = bTreeImages;
    viewport()->update();
}

void CEditList::SetMultipleSelection(bool bMultiple)
{
    setSelectionMode(bMultiple ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

// ---- Virtual operations ------------------------------------------------------

int CEditList::GetCellFontWeight(int, int)
{
    return 400;
}

void CEditList::MoveItem(int, int)
{
}

void CEditList::SortByColumn(int nCol)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return;
    m_bSortAscending = nCol != m_nSortColumn ? true : !m_bSortAscending;
    m_nSortColumn = nCol;
    m_pHeader->SetSortImage(nCol, m_bSortAscending);
    SortItems(nCol, m_bSortAscending);
}

void CEditList::OnItemClick(int, int, int)
{
}

void CEditList::GetCellColors(int, int)
{
}

void CEditList::EditPrevCell(int nRow, int nCol)
{
    // Moving left never reaches the first column: after column 1 comes the
    // last editable column of the row above (of the first row on the first).
    const int nPrev = PrevEditableColumn(nCol - 1, 1);
    if (nPrev >= 0) {
        BeginCellEdit(nRow, nPrev);
        return;
    }
    const int nLast = LastEditableColumn();
    if (nLast >= 0)
        BeginCellEdit(nRow > 0 ? nRow - 1 : 0, nLast);
}

void CEditList::EditNextCell(int nRow, int nCol)
{
    const int nNext = NextEditableColumn(nCol + 1);
    if (nNext >= 0) {
        BeginCellEdit(nRow, nNext);
        return;
    }
    if (nRow >= GetItemCount() - 1)
        return;
    const int nFirst = NextEditableColumn(0);
    if (nFirst >= 0)
        BeginCellEdit(nRow + 1, nFirst);
}

void CEditList::OnCellEditOpened(int, int)
{
}

void CEditList::OnCellRefused(int, int)
{
}

bool CEditList::ValidateCell(int, int)
{
    return true;
}

void CEditList::OnCellEditClosed(int, int)
{
}

void CEditList::DeleteLine(int nRow, int)
{
    if (!m_pModel->IsRow(nRow))
        return;
    DeleteItem(nRow);
    const int nCount = GetItemCount();
    if (nCount == 0)
        return;
    const int nCurrent = qMin(nRow, nCount - 1);
    m_nRow = nCurrent;
    m_nCol = 0;
    SelectAndFocus(nCurrent);
}

void CEditList::InsertLine(int, int)
{
}

void CEditList::CellChanged(int nRow, int nCol)
{
    m_nRow = nRow;
    m_nCol = nCol;
}

void CEditList::BeginCellEdit(int nRow, int nCol)
{
    if (!m_bEditEnabled)
        return;
    if (!m_pModel->IsRow(nRow) || nCol < 0 || nCol >= m_pHeader->count() || nCol >= GetColumnCount())
        return;
    if (m_pHeader->isSectionHidden(nCol) || m_pHeader->sectionSize(nCol) < MinEditWidth)
        return;
    OpenEditor(nRow, nCol);
}

void CEditList::OnContextMenu(int, int, const QPoint&)
{
}

// ---- Rows ------------------------------------------------------------------

int CEditList::GetItemCount() const
{
    return m_pModel->Count();
}

int CEditList::InsertItem(int nRow, const QString& strText, int nIndent, int nImage, int nState)
{
    return InsertItem(nRow, QStringList{strText}, nIndent, nImage, nState);
}

int CEditList::InsertItem(int nRow, const QStringList& texts, int nIndent, int nImage, int nState)
{
    CEditListModel::Row row;
    row.cells = texts;
    row.nIndent = nIndent;
    row.nImage = nImage;
    row.nState = nState;
    return m_pModel->InsertRow(nRow, std::move(row));
}

bool CEditList::DeleteItem(int nRow)
{
    if (!m_pModel->IsRow(nRow))
        return false;
    m_pModel->RemoveRows(nRow, 1);
    return true;
}

void CEditList::DeleteItems(int nFirst, int nCount)
{
    m_pModel->RemoveRows(nFirst, nCount);
}

void CEditList::DeleteAllItems()
{
    CloseEditor(false);
    m_pModel->Clear();
}

QString CEditList::GetItemText(int nRow, int nCol) const
{
    return m_pModel->Text(nRow, nCol);
}

void CEditList::SetItemText(int nRow, int nCol, const QString& strText)
{
    m_pModel->SetText(nRow, nCol, strText);
}

int CEditList::GetItemIndent(int nRow) const
{
    return m_pModel->IsRow(nRow) ? m_pModel->At(nRow).nIndent : 0;
}

void CEditList::SetItemIndent(int nRow, int nIndent)
{
    m_pModel->SetIndent(nRow, nIndent);
}

int CEditList::GetItemImage(int nRow) const
{
    return m_pModel->IsRow(nRow) ? m_pModel->At(nRow).nImage : -1;
}

void CEditList::SetItemImage(int nRow, int nImage)
{
    m_pModel->SetImage(nRow, nImage);
}

int CEditList::GetItemStateImage(int nRow) const
{
    return m_pModel->IsRow(nRow) ? m_pModel->At(nRow).nState : 0;
}

void CEditList::SetItemStateImage(int nRow, int nState)
{
    m_pModel->SetState(nRow, nState);
}

qint64 CEditList::GetItemData(int nRow) const
{
    return m_pModel->IsRow(nRow) ? m_pModel->At(nRow).nData : 0;
}

void CEditList::SetItemData(int nRow, qint64 nData)
{
    m_pModel->SetData(nRow, nData);
}

int CEditList::GetFirstSelected() const
{
    int nFirst = -1;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        if (nFirst < 0 || range.top() < nFirst)
            nFirst = range.top();
    }
    return nFirst;
}

QList<int> CEditList::GetSelectedRows() const
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

int CEditList::GetSelectedCount() const
{
    return int(GetSelectedRows().size());
}

bool CEditList::IsItemSelected(int nRow) const
{
    const QItemSelection selection = selectionModel()->selection();
    return std::any_of(selection.begin(), selection.end(), [nRow](const QItemSelectionRange& range) {
        return range.top() <= nRow && nRow <= range.bottom();
    });
}

void CEditList::SelectItem(int nRow, bool bSelect)
{
    if (!m_pModel->IsRow(nRow) || GetColumnCount() == 0)
        return;
    QItemSelectionModel::SelectionFlags flags = bSelect ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
    if (bSelect && selectionMode() == QAbstractItemView::SingleSelection)
        flags = QItemSelectionModel::ClearAndSelect;
    selectionModel()->select(m_pModel->index(nRow, 0), flags | QItemSelectionModel::Rows);
}

void CEditList::SelectAll()
{
    if (GetItemCount() == 0 || m_pModel->columnCount() == 0)
        return;
    selectionModel()->select(QItemSelection(m_pModel->index(0, 0), m_pModel->index(GetItemCount() - 1, m_pModel->columnCount() - 1)),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CEditList::DeselectAll()
{
    selectionModel()->clearSelection();
}

void CEditList::SetFocusItem(int nRow)
{
    if (!m_pModel->IsRow(nRow) || m_pModel->columnCount() == 0)
        return;
    // The focus mark goes on the first shown column, so that the arrow keys
    // never scroll the list sideways towards a hidden one.
    int nCol = 0;
    while (nCol < m_pModel->columnCount() - 1 && m_pHeader->isSectionHidden(nCol))
        ++nCol;
    selectionModel()->setCurrentIndex(m_pModel->index(nRow, nCol), QItemSelectionModel::NoUpdate);
}

int CEditList::GetFocusItem() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CEditList::SelectAndFocus(int nRow)
{
    SelectItem(nRow, true);
    SetFocusItem(nRow);
}

void CEditList::EnsureVisible(int nRow)
{
    if (!m_pModel->IsRow(nRow))
        return;
    // Rows added while redraw was off are not laid out yet; the scroll range
    // must know them before it can reach them.
    executeDelayedItemsLayout();
    const int nTop = GetTopIndex();
    const int nPage = GetCountPerPage();
    QScrollBar* bar = verticalScrollBar();
    if (nRow < nTop)
        bar->setValue(nRow);
    else if (nRow >= nTop + nPage)
        bar->setValue(nRow - nPage + 1);
}

int CEditList::GetTopIndex() const
{
    return verticalScrollBar()->value();
}

int CEditList::GetCountPerPage() const
{
    return qMax(1, viewport()->height() / RowHeight());
}

int CEditList::RowHeight() const
{
    return qMax(fontMetrics().height() + 4, CEditListDelegate::ImageSize + 2);
}

void CEditList::RedrawItems(int nFirst, int nLast)
{
    nFirst = qMax(0, nFirst);
    nLast = qMin(GetItemCount() - 1, nLast);
    if (nFirst > nLast || m_pModel->columnCount() == 0)
        return;
    const QRect top = visualRect(m_pModel->index(nFirst, 0));
    const QRect bottom = visualRect(m_pModel->index(nLast, 0));
    viewport()->update(QRect(0, top.top(), viewport()->width(), bottom.bottom() - top.top() + 1));
}

void CEditList::SetRedraw(bool bRedraw)
{
    if (!bRedraw) {
        if (m_nRedrawOff++ == 0) {
            m_pModel->BeginBatch();
            setUpdatesEnabled(false);
        }
        return;
    }
    if (m_nRedrawOff == 0 || --m_nRedrawOff > 0)
        return;
    m_pModel->EndBatch();
    setUpdatesEnabled(true);
    if (m_bSelectionDirty) {
        m_bSelectionDirty = false;
        emit SelectionChanged();
    }
}

void CEditList::OnSelectionModelChanged()
{
    if (m_nRedrawOff > 0)
        m_bSelectionDirty = true;
    else
        emit SelectionChanged();
}

int CEditList::HitTest(const QPoint& pt, int* pCol, bool* pOnStateIcon) const
{
    const QModelIndex index = indexAt(pt);
    if (pCol)
        *pCol = index.isValid() ? index.column() : -1;
    if (pOnStateIcon)
        *pOnStateIcon = false;
    if (!index.isValid())
        return -1;
    if (pOnStateIcon && index.column() == 0 && m_bTreeImages) {
        // The state mark lies between the indent and the item image.
        const int nMarkLeft = m_pHeader->sectionViewportPosition(0) + GetItemIndent(index.row()) * CEditListDelegate::ImageSize;
        *pOnStateIcon = pt.x() >= nMarkLeft && pt.x() < nMarkLeft + CEditListDelegate::ImageSize;
    }
    return index.row();
}

int CEditList::TextOffset(int nRow) const
{
    int nOffset = GetItemIndent(nRow) * CEditListDelegate::ImageSize;
    if (m_bTreeImages)
        nOffset += 2 * CEditListDelegate::ImageSize;
    return nOffset;
}

QRect CEditList::EditorRect(int nRow, int nCol) const
{
    const QRect rcItem = visualRect(m_pModel->index(nRow, nCol));
    const int nCellLeft = m_pHeader->sectionViewportPosition(nCol);
    int nLeft = nCellLeft + 4;
    // The editor ends at the cell's own right edge (exclusive); in the first
    // column it starts past the indent, the mark and the image.
    const int nRight = nLeft + m_pHeader->sectionSize(nCol) - 3;
    if (nCol == 0)
        nLeft += TextOffset(nRow);
    return QRect(nLeft, rcItem.top() - 2, qMax(nRight - nLeft, MinEditWidth), rcItem.height() + 4);
}

QWidget* CEditList::Editor() const
{
    return m_pEditor ? m_pEditor->Widget() : nullptr;
}

void CEditList::CancelCellEdit()
{
    CloseEditor(true);
}

// ---- Editing -----------------------------------------------------------------

int CEditList::NextEditableColumn(int nFrom) const
{
    for (int c = qMax(0, nFrom); c < GetColumnCount(); ++c)
        if (m_columns[c].nEditable == 1)
            return c;
    return -1;
}

int CEditList::PrevEditableColumn(int nFrom, int nLowest) const
{
    for (int c = qMin(nFrom, GetColumnCount() - 1); c >= nLowest; --c)
        if (m_columns[c].nEditable == 1)
            return c;
    return -1;
}

int CEditList::LastEditableColumn() const
{
    return PrevEditableColumn(GetColumnCount() - 1, 0);
}

void CEditList::OpenEditor(int nRow, int nCol)
{
    CloseEditor(true);
    if (!m_pModel->IsRow(nRow) || nCol < 0 || nCol >= GetColumnCount())
        return;

    EnsureVisible(nRow);
    const int nCellLeft = m_pHeader->sectionViewportPosition(nCol);
    const int nCellRight = nCellLeft + m_pHeader->sectionSize(nCol);
    QScrollBar* hbar = horizontalScrollBar();
    if (nCellLeft < 0)
        hbar->setValue(hbar->value() + nCellLeft);
    else if (nCellRight > viewport()->width())
        hbar->setValue(hbar->value() + qMin(nCellLeft, nCellRight - viewport()->width()));

    m_nRow = nRow;
    m_nCol = nCol;
    SelectAndFocus(nRow);
    setFocus(Qt::OtherFocusReason);
    m_strCellText = GetItemText(nRow, nCol);

    const ColumnInfo& info = Column(nCol);
    const Qt::Alignment align = ColumnAlignment(info.nAlign);
    CInPlaceEditor* pEditor = nullptr;
    if (info.nKind == ColumnInfo::Date)
        pEditor = new CInPlaceDate(this, nRow, nCol, m_strCellText);
    else if (GetItemText(nRow, FormulaKindColumn) == QStringLiteral("3"))
        pEditor = new CInPlaceFreeEdit(this, nRow, nCol, m_strCellText, align, info.nLimit);
    else
        pEditor = new CInPlaceEdit(this, nRow, nCol, m_strCellText, info.nKind == ColumnInfo::Number, align, info.nLimit);
    m_pEditor = pEditor;

    QWidget* pWidget = pEditor->Widget();
    pWidget->setFont(font());
    const QRect rc = EditorRect(nRow, nCol);
    pWidget->setGeometry(rc);
    // A date must stay readable even over a narrow column.
    const int nWanted = pWidget->sizeHint().width();
    if (info.nKind == ColumnInfo::Date && nWanted > rc.width())
        WidenEditor(pWidget, nWanted);
    pWidget->show();
    pWidget->setFocus(Qt::OtherFocusReason);
    OnCellEditOpened(nRow, nCol);
}

void CEditList::PlaceEditorLater()
{
    // Rows may arrive by the thousand: the editor is placed once they have.
    if (!m_pEditor || m_bPlaceEditorPending)
        return;
    m_bPlaceEditorPending = true;
    QTimer::singleShot(0, this, [this] {
        m_bPlaceEditorPending = false;
        if (!m_pEditor || m_pEditor->Row() < 0)
            return;
        QWidget* pWidget = m_pEditor->Widget();
        const QRect rc = EditorRect(m_pEditor->Row(), m_pEditor->Col());
        pWidget->move(rc.topLeft());
    });
}

void CEditList::CloseEditor(bool bRestore)
{
    CInPlaceEditor* pEditor = m_pEditor;
    if (!pEditor)
        return;
    m_pEditor = nullptr;
    const int nRow = pEditor->Row();
    const int nCol = pEditor->Col();
    if (bRestore && pEditor->Validates() && nRow >= 0)
        SetItemText(nRow, nCol, m_strCellText);
    QWidget* pWidget = pEditor->Widget();
    QWidget* pFocus = QApplication::focusWidget();
    if (pFocus && (pFocus == pWidget || pWidget->isAncestorOf(pFocus)))
        setFocus(Qt::OtherFocusReason);
    pWidget->hide();
    pWidget->deleteLater();
    OnCellEditClosed(nRow, nCol);
}

bool CEditList::CommitCell(int nRow, int nCol, const QString& strText)
{
    const QString strBefore = m_strCellText;
    m_strCellText = strText;
    SetItemText(nRow, nCol, strText);
    if (!ValidateCell(nRow, nCol)) {
        // The refused text stays in the editor for the user to correct; the
        // cell and the text to restore keep what was last accepted, so that
        // Escape or a click elsewhere never leaves unsaved text in the grid.
        m_strCellText = strBefore;
        SetItemText(nRow, nCol, strBefore);
        OnCellRefused(nRow, nCol);
        return false;
    }
    m_strCellText = GetItemText(nRow, nCol);
    return true;
}

void CEditList::EditorCommit(CInPlaceEditor* pEditor, EditorMove move)
{
    if (!pEditor || pEditor != m_pEditor)
        return;
    const int nRow = pEditor->Row();
    const int nCol = pEditor->Col();
    if (nRow < 0) {
        CloseEditor(false);
        return;
    }
    const QString strText = pEditor->EditorText();
    if (pEditor->Validates()) {
        // ValidateCell may show a window and so take the focus from the
        // editor, which then goes away: pEditor is not used past this point.
        if (!CommitCell(nRow, nCol, strText))
            return;
    } else {
        m_strCellText = strText;
        SetItemText(nRow, nCol, strText);
    }
    CloseEditor(false);
    CellChanged(nRow, nCol);

    const int nLast = GetItemCount() - 1;
    switch (move) {
    case EditorMove::Stay:
        BeginCellEdit(nRow, nCol);
        break;
    case EditorMove::Next:
        EditNextCell(nRow, nCol);
        break;
    case EditorMove::Prev:
        EditPrevCell(nRow, nCol);
        break;
    case EditorMove::NextInRow: {
        const int nNext = NextEditableColumn(nCol + 1);
        if (nNext >= 0)
            BeginCellEdit(nRow, nNext);
        break;
    }
    case EditorMove::PrevInRow: {
        const int nPrev = PrevEditableColumn(nCol - 1, 0);
        if (nPrev >= 0)
            BeginCellEdit(nRow, nPrev);
        break;
    }
    case EditorMove::Up:
        RedrawItems(nRow - 1, nRow + 1);
        if (nRow > 0)
            BeginCellEdit(nRow - 1, nCol);
        break;
    case EditorMove::Down:
        RedrawItems(nRow - 1, nRow + 1);
        if (nRow < nLast)
            BeginCellEdit(nRow + 1, nCol);
        break;
    case EditorMove::First:
        BeginCellEdit(0, nCol);
        break;
    case EditorMove::Last:
        if (nLast >= 0)
            BeginCellEdit(nLast, nCol);
        break;
    }
}

void CEditList::EditorPage(CInPlaceEditor* pEditor, bool bUp)
{
    if (!pEditor || pEditor != m_pEditor)
        return;
    const int nRow = pEditor->Row();
    const int nCol = pEditor->Col();
    CloseEditor(true);
    if (nRow < 0 || GetItemCount() == 0)
        return;
    const int nPage = GetCountPerPage();
    const int nTarget = bUp ? qMax(0, nRow - nPage) : qMin(GetItemCount() - 1, nRow + nPage);
    BeginCellEdit(nTarget, nCol);
}

void CEditList::EditorCancel(CInPlaceEditor* pEditor)
{
    if (!pEditor || pEditor != m_pEditor)
        return;
    CloseEditor(true);
    setFocus(Qt::OtherFocusReason);
}

void CEditList::EditorFocusLost(CInPlaceEditor* pEditor)
{
    if (pEditor && pEditor == m_pEditor)
        CloseEditor(true);
}

void CEditList::WidenEditor(QWidget* pEditor, int nWantedWidth)
{
    if (!pEditor || nWantedWidth <= pEditor->width())
        return;
    const int nRoom = viewport()->width() - pEditor->x();
    const int nWidth = qMin(nWantedWidth, nRoom);
    if (nWidth > pEditor->width())
        pEditor->resize(nWidth, pEditor->height());
}

// ---- Sorting -----------------------------------------------------------------

void CEditList::SortItems(int nCol, bool bAscending)
{
    CloseEditor(true);
    const int nCount = GetItemCount();
    if (nCount < 2)
        return;
    std::vector<int> order(static_cast<size_t>(nCount));
    std::iota(order.begin(), order.end(), 0);

    // Keys are worked out once per row: a sort of tens of thousands of rows
    // compares each row many times.
    auto sortBy = [&](const auto& keys, auto less) {
        if (bAscending)
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(keys[size_t(a)], keys[size_t(b)]); });
        else
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(keys[size_t(b)], keys[size_t(a)]); });
    };
    switch (Column(nCol).nKind) {
    case ColumnInfo::Number: {
        std::vector<double> keys(static_cast<size_t>(nCount));
        for (int i = 0; i < nCount; ++i)
            keys[size_t(i)] = NumberCellKey(GetItemText(i, nCol));
        sortBy(keys, std::less<double>());
        break;
    }
    case ColumnInfo::Date: {
        std::vector<qint64> keys(static_cast<size_t>(nCount));
        for (int i = 0; i < nCount; ++i)
            keys[size_t(i)] = DateCellKey(GetItemText(i, nCol));
        sortBy(keys, std::less<qint64>());
        break;
    }
    default: {
        // Without a language of its own (the C locale) the list still sorts
        // as a Spanish user expects, accented letters with their base letter.
        QCollator collator(QLocale().language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : QLocale());
        std::vector<QCollatorSortKey> keys;
        keys.reserve(size_t(nCount));
        for (int i = 0; i < nCount; ++i) {
            const QString strText = GetItemText(i, nCol);
            keys.push_back(collator.sortKey(strText.isEmpty() ? QStringLiteral(" ") : strText));
        }
        sortBy(keys, [](const QCollatorSortKey& a, const QCollatorSortKey& b) { return a.compare(b) < 0; });
        break;
    }
    }
    m_pModel->Reorder(order);
}

// ---- Keyboard and mouse ----------------------------------------------------------

void CEditList::keyPressEvent(QKeyEvent* event)
{
    if (m_bDragging) {
        if (event->key() == Qt::Key_Escape)
            EndDrag(false);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Insert: {
        m_nRow = GetFirstSelected();
        m_nCol = 0;
        InsertLine(m_nRow, 0);
        return;
    }
    case Qt::Key_Delete: {
        const int nRow = GetFirstSelected();
        if (nRow >= 0) {
            m_nRow = nRow;
            m_nCol = 0;
            DeleteLine(nRow, 0);
        }
        return;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        QTreeView::keyPressEvent(event);
        const int nRow = GetFirstSelected();
        m_nRow = nRow;
        m_nCol = 0;
        if (nRow >= 0)
            OnItemClick(nRow, 0, 0);
        return;
    }
    default:
        QTreeView::keyPressEvent(event);
    }
}

void CEditList::mousePressEvent(QMouseEvent* event)
{
    CloseEditor(true);
    m_bNoClick = false;
    m_ptPress = event->position().toPoint();
    m_bPressed = event->button() == Qt::LeftButton && indexAt(m_ptPress).isValid();
    m_aDragRows.clear();
    QTreeView::mousePressEvent(event);
}

void CEditList::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pt = event->position().toPoint();
    if (m_bDragging) {
        DragMove(pt);
        return;
    }
    if (m_bPressed && (event->buttons() & Qt::LeftButton) && m_bRowDragEnabled) {
        // Rows are dragged, never swept over to change the selection.
        if ((pt - m_ptPress).manhattanLength() >= QApplication::startDragDistance()) {
            m_bPressed = false;
            m_bNoClick = true; // the release that ends a drag is no click
            BeginDrag(pt);
        }
        return;
    }
    QTreeView::mouseMoveEvent(event);
}

void CEditList::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_bDragging) {
        EndDrag(true);
        m_bNoClick = false;
        return;
    }
    const bool bClick = event->button() == Qt::LeftButton && !m_bNoClick;
    m_bPressed = false;
    m_bNoClick = false;
    QTreeView::mouseReleaseEvent(event);
    if (!bClick)
        return;
    int nCol = -1;
    bool bOnState = false;
    const int nRow = HitTest(event->position().toPoint(), &nCol, &bOnState);
    if (nRow >= 0)
        OnItemClick(nRow, nCol, bOnState ? 1 : 0);
}

void CEditList::mouseDoubleClickEvent(QMouseEvent* event)
{
    CloseEditor(true);
    QTreeView::mouseDoubleClickEvent(event);
    m_bNoClick = true;
    if (event->button() != Qt::LeftButton)
        return;
    int nCol = -1;
    const int nRow = HitTest(event->position().toPoint(), &nCol);
    if (nRow < 0)
        return;
    m_strCellText = GetItemText(nRow, nCol);
    if (Column(nCol).nEditable == 1)
        BeginCellEdit(nRow, nCol);
}

void CEditList::contextMenuEvent(QContextMenuEvent* event)
{
    CloseEditor(true);
    int nCol = -1;
    int nRow = HitTest(event->pos(), &nCol);
    if (event->reason() == QContextMenuEvent::Keyboard) {
        nRow = GetFirstSelected();
        nCol = nRow >= 0 ? 0 : -1;
    }
    OnContextMenu(nRow, nCol, event->globalPos());
}

// ---- Drag and drop ---------------------------------------------------------------

void CEditList::BeginDrag(const QPoint& pt)
{
    m_aDragRows.clear();
    const int nFirst = GetFirstSelected();
    // The first row is the root of the tree lists: it never moves.
    if (nFirst <= 0)
        return;
    m_nDragSource = nFirst;
    m_aDragRows = GetSelectedRows();

    // The drag image: the selected rows as shown, faded.
    const int nWidth = qMin(viewport()->width(), 420);
    QList<QPixmap> strips;
    for (int nRow : std::as_const(m_aDragRows)) {
        const QRect rcRow = visualRect(m_pModel->index(nRow, 0));
        const QRect rcStrip(0, rcRow.top(), nWidth, rcRow.height());
        if (rcStrip.intersects(viewport()->rect()))
            strips << viewport()->grab(rcStrip);
        if (strips.size() == 8)
            break;
    }
    int nHeight = 0;
    for (const QPixmap& strip : std::as_const(strips))
        nHeight += strip.height();
    QPixmap image(qMax(nWidth, 1), qMax(nHeight, RowHeight()));
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setOpacity(0.6);
        int y = 0;
        for (const QPixmap& strip : std::as_const(strips)) {
            painter.drawPixmap(0, y, strip);
            y += strip.height();
        }
    }
    m_pDragImage = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    m_pDragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pDragImage->setAttribute(Qt::WA_ShowWithoutActivating);
    m_pDragImage->setAttribute(Qt::WA_TranslucentBackground);
    m_pDragImage->setPixmap(image);
    m_pDragImage->resize(image.size());
    m_ptDragHotSpot = QPoint(pt.x(), pt.y() - visualRect(m_pModel->index(nFirst, 0)).top());

    m_bDragging = true;
    m_nDropTarget = -1;
    m_pDragImage->show();
    DragMove(pt);
}

void CEditList::DragMove(const QPoint& pt)
{
    if (m_pDragImage)
        m_pDragImage->move(viewport()->mapToGlobal(pt - m_ptDragHotSpot));

    const int nHeight = viewport()->height();
    if (pt.y() >= 0 && pt.y() < nHeight) {
        // Only the height of the pointer counts: the row is found at the
        // list's left edge, wherever the pointer is sideways.
        int nRow = indexAt(QPoint(8, pt.y())).row();
        if (nRow < 0)
            nRow = GetItemCount(); // below the last row
        SetDropTarget(nRow);
        m_nRow = qMin(nRow, GetItemCount() - 1);
    }

    const int nDirection = pt.y() < 0 ? -1 : (pt.y() >= nHeight ? 1 : 0);
    if (nDirection != m_nScrollDirection) {
        m_nScrollDirection = nDirection;
        if (nDirection == 0)
            m_scrollTimer.stop();
        else
            m_scrollTimer.start();
    }
}

void CEditList::OnScrollTimer()
{
    if (!m_bDragging || m_nScrollDirection == 0) {
        m_scrollTimer.stop();
        return;
    }
    const int nCount = GetItemCount();
    if (nCount == 0)
        return;
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + m_nScrollDirection);
    int nTarget = m_nDropTarget;
    if (m_nScrollDirection < 0)
        nTarget = (nTarget < 0 || nTarget >= nCount) ? GetTopIndex() : nTarget - 1;
    else
        nTarget = nTarget < 0 ? GetTopIndex() + GetCountPerPage() - 1 : nTarget + 1;
    SetDropTarget(qBound(0, nTarget, nCount - 1));
    m_nRow = m_nDropTarget;
}

void CEditList::SetDropTarget(int nRow)
{
    if (nRow == m_nDropTarget)
        return;
    m_nDropTarget = nRow;
    viewport()->update();
}

void CEditList::EndDrag(bool bDrop)
{
    m_scrollTimer.stop();
    m_nScrollDirection = 0;
    delete m_pDragImage;
    m_pDragImage = nullptr;
    m_bDragging = false;
    int nTarget = m_nDropTarget;
    SetDropTarget(-1);
    const int nSource = m_nDragSource;
    m_nDragSource = -1;
    // A pointer that never passed over the rows drops nothing.
    if (!bDrop || nTarget < 0 || GetItemCount() == 0)
        return;
    if (nTarget >= GetItemCount())
        nTarget = GetItemCount() - 1;
    MoveItem(nSource, nTarget);
}
