#include "budget/CArticulosList.h"

#include "app/CContextMenus.h"
#include "app/CommandIds.h"
#include "budget/CBudgetRow.h"
#include "budget/CEditingService.h"
#include "budget/CLineClipboard.h"
#include "budget/CLineListHost.h"
#include "budget/CLineRows.h"
#include "store/CLineSet.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/NumberText.h"
#include "grid/CRedrawGuard.h"
#include "ui/CWaitCursor.h"

#include <QMenu>

namespace {

bool IsNumberColumn(int nCol)
{
    return nCol == CBudgetRow::Precio || nCol == CBudgetRow::Factor || nCol == CBudgetRow::Rendimiento;
}

} // namespace

CArticulosList::CArticulosList(QWidget* parent)
    : CEditList(parent)
{
    SetTreeImages(true);
    SetMultipleSelection(false);
}

CArticulosList::~CArticulosList() = default;

void CArticulosList::Attach(CLineListHost* pHost, CLineSet* pLines)
{
    m_pHost = pHost;
    m_pLines = pLines;
}

std::vector<ColumnSpec> CArticulosList::Columns() const
{
    // Width 0 hides a column that still holds the line's data.
    return {
        {QT_TRANSLATE_NOOP("CEditList", "Código"), 180, ColumnInfo::Left, ColumnInfo::Text, 19, 1},
        {QT_TRANSLATE_NOOP("CEditList", "Nivel"), 0, ColumnInfo::Right, ColumnInfo::Number, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Desglose"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Unidad"), 60, ColumnInfo::Left, ColumnInfo::Text, 8, 1},
        {QT_TRANSLATE_NOOP("CEditList", "Descripción"), 320, ColumnInfo::Left, ColumnInfo::Text, 255, 1},
        {QT_TRANSLATE_NOOP("CEditList", "Descripción larga"), 0, ColumnInfo::Left, ColumnInfo::Text, 40000, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Precio"), 150, ColumnInfo::Right, ColumnInfo::Number, 0, 1},
        {QT_TRANSLATE_NOOP("CEditList", "Factor"), 0, ColumnInfo::Right, ColumnInfo::Number, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Cantidad"), 80, ColumnInfo::Right, ColumnInfo::Number, 0, 1},
        {QT_TRANSLATE_NOOP("CEditList", "Fecha"), 0, ColumnInfo::Center, ColumnInfo::Date, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Tipo 1"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Tipo 2"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Subtotal"), 150, ColumnInfo::Right, ColumnInfo::Number, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Imagen"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Código"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "NumLin"), 0, ColumnInfo::Right, ColumnInfo::Number, 0, 0},
    };
}

void CArticulosList::SetupColumns()
{
    const std::vector<ColumnSpec> columns = Columns();
    ApplyColumns(columns.data(), int(columns.size()));
    SetStretchColumn(CBudgetRow::Nombre);
    SetSortEnabled(false);
    SetEditEnabled(true);
}

QStringList CArticulosList::RowTexts(const CLineRecord& line) const
{
    return CBudgetRow::Texts(line);
}

long CArticulosList::RowLine(int nRow) const
{
    return GetItemText(nRow, CBudgetRow::NumLin).toLong();
}

long CArticulosList::RowLevel(int nRow) const
{
    return GetItemText(nRow, CBudgetRow::Nivel).toLong();
}

bool CArticulosList::IsDecomposed(int nRow) const
{
    return GetItemText(nRow, CBudgetRow::Desglose) == QStringLiteral("S");
}

bool CArticulosList::IsChapterRow(int nRow) const
{
    return CBudgetRow::IsChapter(GetItemText(nRow, CBudgetRow::Codigo));
}

bool CArticulosList::IsFolderRow(int nRow) const
{
    return IsDecomposed(nRow) && !IsChapterRow(nRow);
}

int CArticulosList::RowOfLine(long nLine) const
{
    for (int row = 0; row < GetItemCount(); ++row) {
        if (RowLine(row) == nLine)
            return row;
    }
    return -1;
}

bool CArticulosList::HasMeasurements(int nRow) const
{
    return (GetItemData(nRow) & CLineRows::Measured) != 0;
}

CLineRows CArticulosList::Rows() const
{
    return CLineRows(*m_pLines->m_pDatabase, m_pHost->Service().Table(),
                     [this](const CLineRecord& line) { return RowTexts(line); });
}

bool CArticulosList::PositionRow(int nRow)
{
    m_pLines->SetAbsolutePosition(RowLine(nRow));
    return !m_pLines->IsEOF() && !m_pLines->IsBOF() && !m_pLines->IsDeleted();
}

bool CArticulosList::Guard(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const CDBException& e) {
        m_pHost->ReloadAfterError(e);
    } catch (const CEditRefused& e) {
        m_pHost->ShowRefusal(e.m_strMessage);
        try {
            RefreshAmountCells();
        } catch (const CDBException& error) {
            m_pHost->ReloadAfterError(error);
        }
    }
    return false;
}

// Rows ---------------------------------------------------------------------

void CArticulosList::LoadTree(int nMaxLevel)
{
    RowModel()->InsertRows(GetItemCount(), Rows().Tree(nMaxLevel));
}

int CArticulosList::InsertRowForLine(int nRow, long nLine, int nImage, int nState)
{
    std::optional<CLineRows::Row> row = Rows().Line(nLine, nImage, nState);
    if (!row)
        return -1;
    return RowModel()->InsertRow(nRow, std::move(*row));
}

void CArticulosList::ShiftLineNumbers(int nFromRow, long nDelta)
{
    for (int row = nFromRow; row < GetItemCount(); ++row)
        SetItemText(row, CBudgetRow::NumLin, QString::number(RowLine(row) + nDelta));
}

void CArticulosList::SetRowTexts(int nRow, const QStringList& texts)
{
    for (int col = 0; col < texts.size(); ++col) {
        if (GetItemText(nRow, col) != texts[col])
            SetItemText(nRow, col, texts[col]);
    }
}

void CArticulosList::SelectRow(int nRow)
{
    if (nRow < 0 || nRow >= GetItemCount())
        return;
    DeselectAll();
    SelectAndFocus(nRow);
    EnsureVisible(nRow);
    m_nRow = nRow;
}

void CArticulosList::ExpandLine(int nRow, int nDepthLimit)
{
    CWaitCursor wait;
    CRedrawGuard redrawOff(*this);
    // Rows already shown under the line would otherwise appear twice.
    int shown = nRow;
    while (shown + 1 < GetItemCount() && GetItemIndent(shown + 1) > GetItemIndent(nRow))
        ++shown;
    DeleteItems(nRow + 1, shown - nRow);
    SetItemImage(nRow, CLineRows::OpenFolder);
    SetItemStateImage(nRow, CLineRows::Expanded);
    RowModel()->InsertRows(nRow + 1, Rows().Branch(RowLine(nRow), RowLevel(nRow), nDepthLimit));
}

void CArticulosList::CollapseLine(int nRow)
{
    CRedrawGuard redrawOff(*this);
    SetItemImage(nRow, CLineRows::ClosedFolder);
    SetItemStateImage(nRow, CLineRows::Collapsed);
    const int indent = GetItemIndent(nRow);
    int last = nRow;
    while (last + 1 < GetItemCount() && GetItemIndent(last + 1) > indent)
        ++last;
    DeleteItems(nRow + 1, last - nRow);
}

void CArticulosList::ExpandAll(int nRow)
{
    if (nRow < 0 || !IsDecomposed(nRow))
        return;
    SetItemStateImage(nRow, CLineRows::Expanded);
    CollapseLine(nRow);
    ExpandLine(nRow, -1);
}

void CArticulosList::RefreshAmountCells()
{
    if (GetItemCount() == 0)
        return;
    CWaitCursor wait;
    CRedrawGuard redrawOff(*this);
    // The rows are in line order: one pass through the lines of the levels
    // shown meets them one after the other.
    long deepest = 0;
    for (int row = 0; row < GetItemCount(); ++row)
        deepest = std::max(deepest, RowLevel(row));
    int row = 0;
    Rows().Read(RowLine(0), deepest, [&](const CLineRecord& line, bool measured) {
        const long number = line.Number();
        while (row < GetItemCount() && RowLine(row) < number)
            ++row;
        if (row >= GetItemCount())
            return false;
        if (RowLine(row) == number) {
            SetRowTexts(row, RowTexts(line));
            SetItemData(row, measured ? CLineRows::Measured : 0);
        }
        return true;
    });
}

void CArticulosList::ShowChanges(const CChangeSet& changes)
{
    if (changes.m_bAllLines) {
        RefreshAmountCells();
    } else if (!changes.m_lines.empty() || changes.m_nMeasuredLine > 0) {
        CRedrawGuard redrawOff(*this);
        for (int row = 0; row < GetItemCount(); ++row) {
            const long line = RowLine(row);
            const auto changed = changes.m_lines.find(line);
            if (changed != changes.m_lines.end())
                SetRowTexts(row, RowTexts(changed->second));
            if (line == changes.m_nMeasuredLine)
                SetItemData(row, changes.m_measures.empty() ? 0 : CLineRows::Measured);
        }
    }
    m_pHost->ShowTotals(changes);
}

void CArticulosList::StoreDescription(long nLine, const QString& strText)
{
    Guard([&] {
        const CChangeSet changes = m_pHost->Service().EditCell(nLine, CBudgetRow::Descripcion, strText);
        ShowChanges(changes);
    });
}

// Clicks, menus and commands --------------------------------------------------

void CArticulosList::OnItemClick(int nRow, int nCol, int nOnStateIcon)
{
    Guard([&] {
        if (nRow < 0 || nRow >= GetItemCount()) {
            m_pHost->ClearDescription();
            return;
        }
        const bool toggle = nOnStateIcon && nCol == 0 && IsDecomposed(nRow);
        if (toggle) {
            if (GetItemStateImage(nRow) != CLineRows::Collapsed)
                CollapseLine(nRow);
            else
                ExpandLine(nRow, int(RowLevel(nRow) + 1));
            DeselectAll();
            SelectAndFocus(nRow);
        }
        if (!PositionRow(nRow)) {
            m_pHost->ClearDescription();
            return;
        }
        // The box shows the description of the selected line, also after
        // its branch was opened or closed: what is typed there goes to it.
        m_pHost->SetDescription(RowLine(nRow), m_pLines->m_DESCRIPCION);
        if (toggle && !ShowsLineOnToggle())
            return;
        m_pHost->ShowLinePicture(m_pLines->m_IMAGEN);
        emit LineSelected(nRow);
    });
}

QMenu* CArticulosList::PopupMenu()
{
    if (!m_pPopup)
        m_pPopup = CContextMenus::Create(CContextMenus::Insertar, this);
    return m_pPopup.get();
}

void CArticulosList::OnContextMenu(int nRow, int nCol, const QPoint& ptGlobal)
{
    if (nRow >= 0) {
        DeselectAll();
        SelectAndFocus(nRow);
        m_nRow = nRow;
        m_nCol = nCol;
        OnItemClick(nRow, 0, 0);
    }
    const int row = GetFirstSelected();
    for (QAction* action : PopupMenu()->actions()) {
        switch (action->data().toInt()) {
        case ID_COPIAR:
            action->setEnabled(row > 0);
            break;
        case ID_INSERTAR_CAPITULO:
            action->setEnabled(row >= 0 && IsChapterRow(row));
            break;
        case ID_PEGAR:
            action->setEnabled(row >= 0 && CanPasteOn(row));
            break;
        default:
            action->setEnabled(true);
            break;
        }
    }
    if (QAction* chosen = m_pPopup->exec(ptGlobal))
        OnCommand(chosen->data().toInt());
}

bool CArticulosList::CanPasteOn(int nRow)
{
    try {
        return m_pHost->Service().Tree().AcceptsPaste(RowLine(nRow), m_pHost->Clipboard());
    } catch (const CDBException&) {
        return false;
    }
}

bool CArticulosList::OnCommand(int nID)
{
    switch (nID) {
    case ID_INSERTAR_CAPITULO:
    case ID_TB_INSERTAR_CAPITULO:
        InsertChapter();
        return true;
    case ID_INSERTAR_CARPETA:
    case ID_TB_INSERTAR_CARPETA:
        InsertFolder();
        return true;
    case ID_INSERTAR_CONCEPTO:
    case ID_TB_INSERTAR_CONCEPTO:
        InsertConcept();
        return true;
    case ID_COPIAR:
        CopySelected();
        return true;
    case ID_PEGAR:
        PasteSelected();
        return true;
    case ID_EXPANDIR_TODO:
        Guard([&] { ExpandAll(GetFirstSelected()); });
        return true;
    default:
        return false;
    }
}

// Insertion and deletion --------------------------------------------------------

void CArticulosList::InsertChapter()
{
    DoInsert(CLineTree::Kind::Chapter);
}

void CArticulosList::InsertFolder()
{
    DoInsert(CLineTree::Kind::Folder);
}

void CArticulosList::InsertConcept()
{
    DoInsert(CLineTree::Kind::Concept);
}

void CArticulosList::InsertLine(int, int)
{
    InsertConcept();
}

void CArticulosList::DoInsert(CLineTree::Kind kind)
{
    const int selected = GetFirstSelected();
    if (selected < 0 || GetItemCount() == 0)
        return;
    Guard([&] {
        const long level = RowLevel(selected) + (IsDecomposed(selected) ? 1 : 0);
        // The new line goes first under a decomposed line: its branch opens
        // one level to show where, or is only marked open.
        if (IsDecomposed(selected) && GetItemStateImage(selected) == CLineRows::Collapsed) {
            if (OpensBranchToInsert(kind)) {
                ExpandLine(selected, int(level));
            } else {
                SetItemImage(selected, CLineRows::OpenFolder);
                SetItemStateImage(selected, CLineRows::Expanded);
            }
        }
        const CChangeSet changes = m_pHost->Service().InsertLine(RowLine(selected), kind);
        int newRow = -1;
        {
            CRedrawGuard redrawOff(*this);
            ShiftLineNumbers(selected + 1, 1);
            newRow = RowModel()->InsertRow(selected + 1,
                                           Rows().Make(changes.m_lines.at(changes.m_nAddedFirst), false, false));
        }
        SelectRow(newRow);
        OnItemClick(newRow, 0, 0);
    });
}

void CArticulosList::RemoveBranchRows(int nRow, long nRemoved)
{
    const long level = RowLevel(nRow);
    CRedrawGuard redrawOff(*this);
    int last = nRow;
    while (last + 1 < GetItemCount() && RowLevel(last + 1) > level)
        ++last;
    DeleteItems(nRow, last - nRow + 1);
    ShiftLineNumbers(nRow, -nRemoved);
}

void CArticulosList::DeleteLine(int nRow, int)
{
    if (nRow < 1 || nRow >= GetItemCount())
        return;
    CWaitCursor wait;
    Guard([&] {
        const CChangeSet changes = m_pHost->Service().DeleteLine(RowLine(nRow));
        RemoveBranchRows(nRow, changes.m_nRemovedCount);
        ShowChanges(changes);
        const int current = std::min(nRow, GetItemCount() - 1);
        SelectRow(current);
        OnItemClick(current, 0, 0);
    });
}

// Copy, paste and move ----------------------------------------------------------

void CArticulosList::CopySelected()
{
    const int row = GetFirstSelected();
    if (row < 0)
        return;
    Guard([&] {
        int cursor = row;
        m_pHost->Service().CopyBranch(RowLine(row), m_pHost->Clipboard(), [this, &cursor](long line) -> std::optional<int> {
            if (cursor < GetItemCount() && RowLine(cursor) == line)
                return GetItemStateImage(cursor++);
            return std::nullopt;
        });
    });
}

void CArticulosList::PasteSelected()
{
    const int row = GetFirstSelected();
    if (row < 0 || m_pHost->Clipboard().IsEmpty())
        return;
    Guard([&] { DoPasteBranch(row); });
}

void CArticulosList::DoPasteBranch(int nRow)
{
    // Onto a decomposed line the branch goes in as its first children.
    const bool into = IsDecomposed(nRow);
    if (into && GetItemStateImage(nRow) == CLineRows::Collapsed)
        ExpandLine(nRow, int(RowLevel(nRow) + 1));
    const CChangeSet changes = m_pHost->Service().PasteBranch(RowLine(nRow), into, m_pHost->Clipboard());
    if (changes.m_nAddedCount == 0)
        return;
    InsertPlacedRows(nRow, into, changes);
}

void CArticulosList::InsertPlacedRows(int nRow, bool bInto, const CChangeSet& changes)
{
    const long level = RowLevel(nRow);
    int insertRow = nRow + 1;
    if (!bInto && IsDecomposed(nRow)) {
        while (insertRow < GetItemCount() && RowLevel(insertRow) > level)
            ++insertRow;
    }
    {
        CRedrawGuard redrawOff(*this);
        ShiftLineNumbers(insertRow, changes.m_nAddedCount);
        int row = insertRow;
        long line = changes.m_nAddedFirst;
        for (const CopiedLine& copy : changes.m_placed) {
            const long number = line++;
            if (!copy.visible)
                continue;
            const int image = copy.expandState == 0 ? CLineRows::Concept : copy.expandState - 1;
            const int state = copy.line.IsDecomposed()
                ? (copy.expandState == 1 ? CLineRows::Collapsed : CLineRows::Expanded)
                : CLineRows::NoState;
            if (InsertRowForLine(row, number, image, state) >= 0)
                ++row;
        }
    }
    ShowChanges(changes);
    SelectRow(insertRow);
    OnItemClick(insertRow, 0, 0);
}

void CArticulosList::MoveItem(int nFromRow, int nToRow)
{
    if (nFromRow == nToRow || nFromRow <= 0 || nToRow <= 0 || nFromRow >= GetItemCount() || nToRow >= GetItemCount())
        return;
    // A branch cannot be moved into itself.
    const long level = RowLevel(nFromRow);
    int branchEnd = nFromRow;
    while (branchEnd + 1 < GetItemCount() && RowLevel(branchEnd + 1) > level)
        ++branchEnd;
    if (nToRow > nFromRow && nToRow <= branchEnd)
        return;
    Guard([&] {
        int cursor = nFromRow;
        const auto rowState = [this, &cursor](long line) -> std::optional<int> {
            if (cursor < GetItemCount() && RowLine(cursor) == line)
                return GetItemStateImage(cursor++);
            return std::nullopt;
        };
        const CChangeSet changes =
            m_pHost->Service().MoveBranch(RowLine(nFromRow), RowLine(nToRow), false, m_pHost->Clipboard(), rowState);
        // The rows of the branch were above the target: it moved up by as many.
        const int target = nToRow > nFromRow ? nToRow - (branchEnd - nFromRow + 1) : nToRow;
        RemoveBranchRows(nFromRow, changes.m_nRemovedCount);
        InsertPlacedRows(std::clamp(target, 0, GetItemCount() - 1), false, changes);
    });
}

// Editing -------------------------------------------------------------------

bool CArticulosList::CanEditCell(int nRow, int nCol)
{
    if (!CEditList::CanEditCell(nRow, nCol))
        return false;
    bool editable = false;
    Guard([&] { editable = !m_pHost->Service().WhyNotEditable(RowLine(nRow), nCol).has_value(); });
    return editable;
}

void CArticulosList::BeginCellEdit(int nRow, int nCol)
{
    if (nRow < 0 || nRow >= GetItemCount() || !CanEditCell(nRow, nCol))
        return;
    OnItemClick(nRow, nCol, 0);
    if (IsNumberColumn(nCol))
        SetItemText(nRow, nCol, GetItemText(nRow, nCol).remove(u'.'));
    m_strBeforeEdit = GetItemText(nRow, nCol);
    CEditList::BeginCellEdit(nRow, nCol);
}

bool CArticulosList::ValidateCell(int nRow, int nCol)
{
    if (nCol == CBudgetRow::Codigo) {
        SetItemText(nRow, nCol, CLineTree::AdjustEditedCode(m_strBeforeEdit, GetItemText(nRow, nCol)));
    } else if (IsNumberColumn(nCol)) {
        const std::optional<QString> number = CEditingService::NumberText(GetItemText(nRow, nCol));
        if (!number)
            return false;
        // The factor is kept as it was typed.
        if (nCol != CBudgetRow::Factor)
            SetItemText(nRow, nCol, FormatLocaleNumber(*number, 5));
    }
    return true;
}

void CArticulosList::OnCellEditClosed(int nRow, int nCol)
{
    // An editor left without committing restores the text it started
    // with, which had its grouping points taken out: put them back.
    if (nRow < 0 || nRow >= GetItemCount() || !IsNumberColumn(nCol))
        return;
    const QString text = GetItemText(nRow, nCol);
    if (!text.isEmpty())
        SetItemText(nRow, nCol, FormatLocaleNumber(NormalizeNumberText(text), 5));
}

void CArticulosList::CellChanged(int nRow, int nCol)
{
    CEditList::CellChanged(nRow, nCol);
    const long line = RowLine(nRow);
    const QString text = GetItemText(nRow, nCol);
    const bool done = Guard([&] { ShowChanges(m_pHost->Service().EditCell(line, nCol, text)); });
    // The measurement window names the line by its code.
    if (done && nCol == CBudgetRow::Codigo)
        emit LineSelected(nRow);
}

// Drawing ---------------------------------------------------------------------

void CArticulosList::GetCellColors(int nRow, int nCol)
{
    QColor text(0, 0, 0);
    if (IsDecomposed(nRow)) {
        if (nCol == CBudgetRow::Precio) {
            text = QColor(0, 0, 255);
        } else if (nCol == CBudgetRow::Rendimiento && HasMeasurements(nRow)) {
            text = QColor(128, 0, 128);
        }
    }
    SetCellColors(text, QColor(255, 255, 255));
}

int CArticulosList::GetCellFontWeight(int nRow, int nCol)
{
    return nCol == CBudgetRow::Importe && IsChapterRow(nRow) ? 700 : 400;
}
