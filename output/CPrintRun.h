#pragma once

#include "output/CPrintData.h"
#include "output/CPrintJob.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

class CDatabase;
class CPresupuestosSet;
class QPainter;
class QPrinter;
class QWidget;

// One print or print preview of the open budget, from the print options to
// the last page. Preparing asks for the options (and, to print, for the
// printer); each time pages are needed the budget is read and laid out on
// the printer's page; then every page is drawn through the caller's page
// hook, the same for the printer and for the preview.
class CPrintRun
{
    Q_DECLARE_TR_FUNCTIONS(CPrintRun)

public:
    using PageHook = std::function<void(QPainter&, int)>;
    using OptionsDialog = std::function<bool(CPrintOptions&)>;
    using PrinterDialog = std::function<bool(QPrinter&)>;

    // The header set must stand on the budget: an invoice's number and date
    // are stored in it. A null printer gives the run a default one.
    CPrintRun(CDatabase& db, CPresupuestosSet& header, const QString& strBudget, QPrinter* pPrinter,
              QWidget* pParent);
    ~CPrintRun();

    // The print options, then the printer unless previewing. False when
    // either is cancelled (nothing is stored then) or the invoice's number
    // could not be stored (the user has been told).
    bool Prepare(bool bPreview);
    // Prints, or shows the preview, drawing each page through the hook.
    void Execute(const PageHook& printPage);
    // Reads the budget and lays its pages out on the printer; the page count,
    // or -1 when the budget could not be read (the user has been told).
    int Begin(QPrinter& printer, QPainter& painter);
    void PrintPage(int nPage);

    CPrintJob* Job() const { return m_pJob.get(); }
    QPrinter& Printer() const { return *m_pPrinter; }
    bool IsPreview() const { return m_bPreview; }

    // The dialogs the run asks; tests put their own answers in.
    OptionsDialog m_optionsDialog;
    PrinterDialog m_printerDialog;

private:
    void PrintPages(QPrinter& printer, const PageHook& printPage);

    CDatabase& m_db;
    CPresupuestosSet& m_header;
    QString m_strBudget;
    std::unique_ptr<QPrinter> m_pOwnPrinter;
    QPrinter* m_pPrinter;
    QWidget* m_pParent;
    bool m_bPreview = false;
    std::unique_ptr<CPrintJob> m_pJob;
    std::unique_ptr<CPrintData> m_pData;
};
