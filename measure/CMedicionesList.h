#pragma once

#include "grid/CEditList.h"

#include <functional>
#include <memory>
#include <vector>

class CMedicionesDlg;
class QMenu;
struct CChangeSet;
struct CMeasureRecord;

// The measurement lines of one budget line, one row each: a comment and four
// factors whose product is the total, or (type "3") a formula over those
// factors standing where the comment would. Every change goes to the editing
// service, which stores it and carries the sum to the budget line's
// quantity in one transaction with the budget's roll-up; the rows then show
// what was stored.
class CMedicionesList : public CEditList
{
    Q_OBJECT

public:
    enum MeasureColumn {
        Codigo = 0,   // CODIGO of the budget
        NumLin = 1,   // NUMLIN of the budget line
        Linea = 2,    // LIN: the row's place, 1..n
        CodigoPadre = 3,
        CodigoHijo = 4,
        Posicion = 5,
        Comentario = 6, // the comment, or the formula of a formula line
        Unidades = 7,
        Largo = 8,
        Ancho = 9,
        Alto = 10,
        Total = 11,
        Tipo = 12,    // "3" on a formula line
        ColumnCount = 13
    };

    explicit CMedicionesList(CMedicionesDlg& window, QWidget* parent = nullptr);
    ~CMedicionesList() override;

    // The columns, titled in the language of the language string.
    void SetupColumns();

    // Overrides of the list's operations.
    void OnItemClick(int nRow, int nCol, int nOnStateIcon) override;
    void OnCellRefused(int nRow, int nCol) override;
    bool ValidateCell(int nRow, int nCol) override;
    void OnCellEditClosed(int nRow, int nCol) override;
    void DeleteLine(int nRow, int nFlag) override;
    void InsertLine(int nRow, int nCol) override;
    void CellChanged(int nRow, int nCol) override;
    void BeginCellEdit(int nRow, int nCol) override;
    bool CanEditCell(int nRow, int nCol) override;
    void OnContextMenu(int nRow, int nCol, const QPoint& ptGlobal) override;

    // Fills the rows from the measurement set, which stands filtered on the
    // budget line; returns the sum of the totals.
    double FillFromSet();

    // Whether a row's formula parses (a factor line always does); when not,
    // LastErrorPosition tells where it stops.
    bool RecalcRow(int nRow);
    // Runs the measurement entry dialog for the budget line shown.
    bool InsertMeasurement();
    // The same from the popup menu; the new row becomes the current one.
    void InsertMeasurementFromSelection();
    void DeleteMeasurement(int nRow);

    bool OnCommand(int nID);
    QMenu* PopupMenu();

    // Where the last formula that did not parse stopped, counted in the
    // formula as the user wrote it (1-based; 0 when none failed).
    int LastErrorPosition() const { return m_nErrorPosition; }

private:
    // Runs what the user asked for; a store error reloads the budget and
    // tells the user, a refused edit tells why. Nothing is thrown on into
    // the list's event handling.
    bool Guard(const std::function<void()>& action);
    // Shows the measurement lines and the budget lines an edit changed.
    void ShowChanges(const CChangeSet& changes);
    void FillRows(const std::vector<CMeasureRecord>& measures);
    // The budget line's row, or -1 (the window is brought in step first).
    int CheckedBudgetRow();
    void SelectRow(int nRow);

    CMedicionesDlg& m_window;
    std::unique_ptr<QMenu> m_pPopup;
    int m_nErrorPosition = 0;
};
