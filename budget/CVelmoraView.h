#pragma once

#include "app/CCommandTarget.h"
#include "budget/CLineClipboard.h"
#include "budget/CLineListHost.h"
#include "budget/CStoreSession.h"

struct CChangeSet;

#include <QString>
#include <QWidget>
#include <memory>

class CArticulosList;
class CBasePreciosDlg;
class CDBException;
class CEditingService;
class CMedicionesDlg;
class CNoSeparatorMemo;
class CPictureBox;
class CPrintRun;
class CVelmoraDoc;
class QLabel;
class QPainter;
class QLineEdit;
class QPrinter;

// The record form that shows the open budget: the budget grid, the long
// description and picture of the selected line, and the budget's total. It
// holds the language string, the open budget's code, the database path and
// the clipboard of copied lines; it opens the store when first initialised
// and closes it, with the data source, when destroyed.
class CVelmoraView : public QWidget, public CCommandTarget, public CLineListHost
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

    // The open budget.
    void OpenBudget(const QString& strCode);
    void CloseBudget();
    bool IsBudgetOpen() const { return !m_strCodigo.isEmpty(); }
    // Loads the open budget into the grid down to a level (-1: every level).
    void FillList(int nMaxLevel);
    void Renumber();
    // Recomputes and stores the budget's totals from the root line's stored amount.
    void UpdateTotals();
    // The editing service on the open budget's lines and header.
    CEditingService Service() override;
    // Shows the totals an edit left.
    void ShowTotals(const CChangeSet& changes) override;
    // The code of the nearest earlier line of lower level.
    QString ParentCode(long nLine);

    // The printing hooks: preparing a print or preview run (the print
    // options, and the printer to print; false cancels the run), printing a
    // page of it and ending it.
    virtual bool OnPreparePrinting(bool bPreview);
    virtual void OnPrint(QPainter& painter, int nPage);
    virtual void OnEndPrinting();
    // The printer that "Configurar impresora" sets up; not owned.
    void SetPrinter(QPrinter* pPrinter) { m_pPrinter = pPrinter; }
    CPrintRun* PrintRun() const { return m_pPrintRun.get(); }

    // A database error ended an operation: the store is as it was before
    // it, so the grid is loaded again and the user told.
    void ReloadAfterError(const CDBException& error) override;
    // An edit was refused: the user is told why.
    void ShowRefusal(const QString& strMessage) override;

    // The description box shows a line's long description and takes its
    // edits; with no line shown it is empty and read-only.
    void ClearDescription() override;
    void SetDescription(long nLine, const QString& strText) override;
    long DescriptionLine() const { return m_nDescriptionLine; }
    void ShowLinePicture(const QString& strImage) override;
    CLineClipboard& Clipboard() override { return m_clipboard; }
    CArticulosList* List() const { return m_pList; }
    QLineEdit* TotalBox() const { return m_pTotal; }
    CNoSeparatorMemo* DescriptionBox() const { return m_pDescripcion; }
    CPictureBox* PictureBox() const { return m_pPicture; }
    // The measurements window, created hidden by the first initialisation.
    CMedicionesDlg* Mediciones() const { return m_pMediciones; }
    // The price-base window, created hidden by the first initialisation.
    CBasePreciosDlg* BasePrecios() const { return m_pBasePrecios; }
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
    QLabel* m_pEmptyHint;
    CMedicionesDlg* m_pMediciones = nullptr;
    CBasePreciosDlg* m_pBasePrecios = nullptr;
    QPrinter* m_pPrinter = nullptr;
    // The print or preview run in progress, or none.
    std::unique_ptr<CPrintRun> m_pPrintRun;
    // The line whose description the box shows; 0 for none.
    long m_nDescriptionLine = 0;
};
