#include "output/CBudgetReport.h"

#include "store/CArticulosSet.h"
#include "store/CMedidasSet.h"
#include "store/CParametrosSet.h"
#include "store/CPresupuestosSet.h"
#include "store/NumberText.h"

#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

// One measurement line as the report shows it.
struct CReportMeasure
{
    QString m_strTipo;
    QString m_strNombre;
    QString m_strUnidades;
    QString m_strLargo;
    QString m_strAncho;
    QString m_strAlto;
    QString m_strTotal;
};

namespace {

constexpr int kCodeWidth = 19;
constexpr int kUnitWidth = 4;
constexpr int kDescriptionWidth = 33;
constexpr int kPriceWidth = 10;
constexpr int kQuantityWidth = 11;
constexpr int kAmountWidth = 12;
constexpr int kDescriptionColumn = 27;
constexpr int kClientColumn = 50;
constexpr int kTotalLabelWidth = 73;
constexpr int kTotalValueWidth = 20;
constexpr int kTitleTwips = 400;
constexpr int kTextTwips = 200;

const QString kEnd = QStringLiteral("\r\n");

// A field that keeps its whole value: a value that does not fit is not cut
// (a cut code or amount would read as another one) but written whole with
// one space to part it from its neighbour.
QString FitRight(const QString& strText, int n)
{
    return strText.size() < n ? CBudgetReport::PadRight(strText, n) : strText + u' ';
}

QString FitLeft(const QString& strText, int n)
{
    return strText.size() < n ? CBudgetReport::PadLeft(strText, n) : u' ' + strText;
}

// Values right-aligned at the ends of their columns after the text on their
// left. A value wider than its column takes room from the blanks on its left,
// always keeping one space, rather than be cut; the line grows only when
// there is no room left. Values that fit give the plain fixed columns.
QString RightAligned(const QString& strLeft, const QStringList& values, const std::vector<int>& ends)
{
    std::vector<qsizetype> starts(values.size(), -1);
    qsizetype limit = ends.back();
    for (qsizetype i = values.size() - 1; i >= 0; --i) {
        if (values[i].isEmpty())
            continue;
        starts[i] = std::min<qsizetype>(ends[i], limit) - values[i].size();
        limit = starts[i] - 1;
    }
    qsizetype used = strLeft.size();
    while (used > 0 && strLeft[used - 1] == u' ')
        --used;
    const auto first = std::find_if(starts.begin(), starts.end(), [](qsizetype start) { return start >= 0; });
    const qsizetype shift = first != starts.end() ? std::max<qsizetype>(0, used + 1 - *first) : 0;
    QString line = strLeft.left(used);
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (starts[i] >= 0)
            line = line.leftJustified(starts[i] + shift) + values[i];
    }
    return line.leftJustified(std::max<qsizetype>(ends.back(), strLeft.size()));
}

// Stored texts may hold line breaks and tabs; in a column they are spaces.
QString OneLine(const QString& strText)
{
    QString text = strText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar& c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

QString Amount(const QString& strStore)
{
    return FormatLocaleNumber(strStore, 2);
}

QString Factor(const QString& strStore)
{
    return FormatLocaleNumber(strStore, -1);
}

// The formula with its letters replaced by the factors, as the user reads it.
QString FormulaText(const CReportMeasure& measure)
{
    const QString values[] = {Factor(measure.m_strUnidades), Factor(measure.m_strLargo), Factor(measure.m_strAncho),
                              Factor(measure.m_strAlto)};
    QString text;
    for (const QChar c : OneLine(measure.m_strNombre)) {
        if (c >= u'a' && c <= u'd')
            text += values[c.unicode() - u'a'];
        else if (c == u'p')
            text += QStringLiteral("3,1415926");
        else
            text += c;
    }
    return text;
}

CReportMeasure ReadMeasure(const CMedidasSet& set)
{
    return {set.m_TIPO, set.m_NOMBRE, set.m_UNIDADES, set.m_LARGO, set.m_ANCHO, set.m_ALTO, set.m_TOTAL};
}

} // namespace

QString CBudgetReport::Spaces(int n)
{
    return QString(std::max(0, n), u' ');
}

QString CBudgetReport::PadRight(const QString& strText, int n)
{
    return strText.leftJustified(std::max(0, n), u' ', true);
}

QString CBudgetReport::PadLeft(const QString& strText, int n)
{
    const int width = std::max(0, n);
    return strText.size() >= width ? strText.right(width) : Spaces(width - int(strText.size())) + strText;
}

QFont CBudgetReport::ReportFont()
{
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

CRtfWriter::Page CBudgetReport::ReportPage()
{
    CRtfWriter::Page page;
    page.m_nLeft = page.m_nRight = 360;
    page.m_nTop = page.m_nBottom = 720;
    return page;
}

void CBudgetReport::PrepareDocument(QTextDocument& document)
{
    document.setDefaultFont(ReportFont());
    const qreal tabStop = qreal(kTabStopTwips) / CRtfWriter::kTwipsPerPixel;
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(tabStop);
    document.setDefaultTextOption(option);
    document.setIndentWidth(tabStop);
}

CBudgetReport::CBudgetReport(QTextDocument& document)
    : m_cursor(&document)
{
    m_cursor.movePosition(QTextCursor::End);
    m_char.setFont(ReportFont());
    m_block = m_cursor.blockFormat();
    m_block.setAlignment(Qt::AlignLeft);
}

void CBudgetReport::AppendText(const QString& strText)
{
    // Text of one format gathers and goes in at once when the format
    // changes: one insertion per run of formatting instead of one per line.
    m_strPending += strText;
}

void CBudgetReport::Flush()
{
    if (m_strPending.isEmpty())
        return;
    m_cursor.movePosition(QTextCursor::End);
    m_cursor.insertText(m_strPending, m_char);
    m_strPending.clear();
}

void CBudgetReport::SetCharFormat(const QTextCharFormat& format)
{
    if (format == m_char)
        return;
    Flush();
    m_char = format;
}

void CBudgetReport::SetCentered(bool bCentered)
{
    Flush();
    m_block.setAlignment(bCentered ? Qt::AlignHCenter : Qt::AlignLeft);
    m_cursor.movePosition(QTextCursor::End);
    m_cursor.setBlockFormat(m_block);
    m_cursor.setBlockCharFormat(m_char);
}

void CBudgetReport::SetBold(bool bOn)
{
    QTextCharFormat format = m_char;
    format.setFontWeight(bOn ? QFont::Bold : QFont::Normal);
    SetCharFormat(format);
}

void CBudgetReport::SetItalic(bool bOn)
{
    QTextCharFormat format = m_char;
    format.setFontItalic(bOn);
    SetCharFormat(format);
}

void CBudgetReport::SetUnderline(bool bOn)
{
    QTextCharFormat format = m_char;
    format.setFontUnderline(bOn);
    SetCharFormat(format);
}

void CBudgetReport::SetSizeTwips(int nTwips)
{
    QTextCharFormat format = m_char;
    format.setFontPointSize(nTwips / 20.0);
    SetCharFormat(format);
}

namespace {

// The document takes the report as one edit, and is left whole and usable
// when reading the store fails half-way.
class CEditBlock
{
public:
    explicit CEditBlock(QTextCursor& cursor)
        : m_cursor(cursor)
    {
        m_cursor.beginEditBlock();
    }
    ~CEditBlock() { m_cursor.endEditBlock(); }
    CEditBlock(const CEditBlock&) = delete;
    CEditBlock& operator=(const CEditBlock&) = delete;

private:
    QTextCursor& m_cursor;
};

} // namespace

void CBudgetReport::WriteReport(CDatabase& db, const QString& strBudget)
{
    CPresupuestosSet header(&db);
    header.FilterBudget(strBudget);
    header.Open(CRecordset::snapshot, {}, CRecordset::readOnly);

    const CEditBlock edit(m_cursor);
    m_strPending.clear();
    WriteTitle();
    WriteAddresses(db, header);
    WriteHeading();

    CArticulosSet lines(&db);
    lines.FilterBudget(strBudget);
    lines.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    CMedidasSet measures(&db);
    measures.FilterBudget(strBudget);
    measures.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    QString netTotal;
    bool root = true;
    std::vector<CReportMeasure> lineMeasures;
    for (; !lines.IsEOF(); lines.MoveNext()) {
        // Both sets run in line order: the measurements of a line are the
        // rows of its NUMLIN where the measurement set stands.
        const long numlin = lines.m_NUMLIN.toLong();
        lineMeasures.clear();
        while (!measures.IsEOF() && measures.m_NUMLIN.toLong() <= numlin) {
            if (measures.m_NUMLIN.toLong() == numlin)
                lineMeasures.push_back(ReadMeasure(measures));
            measures.MoveNext();
        }
        if (root) {
            netTotal = lines.m_IMPORTE;
            root = false;
            continue;
        }
        WriteLine(lines);
        WriteMeasurements(lineMeasures);
    }
    WriteTotals(netTotal, header);
    Flush();
}

void CBudgetReport::WriteTitle()
{
    SetCentered(true);
    SetBold(true);
    SetSizeTwips(kTitleTwips);
    AppendText(tr("PRESUPUESTO") + kEnd + kEnd);
    SetBold(false);
    SetSizeTwips(kTextTwips);
    SetCentered(false);
}

void CBudgetReport::WriteAddresses(CDatabase& db, const CPresupuestosSet& client)
{
    CParametrosSet company(&db);
    company.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    const bool haveClient = !client.IsEOF();
    auto row = [&](const QString& strCompany, const QString& strClient) {
        AppendText(FitRight(QStringLiteral("    ") + OneLine(strCompany), kClientColumn) + OneLine(strClient) + kEnd);
    };
    auto field = [&](const QString CParametrosSet::*companyField, const QString CPresupuestosSet::*clientField) {
        row(company.IsEOF() ? QString() : company.*companyField, haveClient ? client.*clientField : QString());
    };
    auto place = [](const QString& strCp, const QString& strTown) { return strCp + QStringLiteral(" - ") + strTown; };
    field(&CParametrosSet::m_NOMBRE, &CPresupuestosSet::m_NOMBRE);
    field(&CParametrosSet::m_DIRECCION, &CPresupuestosSet::m_DIRECCION);
    row(company.IsEOF() ? QString() : place(company.m_CP, company.m_POBLACION),
        haveClient ? place(client.m_CP, client.m_POBLACION) : QString());
    field(&CParametrosSet::m_PROVINCIA, &CPresupuestosSet::m_PROVINCIA);
    const QString phone = tr("Teléfono");
    const auto labelled = [&](const QString& strLabel, const QString& strCompany, const QString& strClient) {
        row(strLabel + QStringLiteral(": ") + strCompany, strLabel + QStringLiteral(": ") + strClient);
    };
    const QString none;
    labelled(phone, company.IsEOF() ? none : company.m_TELEFONO, haveClient ? client.m_TELEFONO : none);
    labelled(QStringLiteral("Email"), company.IsEOF() ? none : company.m_EMAIL, haveClient ? client.m_EMAIL : none);
    labelled(QStringLiteral("NIF"), company.IsEOF() ? none : company.m_NIF, haveClient ? client.m_NIF : none);
    AppendText(kEnd);

    AppendText(Spaces(kClientColumn) + tr("PRESUPUESTO") + QStringLiteral(": ") + kEnd);
    AppendText(Spaces(kClientColumn) + tr("FECHA") + QStringLiteral(": ") + kEnd);
}

void CBudgetReport::WriteHeading()
{
    AppendText(QStringLiteral("    "));
    SetBold(true);
    SetUnderline(true);
    // The columns below are counted in characters: a translation keeps them in place.
    AppendText(tr("CÓDIGO             UD. DESCRIPCION                          PRECIO   CANTIDAD     IMPORTE") + kEnd);
    SetBold(false);
    SetUnderline(false);
}

void CBudgetReport::WriteLine(const CArticulosSet& line)
{
    const bool chapter = line.m_ARTICULO.endsWith(u'#');
    QString code = line.m_ARTICULO;
    if (chapter)
        code.remove(u'#');
    // A chapter shows its short name; other lines their long description,
    // or the short name when there is none. A text of more than one field's
    // width goes on in continuation lines under the description column.
    const QString text = OneLine(chapter || line.m_DESCRIPCION.isEmpty() ? line.m_NOMBRE : line.m_DESCRIPCION);
    const bool fits = text.size() <= kDescriptionWidth;
    const QString description = fits ? PadRight(text, kDescriptionWidth) : text.left(kDescriptionWidth);

    SetBold(chapter);
    const QString left =
        QStringLiteral("    ") + FitRight(code, kCodeWidth) + FitRight(OneLine(line.m_MEDIDA), kUnitWidth) + description;
    const int priceEnd = 4 + kCodeWidth + kUnitWidth + kDescriptionWidth + kPriceWidth;
    AppendText(RightAligned(left,
                            {Amount(line.m_PRECIO), Amount(line.m_RENDIMIENTO), Amount(line.m_IMPORTE)},
                            {priceEnd, priceEnd + kQuantityWidth, priceEnd + kQuantityWidth + kAmountWidth}) +
               kEnd);
    for (qsizetype done = fits ? text.size() : kDescriptionWidth; done < text.size(); done += kDescriptionWidth)
        AppendText(Spaces(kDescriptionColumn) + PadRight(text.mid(done, kDescriptionWidth), kDescriptionWidth) + kEnd);
    SetBold(false);
    AppendText(kEnd);
}

void CBudgetReport::WriteMeasurements(const std::vector<CReportMeasure>& measures)
{
    if (measures.empty())
        return;
    AppendText(Spaces(kDescriptionColumn));
    SetBold(true);
    SetItalic(true);
    SetUnderline(true);
    AppendText(tr("Mediciones"));
    SetBold(false);
    SetUnderline(false);
    AppendText(kEnd);
    const QString indent = Spaces(kDescriptionColumn);
    for (const CReportMeasure& measure : measures) {
        if (measure.m_strTipo == QStringLiteral("3")) {
            AppendText(indent + FormulaText(measure) + QStringLiteral(" = ") + Factor(measure.m_strTotal) + kEnd);
            continue;
        }
        if (!measure.m_strNombre.isEmpty())
            AppendText(indent + OneLine(measure.m_strNombre) + kEnd);
        const QString times = QStringLiteral(" * ");
        AppendText(indent + Factor(measure.m_strUnidades) + times + Factor(measure.m_strLargo) + times +
                   Factor(measure.m_strAncho) + times + Factor(measure.m_strAlto) + QStringLiteral(" = ") +
                   Factor(measure.m_strTotal) + kEnd);
    }
    SetItalic(false);
    AppendText(kEnd);
}

void CBudgetReport::WriteTotal(const QString& strLabel, const QString& strValue)
{
    SetBold(true);
    AppendText(PadLeft(strLabel, kTotalLabelWidth));
    SetBold(false);
    AppendText(FitLeft(Amount(strValue), kTotalValueWidth) + kEnd);
}

void CBudgetReport::WriteTotals(const QString& strNetTotal, const CPresupuestosSet& header)
{
    const bool have = !header.IsEOF();
    const auto value = [&](const QString CPresupuestosSet::*field) { return have ? header.*field : QString(); };
    const auto percent = [&](const QString CPresupuestosSet::*field, const QString& strName) {
        return QStringLiteral("%1% %2:").arg(Amount(value(field)), strName);
    };
    WriteTotal(tr("TOTAL NETO:"), strNetTotal);
    WriteTotal(percent(&CPresupuestosSet::m_BIND, tr("Beneficio industrial")),
               value(&CPresupuestosSet::m_IMPBIND));
    WriteTotal(percent(&CPresupuestosSet::m_GGEN, tr("Gastos Generales")),
               value(&CPresupuestosSet::m_IMPGGEN));
    WriteTotal(tr("TOTAL BRUTO:"), value(&CPresupuestosSet::m_BASE));
    AppendText(kEnd);
    WriteTotal(tr("BASE IMPONIBLE:"), value(&CPresupuestosSet::m_BASE));
    WriteTotal(QStringLiteral("%1% IVA:").arg(Amount(value(&CPresupuestosSet::m_IVA))),
               value(&CPresupuestosSet::m_IMPIVA));
    WriteTotal(tr("TOTAL PRESUPUESTO:"), value(&CPresupuestosSet::m_TOTAL));
}
