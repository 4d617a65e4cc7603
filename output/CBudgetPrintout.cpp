#include "output/CBudgetPrintout.h"

#include "store/NumberText.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Where the body starts: below the header on the first page, below the
// column band on the others.
constexpr int kFirstBodyTop = 650;
constexpr int kBodyTop = 200;
constexpr int kRowGap = 30;
constexpr int kMeasureRowHeight = 40;
// The invoice's totals box stands here on the last page, whatever the paper.
constexpr int kInvoiceBoxTop = 2500;

TextBlock Block(int left, int top, int width, int height, int size = 10, bool bold = false,
                int alignment = TextBlock::Left)
{
    TextBlock block;
    block.left = left;
    block.top = top;
    block.width = width;
    block.height = height;
    block.size = size;
    block.bold = bold;
    block.alignment = alignment;
    return block;
}

QString Money(const QString& strStoreText)
{
    return FormatLocaleNumber(strStoreText, 2);
}

} // namespace

struct CBudgetPrintout::RowCells {
    QString code, unit, price, quantity, amount;
    TextBlock codeBlock, unitBlock, priceBlock, quantityBlock, amountBlock;
};

CBudgetPrintout::CBudgetPrintout(CPrintJob& job, const CPrintData& data)
    : m_job(job)
    , m_data(data)
    , m_options(job.m_options)
{
}

// Columns ---------------------------------------------------------------------

int CBudgetPrintout::ColumnUnitX() const
{
    return m_options.m_bCodes ? 400 : 100;
}

int CBudgetPrintout::ColumnDescriptionX() const
{
    return m_options.m_bCodes ? 500 : 200;
}

int CBudgetPrintout::ColumnDescriptionWidth() const
{
    return (m_options.m_bCodes ? 700 : 1000) + (m_options.m_bAmounts ? 0 : 550);
}

int CBudgetPrintout::ColumnQuantityX() const
{
    return m_options.m_bAmounts ? 1450 : 1750;
}

// Pagination ------------------------------------------------------------------

int CBudgetPrintout::Paginate()
{
    return m_options.IsInvoice() ? PaginateInvoice() : PaginateBudget();
}

int CBudgetPrintout::PaginateBudget()
{
    LayOutBody(m_options.m_bMeasurements);
    if (PrintBudgetFooter(m_job.m_pages.back().endY, true) > m_job.PageBottom())
        NewPage(kBodyTop);
    for (int n = 1; n <= m_job.PageCount(); ++n)
        PrintBudgetPage(n);
    return m_job.PageCount();
}

int CBudgetPrintout::PaginateInvoice()
{
    LayOutBody(false);
    if (PrintInvoiceFooter(m_job.m_pages.back().endY, true) > kInvoiceBoxTop)
        NewPage(kBodyTop);
    for (int n = 1; n <= m_job.PageCount(); ++n)
        PrintInvoicePage(n);
    return m_job.PageCount();
}

void CBudgetPrintout::LayOutBody(bool bMeasurements)
{
    m_job.m_pages.clear();
    // A budget without lines to print still gets its header and totals.
    NewPage(kFirstBodyTop);
    for (const CPrintData::Line& line : m_data.m_lines) {
        AddLine(line);
        if (bMeasurements)
            AddMeasures(line);
        m_y += kRowGap;
        if (m_y > m_job.PageBottom() - 50)
            NewPage(kBodyTop);
    }
}

void CBudgetPrintout::NewPage(int nBodyTop)
{
    PrintPage page;
    page.bodyTop = page.endY = nBodyTop;
    m_job.m_pages.push_back(std::move(page));
    m_y = nBodyTop;
}

bool CBudgetPrintout::IsFreshPage() const
{
    const PrintPage& page = m_job.m_pages.back();
    return page.items.empty() && m_y == page.bodyTop;
}

QString CBudgetPrintout::DescriptionOf(const CPrintData::Line& line) const
{
    const bool useLong = m_options.m_nDescription == CPrintOptions::LongDescription && !line.strDescripcion.isEmpty()
                         && !line.IsChapter();
    const QString text = useLong ? line.strDescripcion : line.strNombre;
    return text.isEmpty() ? QStringLiteral(".") : text;
}

TextBlock CBudgetPrintout::DescriptionBlock(const CPrintData::Line& line, int y) const
{
    return Block(ColumnDescriptionX(), y, ColumnDescriptionWidth(), m_job.PageBottom() - y, 10, line.IsChapter());
}

CBudgetPrintout::RowCells CBudgetPrintout::LineCells(const CPrintData::Line& line, int y) const
{
    RowCells cells;
    const bool breakdown = line.HasBreakdown();
    if (m_options.m_bCodes) {
        cells.code = QString(line.strArticulo).remove(u'#');
        cells.codeBlock = Block(100 + 8 * line.nNivel, y, 300, 50, 9, breakdown);
    }
    cells.unit = line.strMedida;
    cells.unitBlock = Block(ColumnUnitX(), y, 100, 50, 10, false, TextBlock::Centre);
    cells.quantity = Money(line.strRendimiento);
    cells.quantityBlock = Block(ColumnQuantityX(), y, 250, 50, 10, false, TextBlock::Right);
    if (m_options.m_bAmounts) {
        cells.price = Money(line.strPrecio);
        cells.priceBlock = Block(1200, y, 250, 50, 10, breakdown, TextBlock::Right);
        cells.amount = Money(line.strImporte);
        cells.amountBlock = Block(1700, y, 300, 50, 10, breakdown, TextBlock::Right);
    }
    return cells;
}

void CBudgetPrintout::AddLine(const CPrintData::Line& line)
{
    RowCells cells = LineCells(line, m_y);
    bool withCells = true;
    QString rest = DescriptionOf(line);
    for (;;) {
        const TextBlock block = DescriptionBlock(line, m_y);
        TextBlock measured = block;
        int fitted = m_job.DrawTextBlock(rest, measured, true);
        if (fitted == 0 && !IsFreshPage()) {
            // Not one line of it fits: the whole line goes to the next page.
            NewPage(kBodyTop);
            if (withCells)
                cells = LineCells(line, m_y);
            continue;
        }
        // A page too short for a single line takes the text all the same.
        if (fitted == 0)
            fitted = int(rest.size());
        AddRow(withCells ? &cells : nullptr, rest.left(fitted), block);
        m_job.m_pages.back().endY = block.top + measured.height + kRowGap;
        if (fitted >= rest.size()) {
            m_y += measured.height;
            return;
        }
        // The rest goes on at the top of the next page, alone.
        NewPage(kBodyTop);
        rest = rest.mid(fitted);
        withCells = false;
    }
}

void CBudgetPrintout::AddRow(const RowCells* pCells, const QString& strDescription, const TextBlock& description)
{
    std::vector<PrintItem>& items = m_job.m_pages.back().items;
    if (pCells) {
        const RowCells& c = *pCells;
        const std::pair<const QString*, const TextBlock*> cells[] = {
            {&c.code, &c.codeBlock}, {&c.unit, &c.unitBlock}, {&c.price, &c.priceBlock},
            {&c.quantity, &c.quantityBlock}, {&c.amount, &c.amountBlock}};
        for (const auto& [text, block] : cells) {
            if (!text->isEmpty())
                items.push_back({PrintItem::Text, *text, *block});
        }
    }
    if (!strDescription.isEmpty())
        items.push_back({PrintItem::Text, strDescription, description});
}

QString CBudgetPrintout::MeasureText(const CPrintData::Measure& m)
{
    auto shown = [](const QString& strValue) { return FormatLocaleNumber(strValue, -1); };
    if (!m.IsFormula()) {
        return QStringLiteral("%1 * %2 * %3 * %4 = %5")
            .arg(shown(m.strUnidades), shown(m.strLargo), shown(m.strAncho), shown(m.strAlto), shown(m.strTotal));
    }
    QString formula;
    for (const QChar c : m.strNombre) {
        switch (c.unicode()) {
        case u'a':
            formula += shown(m.strUnidades);
            break;
        case u'b':
            formula += shown(m.strLargo);
            break;
        case u'c':
            formula += shown(m.strAncho);
            break;
        case u'd':
            formula += shown(m.strAlto);
            break;
        case u'p':
            formula += QStringLiteral("3,1415926");
            break;
        default:
            formula += c;
        }
    }
    return formula + QStringLiteral(" = ") + shown(m.strTotal);
}

void CBudgetPrintout::AddMeasures(const CPrintData::Line& line)
{
    const std::vector<CPrintData::Measure>* measures = m_data.MeasuresOf(line.nNumLin);
    if (!measures)
        return;
    if (m_y > m_job.PageBottom() - 100)
        NewPage(kBodyTop);
    AddMeasureRow(tr("Mediciones") + u':', true);
    m_y += kMeasureRowHeight;
    auto nextRow = [this] {
        m_y += kMeasureRowHeight;
        if (m_y > m_job.PageBottom() - 30)
            NewPage(kBodyTop);
    };
    for (const CPrintData::Measure& measure : *measures) {
        if (!measure.IsFormula() && !measure.strNombre.isEmpty()) {
            AddMeasureRow(measure.strNombre);
            // The comment and its factors may part at a page's end, but
            // neither reaches below it.
            nextRow();
        }
        AddMeasureRow(MeasureText(measure));
        nextRow();
    }
}

void CBudgetPrintout::AddMeasureRow(const QString& strText, bool bHeading)
{
    TextBlock block = Block(ColumnDescriptionX(), m_y, ColumnDescriptionWidth(), kMeasureRowHeight, 8);
    block.italic = true;
    block.underline = bHeading;
    AddRow(nullptr, strText, block);
    // Drawn, the row reports the 5 mm minimum height.
    m_job.m_pages.back().endY = m_y + CPrintJob::kMinimumHeight + kRowGap;
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
    Add({PrintItem::HLine, {}, Block(x, y, nLength, 0)});
}

void CBudgetPrintout::VLine(int x, int y, int nLength)
{
    Add({PrintItem::VLine, {}, Block(x, y, 0, nLength)});
}

void CBudgetPrintout::Rect(int x, int y, int nWidth, int nHeight)
{
    Add({PrintItem::Rect, {}, Block(x, y, nWidth, nHeight)});
}

void CBudgetPrintout::Image(int x, int y, int nWidth, int nHeight, const QString& strPath)
{
    if (!strPath.isEmpty())
        Add({PrintItem::Image, strPath, Block(x, y, nWidth, nHeight)});
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

void CBudgetPrintout::PrintLogoAndCompany(bool bClientRight)
{
    if (m_options.m_bLogo)
        Image(bClientRight ? 100 : 1600, 80, 200, 200, m_data.m_company.strLogo);
    // Lines are cut at the block's edge rather than run into the client's.
    const int x = bClientRight ? 100 : 1300;
    const int width = bClientRight ? 1150 : 700;
    const CPrintData::Company& c = m_data.m_company;
    if (m_options.m_bCompanyData) {
        const QString lines[] = {
            c.strNombre,
            c.strDireccion,
            QStringLiteral("%1 - %2").arg(c.strCp, c.strPoblacion),
            c.strProvincia,
            QStringLiteral("%1: %2, Fax: %3").arg(tr("Teléfono"), c.strTelefono, c.strFax),
            QStringLiteral("Email: %1").arg(c.strEmail),
        };
        int y = 320;
        for (const QString& line : lines) {
            Text(line, Block(x, y, width, 50, 8));
            y += 40;
        }
    }
    if (m_options.m_bCompanyNif)
        Text(QStringLiteral("NIF: %1").arg(c.strNif), Block(x, 560, width, 50, 8));
}

void CBudgetPrintout::PrintClientBlock(int x, int nWidth)
{
    const CBudgetHeader& h = m_data.m_header;
    if (m_options.m_bClientData) {
        const QString lines[] = {
            h.m_strCliente,
            h.m_strDireccion,
            QStringLiteral("%1 - %2").arg(h.m_strCp, h.m_strPoblacion),
            h.m_strProvincia,
            QStringLiteral("%1: %2, Fax: %3").arg(tr("Teléfono"), h.m_strTelefono, h.m_strFax),
            QStringLiteral("Email: %1").arg(h.m_strEmail),
        };
        int y = 190;
        for (const QString& line : lines) {
            Text(line, Block(x, y, nWidth, 50, 10, true));
            y += 40;
        }
    }
    if (m_options.m_bClientNif)
        Text(QStringLiteral("NIF: %1").arg(h.m_strNif), Block(x, 430, nWidth, 50, 10, true));
}

void CBudgetPrintout::PrintBudgetHeader()
{
    const bool right = m_options.IsClientRight();
    if (m_options.m_bTitle)
        Text(Upper(tr("Presupuesto")), Block(m_job.PageRight() / 2, m_job.PageTop(), 0, 0, 20, true, TextBlock::Centre));
    PrintLogoAndCompany(right);
    const int x = right ? 1300 : 100;
    const int width = right ? 700 : 1150;
    if (m_options.m_bBudgetCode)
        Text(m_data.m_header.m_strCodigo, Block(x, 150, width, 50, 10, true));
    PrintClientBlock(x, width);
    if (m_options.m_bBudgetNumber)
        Text(QStringLiteral("%1: %2").arg(Upper(tr("Presupuesto")), m_options.m_strBudgetNumber), Block(x, 500, width, 50));
    if (m_options.m_bBudgetDate) {
        Text(QStringLiteral("%1: %2").arg(Upper(tr("Fecha")), m_options.m_budgetDate.toString(QStringLiteral("dd-MM-yyyy"))),
             Block(x, 550, width, 50));
    }
}

void CBudgetPrintout::PrintInvoiceHeader()
{
    const bool right = m_options.IsClientRight();
    if (m_options.m_bFiscalData) {
        TextBlock fiscal = Block(50, m_job.PageBottom() / 2, 0, 0, 6, false, TextBlock::Centre);
        fiscal.vertical = true;
        Text(m_data.m_company.strRegFac, fiscal);
    }
    Rect(right ? 1180 : 80, 180, 840, 300);
    if (m_options.m_bTitle) {
        const int x = right ? m_job.PageRight() * 3 / 4 : m_job.PageRight() / 4;
        Text(Upper(tr("Factura")), Block(x, m_job.PageTop(), 0, 0, 20, true, TextBlock::Centre));
    }
    PrintLogoAndCompany(right);
    // Inside the frame.
    const int x = right ? 1200 : 100;
    PrintClientBlock(x, 800);
    if (m_options.m_bInvoiceNumber)
        Text(QStringLiteral("%1: %2").arg(Upper(tr("Factura")), m_options.m_strInvoiceNumber), Block(x, 500, 800, 50));
    if (m_options.m_bInvoiceDate) {
        Text(QStringLiteral("%1: %2").arg(Upper(tr("Fecha")), m_options.m_invoiceDate.toString(QStringLiteral("dd-MM-yyyy"))),
             Block(x, 550, 800, 50));
    }
}

void CBudgetPrintout::PrintBandHeadings(int y)
{
    HLine(100, y, 1900);
    HLine(100, y + 40, 1900);
    if (m_options.m_bCodes)
        Text(Upper(tr("Codigo")), Block(100, y, 300, 50, 10, true));
    Text(Upper(tr("Un.")), Block(ColumnUnitX(), y, 100, 50, 10, true, TextBlock::Centre));
    Text(Upper(tr("Descripción")), Block(ColumnDescriptionX(), y, ColumnDescriptionWidth(), 50, 10, true));
    if (m_options.m_bAmounts)
        Text(Upper(tr("Precio")), Block(1200, y, 250, 50, 10, true, TextBlock::Right));
    Text(Upper(tr("Cantidad")), Block(ColumnQuantityX(), y, 250, 50, 10, true, TextBlock::Right));
    if (m_options.m_bAmounts)
        Text(Upper(tr("Importe")), Block(1700, y, 300, 50, 10, true, TextBlock::Right));
}

void CBudgetPrintout::PrintPageNumber(int nPage)
{
    Text(tr("pag. %1/%2").arg(nPage).arg(m_job.PageCount()),
         Block(100, m_job.PageBottom(), 2000, 50, 8, false, TextBlock::Centre));
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
    columns.push_back(ColumnDescriptionX());
    if (m_options.m_bAmounts)
        columns.insert(columns.end(), {1200, 1450, 1700});
    else
        columns.push_back(1750);
    columns.push_back(2000);
    for (const int x : columns)
        VLine(x, top, bottom - top);
}

int CBudgetPrintout::PrintTotalRow(int y, const QString& strLabel, const QString& strValue)
{
    const int height = Text(strLabel, Block(1200, y, 500, 0, 10, true, TextBlock::Right));
    Text(strValue, Block(1700, y, 300, 0, 10, false, TextBlock::Right));
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
        TextBlock caption = Block(100, y, 1000, 0, 10, true);
        caption.underline = true;
        left += Text(tr("Observaciones"), caption);
        // While laying pages out the whole text counts, so that observations
        // that need more room than is left move to a page of their own.
        const int room = bMeasureOnly ? 0 : std::max(1, m_job.PageBottom() - left);
        left += Text(h.m_strObs, Block(100, left, 1000, room));
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
                               Money(h.m_strImpBind));
    if (m_options.m_bOverheads)
        bottom = PrintTotalRow(bottom, QStringLiteral("%1% %2:").arg(Money(h.m_strGgen), tr("Gastos generales")),
                               Money(h.m_strImpGgen));
    if (!bMeasureOnly) {
        PrintTotalsBox();
        if (m_options.m_bObservations) {
            Text(QStringLiteral("%1: %2").arg(Upper(tr("Forma de pago")), h.m_strFp),
                 Block(100, 2650, 1900, std::max(50, m_job.PageBottom() - 2650)));
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
        Text(strCaption, Block(x, top, width, 50, 10, true, TextBlock::Centre));
        Text(strValue, Block(x, top + 50, width, 50, 10, false, TextBlock::Right));
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
