#include "measure/CMedicionesList.h"

#include "app/CContextMenus.h"
#include "app/CommandIds.h"
#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CEditingService.h"
#include "budget/CVelmoraView.h"
#include "measure/CInsertarMedidaDlg.h"
#include "measure/CMeasurementLines.h"
#include "measure/CMedicionesDlg.h"
#include "measure/FormulaParser.h"
#include "grid/CRedrawGuard.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CMedidasSet.h"
#include "store/NumberText.h"
#include "ui/CWaitCursor.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>

namespace {

const QString kFormulaKind = QStringLiteral("3");

// Width 0 hides a column that still holds the line's keys.
constexpr ColumnSpec kColumns[CMedicionesList::ColumnCount] = {
    {QT_TRANSLATE_NOOP("CEditList", "Codigo"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
    {QT_TRANSLATE_NOOP("CEditList", "NumLin"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
    {QT_TRANSLATE_NOOP("CEditList", "Linea"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
    {QT_TRANSLATE_NOOP("CEditList", "Código padre"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
    {QT_TRANSLATE_NOOP("CEditList", "Código hijo"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
    {QT_TRANSLATE_NOOP("CEditList", "Posición"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
    {QT_TRANSLATE_NOOP("CEditList", "Comentario"), 170, ColumnInfo::Left, ColumnInfo::Text, 255, 1},
    {QT_TRANSLATE_NOOP("CEditList", "Unidades"), 70, ColumnInfo::Right, ColumnInfo::Number, 0, 1},
    {QT_TRANSLATE_NOOP("CEditList", "Largo"), 70, ColumnInfo::Right, ColumnInfo::Number, 0, 1},
    {QT_TRANSLATE_NOOP("CEditList", "Ancho"), 70, ColumnInfo::Right, ColumnInfo::Number, 0, 1},
    {QT_TRANSLATE_NOOP("CEditList", "Alto"), 70, ColumnInfo::Right, ColumnInfo::Number, 0, 1},
    {QT_TRANSLATE_NOOP("CEditList", "Total"), 70, ColumnInfo::Right, ColumnInfo::Number, 0, 1},
    {QT_TRANSLATE_NOOP("CEditList", "Tipo"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
};

bool IsNumberColumn(int nCol)
{
    return nCol >= CMedicionesList::Unidades && nCol <= CMedicionesList::Total;
}

} // namespace

CMedicionesList::CMedicionesList(CMedicionesDlg& window, QWidget* parent)
    : CEditList(parent)
    , m_window(window)
{
    SetMultipleSelection(false);
    SetRowDragEnabled(false);
}

CMedicionesList::~CMedicionesList() = default;

void CMedicionesList::SetupColumns()
{
    ApplyColumns(kColumns, ColumnCount);
    SetStretchColumn(Comentario);
    SetSortEnabled(false);
    SetEditEnabled(true);
}

bool CMedicionesList::Guard(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const CDBException& e) {
        m_window.View().ReloadAfterError(e);
    } catch (const CEditRefused& e) {
        m_window.View().ShowRefusal(e.m_strMessage);
        m_window.LoadMeasurements();
    }
    return false;
}

int CMedicionesList::CheckedBudgetRow()
{
    const int row = m_window.BudgetRow();
    if (row < 0) {
        // The line's branch was closed in the grid since: show what the grid
        // selects now rather than change a line the user no longer sees.
        m_window.OnBudgetLineSelected(m_window.View().List()->GetFirstSelected());
    }
    return row;
}

void CMedicionesList::SelectRow(int nRow)
{
    m_nRow = nRow;
    EnsureVisible(nRow);
    DeselectAll();
    SelectAndFocus(nRow);
    try {
        m_window.Measurements().SetAbsolutePosition(GetItemText(nRow, Linea).toLong());
    } catch (const CDBException&) {
        // Only a convenience: every change positions the set itself.
    }
}

// Rows ------------------------------------------------------------------------

double CMedicionesList::FillFromSet()
{
    const std::vector<CMeasureRecord> measures = CMeasurementLines(m_window.Measurements()).Records();
    FillRows(measures);
    const double total = CMeasurementLines::SumOf(measures);
    m_window.ShowTotal(total);
    return total;
}

namespace {

QStringList RowTexts(const CMeasureRecord& measure)
{
    QStringList cells(CMedicionesList::ColumnCount);
    cells[CMedicionesList::Codigo] = measure.codigo;
    cells[CMedicionesList::NumLin] = measure.numlin;
    cells[CMedicionesList::Linea] = measure.lin;
    cells[CMedicionesList::CodigoPadre] = measure.codigoPadre;
    cells[CMedicionesList::CodigoHijo] = measure.codigoHijo;
    cells[CMedicionesList::Posicion] = measure.posicion;
    cells[CMedicionesList::Comentario] = measure.nombre;
    cells[CMedicionesList::Unidades] = FormatLocaleNumber(measure.unidades, 5);
    cells[CMedicionesList::Largo] = FormatLocaleNumber(measure.largo, 5);
    cells[CMedicionesList::Ancho] = FormatLocaleNumber(measure.ancho, 5);
    cells[CMedicionesList::Alto] = FormatLocaleNumber(measure.alto, 5);
    cells[CMedicionesList::Total] = FormatLocaleNumber(measure.total, 5);
    cells[CMedicionesList::Tipo] = measure.tipo;
    return cells;
}

} // namespace

void CMedicionesList::FillRows(const std::vector<CMeasureRecord>& measures)
{
    CRedrawGuard redrawOff(*this);
    if (GetItemCount() == int(measures.size())) {
        // The same lines: the rows, and an editor open on one, stay.
        for (int row = 0; row < GetItemCount(); ++row) {
            const QStringList cells = RowTexts(measures[size_t(row)]);
            for (int col = 0; col < ColumnCount; ++col) {
                if (GetItemText(row, col) != cells[col])
                    SetItemText(row, col, cells[col]);
            }
        }
        return;
    }
    DeleteAllItems();
    for (const CMeasureRecord& measure : measures)
        InsertItem(GetItemCount(), RowTexts(measure));
}

void CMedicionesList::ShowChanges(const CChangeSet& changes)
{
    FillRows(changes.m_measures);
    m_window.ShowTotal(StoreAtof(changes.m_strMeasureSum));
    m_window.View().List()->ShowChanges(changes);
}

bool CMedicionesList::RecalcRow(int nRow)
{
    m_nErrorPosition = 0;
    if (GetItemText(nRow, Tipo) != kFormulaKind)
        return true;
    const CMeasurementLines::Values values{GetItemText(nRow, Comentario),
                                           NormalizeNumberText(GetItemText(nRow, Unidades)),
                                           NormalizeNumberText(GetItemText(nRow, Largo)),
                                           NormalizeNumberText(GetItemText(nRow, Ancho)),
                                           NormalizeNumberText(GetItemText(nRow, Alto)),
                                           NormalizeNumberText(GetItemText(nRow, Total))};
    int position = 0;
    if (CMeasurementLines::ComputeTotal(values, true, &position))
        return true;
    m_nErrorPosition = position;
    return false;
}

bool CMedicionesList::InsertMeasurement()
{
    const int budgetRow = CheckedBudgetRow();
    CArticulosList* grid = m_window.View().List();
    if (budgetRow < 0 || !grid->IsFolderRow(budgetRow))
        return false;
    CVelmoraView& view = m_window.View();
    CInsertarMedidaDlg dialog(m_window.Measurements(), &m_window);
    dialog.m_bStoreItself = false;
    dialog.m_strCodigo = grid->GetItemText(budgetRow, CBudgetRow::Presupuesto);
    dialog.m_strNumLin = grid->GetItemText(budgetRow, CBudgetRow::NumLin);
    dialog.m_strCodigoHijo = grid->GetItemText(budgetRow, CBudgetRow::Codigo);
    dialog.m_nExisting = GetItemCount();
    const long line = grid->RowLine(budgetRow);
    if (!Guard([&] { dialog.m_strCodigoPadre = view.ParentCode(line); }))
        return false;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The new line and the quantity it makes are stored together or not at all.
    return Guard([&] {
        ShowChanges(view.Service().AddMeasurement(line, dialog.Measurement(), dialog.IsFormulaLine()));
    });
}

void CMedicionesList::InsertMeasurementFromSelection()
{
    if (!InsertMeasurement())
        return;
    const int last = GetItemCount() - 1;
    if (last < 0)
        return;
    CRedrawGuard redrawOff(*this);
    SelectRow(last);
}

void CMedicionesList::DeleteMeasurement(int nRow)
{
    const int budgetRow = nRow < 0 || nRow >= GetItemCount() ? -1 : CheckedBudgetRow();
    if (budgetRow < 0)
        return;
    CWaitCursor wait;
    const long lin = GetItemText(nRow, Linea).toLong();
    const long line = m_window.View().List()->RowLine(budgetRow);
    Guard([&] {
        CRedrawGuard redrawOff(*this);
        ShowChanges(m_window.View().Service().DeleteMeasurement(line, lin));
        const int count = GetItemCount();
        if (count > 0)
            SelectRow(std::min(nRow, count - 1));
    });
}

// The list's operations -----------------------------------------------------------

void CMedicionesList::OnItemClick(int nRow, int, int)
{
    if (nRow < 0 || nRow >= GetItemCount())
        return;
    try {
        m_window.Measurements().SetAbsolutePosition(GetItemText(nRow, Linea).toLong());
    } catch (const CDBException&) {
        // Every change positions the set itself and reports a failure then.
    }
}

bool CMedicionesList::CanEditCell(int nRow, int nCol)
{
    // A chapter's or a concept's measurement lines are shown disabled.
    return isEnabled() && CEditList::CanEditCell(nRow, nCol);
}

void CMedicionesList::BeginCellEdit(int nRow, int nCol)
{
    if (nRow < 0 || nRow >= GetItemCount() || !isEnabled())
        return;
    // Numbers are edited without their grouping points. A comment or a
    // formula keeps its full stops: they are the user's text, and in a
    // formula a decimal point.
    if (IsNumberColumn(nCol))
        SetItemText(nRow, nCol, GetItemText(nRow, nCol).remove(u'.'));
    CEditList::BeginCellEdit(nRow, nCol);
    if (!IsEditing())
        OnCellEditClosed(nRow, nCol);
}

void CMedicionesList::OnCellEditClosed(int nRow, int nCol)
{
    m_window.ClearFormulaError();
    if (!IsNumberColumn(nCol) || nRow < 0 || nRow >= GetItemCount())
        return;
    const QString text = GetItemText(nRow, nCol);
    if (!text.isEmpty())
        SetItemText(nRow, nCol, FormatLocaleNumber(NormalizeNumberText(text), 5));
}

bool CMedicionesList::ValidateCell(int nRow, int nCol)
{
    if (GetItemText(nRow, Tipo) == kFormulaKind)
        return RecalcRow(nRow);
    return true;
}

void CMedicionesList::OnCellRefused(int nRow, int nCol)
{
    const QRect rcCell = visualRect(model()->index(nRow, nCol));
    m_window.ShowFormulaError(QRect(viewport()->mapToGlobal(rcCell.topLeft()), rcCell.size()), m_nErrorPosition);
}

void CMedicionesList::CellChanged(int nRow, int nCol)
{
    CEditList::CellChanged(nRow, nCol);
    const int budgetRow = CheckedBudgetRow();
    if (budgetRow < 0)
        return;
    const long line = m_window.View().List()->RowLine(budgetRow);
    const long lin = GetItemText(nRow, Linea).toLong();
    const QString text = GetItemText(nRow, nCol);
    Guard([&] { ShowChanges(m_window.View().Service().EditMeasurement(line, lin, nCol, text)); });
}

void CMedicionesList::DeleteLine(int nRow, int)
{
    DeleteMeasurement(nRow);
}

void CMedicionesList::InsertLine(int, int)
{
    InsertMeasurement();
}

// Popup menu ------------------------------------------------------------------

QMenu* CMedicionesList::PopupMenu()
{
    if (!m_pPopup)
        m_pPopup = CContextMenus::Create(CContextMenus::InsertarMedida, this);
    return m_pPopup.get();
}

void CMedicionesList::OnContextMenu(int nRow, int nCol, const QPoint& ptGlobal)
{
    if (nRow >= 0) {
        DeselectAll();
        SelectAndFocus(nRow);
        m_nRow = nRow;
        m_nCol = nCol;
    }
    if (QAction* chosen = PopupMenu()->exec(ptGlobal))
        OnCommand(chosen->data().toInt());
}

bool CMedicionesList::OnCommand(int nID)
{
    if (nID != ID_INSERTAR_MEDIDA)
        return false;
    InsertMeasurementFromSelection();
    return true;
}
