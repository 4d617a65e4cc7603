#include "bc3/CBc3BudgetRecords.h"

#include "bc3/CBc3FieldText.h"
#include "store/CArticulosSet.h"
#include "store/CLineRecord.h"
#include "store/CMeasureRecord.h"
#include "store/CMedidasSet.h"
#include "store/NumberText.h"

#include <algorithm>

namespace {

// The pieces Emit hands over.
constexpr qsizetype kChunk = 1 << 20;

void Append(QByteArray& out, QStringView value, QString* pMissing = nullptr)
{
    CBc3FieldText::Append(out, value, pMissing);
}

void Widen(int& nDecimals, QStringView number)
{
    nDecimals = std::max(nDecimals, CBc3FieldText::Decimals(number));
}

bool IsBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; });
}

// Each character once, in the order met; a surrogate pair is one.
QString Distinct(const QString& characters)
{
    QString result;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const qsizetype length = characters[i].isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
        const QStringView character = QStringView(characters).mid(i, length);
        if (!result.contains(character))
            result += character;
        i += length - 1;
    }
    return result;
}

// A rate as readers take it: "13" rather than "13.00000", as several read
// it as a whole number when it is one.
QString Rate(const QString& strStored)
{
    if (strStored.trimmed().isEmpty())
        return {};
    return QString::number(StoreAtof(strStored), 'f', QLocale::FloatingPointShortest);
}

} // namespace

QString CBc3BudgetRecords::Program()
{
    return QStringLiteral("Velmora " VELMORA_VERSION);
}

void CBc3BudgetRecords::Clear()
{
    m_header.clear();
    m_lines.clear();
    m_entries.clear();
    m_path.clear();
    m_decomposedLines.clear();
    m_decomposed.clear();
    m_concepts.clear();
    m_decimals = Decimals();
    m_nSkipBelow = -1;
    m_unencodables.clear();
}

bool CBc3BudgetRecords::Read(CDatabase& database, const QString& strBudget, const Header& header)
{
    Clear();
    m_budget = header;
    // The lines and the measurement lines are read side by side in line
    // order, each set only with the columns the records take.
    CMedidasSet measures(&database);
    measures.FilterBudget(strBudget);
    measures.SelectFields({&measures.m_NUMLIN, &measures.m_TIPO, &measures.m_NOMBRE, &measures.m_UNIDADES,
                           &measures.m_LARGO, &measures.m_ANCHO, &measures.m_ALTO});
    measures.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    CArticulosSet lines(&database);
    lines.FilterBudget(strBudget);
    lines.SelectFields({&lines.m_ARTICULO, &lines.m_DESCRIPCION, &lines.m_DESGLOSE, &lines.m_FACTOR, &lines.m_IMAGEN,
                        &lines.m_MEDIDA, &lines.m_NIVEL, &lines.m_NOMBRE, &lines.m_NUMLIN, &lines.m_PRECIO,
                        &lines.m_RENDIMIENTO});
    lines.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    if (lines.IsEOF())
        return false;
    for (; !lines.IsEOF(); lines.MoveNext())
        AddLine(CLineRecord::From(lines), measures);
    m_path.clear();
    m_header = HeaderRecords();
    return true;
}

void CBc3BudgetRecords::AddLine(const CLineRecord& line, CMedidasSet& measures)
{
    m_strMissing.clear();
    const long level = line.Level();
    if (m_nSkipBelow >= 0 && level > m_nSkipBelow)
        return;
    m_nSkipBelow = -1;
    while (!m_path.empty() && m_path.back().level >= level)
        m_path.pop_back();
    // A line without a code cannot be named in its parent's decomposition,
    // where an empty code would shift every entry after it: it is left out
    // with its branch.
    if (!m_path.empty() && IsBlank(line.articulo)) {
        m_nSkipBelow = level;
        return;
    }
    const int index = int(m_lines.size());
    m_lines.emplace_back();
    int position = 0;
    if (!m_path.empty()) {
        Ancestor& parent = m_path.back();
        position = ++parent.children;
        if (parent.lastChild < 0)
            m_lines[size_t(parent.line)].firstChild = index;
        else
            m_lines[size_t(parent.lastChild)].nextSibling = index;
        parent.lastChild = index;
    }
    AddEntry(line);
    m_path.push_back({index, level, position, 0, -1, line.IsChapter()});

    if (line.IsDecomposed()) {
        Decomposed decomposed{index, m_decomposed.size(), 0, 0};
        AddConceptRecord(m_decomposed, line);
        Widen(line.IsChapter() ? m_decimals.chapterPrice : m_decimals.itemPrice, line.precio);
        decomposed.measurement = m_decomposed.size();
        AddMeasurement(line, measures);
        decomposed.end = m_decomposed.size();
        m_decomposedLines.push_back(decomposed);
    } else {
        AddConcept(line);
    }
    if (!m_strMissing.isEmpty())
        m_unencodables.push_back(Unencodable{line.Number(), line.articulo, Distinct(m_strMissing)});
}

// The line's "code\factor\yield\" as its parent's "~D" lists it.
void CBc3BudgetRecords::AddEntry(const CLineRecord& line)
{
    Line& added = m_lines.back();
    added.entry = m_entries.size();
    Append(m_entries, line.articulo, &m_strMissing);
    added.codeLength = int(m_entries.size() - added.entry);
    m_entries += '\\';
    Append(m_entries, line.factor);
    m_entries += '\\';
    Append(m_entries, line.rendimiento);
    m_entries += '\\';
    if (m_path.empty())
        return;
    if (m_path.back().chapter) {
        Widen(m_decimals.chapterYield, line.factor);
        Widen(m_decimals.chapterYield, line.rendimiento);
    } else {
        Widen(m_decimals.itemFactor, line.factor);
        Widen(m_decimals.itemYield, line.rendimiento);
    }
}

// "~C" and, when the line has a text, "~T". The type is "0", unclassified:
// strict readers want one, and the store keeps none.
void CBc3BudgetRecords::AddConceptRecord(QByteArray& out, const CLineRecord& line)
{
    const QByteArrayView code = Code(int(m_lines.size()) - 1);
    out += "~C|";
    out.append(code);
    out += '|';
    Append(out, line.medida, &m_strMissing);
    out += '|';
    // A budget made here has its name in its header, not in its root line.
    const bool root = m_lines.size() == 1;
    Append(out, root && IsBlank(line.nombre) ? m_budget.name : line.nombre, &m_strMissing);
    out += '|';
    // A price list ends each price with "\\"; a line without a price has none.
    if (!IsBlank(line.precio)) {
        Append(out, line.precio);
        out += '\\';
    }
    out += "||0|\r\n";
    if (!IsBlank(line.descripcion)) {
        out += "~T|";
        out.append(code);
        out += '|';
        Append(out, line.descripcion, &m_strMissing);
        out += "|\r\n";
    }
}

void CBc3BudgetRecords::AddConcept(const CLineRecord& line)
{
    AddConceptRecord(m_concepts, line);
    Widen(m_decimals.simplePrice, line.precio);
    if (IsBlank(line.imagen))
        return;
    m_concepts += "~G|";
    m_concepts.append(Code(int(m_lines.size()) - 1));
    m_concepts += '|';
    for (const QStringView file : QStringView(line.imagen).tokenize(u'\\', Qt::SkipEmptyParts)) {
        Append(m_concepts, file, &m_strMissing);
        m_concepts += '\\';
    }
    m_concepts += "|\r\n";
}

// "~M" of a line with its measurement lines in LIN order, under the path of
// the line from the root: its position among its siblings at each level.
// Measurement lines of lines that are not there are passed over, and so
// are the root's, which no decomposition lists.
void CBc3BudgetRecords::AddMeasurement(const CLineRecord& line, CMedidasSet& measures)
{
    const long numlin = line.Number();
    while (!measures.IsEOF() && measures.m_NUMLIN.toLong() < numlin)
        measures.MoveNext();
    if (measures.IsEOF() || measures.m_NUMLIN.toLong() != numlin || m_path.size() < 2)
        return;
    QByteArray& out = m_decomposed;
    out += "~M|";
    out.append(Code(m_path[m_path.size() - 2].line));
    out += '\\';
    out.append(Code(m_path.back().line));
    out += '|';
    for (size_t i = 1; i < m_path.size(); ++i) {
        out += QByteArray::number(m_path[i].position);
        out += '\\';
    }
    out += '|';
    Append(out, line.rendimiento);
    Widen(m_decimals.total, line.rendimiento);
    out += '|';
    for (; !measures.IsEOF() && measures.m_NUMLIN.toLong() == numlin; measures.MoveNext())
        AddMeasurementRow(CMeasureRecord::From(measures));
    out += "|\r\n";
}

void CBc3BudgetRecords::AddMeasurementRow(const CMeasureRecord& row)
{
    QByteArray& out = m_decomposed;
    Append(out, row.tipo);
    out += '\\';
    Append(out, row.nombre, &m_strMissing);
    out += '\\';
    const QString* const numbers[] = {&row.unidades, &row.largo, &row.ancho, &row.alto};
    const bool comment = std::all_of(std::begin(numbers), std::end(numbers), [](const QString* n) { return IsBlank(*n); });
    for (const QString* number : numbers) {
        // Readers multiply the numbers a row has. The measurement window
        // counts an empty one as 0 in a row with others, so the file says
        // "0"; a comment row, without any, stays blank and counts nothing.
        if (!comment && !row.IsFormula() && IsBlank(*number)) {
            out += '0';
        } else {
            Append(out, *number);
            Widen(number == numbers[0] ? m_decimals.units : m_decimals.sizes, *number);
        }
        out += '\\';
    }
}

// "~V": the company as owner, the program, Windows-1252 ("ANSI") and a
// budget (type 2). "~K": overheads, profit and VAT (CI and BAJA, which a
// budget does not have, stay empty), then the decimals of the numbers
// written and the currency; the two decimals this version no longer uses
// stay empty.
QByteArray CBc3BudgetRecords::HeaderRecords() const
{
    const Header& header = m_budget;
    QByteArray out = "~V|";
    Append(out, header.company);
    out += "|FIEBDC-3/2004|";
    Append(out, Program());
    out += "||ANSI||2|||\r\n~K||\\";
    Append(out, Rate(header.overheads));
    out += '\\';
    Append(out, Rate(header.profit));
    out += "\\\\";
    Append(out, Rate(header.vat));
    out += '|';
    const Decimals& d = m_decimals;
    const int item = d.itemPrice;
    for (const int decimals : {d.chapterYield, d.chapterPrice, -1, d.itemFactor, d.itemYield, -1, item, item,
                               d.simplePrice, d.units, d.sizes, d.total}) {
        if (decimals >= 0)
            out += QByteArray::number(decimals);
        out += '\\';
    }
    out += "EUR\\||\r\n";
    return out;
}

QByteArrayView CBc3BudgetRecords::Code(int nLine) const
{
    const Line& line = m_lines[size_t(nLine)];
    return QByteArrayView(m_entries.constData() + line.entry, line.codeLength);
}

QByteArrayView CBc3BudgetRecords::Entry(int nLine) const
{
    const qsizetype begin = m_lines[size_t(nLine)].entry;
    const qsizetype end = size_t(nLine) + 1 < m_lines.size() ? m_lines[size_t(nLine) + 1].entry : m_entries.size();
    return QByteArrayView(m_entries.constData() + begin, end - begin);
}

void CBc3BudgetRecords::Emit(const std::function<void(QByteArrayView)>& sink) const
{
    if (m_lines.empty())
        return;
    QByteArray chunk;
    chunk.reserve(kChunk + (kChunk >> 2));
    chunk += m_header;
    for (const Decomposed& decomposed : m_decomposedLines) {
        chunk.append(m_decomposed.constData() + decomposed.begin, decomposed.measurement - decomposed.begin);
        const int first = m_lines[size_t(decomposed.line)].firstChild;
        if (first >= 0) {
            chunk += "~D|";
            chunk.append(Code(decomposed.line));
            chunk += '|';
            for (int child = first; child >= 0; child = m_lines[size_t(child)].nextSibling)
                chunk.append(Entry(child));
            chunk += "|\r\n";
        }
        chunk.append(m_decomposed.constData() + decomposed.measurement, decomposed.end - decomposed.measurement);
        if (chunk.size() >= kChunk) {
            sink(chunk);
            chunk.resize(0);
        }
    }
    sink(chunk);
    for (qsizetype at = 0; at < m_concepts.size(); at += kChunk)
        sink(QByteArrayView(m_concepts).sliced(at, std::min(kChunk, m_concepts.size() - at)));
}
