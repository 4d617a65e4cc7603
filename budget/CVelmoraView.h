#pragma once

#include "app/CCommandTarget.h"
#include "budget/CLineClipboard.h"
#include "budget/CStoreSession.h"

#include <QString>
#include <QWidget>

class CArticulosList;
class CDBException;
class CMedicionesDlg;
class CNoSeparatorMemo;
class CPictureBox;
class CVelmoraDoc;
class QLabel;
class QPainter;
class QLineEdit;

// The record form that shows the open budget: the budget grid, the long
// description and picture of the selected line, and the budget's total. It
// holds the language string, the open budget's code, the database path and
// the clipboard of copied lines; it opens the store when first initialised
// and closes it, with the data source, when destroyed.
class CVelmoraView : public QWidget, public CCommandTarget
{
    Q_OBJECT

public:
    explicit CVelmoraView(CVelmoraDoc& doc, QWidget* parent = nullptr);
    ~CVelmoraView() override;

    CVelmoraDoc& GetDocument() { return m_doc; }

    // Reads the language, registers the data source for the fixed database
    // path (creating the file when it is missing), opens the store and sets
    // the grid up. Raises CDBException when the store cannot be opened.
    void OnInitialUpdate();

    bool OnCommand(int nID) override;
    bool OnUpdateCommand(int nID, QAction& action) override;

    bool IsCatalan() const;
    // Chooses the Spanish or the Catalan text by the language string.
    QString Text(const char* szSpanish, const char* szCatalan) const;

    // The open budget.
    void OpenBudget(const QString& strCode);
    void CloseBudget();
    bool IsBudgetOpen() const { return !m_strCodigo.isEmpty(); }
    // Loads the open budget into the grid down to a level (-1: every level).
    void FillList(int nMaxLevel);
    void Renumber();
    // Recomputes and stores the budget's totals from the root line's amount.
    void UpdateTotals();
    // The code of the nearest earlier line of lower level.
    QString ParentCode(long nLine);

    // The printing hooks: preparing a run (false cancels it), printing a
    // page and ending the run. The printout itself comes with a later version.
    virtual bool OnPreparePrinting();
    virtual void OnPrint(QPainter& painter, int nPage);
    virtual void OnEndPrinting();

    // A database error ended an operation: the store is as it was before
    // it, so the grid is loaded again and the user told.
    void ReloadAfterError(const CDBException& error);

    void ClearDescription();
    void SetDescription(const QString& strText);
    void ShowLinePicture(const QString& strImage);
    CLineClipboard& Clipboard() { return m_clipboard; }
    CArticulosList* List() const { return m_pList; }
    QLineEdit* TotalBox() const { return m_pTotal; }
    CNoSeparatorMemo* DescriptionBox() const { return m_pDescripcion; }
    CPictureBox* PictureBox() const { return m_pPicture; }
    // The measurements window, created hidden by the first initialisation.
    CMedicionesDlg* Mediciones() const { return m_pMediciones; }
    // The run's hold on the store, with what the user is to be told about it.
    const CStoreSession& Session() const { return m_session; }

    QString m_strIdioma;
    QString m_strCodigo;
    QString m_strDatabasePath;

signals:
    // The commands' enabled state may have changed.
    void CommandStateChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetupGrid();
    void ShowBudgetControls(bool bShow);
    void OnDescriptionChanged();
    void OnIdioma(const QString& strValue);
    void OnManual();
    void OnDatosEmpresa();
    void OnGestionPresupuestos();
    void OnDatosTotales();

    CVelmoraDoc& m_doc;
    CStoreSession m_session;
    CLineClipboard m_clipboard;
    CArticulosList* m_pList;
    CNoSeparatorMemo* m_pDescripcion;
    CPictureBox* m_pPicture;
    QLineEdit* m_pTotal;
    QLabel* m_pTotalCaption;
    CMedicionesDlg* m_pMediciones = nullptr;
};
