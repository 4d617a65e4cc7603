#include "budget/CArticulosList.h"

#include "app/CommandIds.h"
#include "budget/CBudgetRow.h"
#include "budget/CLineClipboard.h"
#include "budget/CVelmoraView.h"
#include "store/CArticulosSet.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CMedidasSet.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"
#include "ui/CWaitCursor.h"

#include <QApplication>
#include <QMenu>

namespace {

constexpr int kNoLimit = 9999;

// Item images and state marks of the tree.
constexpr int kClosedFolder = 0;
constexpr int kOpenFolder = 1;
constexpr int kConcept = 2;
constexpr int kCollapsed = 1;
constexpr int kExpanded = 2;


} // namespace

CArticulosList::CArticulosList(QWidget* parent)
    : CEditList(parent)
{
    SetTreeImages(true);
    SetMultipleSelection(false);
}

CArticulosList::~CArticulosList() = default;

void CArticulosList::Attach(CVelmoraView* pView, CArticulosSet* pLines, CMedidasSet* pMeasures)
{
    m_pView = pView;
    m_pLines = pLines;
    m_pMeasures = pMeasures;
}

CBudgetTree CArticulosList::Tree()
{
    return CBudgetTree(*m_pLines, m_pView->m_strCodigo);
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

bool CArticulosList::HasMeasurements(int nRow) const
{
    return CStoreStatements::HasMeasurements(*m_pLines->m_pDatabase, GetItemText(nRow, CBudgetRow::Presupuesto),
                                             RowLine(nRow));
}

bool CArticulosList::RunOperation(const std::function<void()>& operation)
{
    // Inside a larger operation (a measured quantity stored with its
    // measurement line) the error is that operation's: it rolls all of its
    // work back and reloads the grid once.
    const bool bNested = m_pLines->m_pDatabase->TransactionDepth() > 0;
    try {
        CTransaction transaction(*m_pLines->m_pDatabase);
        operation();
        transaction.Commit();
        return true;
    } catch (const CDBException& e) {
        if (bNested)
            throw;
        m_pView->ReloadAfterError(e);
        return false;
    }
}

// Rows ---------------------------------------------------------------------

void CArticulosList::AppendLine(int nMaxLevel)
{
    const long level = m_pLines->m_NIVEL.toLong();
    const bool shown = nMaxLevel == -1 || level < nMaxLevel;
    int image = kConcept;
    int state = 0;
    if (m_pLines->m_DESGLOSE == QStringLiteral("S")) {
        image = shown ? kOpenFolder : kClosedFolder;
        state = shown ? kExpanded : kCollapsed;
    }
    InsertItem(GetItemCount(), CBudgetRow::Texts(*m_pLines), int(level), image, state);
}

int CArticulosList::InsertRowForLine(int nRow, long nLine, int nImage, int nState)
{
    m_pLines->SetAbsolutePosition(nLine);
    return InsertItem(nRow, CBudgetRow::Texts(*m_pLines), int(m_pLines->m_NIVEL.toLong()), nImage, nState);
}

void CArticulosList::ShiftLineNumbers(int nFromRow, long nDelta)
{
    for (int row = nFromRow; row < GetItemCount(); ++row)
        SetItemText(row, CBudgetRow::NumLin, QString::number(RowLine(row) + nDelta));
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
    const long limit = nDepthLimit < 0 ? kNoLimit : nDepthLimit;
    SetRedraw(false);
    // Rows already shown under the line would otherwise appear twice.
    int shown = nRow;
    while (shown + 1 < GetItemCount() && GetItemIndent(shown + 1) > GetItemIndent(nRow))
        ++shown;
    DeleteItems(nRow + 1, shown - nRow);
    SetItemImage(nRow, kOpenFolder);
    SetItemStateImage(nRow, kExpanded);
    const long first = RowLine(nRow);
    m_pLines->SetAbsolutePosition(first);
    const long parentLevel = m_pLines->m_NIVEL.toLong();
    int insertAt = nRow + 1;
    for (m_pLines->MoveNext(); !m_pLines->IsEOF(); m_pLines->MoveNext()) {
        const long level = m_pLines->m_NIVEL.toLong();
        if (level <= parentLevel)
            break;
        if (level > limit)
            continue;
        int image = kConcept;
        int state = 0;
        if (m_pLines->m_DESGLOSE == QStringLiteral("S")) {
            image = level != limit ? kOpenFolder : kClosedFolder;
            state = level != limit ? kExpanded : kCollapsed;
        }
        InsertItem(insertAt++, CBudgetRow::Texts(*m_pLines), int(level), image, state);
    }
    SetRedraw(true);
}

void CArticulosList::CollapseLine(int nRow)
{
    SetRedraw(false);
    SetItemImage(nRow, kClosedFolder);
    SetItemStateImage(nRow, kCollapsed);
    const int indent = GetItemIndent(nRow);
    int last = nRow;
    while (last + 1 < GetItemCount() && GetItemIndent(last + 1) > indent)
        ++last;
    DeleteItems(nRow + 1, last - nRow);
    SetRedraw(true);
}

void CArticulosList::ExpandAll(int nRow)
{
    if (nRow < 0 || !IsDecomposed(nRow))
        return;
    SetItemStateImage(nRow, kExpanded);
    CollapseLine(nRow);
    ExpandLine(nRow, -1);
}

void CArticulosList::RefreshAmountCells()
{
    RefreshRows(nullptr);
}

void CArticulosList::RefreshAmountCells(const std::set<long>& lines)
{
    RefreshRows(&lines);
}

void CArticulosList::RefreshRows(const std::set<long>* pLines)
{
    CWaitCursor wait;
    SetRedraw(false);
    for (int row = 0; row < GetItemCount(); ++row) {
        const long line = RowLine(row);
        if (pLines && !pLines->count(line))
            continue;
        m_pLines->SetAbsolutePosition(line);
        if (m_pLines->IsEOF() || m_pLines->IsBOF())
            continue;
        const bool chapter = CBudgetRow::IsChapter(m_pLines->m_ARTICULO);
        const QString cells[] = {
            chapter ? QString() : m_pLines->m_MEDIDA,
            chapter ? QString() : FormatLocaleNumber(m_pLines->m_PRECIO, 5),
            chapter ? QString() : FormatLocaleNumber(m_pLines->m_RENDIMIENTO, 5),
            FormatLocaleNumber(m_pLines->m_IMPORTE, chapter ? 2 : 5),
        };
        const int columns[] = {CBudgetRow::Medida, CBudgetRow::Precio, CBudgetRow::Rendimiento, CBudgetRow::Importe};
        for (int i = 0; i < 4; ++i) {
            if (GetItemText(row, columns[i]) != cells[i])
                SetItemText(row, columns[i], cells[i]);
        }
    }
    SetRedraw(true);
}

// Clicks, menus and commands --------------------------------------------------

void CArticulosList::OnItemClick(int nRow, int nCol, int nOnStateIcon)
{
    m_pView->ClearDescription();
    if (nRow < 0 || nRow >= GetItemCount())
        return;
    if (nOnStateIcon && nCol == 0 && IsDecomposed(nRow)) {
        if (GetItemStateImage(nRow) != kCollapsed)
            CollapseLine(nRow);
        else
            ExpandLine(nRow, int(RowLevel(nRow) + 1));
        DeselectAll();
        SelectAndFocus(nRow);
        return;
    }
    m_pLines->SetAbsolutePosition(RowLine(nRow));
    if (m_pLines->IsEOF() || m_pLines->IsBOF())
        return;
    m_pView->SetDescription(m_pLines->m_DESCRIPCION);
    m_pView->ShowLinePicture(m_pLines->m_IMAGEN);
    emit LineSelected(nRow);
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
    if (!m_pPopup) {
        m_pPopup = std::make_unique<QMenu>(tr("Insertar"));
        const std::pair<int, QString> items[] = {
            {ID_INSERTAR_CAPITULO, tr("Insertar Capítulo")}, {ID_INSERTAR_CARPETA, tr("Insertar Carpeta")},
            {ID_INSERTAR_CONCEPTO, tr("Insertar Concepto")}, {ID_COPIAR, tr("Copiar")},
            {ID_PEGAR, tr("Pegar")},
        };
        for (const auto& [id, text] : items) {
            QAction* action = m_pPopup->addAction(text);
            action->setData(id);
        }
        m_pPopup->addSeparator();
        m_pPopup->addAction(tr("Expandir todo"))->setData(int(ID_EXPANDIR_TODO));
    }
    const int row = GetFirstSelected();
    for (QAction* action : m_pPopup->actions()) {
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
    if (row >= 0)
        m_pLines->SetAbsolutePosition(RowLine(row));
    if (QAction* chosen = m_pPopup->exec(ptGlobal))
        OnCommand(chosen->data().toInt());
}

bool CArticulosList::CanPasteOn(int nRow)
{
    const CLineClipboard& clipboard = m_pView->Clipboard();
    if (clipboard.IsEmpty())
        return false;
    if (!CBudgetRow::IsChapter(clipboard.m_lines.front().article))
        return true;
    // A chapter does not go inside a folder.
    const long level = RowLevel(nRow);
    for (long line = RowLine(nRow); line >= 1; --line) {
        m_pLines->SetAbsolutePosition(line);
        const long lineLevel = m_pLines->m_NIVEL.toLong();
        if (lineLevel > level || lineLevel <= 0)
            break;
        if (m_pLines->m_DESGLOSE == QStringLiteral("S") && !CBudgetRow::IsChapter(m_pLines->m_ARTICULO))
            return false;
    }
    return true;
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
        ExpandAll(GetFirstSelected());
        return true;
    default:
        return false;
    }
}

// Insertion -------------------------------------------------------------------

QStringList CArticulosList::NewRowTexts(CBudgetTree::Kind kind, long nLevel, const QString& strBudget, long nLine) const
{
    QStringList cells(CBudgetRow::ColumnCount);
    cells[CBudgetRow::Nivel] = QString::number(nLevel);
    cells[CBudgetRow::Presupuesto] = strBudget;
    cells[CBudgetRow::NumLin] = QString::number(nLine);
    switch (kind) {
    case CBudgetTree::Kind::Chapter:
        cells[CBudgetRow::Codigo] = QStringLiteral("Nuevo capitulo#");
        cells[CBudgetRow::Desglose] = QStringLiteral("S");
        cells[CBudgetRow::Importe] = QStringLiteral("0,00");
        break;
    case CBudgetTree::Kind::Folder:
    case CBudgetTree::Kind::Concept:
        cells[CBudgetRow::Codigo] = kind == CBudgetTree::Kind::Folder ? QStringLiteral("Nueva carpeta") : QStringLiteral("Nuevo");
        cells[CBudgetRow::Desglose] = kind == CBudgetTree::Kind::Folder ? QStringLiteral("S") : QStringLiteral("N");
        cells[CBudgetRow::Precio] = QStringLiteral("0,00000");
        cells[CBudgetRow::Factor] = QStringLiteral("1,00000");
        cells[CBudgetRow::Rendimiento] = QStringLiteral("1,00000");
        cells[CBudgetRow::Importe] = QStringLiteral("0,00000");
        break;
    }
    return cells;
}

void CArticulosList::InsertChapter()
{
    DoInsert(CBudgetTree::Kind::Chapter);
}

void CArticulosList::InsertFolder()
{
    DoInsert(CBudgetTree::Kind::Folder);
}

void CArticulosList::InsertConcept()
{
    DoInsert(CBudgetTree::Kind::Concept);
}

void CArticulosList::InsertLine(int, int)
{
    InsertConcept();
}

void CArticulosList::DoInsert(CBudgetTree::Kind kind)
{
    const int selected = GetFirstSelected();
    if (selected < 0 || GetItemCount() == 0)
        return;
    const long level = RowLevel(selected);
    const long line = RowLine(selected);
    const QString budget = GetItemText(selected, CBudgetRow::Presupuesto);
    const bool decomposed = IsDecomposed(selected);
    const long newLevel = decomposed ? level + 1 : level;
    int newRow = -1;
    const bool done = RunOperation([&] {
        if (decomposed && GetItemStateImage(selected) == kCollapsed)
            ExpandLine(selected, int(level + 1));
        CBudgetTree tree = Tree();
        const long number = tree.InsertLine(line, CBudgetTree::NewLine(kind, int(newLevel)));
        SetRedraw(false);
        ShiftLineNumbers(selected + 1, 1);
        const bool isConcept = kind == CBudgetTree::Kind::Concept;
        newRow = InsertItem(selected + 1, NewRowTexts(kind, newLevel, budget, number), int(newLevel),
                            isConcept ? kConcept : kClosedFolder, isConcept ? 0 : kCollapsed);
        SetRedraw(true);
    });
    if (!done)
        return;
    SelectRow(newRow);
    OnItemClick(newRow, 0, 0);
}

// Deletion --------------------------------------------------------------------

void CArticulosList::DeleteLine(int nRow, int)
{
    if (nRow < 1 || nRow >= GetItemCount())
        return;
    CWaitCursor wait;
    if (!RunOperation([&] { DoDeleteLine(nRow); }))
        return;
    const int current = std::min(nRow, GetItemCount() - 1);
    SelectRow(current);
    m_pLines->SetAbsolutePosition(RowLine(current));
    OnItemClick(current, 0, 0);
}

void CArticulosList::DoDeleteLine(int nRow)
{
    const long level = RowLevel(nRow);
    CBudgetTree tree = Tree();
    const long count = tree.DeleteBranch(RowLine(nRow));
    SetRedraw(false);
    int last = nRow;
    while (last + 1 < GetItemCount() && RowLevel(last + 1) > level)
        ++last;
    DeleteItems(nRow, last - nRow + 1);
    ShiftLineNumbers(nRow, -count);
    SetRedraw(true);
    RefreshAmountCells(tree.ChangedLines());
    m_pView->UpdateTotals();
}

// Copy and paste ------------------------------------------------------------

void CArticulosList::CopySelected()
{
    const int row = GetFirstSelected();
    if (row < 0)
        return;
    try {
        CopyBranch(row);
    } catch (const CDBException& e) {
        m_pView->ReloadAfterError(e);
    }
}

void CArticulosList::CopyBranch(int nRow)
{
    int cursor = nRow;
    auto rowState = [this, &cursor](long line) -> std::optional<int> {
        if (cursor < GetItemCount() && RowLine(cursor) == line)
            return GetItemStateImage(cursor++);
        return std::nullopt;
    };
    Tree().CopyBranch(RowLine(nRow), rowState, m_pView->Clipboard());
}

void CArticulosList::PasteSelected()
{
    const int row = GetFirstSelected();
    if (row < 0 || m_pView->Clipboard().IsEmpty())
        return;
    RunOperation([&] { DoPasteBranch(row, IsDecomposed(row)); });
}

void CArticulosList::DoPasteBranch(int nRow, bool bInto)
{
    CLineClipboard& clipboard = m_pView->Clipboard();
    if (clipboard.IsEmpty())
        return;
    const long level = RowLevel(nRow);
    const std::vector<CopiedLine> copies = clipboard.m_lines;
    if (bInto && GetItemStateImage(nRow) == kCollapsed)
        ExpandLine(nRow, int(level + 1));
    int insertRow = nRow + 1;
    if (!bInto && IsDecomposed(nRow)) {
        while (insertRow < GetItemCount() && RowLevel(insertRow) > level)
            ++insertRow;
    }

    CBudgetTree tree = Tree();
    const long after = tree.PasteBranch(RowLine(nRow), bInto, clipboard);
    if (after < 0)
        return;
    SetRedraw(false);
    ShiftLineNumbers(insertRow, long(copies.size()));
    int row = insertRow;
    long line = after;
    for (const CopiedLine& copy : copies) {
        ++line;
        if (!copy.visible)
            continue;
        const bool decomposed = copy.decomposed == QStringLiteral("S");
        const int image = copy.expandState == 0 ? kConcept : copy.expandState - 1;
        const int state = decomposed ? (copy.expandState == 1 ? kCollapsed : kExpanded) : 0;
        InsertRowForLine(row++, line, image, state);
    }
    SetRedraw(true);
    SelectRow(insertRow);
    tree.RollUpTotals(after + 1);
    RefreshAmountCells(tree.ChangedLines());
    m_pView->UpdateTotals();
    OnItemClick(insertRow, 0, 0);
}

void CArticulosList::MoveItem(int nFromRow, int nToRow)
{
    if (nFromRow == nToRow || nFromRow <= 0 || nToRow <= 0 || nFromRow >= GetItemCount())
        return;
    // A branch cannot be moved into itself.
    const long level = RowLevel(nFromRow);
    int branchEnd = nFromRow;
    while (branchEnd + 1 < GetItemCount() && RowLevel(branchEnd + 1) > level)
        ++branchEnd;
    if (nToRow > nFromRow && nToRow <= branchEnd)
        return;
    RunOperation([&] {
        CopyBranch(nFromRow);
        const CLineClipboard& clipboard = m_pView->Clipboard();
        if (clipboard.IsEmpty())
            return;
        int visible = 0;
        for (const CopiedLine& copy : clipboard.m_lines)
            visible += copy.visible;
        DoDeleteLine(nFromRow);
        int target = nToRow;
        if (target > nFromRow)
            target -= visible;
        target = std::clamp(target, 0, GetItemCount() - 1);
        DoPasteBranch(target, false);
    });
}

// Editing -------------------------------------------------------------------

void CArticulosList::BeginCellEdit(int nRow, int nCol)
{
    if (nRow < 0 || nRow >= GetItemCount())
        return;
    if (IsDecomposed(nRow)) {
        const QString code = GetItemText(nRow, CBudgetRow::Codigo);
        if (nCol == CBudgetRow::Codigo && CBudgetRow::IsRoot(code))
            return;
        if (nCol == CBudgetRow::Medida || nCol == CBudgetRow::Factor || nCol == CBudgetRow::Rendimiento) {
            if (CBudgetRow::IsChapter(code) || HasMeasurements(nRow))
                return;
        }
        if (nCol == CBudgetRow::Precio)
            return;
    }
    OnItemClick(nRow, nCol, 0);
    if (nCol == CBudgetRow::Precio || nCol == CBudgetRow::Factor || nCol == CBudgetRow::Rendimiento)
        SetItemText(nRow, nCol, GetItemText(nRow, nCol).remove(u'.'));
    m_strBeforeEdit = GetItemText(nRow, nCol);
    CEditList::BeginCellEdit(nRow, nCol);
}

bool CArticulosList::ValidateCell(int nRow, int nCol)
{
    if (nCol == CBudgetRow::Codigo) {
        SetItemText(nRow, nCol, CBudgetTree::AdjustEditedCode(m_strBeforeEdit, GetItemText(nRow, nCol)));
    } else if (nCol == CBudgetRow::Precio || nCol == CBudgetRow::Factor || nCol == CBudgetRow::Rendimiento) {
        const QString price = NormalizeNumberText(GetItemText(nRow, CBudgetRow::Precio));
        const QString quantity = NormalizeNumberText(GetItemText(nRow, CBudgetRow::Rendimiento));
        SetItemText(nRow, CBudgetRow::Precio, FormatLocaleNumber(price, 5));
        SetItemText(nRow, CBudgetRow::Rendimiento, FormatLocaleNumber(quantity, 5));
        SetItemText(nRow, CBudgetRow::Importe,
                    FormatLocaleNumber(StoreFormat(StoreAtof(price) * StoreAtof(quantity), 5), 5));
    }
    return true;
}

void CArticulosList::OnCellEditClosed(int nRow, int nCol)
{
    // An editor left without committing restores the text it started
    // with, which had its grouping points taken out: put them back.
    if (nRow < 0 || nRow >= GetItemCount())
        return;
    if (nCol != CBudgetRow::Precio && nCol != CBudgetRow::Factor && nCol != CBudgetRow::Rendimiento)
        return;
    const QString text = GetItemText(nRow, nCol);
    if (!text.isEmpty())
        SetItemText(nRow, nCol, FormatLocaleNumber(NormalizeNumberText(text), 5));
}

void CArticulosList::CellChanged(int nRow, int nCol)
{
    CEditList::CellChanged(nRow, nCol);
    const long line = RowLine(nRow);
    CBudgetTree::Line values;
    values.articulo = GetItemText(nRow, CBudgetRow::Codigo);
    values.nivel = GetItemText(nRow, CBudgetRow::Nivel);
    values.desglose = GetItemText(nRow, CBudgetRow::Desglose);
    values.medida = GetItemText(nRow, CBudgetRow::Medida);
    values.nombre = GetItemText(nRow, CBudgetRow::Nombre);
    values.descripcion = GetItemText(nRow, CBudgetRow::Descripcion);
    values.precio = NormalizeNumberText(GetItemText(nRow, CBudgetRow::Precio));
    values.factor = NormalizeNumberText(GetItemText(nRow, CBudgetRow::Factor));
    values.rendimiento = NormalizeNumberText(GetItemText(nRow, CBudgetRow::Rendimiento));
    values.tipo1 = GetItemText(nRow, CBudgetRow::Tipo1);
    values.tipo2 = GetItemText(nRow, CBudgetRow::Tipo2);
    values.importe = NormalizeNumberText(GetItemText(nRow, CBudgetRow::Importe));
    values.imagen = GetItemText(nRow, CBudgetRow::Imagen);
    const bool codeEdited = nCol == CBudgetRow::Codigo;
    const bool done = RunOperation([&] {
        CBudgetTree tree = Tree();
        tree.SaveLine(line, values, m_strBeforeEdit, codeEdited);
        tree.RollUpTotals(line);
        RefreshAmountCells(tree.ChangedLines());
        m_pView->UpdateTotals();
    });
    if (done && codeEdited)
        emit LineSelected(nRow);
}

// Drawing ---------------------------------------------------------------------

void CArticulosList::GetCellColors(int nRow, int nCol)
{
    QColor text(0, 0, 0);
    if (IsDecomposed(nRow)) {
        if (nCol == CBudgetRow::Precio)
            text = QColor(0, 0, 255);
        else if (nCol == CBudgetRow::Rendimiento && HasMeasurements(nRow))
            text = QColor(128, 0, 128);
    }
    SetCellColors(text, QColor(255, 255, 255));
}

int CArticulosList::GetCellFontWeight(int nRow, int nCol)
{
    return nCol == CBudgetRow::Importe && IsChapterRow(nRow) ? 700 : 400;
}
