#pragma once

#include <QDialog>
#include <QString>

class CMedicionesList;
class CMedidasSet;
class CVelmoraView;
class QLabel;
class QLineEdit;
class QPushButton;

// "Mediciones": the modeless window beside the budget that shows the
// measurement lines of the budget line selected in the budget grid, their sum
// as "Total mediciones", and lets the user edit, add and delete them. Only a
// folder has measurement lines: for chapters and concepts the list and the
// insert button are disabled.
class CMedicionesDlg : public QDialog
{
    Q_OBJECT

public:
    // measurements: the document's set, shared with the view, not owned.
    CMedicionesDlg(CVelmoraView& view, CMedidasSet& measurements, QWidget* parent = nullptr);
    ~CMedicionesDlg() override;

    CVelmoraView& View() { return m_view; }
    CMedidasSet& Measurements() { return m_measurements; }
    CMedicionesList* List() const { return m_pList; }
    QLineEdit* TotalBox() const { return m_pTotal; }
    QLabel* TotalLabel() const { return m_pTotalLabel; }
    QPushButton* InsertButton() const { return m_pInsert; }

    // Hides a shown window; shows a hidden one when the budget has lines.
    // Either way the window then follows the budget grid's selection.
    void ToggleMeasurements();

    // The budget grid selected a row: the window shows that line's
    // measurement lines, and takes edits only when the line is a folder.
    void OnBudgetLineSelected(int nRow);
    // Fills the list for the budget item and shows the sum.
    void LoadMeasurements();

    // The budget grid row of the line shown. The grid's rows move as its
    // branches open and close, so the row is checked against the line it was
    // taken from and looked for again; -1 when the line is not in the grid.
    int BudgetRow() const;
    int BudgetItem() const { return m_nBudgetItem; }
    void SetBudgetItem(int nRow);
    bool IsFolderShown() const;

    // Shows the sum of the totals.
    void ShowTotal(double dTotal);

    // Tells the user where a formula stopped: a tip over the cell and the
    // main window's status bar.
    void ShowFormulaError(const QRect& rcCellGlobal, int nPosition);
    // The editor closed: the error it had is no longer news.
    void ClearFormulaError();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Shows nothing, disabled: no line, or the grid was emptied or reloaded.
    void Reset();
    void EnableEditing(bool bEnable);

    CVelmoraView& m_view;
    CMedidasSet& m_measurements;
    CMedicionesList* m_pList;
    QLineEdit* m_pTotal;
    QLabel* m_pTotalLabel;
    QPushButton* m_pInsert;
    int m_nBudgetItem = -1;
    // The line the budget item stood for when it was taken.
    QString m_strBudget;
    QString m_strFormulaError;
    QString m_strNumLin;
    QString m_strCode;
};
