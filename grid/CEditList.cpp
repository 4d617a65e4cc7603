#include "grid/CEditList.h"

#include "grid/CEditListDelegate.h"
#include "grid/CEditListColumnSizer.h"
#include "grid/CEditListDragDrop.h"
#include "grid/CEditListEditController.h"
#include "grid/CEditListInput.h"
#include "grid/CellSort.h"
#include "ui/CSortHeaderCtrl.h"
#include "ui/CStoreErrors.h"

#include <QVBoxLayout>

namespace {

// A cell narrower than this gets no editor: there would be nothing to see.
constexpr int MinEditWidth = 10;

} // namespace

CEditList::CEditList(QWidget* parent)
    : QWidget(parent)
    , m_pView(new CEditListView(*this))
    , m_pModel(new CEditListModel(this))
    , m_pDelegate(new CEditListDelegate(this))
    , m_pHeader(new CSortHeaderCtrl(m_pView))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pView);
    setFocusProxy(m_pView);

    m_pView->setHeader(m_pHeader);
    m_pView->setModel(m_pModel);
    m_pView->setItemDelegate(m_pDelegate);

    m_pHeader->setStretchLastSection(false);
    m_pHeader->setSectionsMovable(false);
    m_pHeader->setMinimumSectionSize(0);
    m_pHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pHeader->setSectionsClickable(m_bSortEnabled);

    connect(m_pHeader, &QHeaderView::sectionClicked, this, [this](int nCol) {
        if (m_bSortEnabled)
            CStoreErrors::Catch(this, [&] { SortByColumn(nCol); });
    });
    connect(m_pView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CEditList::OnSelectionModelChanged);
    m_pSizer = std::make_unique<CEditListColumnSizer>(*this, *m_pView, *m_pModel, *m_pHeader);
    connect(m_pHeader, &QHeaderView::sectionResized, this, [this](int nCol) { m_pSizer->OnSectionResized(nCol); });
    connect(m_pModel, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int nFirst, int nLast) { FitColumnsToRows(nFirst, nLast); });
    connect(m_pModel, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                FitColumnsToRows(topLeft.row(), bottomRight.row());
            });

    m_pEditing = std::make_unique<CEditListEditController>(*this, *m_pView);
    m_pDragDrop = std::make_unique<CEditListDragDrop>(*this, *m_pView);
    m_pInput = std::make_unique<CEditListInput>(*this, *m_pView);
}

CEditList::~CEditList()
{
    // The editor goes first and quietly: while the list is torn down its
    // loss of focus must not call back into it. The view and the model go
    // next, while the parts that answer their signals are still there.
    m_pEditing->Discard();
    delete m_pView;
    delete m_pModel;
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
        aligns << info.Alignment();
    }
    m_pModel->SetColumns(titles, aligns);
    for (int i = 0; i < m_columns.size(); ++i) {
        const ColumnInfo& info = m_columns[i];
        // A column of width 0 that cannot be edited only carries data: it is
        // hidden outright, so no divider lets the user widen it.
        m_pHeader->setSectionHidden(i, info.nWidth <= 0 && info.nEditable != 1);
    }
    m_pSizer->Reset();
}

double CEditList::WidthScale() const
{
    return m_pSizer->WidthScale();
}

int CEditList::ScaledWidth(int nWidth) const
{
    return m_pSizer->ScaledWidth(nWidth);
}

void CEditList::SetStretchColumn(int nCol)
{
    m_pSizer->SetStretchColumn(nCol);
}

void CEditList::FitColumnsToRows(int nFirst, int nLast)
{
    m_pSizer->FitRows(nFirst, nLast);
}

void CEditList::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_pSizer->OnResize();
}

void CEditList::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_pSizer->OnFontChange();
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
    QPalette pal = m_pView->palette();
    pal.setColor(QPalette::Base, crBackground);
    m_pView->setPalette(pal);
    viewport()->update();
}

void CEditList::SetTreeImages(bool bTreeImages)
{
    m_bTreeImages = bTreeImages;
    viewport()->update();
}

void CEditList::SetMultipleSelection(bool bMultiple)
{
    m_pView->setSelectionMode(bMultiple ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
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
    // Left to the nearest cell the row lets the user edit; before the first,
    // the last one of the row above (on the first row, its own last).
    const int nPrev = PrevEditableCell(nRow, nCol - 1);
    if (nPrev >= 0) {
        BeginCellEdit(nRow, nPrev);
        return;
    }
    for (int nAbove = nRow - 1; nAbove >= 0; --nAbove) {
        const int nLast = PrevEditableCell(nAbove, GetColumnCount() - 1);
        if (nLast >= 0) {
            BeginCellEdit(nAbove, nLast);
            return;
        }
    }
    if (nRow == 0) {
        const int nLast = PrevEditableCell(0, GetColumnCount() - 1);
        if (nLast >= 0 && nLast != nCol)
            BeginCellEdit(0, nLast);
    }
}

void CEditList::EditNextCell(int nRow, int nCol)
{
    // Right to the nearest cell the row lets the user edit; past the last,
    // the first one of the next row. After the last row nothing opens.
    const int nNext = NextEditableCell(nRow, nCol + 1);
    if (nNext >= 0) {
        BeginCellEdit(nRow, nNext);
        return;
    }
    for (int nBelow = nRow + 1; nBelow < GetItemCount(); ++nBelow) {
        const int nFirst = NextEditableCell(nBelow, 0);
        if (nFirst >= 0) {
            BeginCellEdit(nBelow, nFirst);
            return;
        }
    }
}

int CEditList::NextEditableCell(int nRow, int nFrom)
{
    for (int nCol = qMax(0, nFrom); nCol < GetColumnCount(); ++nCol) {
        if (CanEditCell(nRow, nCol))
            return nCol;
    }
    return -1;
}

int CEditList::PrevEditableCell(int nRow, int nFrom)
{
    for (int nCol = qMin(nFrom, GetColumnCount() - 1); nCol >= 0; --nCol) {
        if (CanEditCell(nRow, nCol))
            return nCol;
    }
    return -1;
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

bool CEditList::CanEditCell(int nRow, int nCol)
{
    if (!m_bEditEnabled || !m_pModel->IsRow(nRow) || nCol < 0 || nCol >= GetColumnCount() || nCol >= m_pHeader->count())
        return false;
    return Column(nCol).nEditable == 1 && !m_pHeader->isSectionHidden(nCol)
        && m_pHeader->sectionSize(nCol) >= MinEditWidth;
}

void CEditList::OnContextMenu(int, int, const QPoint&)
{
}

// ---- Rows ------------------------------------------------------------------

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

void CEditList::DeleteAllItems()
{
    CloseEditor(false);
    m_pModel->Clear();
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
    const QModelIndex index = m_pView->indexAt(pt);
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

bool CEditList::IsEditing() const
{
    return m_pEditing->IsEditing();
}

QWidget* CEditList::Editor() const
{
    return m_pEditing->EditorWidget();
}

void CEditList::CancelCellEdit()
{
    CloseEditor(true);
}

// ---- Editing -----------------------------------------------------------------

void CEditList::OpenEditor(int nRow, int nCol)
{
    m_pEditing->Open(nRow, nCol);
}

void CEditList::CloseEditor(bool bRestore)
{
    m_pEditing->Close(bRestore);
}

// The editors call these from their key and focus handlers: the edge where
// a store error of the list's operations stops.

void CEditList::EditorCommit(CInPlaceEditor* pEditor, EditorMove move)
{
    CStoreErrors::Catch(this, [&] { m_pEditing->Commit(pEditor, move); });
}

void CEditList::EditorPage(CInPlaceEditor* pEditor, bool bUp)
{
    CStoreErrors::Catch(this, [&] { m_pEditing->Page(pEditor, bUp); });
}

void CEditList::EditorCancel(CInPlaceEditor* pEditor)
{
    CStoreErrors::Catch(this, [&] { m_pEditing->Cancel(pEditor); });
}

void CEditList::EditorFocusLost(CInPlaceEditor* pEditor)
{
    CStoreErrors::Catch(this, [&] { m_pEditing->FocusLost(pEditor); });
}

void CEditList::WidenEditor(QWidget* pEditor, int nWantedWidth)
{
    m_pEditing->Widen(pEditor, nWantedWidth);
}

// ---- Sorting -----------------------------------------------------------------

void CEditList::SortItems(int nCol, bool bAscending)
{
    CloseEditor(true);
    const int nCount = GetItemCount();
    if (nCount < 2)
        return;
    m_pModel->Reorder(CellSortOrder(nCount, [&](int nRow) { return GetItemText(nRow, nCol); }, Column(nCol).nKind,
                                    bAscending));
}

// ---- Keyboard and mouse ----------------------------------------------------------

bool CEditList::event(QEvent* event)
{
    // The list gets events while its parts are still being made.
    if (m_pInput && m_pInput->PassesUp(event)) {
        event->ignore();
        return false;
    }
    return QWidget::event(event);
}

void CEditList::keyPressEvent(QKeyEvent* event)
{
    m_pInput->KeyPress(event);
}

void CEditList::keyReleaseEvent(QKeyEvent* event)
{
    m_pInput->KeyRelease(event);
}

void CEditList::mousePressEvent(QMouseEvent* event)
{
    m_pInput->MousePress(event);
}

void CEditList::mouseMoveEvent(QMouseEvent* event)
{
    m_pInput->MouseMove(event);
}

void CEditList::mouseReleaseEvent(QMouseEvent* event)
{
    m_pInput->MouseRelease(event);
}

void CEditList::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_pInput->MouseDoubleClick(event);
}

void CEditList::contextMenuEvent(QContextMenuEvent* event)
{
    m_pInput->ContextMenu(event);
}

int CEditList::CurrentColumn() const
{
    return m_pInput->CurrentColumn();
}

void CEditList::SetCurrentColumn(int nCol)
{
    m_pInput->SetCurrentColumn(nCol);
}

bool CEditList::EditCurrentCell()
{
    return m_pInput->EditCurrentCell();
}

void CEditList::EnsureColumnVisible(int nCol)
{
    m_pInput->EnsureColumnVisible(nCol);
}

// ---- Drag and drop ---------------------------------------------------------------

int CEditList::DropTarget() const
{
    return m_pDragDrop->DropTarget();
}

bool CEditList::IsDragging() const
{
    return m_pDragDrop->IsDragging();
}
