#pragma once

#include "output/CPrintData.h"
#include "output/CPrintJob.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

// The printed budget and invoice. Paginating lays every page out in advance
// into the job's page list: the body's rows (CPrintBody), then on each page
// its header, column band, page number and, on the last, the totals footer.
// The page list is all a printer, the preview or a PDF file needs.
//
// Positions are paper coordinates in 0.1 mm on portrait paper. The Print...
// functions add what they draw to the page being composed; with measureOnly
// they only tell how far down it would reach.
class CBudgetPrintout
{
    Q_DECLARE_TR_FUNCTIONS(CBudgetPrintout)

public:
    CBudgetPrintout(CPrintJob& job, const CPrintData& data);

    // Lays out the budget or the invoice, as the job's options say; returns
    // the page count. The job's page geometry must be set up.
    int Paginate();
    int PaginateBudget();
    int PaginateInvoice();

    void PrintBudgetPage(int nPage);
    void PrintInvoicePage(int nPage);
    void PrintBudgetHeader();
    void PrintInvoiceHeader();
    void PrintColumnBand(int nPage);
    void PrintInvoiceColumnBand(int nPage);
    // Both return the y where the footer ends. The invoice's, when only
    // measured, is its first part: the rows above the totals box.
    int PrintBudgetFooter(int y, bool bMeasureOnly);
    int PrintInvoiceFooter(int y, bool bMeasureOnly);

    // Lays the document out on the device and draws pages nFrom to nTo (0:
    // every page). Returns the page count, or -1 when the device cannot be
    // painted on.
    static int PrintDocument(CPrintJob& job, const CPrintData& data, QPagedPaintDevice& device, int nFrom = 0,
                             int nTo = 0);
    // A4 with 5 mm margins, the way a printer without its own margins would
    // print it. Returns the page count, or -1 when the file cannot be written.
    static int PrintToPdf(CPrintJob& job, const CPrintData& data, const QString& strPath);

private:
    // Composition of a page: header, band, rows, footer.
    void ComposePage(int nPage, bool bInvoice);
    static QStringList AddressLines(const QString& strName, const QString& strAddress, const QString& strCp,
                                    const QString& strTown, const QString& strProvince, const QString& strPhone,
                                    const QString& strFax, const QString& strEmail);
    void PrintLines(const QStringList& lines, int x, int y, int nWidth, int nSize, bool bBold);
    void PrintLogoAndCompany(bool bClientRight);
    void PrintClientBlock(int x, int nWidth);
    void PrintBandHeadings(int y);
    void PrintPageNumber(int nPage);
    int PrintTotalRow(int y, const QString& strLabel, const QString& strValue, bool bOverLines = false);
    void PrintTotalsBox();

    // What the Print... functions add to the page being composed. Text returns
    // the height the text takes.
    int Text(const QString& strText, const TextBlock& block);
    void HLine(int x, int y, int nLength);
    void VLine(int x, int y, int nLength);
    void Rect(int x, int y, int nWidth, int nHeight);
    void Image(int x, int y, int nWidth, int nHeight, const QString& strPath);
    void Add(PrintItem item);

    CPrintJob& m_job;
    const CPrintData& m_data;
    const CPrintOptions& m_options;
    // The items of the page being composed; none while only measuring.
    std::vector<PrintItem>* m_pItems = nullptr;
};
