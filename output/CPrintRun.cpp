#include "output/CPrintRun.h"

#include "output/CBudgetPrintout.h"
#include "output/CLangPrintPreview.h"
#include "output/CPrintOptionsDlg.h"
#include "store/CDBException.h"
#include "store/CPresupuestosSet.h"
#include "ui/CMessageBox.h"
#include "ui/CWaitCursor.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

CPrintRun::CPrintRun(CDatabase& db, CPresupuestosSet& header, const QString& strBudget, QPrinter* pPrinter,
                     QWidget* pParent)
    : m_db(db)
    , m_header(header)
    , m_strBudget(strBudget)
    , m_pPrinter(pPrinter)
    , m_pParent(pParent)
{
    if (!m_pPrinter) {
        m_pOwnPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_pPrinter = m_pOwnPrinter.get();
    }
    m_optionsDialog = [this](CPrintOptions& options) {
        CPrintOptionsDlg dialog(m_pParent);
        dialog.SetOptions(options);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        options = dialog.Options();
        return true;
    };
    m_printerDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, m_pParent);
        dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile
                          | QAbstractPrintDialog::PrintShowPageSize);
        return dialog.exec() == QDialog::Accepted;
    };
}

CPrintRun::~CPrintRun() = default;

bool CPrintRun::Prepare(bool bPreview)
{
    m_bPreview = bPreview;
    CPrintOptions options;
    if (!m_optionsDialog(options))
        return false;
    try {
        options.StoreInvoiceData(m_header);
    } catch (const CDBException& e) {
        m_header.CancelUpdate();
        CMessageBox::Show(m_pParent, tr("No se ha podido guardar el número de la factura.\n\n%1").arg(e.m_strError),
                          QMessageBox::Ok, QMessageBox::Critical);
        return false;
    }
    m_pJob = std::make_unique<CPrintJob>(options);
    m_pPrinter->setDocName(m_strBudget);
    // The pages are laid out for portrait paper; the preview shows them so.
    m_pPrinter->setPageOrientation(QPageLayout::Portrait);
    // The page range is known only once the pages are laid out.
    m_pPrinter->setFromTo(0, 0);
    if (!bPreview && !m_printerDialog(*m_pPrinter)) {
        m_pJob.reset();
        return false;
    }
    return true;
}

int CPrintRun::Begin(QPrinter& printer, QPainter& painter)
{
    if (!m_pJob)
        return -1;
    CWaitCursor wait;
    try {
        if (!m_pData) {
            auto data = std::make_unique<CPrintData>();
            const bool measurements = m_pJob->m_options.m_bMeasurements && !m_pJob->m_options.IsInvoice();
            if (!data->Load(m_db, m_strBudget, m_pJob->m_nLevelLimit, measurements))
                return -1;
            m_pData = std::move(data);
        }
    } catch (const CDBException& e) {
        CMessageBox::Show(m_pParent, tr("No se puede leer el presupuesto para imprimirlo.\n\n%1").arg(e.m_strError),
                          QMessageBox::Ok, QMessageBox::Critical);
        return -1;
    }
    m_pJob->Attach(&printer, &painter);
    m_pJob->SetupPage();
    return CBudgetPrintout(*m_pJob, *m_pData).Paginate();
}

void CPrintRun::PrintPage(int nPage)
{
    if (m_pJob)
        m_pJob->DrawPage(nPage);
}

void CPrintRun::PrintPages(QPrinter& printer, const PageHook& printPage)
{
    if (!m_pJob)
        return;
    // Portrait paper before the first page: the layout is made for it.
    m_pJob->Attach(&printer, nullptr);
    m_pJob->SetOrientation(false);
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_pJob->Attach(nullptr, nullptr);
        CMessageBox::Show(m_pParent, tr("No se puede imprimir en la impresora elegida."), QMessageBox::Ok,
                          QMessageBox::Critical);
        return;
    }
    const int count = Begin(printer, painter);
    if (count < 0) {
        printer.abort();
        painter.end();
        m_pJob->Attach(nullptr, nullptr);
        return;
    }
    const int first = std::max(1, printer.fromPage());
    const int last = printer.toPage() > 0 ? std::min(printer.toPage(), count) : count;
    for (int n = first; n <= last; ++n) {
        if (n > first)
            printer.newPage();
        printPage(painter, n);
    }
    painter.end();
    m_pJob->Attach(nullptr, nullptr);
}

void CPrintRun::Execute(const PageHook& printPage)
{
    if (!m_pJob)
        return;
    if (!m_bPreview) {
        PrintPages(*m_pPrinter, printPage);
        return;
    }
    CLangPrintPreview preview(m_pPrinter, m_pParent);
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this, &printPage](QPrinter* printer) { PrintPages(*printer, printPage); });
    preview.exec();
}
