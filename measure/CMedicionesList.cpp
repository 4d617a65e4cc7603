#include "measure/CMedicionesList.h"

#include "app/CommandIds.h"
#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CVelmoraView.h"
#include "measure/CInsertarMedidaDlg.h"
#include "measure/CMeasurementLines.h"
#include "measure/CMedicionesDlg.h"
#include "measure/FormulaParser.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CMedidasSet.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"
#include "ui/CWaitCursor.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>

namespace {

constexpr double kFormulaX = 0.0123;
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

// Where a formula stops, counted in the text the user wrote rather than in
// the substituted and cleaned-up one the evaluator saw: the factors become
// one-character numbers and the separators the evaluator would convert are
// converted in place, so every character keeps its position. fallback when
// that text reads to the end after all.
int UserErrorPosition(const QString& strFormula, int nFallback)
{
    QString probe = strFormula;
    for (QChar& ch : probe) {
        switch (ch.unicode()) {
        case u'a':
        case u'b':
        case u'c':
        case u'd':
        case u'p':
            ch = u'1';
            break;
        case u',':
            ch = u'.';
            break;
        case u'[':
        case u'{':
            ch = u'(';
            break;
        case u']':
        case u'}':
            ch = u')';
            break;
        default:
            break;
        }
    }
    FormulaParser parser;
    int position = 0;
    QString message;
    parser.Evaluate(probe, kFormulaX, position, message, false);
    return position > 0 ? position : nFallback;
}


// Redrawing stays off while the rows are rebuilt, also when a store error
// cuts the rebuilding short.
class CRedrawOff
{
public:
    explicit CRedrawOff(CEditList& list)
        : m_list(list)
    {
        m_list.SetRedraw(false);
    }
    ~CRedrawOff() { m_list.SetRedraw(true); }

private:
    CEditList& m_list;
};

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
    SetSortEnabled(false);
    SetEditEnabled(true);
}

bool CMedicionesList::RunOperation(const std::function<void()>& operation)
{
    try {
        CTransaction transaction(*m_window.Measurements().m_pDatabase);
        operation();
        transaction.Commit();
        return true;
    } catch (const CDBException& e) {
        m_window.View().ReloadAfterError(e);
        return false;
    }
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
    CRedrawOff redrawOff(*this);
    DeleteAllItems();
    CMedidasSet& set = m_window.Measurements();
    double total = 0.0;
    if (set.GetRecordCount() > 0) {
        for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) {
            QStringList cells(ColumnCount);
            cells[Codigo] = set.m_CODIGO;
            cells[NumLin] = set.m_NUMLIN;
            cells[Linea] = set.m_LIN;
            cells[CodigoPadre] = set.m_CODIGOPADRE;
            cells[CodigoHijo] = set.m_CODIGOHIJO;
            cells[Posicion] = set.m_POSICION;
            cells[Comentario] = set.m_NOMBRE;
            cells[Unidades] = FormatLocaleNumber(set.m_UNIDADES, 5);
            cells[Largo] = FormatLocaleNumber(set.m_LARGO, 5);
            cells[Ancho] = FormatLocaleNumber(set.m_ANCHO, 5);
            cells[Alto] = FormatLocaleNumber(set.m_ALTO, 5);
            cells[Total] = FormatLocaleNumber(set.m_TOTAL, 5);
            cells[Tipo] = set.m_TIPO;
            InsertItem(GetItemCount(), cells);
            total += StoreAtof(set.m_TOTAL);
        }
    }
    m_window.ShowTotal(total);
    return total;
}

bool CMedicionesList::RecalcRow(int nRow)
{
    m_nErrorPosition = 0;
    if (GetItemText(nRow, Tipo) == kFormulaKind) {
        const QString strFormula = GetItemText(nRow, Comentario);
        const QString substituted =
            CMeasurementLines::SubstituteLetters(strFormula, GetItemText(nRow, Unidades), GetItemText(nRow, Largo),
                                                 GetItemText(nRow, Ancho), GetItemText(nRow, Alto));
        FormulaParser parser;
        int position = 0;
        QString message;
        const double value = parser.Evaluate(substituted, kFormulaX, position, message, true);
        if (position != 0) {
            m_nErrorPosition = UserErrorPosition(strFormula, position);
            return false;
        }
        // An evaluation error (a division by zero) keeps the last total.
        if (message.isEmpty())
            SetItemText(nRow, Total, FormatLocaleNumber(StoreFormat(value, 6), 5));
    } else {
        const double total = CMeasurementLines::FactorTotal(GetItemText(nRow, Unidades), GetItemText(nRow, Largo),
                                                            GetItemText(nRow, Ancho), GetItemText(nRow, Alto));
        SetItemText(nRow, Total, FormatLocaleNumber(StoreFormat(total, 5), 5));
    }
    RecalcTotal();
    return true;
}

void CMedicionesList::RecalcTotal()
{
    double sum = 0.0;
    for (int row = 0; row < GetItemCount(); ++row)
        sum += StoreAtof(NormalizeNumberText(GetItemText(row, Total)));
    m_window.ShowTotal(sum);
}

void CMedicionesList::SaveRow(int nRow)
{
    RecalcRow(nRow);
    CMeasurementLines::Values values;
    values.nombre = GetItemText(nRow, Comentario);
    values.unidades = NormalizeNumberText(GetItemText(nRow, Unidades));
    values.largo = NormalizeNumberText(GetItemText(nRow, Largo));
    values.ancho = NormalizeNumberText(GetItemText(nRow, Ancho));
    values.alto = NormalizeNumberText(GetItemText(nRow, Alto));
    values.total = NormalizeNumberText(GetItemText(nRow, Total));
    CMeasurementLines(m_window.Measurements()).Save(GetItemText(nRow, Linea).toLong(), values);
    TransferQuantity(m_window.TotalBox()->text());
}

void CMedicionesList::TransferQuantity(const QString& strQuantity)
{
    CArticulosList* grid = m_window.View().List();
    const int row = m_window.BudgetRow();
    if (row < 0)
        return;
    grid->SetItemText(row, CBudgetRow::Rendimiento, strQuantity);
    if (grid->ValidateCell(row, CBudgetRow::Rendimiento))
        grid->CellChanged(row, CBudgetRow::Rendimiento);
}

bool CMedicionesList::InsertMeasurement()
{
    const int budgetRow = CheckedBudgetRow();
    CArticulosList* grid = m_window.View().List();
    if (budgetRow < 0 || !grid->IsFolderRow(budgetRow))
        return false;
    CVelmoraView& view = m_window.View();
    CInsertarMedidaDlg dialog(m_window.Measurements(), &m_window);
    dialog.m_strCodigo = grid->GetItemText(budgetRow, CBudgetRow::Presupuesto);
    dialog.m_strNumLin = grid->GetItemText(budgetRow, CBudgetRow::NumLin);
    dialog.m_strCodigoHijo = grid->GetItemText(budgetRow, CBudgetRow::Codigo);
    dialog.m_nExisting = GetItemCount();
    bool bAccepted = false;
    // The new line and the quantity it makes are stored together or not at all.
    const bool bDone = RunOperation([&] {
        dialog.m_strCodigoPadre = view.ParentCode(dialog.m_strNumLin.toLong());
        bAccepted = dialog.exec() == QDialog::Accepted;
        if (dialog.Failed())
            throw CDBException(dialog.ErrorText());
        if (!bAccepted)
            return;
        FillFromSet();
        TransferQuantity(m_window.TotalBox()->text());
    });
    return bDone && bAccepted;
}

void CMedicionesList::InsertMeasurementFromSelection()
{
    if (!InsertMeasurement())
        return;
    const int last = GetItemCount() - 1;
    if (last < 0)
        return;
    CRedrawOff redrawOff(*this);
    SelectRow(last);
}

void CMedicionesList::DeleteMeasurement(int nRow)
{
    if (nRow < 0 || nRow >= GetItemCount() || CheckedBudgetRow() < 0)
        return;
    CWaitCursor wait;
    const long lin = GetItemText(nRow, Linea).toLong();
    RunOperation([&] {
        CRedrawOff redrawOff(*this);
        CMeasurementLines(m_window.Measurements()).Delete(lin);
        FillFromSet();
        const int count = GetItemCount();
        if (count > 0)
            SelectRow(std::min(nRow, count - 1));
        // A folder without measurement lines counts once.
        TransferQuantity(count > 0 ? m_window.TotalBox()->text() : QStringLiteral("1"));
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
    if (CheckedBudgetRow() < 0)
        return;
    RunOperation([&] { SaveRow(nRow); });
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
    if (!m_pPopup) {
        m_pPopup = std::make_unique<QMenu>();
        m_pPopup->addAction(tr("Insertar medida"))->setData(int(ID_INSERTAR_MEDIDA));
    }
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
