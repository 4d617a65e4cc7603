#include "output/CBudgetPrintout.h"

#include "output/CPrintBody.h"
#include "output/CPrintColumns.h"

#include "store/NumberText.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

// The invoice's totals box stands here on the last page, whatever the paper.
constexpr int kInvoiceBoxTop = 2500;

QString Money(const QString& strStoreText)
{
    return FormatLocaleNumber(strStoreText, 2);
}

} // namespace

CBudgetPrintout::CBudgetPrintout(CPrintJob& job, const CPrintData& data)
    : m_job(job)
    , m_data(data)
    , m_options(job.m_options)
{
}

// Pagination ------------------------------------------------------------------

int CBudgetPrintout::Paginate()
{
    return m_options.IsInvoice() ? PaginateInvoice() : PaginateBudget();
}

int CBudgetPrintout::PaginateBudget()
{
    CPrintBody body(m_job, m_data);
    body.LayOut(m_options.m_bMeasurements);
    // Totals that do not fit under the last line get a page of their own.
    if (PrintBudgetFooter(m_job.m_pages.back().endY, true) > m_job.PageBottom())
        body.NewPage(CPrintBody::kBodyTop);
    for (int n = 1; n <= m_job.PageCount(); ++n)
        PrintBudgetPage(n);
    return m_job.PageCount();
}

int CBudgetPrintout::PaginateInvoice()
{
    CPrintBody body(m_job, m_data);
    body.LayOut(false);
    if (PrintInvoiceFooter(m_job.m_pages.back().endY, true) > kInvoiceBoxTop)
        body.NewPage(CPrintBody::kBodyTop);
    for (int n = 1; n <= m_job.PageCount(); ++n)
        PrintInvoicePage(n);
    return m_job.PageCount();
}

// Composition of the pages ----------------------------------------------------

void CBudgetPrintout::ComposePage(int nPage, bool bInvoice)
{
    if (nPage < 1 || nPage > m_job.PageCount())
        return;
    PrintPage& page = m_job.m_pages[size_t(nPage - 1)];
    std::vector<PrintItem> rows = std::move(page.items);
    page.items.clear();
    page.items.reserve(rows.size() + 64);
    m_pItems = &page.items;
    if (nPage == 1)
        bInvoice ? PrintInvoiceHeader() : PrintBudgetHeader();
    bInvoice ? PrintInvoiceColumnBand(nPage) : PrintColumnBand(nPage);
    page.items.insert(page.items.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    if (nPage == m_job.PageCount())
        bInvoice ? PrintInvoiceFooter(page.endY, false) : PrintBudgetFooter(page.endY, false);
    m_pItems = nullptr;
}

void CBudgetPrintout::PrintBudgetPage(int nPage)
{
    ComposePage(nPage, false);
}

void CBudgetPrintout::PrintInvoicePage(int nPage)
{
    ComposePage(nPage, true);
}

// Drawing into the page being composed ----------------------------------------

void CBudgetPrintout::Add(PrintItem item)
{
    if (m_pItems)
        m_pItems->push_back(std::move(item));
}

int CBudgetPrintout::Text(const QString& strText, const TextBlock& block)
{
    TextBlock measured = block;
    m_job.DrawTextBlock(strText, measured, true);
    if (!strText.isEmpty())
        Add({PrintItem::Text, strText, block});
    return measured.height;
}

void CBudgetPrintout::HLine(int x, int y, int nLength)
{
    Add({PrintItem::HLine, {}, MakeTextBlock(x, y, nLength, 0)});
}

void CBudgetPrintout::VLine(int x, int y, int nLength)
{
    Add({PrintItem::VLine, {}, MakeTextBlock(x, y, 0, nLength)});
}

void CBudgetPrintout::Rect(int x, int y, int nWidth, int nHeight)
{
    Add({PrintItem::Rect, {}, MakeTextBlock(x, y, nWidth, nHeight)});
}

void CBudgetPrintout::Image(int x, int y, int nWidth, int nHeight, const QString& strPath)
{
    if (!strPath.isEmpty())
        Add({PrintItem::Image, strPath, MakeTextBlock(x, y, nWidth, nHeight)});
}

// Header, column band and footer ----------------------------------------------

namespace {

QString Upper(const QString& strCaption)
{
    return strCaption.toUpper();
}

QString Percent(const QString& strStoreText)
{
    return QString::asprintf("%.2f", StoreAtof(strStoreText));
}

} // namespace

QStringList CBudgetPrintout::AddressLines(const QString& strName, const QString& strAddress, const QString& strCp,
                                          const QString& strTown, const QString& strProvince, const QString& strPhone,
                                          const QString& strFax, const QString& strEmail)
{
    // A line that joins two values, both empty, would print its punctuation alone.
    const bool noTown = strCp.isEmpty() && strTown.isEmpty();
    const bool noPhone = strPhone.isEmpty() && strFax.isEmpty();
    return {strName,
            strAddress,
            noTown ? QString() : QStringLiteral("%1 - %2").arg(strCp, strTown),
            strProvince,
            noPhone ? QString() : QStringLiteral("%1: %2, Fax: %3").arg(tr("Teléfono"), strPhone, strFax),
            QStringLiteral("Email: %1").arg(strEmail)};
}

void CBudgetPrintout::PrintLines(const QStringList& lines, int x, int y, int nWidth, int nSize, bool bBold)
{
    for (const QString& line : lines) {
        Text(line, MakeTextBlock(x, y, nWidth, 50, nSize, bBold));
        y += 40;
    }
}

void CBudgetPrintout::PrintLogoAndCompany(bool bClientRight)
{
    if (m_options.m_bLogo)
        Image(bClientRight ? 100 : 1600, 80, 200, 200, m_data.m_company.strLogo);
    // Lines are cut at the block's edge rather than run into the client's.
    const int x = bClientRight ? 100 : 1300;
    const int width = bClientRight ? 1150 : 700;
    const CPrintData::Company& c = m_data.m_company;
    if (m_options.m_bCompanyData) {
        PrintLines(AddressLines(c.strNombre, c.strDireccion, c.strCp, c.strPoblacion, c.strProvincia, c.strTelefono,
                                c.strFax, c.strEmail),
                   x, 320, width, 8, false);
    }
    if (m_options.m_bCompanyNif)
        Text(QStringLiteral("NIF: %1").arg(c.strNif), MakeTextBlock(x, 560, width, 50, 8));
}

void CBudgetPrintout::PrintClientBlock(int x, int nWidth)
{
    const CBudgetHeader& h = m_data.m_header;
    if (m_options.m_bClientData) {
        PrintLines(AddressLines(h.m_strCliente, h.m_strDireccion, h.m_strCp, h.m_strPoblacion, h.m_strProvincia,
                                h.m_strTelefono, h.m_strFax, h.m_strEmail),
                   x, 190, nWidth, 10, true);
    }
    if (m_options.m_bClientNif)
        Text(QStringLiteral("NIF: %1").arg(h.m_strNif), MakeTextBlock(x, 430, nWidth, 50, 10, true));
}

void CBudgetPrintout::PrintBudgetHeader()
{
    const bool right = m_options.IsClientRight();
    if (m_options.m_bTitle)
        Text(Upper(tr("Presupuesto")), MakeTextBlock(m_job.PageRight() / 2, m_job.PageTop(), 0, 0, 20, true, TextBlock::Centre));
    PrintLogoAndCompany(right);
    const int x = right ? 1300 : 100;
    const int width = right ? 700 : 1150;
    if (m_options.m_bBudgetCode)
        Text(m_data.m_header.m_strCodigo, MakeTextBlock(x, 150, width, 50, 10, true));
    PrintClientBlock(x, width);
    if (m_options.m_bBudgetNumber)
        Text(QStringLiteral("%1: %2").arg(Upper(tr("Presupuesto")), m_options.m_strBudgetNumber), MakeTextBlock(x, 500, width, 50));
    if (m_options.m_bBudgetDate) {
        Text(QStringLiteral("%1: %2").arg(Upper(tr("Fecha")), m_options.m_budgetDate.toString(QStringLiteral("dd-MM-yyyy"))),
             MakeTextBlock(x, 550, width, 50));
    }
}

void CBudgetPrintout::PrintInvoiceHeader()
{
    const bool right = m_options.IsClientRight();
    if (m_options.m_bFiscalData) {
        TextBlock fiscal = MakeTextBlock(50, m_job.PageBottom() / 2, 0, 0, 6, false, TextBlock::Centre);
        fiscal.vertical = true;
        Text(m_data.m_company.strRegFac, fiscal);
    }
    Rect(right ? 1180 : 80, 180, 840, 300);
    if (m_options.m_bTitle) {
        const int x = right ? m_job.PageRight() * 3 / 4 : m_job.PageRight() / 4;
        Text(Upper(tr("Factura")), MakeTextBlock(x, m_job.PageTop(), 0, 0, 20, true, TextBlock::Centre));
    }
    PrintLogoAndCompany(right);
    // Inside the frame.
    const int x = right ? 1200 : 100;
    PrintClientBlock(x, 800);
    if (m_options.m_bInvoiceNumber)
        Text(QStringLiteral("%1: %2").arg(Upper(tr("Factura")), m_options.m_strInvoiceNumber), MakeTextBlock(x, 500, 800, 50));
    if (m_options.m_bInvoiceDate) {
        Text(QStringLiteral("%1: %2").arg(Upper(tr("Fecha")), m_options.m_invoiceDate.toString(QStringLiteral("dd-MM-yyyy"))),
             MakeTextBlock(x, 550, 800, 50));
    }
}

void CBudgetPrintout::PrintBandHeadings(int y)
{
    HLine(100, y, 1900);
    HLine(100, y + 40, 1900);
    if (m_options.m_bCodes)
        Text(Upper(tr("Codigo")), MakeTextBlock(100, y, 300, 50, 10, true));
    const CPrintColumns columns(m_options);
    Text(Upper(tr("Un.")), MakeTextBlock(columns.UnitX(), y, 100, 50, 10, true, TextBlock::Centre));
    Text(Upper(tr("Descripción")), MakeTextBlock(columns.DescriptionX(), y, columns.DescriptionWidth(), 50, 10, true));
    if (m_options.m_bAmounts)
        Text(Upper(tr("Precio")), MakeTextBlock(1200, y, 250, 50, 10, true, TextBlock::Right));
    Text(Upper(tr("Cantidad")), MakeTextBlock(columns.QuantityX(), y, 250, 50, 10, true, TextBlock::Right));
    if (m_options.m_bAmounts)
        Text(Upper(tr("Importe")), MakeTextBlock(1700, y, 300, 50, 10, true, TextBlock::Right));
}

void CBudgetPrintout::PrintPageNumber(int nPage)
{
    Text(tr("pag. %1/%2").arg(nPage).arg(m_job.PageCount()),
         MakeTextBlock(100, m_job.PageBottom(), 2000, 50, 8, false, TextBlock::Centre));
}

void CBudgetPrintout::PrintColumnBand(int nPage)
{
    PrintBandHeadings(nPage == 1 ? 600 : 150);
    PrintPageNumber(nPage);
}

void CBudgetPrintout::PrintInvoiceColumnBand(int nPage)
{
    const int top = nPage == 1 ? 600 : 150;
    PrintBandHeadings(top);
    PrintPageNumber(nPage);
    const int bottom = nPage == m_job.PageCount() ? kInvoiceBoxTop : m_job.PageBottom();
    HLine(100, bottom, 1900);
    std::vector<int> columns = {100};
    if (m_options.m_bCodes)
        columns.push_back(400);
    columns.push_back(CPrintColumns(m_options).DescriptionX());
    if (m_options.m_bAmounts)
        columns.insert(columns.end(), {1200, 1450, 1700});
    else
        columns.push_back(1750);
    columns.push_back(2000);
    for (const int x : columns)
        VLine(x, top, bottom - top);
}

int CBudgetPrintout::PrintTotalRow(int y, const QString& strLabel, const QString& strValue, bool bOverLines)
{
    const TextBlock label = MakeTextBlock(1200, y, 500, 0, 10, true, TextBlock::Right);
    if (bOverLines) {
        // The label spans the price and quantity columns of the invoice's
        // frame: their dividing line stops for it rather than strike it out.
        TextBlock measured = label;
        m_job.DrawTextBlock(strLabel, measured, true);
        Add({PrintItem::Erase, {}, MakeTextBlock(1205, y, 490, measured.height)});
    }
    const int height = Text(strLabel, label);
    Text(strValue, MakeTextBlock(1700, y, 300, 0, 10, false, TextBlock::Right));
    return y + height;
}

int CBudgetPrintout::PrintBudgetFooter(int y, bool bMeasureOnly)
{
    std::vector<PrintItem>* items = m_pItems;
    if (bMeasureOnly)
        m_pItems = nullptr;
    const CBudgetHeader& h = m_data.m_header;
    int left = y;
    if (m_options.m_bObservations) {
        TextBlock caption = MakeTextBlock(100, y, 1000, 0, 10, true);
        caption.underline = true;
        left += Text(tr("Observaciones"), caption);
        // While laying pages out the whole text counts, so that observations
        // that need more room than is left move to a page of their own.
        const int room = bMeasureOnly ? 0 : std::max(1, m_job.PageBottom() - left);
        left += Text(h.m_strObs, MakeTextBlock(100, left, 1000, room));
    }
    int right = y;
    const QString colon = QStringLiteral(":");
    if (m_options.m_bNet)
        right = PrintTotalRow(right, Upper(tr("Total Neto")) + colon, Money(m_data.m_strRootAmount));
    if (m_options.m_bProfit)
        right = PrintTotalRow(right, QStringLiteral("%1% %2:").arg(Percent(h.m_strBind), tr("Beneficio industrial")),
                              Money(h.m_strImpBind));
    if (m_options.m_bOverheads)
        right = PrintTotalRow(right, QStringLiteral("%1% %2:").arg(Percent(h.m_strGgen), tr("Gastos generales")),
                              Money(h.m_strImpGgen));
    if (m_options.m_bGross)
        right = PrintTotalRow(right, Upper(tr("Total bruto")) + colon, Money(h.m_strBase));
    if (m_options.m_bBase)
        right = PrintTotalRow(right, Upper(tr("Base imponible")) + colon, Money(h.m_strBase));
    if (m_options.m_bVat)
        right = PrintTotalRow(right, QStringLiteral("%1% IVA:").arg(Percent(h.m_strIva)), Money(h.m_strImpIva));
    if (m_options.m_bTotal)
        right = PrintTotalRow(right, Upper(tr("Total presupuesto")) + colon, Money(h.m_strTotal));
    m_pItems = items;
    return std::max(left, right);
}

int CBudgetPrintout::PrintInvoiceFooter(int y, bool bMeasureOnly)
{
    std::vector<PrintItem>* items = m_pItems;
    if (bMeasureOnly)
        m_pItems = nullptr;
    const CBudgetHeader& h = m_data.m_header;
    int bottom = y;
    if (m_options.m_bProfit)
        bottom = PrintTotalRow(bottom, QStringLiteral("%1% %2:").arg(Money(h.m_strBind), tr("Beneficio industrial")),
                               Money(h.m_strImpBind), true);
    if (m_options.m_bOverheads)
        bottom = PrintTotalRow(bottom, QStringLiteral("%1% %2:").arg(Money(h.m_strGgen), tr("Gastos generales")),
                               Money(h.m_strImpGgen), true);
    if (!bMeasureOnly) {
        PrintTotalsBox();
        if (m_options.m_bObservations) {
            Text(QStringLiteral("%1: %2").arg(Upper(tr("Forma de pago")), h.m_strFp),
                 MakeTextBlock(100, 2650, 1900, std::max(50, m_job.PageBottom() - 2650)));
        }
    }
    m_pItems = items;
    return bottom;
}

void CBudgetPrintout::PrintTotalsBox()
{
    const int top = kInvoiceBoxTop;
    HLine(100, top + 50, 1900);
    HLine(100, top + 100, 1900);
    for (const int x : {100, 500, 700, 1100, 1300, 1600, 2000})
        VLine(x, top, 100);
    const CBudgetHeader& h = m_data.m_header;
    auto cell = [this, top](int x, int width, const QString& strCaption, const QString& strValue) {
        Text(strCaption, MakeTextBlock(x, top, width, 50, 10, true, TextBlock::Centre));
        Text(strValue, MakeTextBlock(x, top + 50, width, 50, 10, false, TextBlock::Right));
    };
    if (m_options.m_bGross)
        cell(100, 400, Upper(tr("Total bruto")), Money(h.m_strBase));
    if (m_options.m_bBase)
        cell(700, 400, Upper(tr("Base imponible")), Money(h.m_strBase));
    if (m_options.m_bVat) {
        cell(1100, 200, QStringLiteral("% I.V.A."), Money(h.m_strIva));
        cell(1300, 300, Upper(tr("Importe")) + QStringLiteral(" I.V.A."), Money(h.m_strImpIva));
    }
    if (m_options.m_bTotal)
        cell(1600, 400, Upper(tr("Total factura")), Money(h.m_strTotal));
}

// Output on a device ----------------------------------------------------------

int CBudgetPrintout::PrintDocument(CPrintJob& job, const CPrintData& data, QPagedPaintDevice& device, int nFrom,
                                   int nTo)
{
    job.Attach(&device, nullptr);
    job.SetOrientation(false);
    QPainter painter;
    if (!painter.begin(&device)) {
        job.Attach(nullptr, nullptr);
        return -1;
    }
    job.Attach(&device, &painter);
    job.SetupPage();
    const int count = CBudgetPrintout(job, data).Paginate();
    const int first = nFrom > 0 ? std::min(nFrom, count) : 1;
    const int last = nTo > 0 ? std::min(nTo, count) : count;
    for (int n = first; n <= last; ++n) {
        if (n > first)
            device.newPage();
        job.DrawPage(n);
    }
    painter.end();
    job.Attach(nullptr, nullptr);
    return count;
}

int CBudgetPrintout::PrintToPdf(CPrintJob& job, const CPrintData& data, const QString& strPath)
{
    QPdfWriter writer(strPath);
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setTitle(data.m_header.m_strCodigo);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                     QPageLayout::Millimeter));
    return PrintDocument(job, data, writer);
}
