#include "output/CPrintBody.h"

#include "store/NumberText.h"

#include <QCoreApplication>

namespace {

constexpr int kRowGap = 30;
constexpr int kMeasureRowHeight = 40;

} // namespace

struct CPrintBody::RowCells {
    QString code, unit, price, quantity, amount;
    TextBlock codeBlock, unitBlock, priceBlock, quantityBlock, amountBlock;
};

CPrintBody::CPrintBody(CPrintJob& job, const CPrintData& data)
    : m_job(job)
    , m_data(data)
    , m_options(job.m_options)
    , m_columns(job.m_options)
{
}

void CPrintBody::LayOut(bool bMeasurements)
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

void CPrintBody::NewPage(int nBodyTop)
{
    PrintPage page;
    page.bodyTop = page.endY = nBodyTop;
    m_job.m_pages.push_back(std::move(page));
    m_y = nBodyTop;
}

bool CPrintBody::IsFreshPage() const
{
    const PrintPage& page = m_job.m_pages.back();
    return page.items.empty() && m_y == page.bodyTop;
}

QString CPrintBody::DescriptionOf(const CPrintData::Line& line) const
{
    const bool useLong = m_options.m_nDescription == CPrintOptions::LongDescription && !line.strDescripcion.isEmpty()
                         && !line.IsChapter();
    const QString text = useLong ? line.strDescripcion : line.strNombre;
    return text.isEmpty() ? QStringLiteral(".") : text;
}

TextBlock CPrintBody::DescriptionBlock(const CPrintData::Line& line, int y) const
{
    return MakeTextBlock(m_columns.DescriptionX(), y, m_columns.DescriptionWidth(), m_job.PageBottom() - y, 10, line.IsChapter());
}

CPrintBody::RowCells CPrintBody::LineCells(const CPrintData::Line& line, int y) const
{
    RowCells cells;
    const bool breakdown = line.HasBreakdown();
    if (m_options.m_bCodes) {
        cells.code = QString(line.strArticulo).remove(u'#');
        cells.codeBlock = MakeTextBlock(100 + 8 * line.nNivel, y, 300, 50, 9, breakdown);
    }
    cells.unit = line.strMedida;
    cells.unitBlock = MakeTextBlock(m_columns.UnitX(), y, 100, 50, 10, false, TextBlock::Centre);
    cells.quantity = FormatLocaleNumber(line.strRendimiento, 2);
    cells.quantityBlock = MakeTextBlock(m_columns.QuantityX(), y, 250, 50, 10, false, TextBlock::Right);
    if (m_options.m_bAmounts) {
        cells.price = FormatLocaleNumber(line.strPrecio, 2);
        cells.priceBlock = MakeTextBlock(1200, y, 250, 50, 10, breakdown, TextBlock::Right);
        cells.amount = FormatLocaleNumber(line.strImporte, 2);
        cells.amountBlock = MakeTextBlock(1700, y, 300, 50, 10, breakdown, TextBlock::Right);
    }
    return cells;
}

void CPrintBody::AddLine(const CPrintData::Line& line)
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

void CPrintBody::AddRow(const RowCells* pCells, const QString& strDescription, const TextBlock& description)
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

QString CPrintBody::MeasureText(const CPrintData::Measure& m)
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

void CPrintBody::AddMeasures(const CPrintData::Line& line)
{
    const std::vector<CPrintData::Measure>* measures = m_data.MeasuresOf(line.nNumLin);
    if (!measures)
        return;
    if (m_y > m_job.PageBottom() - 100)
        NewPage(kBodyTop);
    AddMeasureRow(QCoreApplication::translate("CBudgetPrintout", "Mediciones") + u':', true);
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

void CPrintBody::AddMeasureRow(const QString& strText, bool bHeading)
{
    TextBlock block = MakeTextBlock(m_columns.DescriptionX(), m_y, m_columns.DescriptionWidth(), kMeasureRowHeight, 8);
    block.italic = true;
    block.underline = bHeading;
    AddRow(nullptr, strText, block);
    // Drawn, the row reports the 5 mm minimum height.
    m_job.m_pages.back().endY = m_y + CPrintJob::kMinimumHeight + kRowGap;
}
