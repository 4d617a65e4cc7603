#include "bc3/CBc3BudgetImport.h"

#include "bc3/CBc3CodeIndex.h"
#include "bc3/CBc3Reader.h"
#include "bc3/CBc3Staging.h"
#include "budget/CBudgetTotals.h"
#include "budget/CRollUp.h"
#include "core/IProgress.h"
#include "store/CArticulosSet.h"
#include "store/CBudgetCode.h"
#include "store/CBulkInsert.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CFileAccess.h"
#include "store/CPresupuestosSet.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"

#include <QFileInfo>
#include <algorithm>
#include <string>
#include <unordered_map>

namespace {

// The deepest level of the tree; entries below it are dropped.
constexpr int kMaxLevel = 10;
// Lines laid out between two updates of the status text.
constexpr long kStatusEvery = 4096;

struct TooManyLines {};

using Staged = CBc3StagedRecords;

// A code without its trailing "#" marks: FIEBDC-3 makes the marks optional
// outside "~C", and "~D" and "~M" records often leave them out.
std::string_view Bare(std::string_view code)
{
    while (!code.empty() && code.back() == '#')
        code.remove_suffix(1);
    return code;
}

bool IsPercentage(std::string_view code)
{
    return code.find('%') != std::string_view::npos;
}

// True when a number's text has no more than five decimals, so that its
// value is already the one its store text with five decimals reads as.
bool HasFiveDecimals(std::string_view text)
{
    const size_t point = text.find('.');
    return text.find_first_of("eE") == std::string_view::npos
        && (point == std::string_view::npos || text.size() - point - 1 <= 5);
}

// A value as it reads back from its store text with five decimals.
double Rounded5(double dValue)
{
    char text[kStoreFormatBuffer];
    return StoreAtof(std::string_view(text, size_t(StoreFormatTo(text, dValue, 5))));
}

QString Q(std::string_view text)
{
    return Staged::ToQString(text);
}

// One line of the new budget.
struct Line {
    int decomposition = -1;     // staged "D" row, or -1 for the root
    int parent = -1;            // index of the parent line, or -1 for the root
    int item = -1;              // staged concept, or -1 when no "~C" describes the code
    int id = -1;                // the code's entry in the builder's index
    short level = 0;
    int position = 0;           // among its siblings, from 1
    bool decomposed = false;
    bool percentChild = false;  // a child's code holds "%"
    bool priced = false;        // PRECIO and IMPORTE are written
    std::string_view articulo;
    std::string_view yield;     // RENDIMIENTO as written, for a line without concept
    std::string_view price;     // PRECIO as written
    double quantity = 0.0;
    double amount = 0.0;        // IMPORTE as written
    const Staged::Measure* measure = nullptr;
};

class CBudgetBuilder
{
public:
    CBudgetBuilder(CDatabase& database, const QString& strBudget, const Staged& staged, IProgress& progress,
                   long nMaxLines)
        : m_nMaxLines(nMaxLines)
        , m_database(database)
        , m_strBudget(strBudget.toUtf8())
        , m_staged(staged)
        , m_progress(progress)
    {
        IndexStagedRows();
    }

    void LayOutTree();
    void PriceLines();
    void RollUp();
    void AddHeader();
    void WriteLines();

    long LineCount() const { return long(m_lines.size()); }
    long MeasurementCount() const { return m_nMeasurements; }

private:
    // What the file says about one code, marks aside: its concepts, the
    // decompositions it heads and the measures of it, each in the builder's
    // lists from first to first + count.
    struct CodeInfo {
        int item = -1;               // the first concept "~C" wrote with the code
        bool manyConcepts = false;   // several, written with different marks
        std::string_view parent;     // the code as the first "~D" of it wrote it
        bool manyParents = false;    // "~D" of it written with different marks
        int firstRow = 0, rowCount = 0;
        int firstMeasure = 0, measureCount = 0;
    };
    struct Span {
        const int* first;
        const int* last;
        const int* begin() const { return first; }
        const int* end() const { return last; }
        bool empty() const { return first == last; }
    };

    void IndexStagedRows();
    int Intern(std::string_view code);
    Span Children(int nId, std::string_view parent);
    void Walk(int nParentId, std::string_view parent, int nLevel, int nParentLine);
    int FindConcept(int nId, std::string_view code) const;
    const Staged::Measure* FindMeasure(int nId, std::string_view code, size_t nLine) const;
    bool AtPosition(std::string_view position, size_t nLine) const;
    std::vector<CRollUp::Sibling> Siblings(size_t nParent, std::vector<size_t>& indexes) const;
    void AddMeasurementRows(const Staged::Measure& measure, qint64 nNumLin, CBulkInsert& insert);
    std::string_view Keep(const QString& text);

    const long m_nMaxLines;
    CDatabase& m_database;
    const QByteArray m_strBudget;
    const Staged& m_staged;
    IProgress& m_progress;

    // Codes without their marks, and what each one has.
    CBc3CodeIndex m_codes;
    std::vector<CodeInfo> m_infos;
    std::vector<std::string_view> m_parts;
    // Per staged decomposition, the entry of its child's code.
    std::vector<int> m_childIds;
    // Decompositions by parent in file order; measures by child in parent
    // code order.
    std::vector<int> m_rows;
    std::vector<int> m_measures;
    // The decompositions of a code written with marks that others of the
    // same code lack, the few times a file does that.
    std::unordered_map<std::string_view, std::vector<int>> m_exactRows;

    std::vector<Line> m_lines;
    // The concepts' prices as numbers.
    std::vector<double> m_prices;
    // Prices the roll-up computed.
    std::vector<QByteArray> m_computed;
    long m_nMeasurements = 0;
};

int CBudgetBuilder::Intern(std::string_view code)
{
    bool added = false;
    const int id = m_codes.Insert(Bare(code), int(m_infos.size()), &added);
    if (added)
        m_infos.emplace_back();
    return id;
}

// Every code once, so that laying out and pricing the lines needs no more
// look-ups than the file has records.
void CBudgetBuilder::IndexStagedRows()
{
    const auto& decompositions = m_staged.m_decompositions;
    const auto& measures = m_staged.m_measures;
    m_codes.Reserve(m_staged.m_concepts.size() + decompositions.size() / 2);
    for (size_t i = 0; i < m_staged.m_concepts.size(); ++i) {
        CodeInfo& info = m_infos[size_t(Intern(m_staged.m_concepts[i].code))];
        if (info.item < 0)
            info.item = int(i);
        else
            info.manyConcepts = true;
    }
    std::vector<int> parentIds(decompositions.size(), -1);
    m_childIds.assign(decompositions.size(), -1);
    for (size_t i = 0; i < decompositions.size(); ++i) {
        if (decompositions[i].replaced)
            continue;
        m_childIds[i] = Intern(decompositions[i].child);
        parentIds[i] = Intern(decompositions[i].parent);
        CodeInfo& info = m_infos[size_t(parentIds[i])];
        if (info.rowCount++ == 0)
            info.parent = decompositions[i].parent;
        else if (info.parent != decompositions[i].parent)
            info.manyParents = true;
    }
    // Measures of a concept in the order of their parent code, those without
    // a parent first, as the store sorts them.
    std::vector<int> byParent(measures.size());
    for (size_t i = 0; i < byParent.size(); ++i)
        byParent[i] = int(i);
    std::stable_sort(byParent.begin(), byParent.end(),
                     [&measures](int a, int b) { return measures[size_t(a)].parent < measures[size_t(b)].parent; });
    std::vector<int> measureIds(measures.size());
    for (size_t i = 0; i < measures.size(); ++i) {
        measureIds[i] = Intern(measures[i].child);
        ++m_infos[size_t(measureIds[i])].measureCount;
    }

    int rows = 0;
    int measured = 0;
    for (CodeInfo& info : m_infos) {
        info.firstRow = rows;
        info.firstMeasure = measured;
        rows += info.rowCount;
        measured += info.measureCount;
        info.rowCount = info.measureCount = 0;
    }
    m_rows.resize(size_t(rows));
    m_measures.resize(size_t(measured));
    for (size_t i = 0; i < decompositions.size(); ++i) {
        if (parentIds[i] >= 0) {
            CodeInfo& info = m_infos[size_t(parentIds[i])];
            m_rows[size_t(info.firstRow + info.rowCount++)] = int(i);
        }
    }
    for (const int i : byParent) {
        CodeInfo& info = m_infos[size_t(measureIds[size_t(i)])];
        m_measures[size_t(info.firstMeasure + info.measureCount++)] = i;
    }
}

// The staged children of a line's code, in the order of the file: the
// decompositions of that code as written, or when there are none, those
// whose parent differs from it only in its "#" marks. The file's order is
// the one in which a percentage applies to the lines before it.
CBudgetBuilder::Span CBudgetBuilder::Children(int nId, std::string_view parent)
{
    // An empty code is stored as no code at all, and no code has children.
    if (nId < 0 || parent.empty())
        return {nullptr, nullptr};
    const CodeInfo& info = m_infos[size_t(nId)];
    const int* first = m_rows.data() + info.firstRow;
    const Span all{first, first + info.rowCount};
    if (!info.manyParents)
        return all;
    auto it = m_exactRows.find(parent);
    if (it == m_exactRows.end()) {
        std::vector<int> exact;
        for (const int row : all) {
            if (m_staged.m_decompositions[size_t(row)].parent == parent)
                exact.push_back(row);
        }
        it = m_exactRows.emplace(parent, std::move(exact)).first;
    }
    if (it->second.empty())
        return all;
    return {it->second.data(), it->second.data() + it->second.size()};
}

void CBudgetBuilder::LayOutTree()
{
    m_progress.ShowBar(false);
    m_progress.SetStatusText(CBc3Messages::CreatingBudget());
    m_progress.ShowStatus(true);
    Line root;
    root.level = 0;
    root.decomposed = true;
    root.articulo = m_staged.Root();
    m_lines.reserve(std::min(size_t(m_nMaxLines), m_staged.m_decompositions.size() + 1));
    root.id = root.articulo.empty() ? -1 : m_codes.Find(Bare(root.articulo));
    m_lines.push_back(root);
    Walk(root.id, root.articulo, 1, 0);
    m_progress.SetStatusText(CBc3Messages::CreatingBudget(long(m_lines.size())));
    m_progress.ShowStatus(false);
}

void CBudgetBuilder::Walk(int nParentId, std::string_view parent, int nLevel, int nParentLine)
{
    int position = 0;
    for (const int row : Children(nParentId, parent)) {
        if (long(m_lines.size()) >= m_nMaxLines)
            throw TooManyLines();
        const int index = int(m_lines.size());
        const std::string_view child = m_staged.m_decompositions[size_t(row)].child;
        Line line;
        line.decomposition = row;
        line.parent = nParentLine;
        line.level = short(nLevel);
        line.position = ++position;
        line.articulo = child;
        line.id = m_childIds[size_t(row)];
        m_lines.push_back(line);
        if (IsPercentage(child))
            m_lines[size_t(nParentLine)].percentChild = true;
        if (m_lines.size() % kStatusEvery == 0)
            m_progress.SetStatusText(CBc3Messages::CreatingBudget(long(m_lines.size())));
        if (nLevel < kMaxLevel && !Children(line.id, child).empty()) {
            m_lines[size_t(index)].decomposed = true;
            Walk(line.id, child, nLevel + 1, index);
        }
    }
}

// The concept of a code: the one "~C" wrote with that code, or else the one
// whose code differs from it only in its "#" marks.
int CBudgetBuilder::FindConcept(int nId, std::string_view code) const
{
    if (nId < 0 || code.empty())
        return -1;
    const CodeInfo& info = m_infos[size_t(nId)];
    if (info.manyConcepts) {
        const int exact = m_staged.FindConcept(code);
        if (exact >= 0)
            return exact;
    }
    return info.item;
}

// The measure that applies to a line: among the concept's staged measures
// (those of its very code, when there are any) in parent code order, the
// first without a parent or under the line's parent, marks aside. When
// several apply, as to a concept used twice in one decomposition, the one
// whose positions are the line's path from the root.
const Staged::Measure* CBudgetBuilder::FindMeasure(int nId, std::string_view code, size_t nLine) const
{
    if (nId < 0)
        return nullptr;
    const CodeInfo& info = m_infos[size_t(nId)];
    const int* first = m_measures.data() + info.firstMeasure;
    const int* last = first + info.measureCount;
    const bool exact = std::any_of(first, last, [&](int i) { return m_staged.m_measures[size_t(i)].child == code; });
    const std::string_view parent = Bare(m_lines[size_t(m_lines[nLine].parent)].articulo);
    const auto applies = [&](const Staged::Measure& measure) {
        return (!exact || measure.child == code) && (measure.parent.empty() || Bare(measure.parent) == parent);
    };
    const Staged::Measure* found = nullptr;
    int count = 0;
    for (const int* i = first; i != last; ++i) {
        const Staged::Measure& measure = m_staged.m_measures[size_t(*i)];
        if (applies(measure) && count++ == 0)
            found = &measure;
    }
    if (count < 2)
        return found;
    for (const int* i = first; i != last; ++i) {
        const Staged::Measure& measure = m_staged.m_measures[size_t(*i)];
        if (applies(measure) && AtPosition(measure.position, nLine))
            return &measure;
    }
    return found;
}

// True when the positions of a "~M" ("3\5\2\": the third entry of the
// root, its fifth, and that one's second) are the line's path, or name its
// place among its siblings alone, as some programs write them.
bool CBudgetBuilder::AtPosition(std::string_view position, size_t nLine) const
{
    std::vector<std::string_view> parts;
    CBc3Reader::Split(position, '\\', parts);
    while (!parts.empty() && parts.back().empty())
        parts.pop_back();
    if (parts.empty())
        return false;
    const auto number = [](std::string_view text) { return long(StoreAtof(text)); };
    if (parts.size() == 1)
        return number(parts[0]) == m_lines[nLine].position;
    size_t line = nLine;
    for (size_t k = parts.size(); k-- > 0; line = size_t(m_lines[line].parent)) {
        if (m_lines[line].parent < 0 || number(parts[k]) != m_lines[line].position)
            return false;
    }
    return m_lines[line].parent < 0;
}

// Each line's concept, quantity, price and amount as the file gives them.
void CBudgetBuilder::PriceLines()
{
    m_prices.resize(m_staged.m_concepts.size());
    for (size_t i = 0; i < m_prices.size(); ++i)
        m_prices[i] = StoreAtof(m_staged.m_concepts[i].price);
    for (Line& line : m_lines) {
        const Staged::Decomposition* entry =
            line.decomposition < 0 ? nullptr : &m_staged.m_decompositions[size_t(line.decomposition)];
        line.item = FindConcept(line.id, line.articulo);
        // A line keeps the code its concept has in "~C", so that a chapter
        // named without its mark stays a chapter; the root keeps its own.
        if (entry && line.item >= 0)
            line.articulo = m_staged.m_concepts[size_t(line.item)].code;
        line.yield = entry ? entry->yield : std::string_view("1.0");
        if (line.item < 0)
            continue;
        line.priced = true;
        line.price = m_staged.m_concepts[size_t(line.item)].price;
        std::string_view quantity = line.yield;
        if (line.decomposed && line.parent >= 0) {
            line.measure = FindMeasure(line.id, line.articulo, size_t(&line - m_lines.data()));
            if (line.measure)
                quantity = line.measure->total;
        }
        // The amount is that of the quantity as stored, with five decimals,
        // as an edit of the line computes it.
        line.quantity = quantity.empty() ? 0.0 : StoreAtof(quantity);
        if (!HasFiveDecimals(quantity))
            line.quantity = Rounded5(line.quantity);
        line.amount = m_prices[size_t(line.item)] * line.quantity;
    }
}

std::string_view CBudgetBuilder::Keep(const QString& text)
{
    m_computed.push_back(text.toUtf8());
    return {m_computed.back().constData(), size_t(m_computed.back().size())};
}

// The direct children of a line as the roll-up sees them in the store.
std::vector<CRollUp::Sibling> CBudgetBuilder::Siblings(size_t nParent, std::vector<size_t>& indexes) const
{
    std::vector<CRollUp::Sibling> siblings;
    indexes.clear();
    const int level = m_lines[nParent].level;
    for (size_t i = nParent + 1; i < m_lines.size() && m_lines[i].level > level; ++i) {
        const Line& child = m_lines[i];
        if (child.level != level + 1)
            continue;
        indexes.push_back(i);
        CRollUp::Sibling sibling;
        sibling.code = Q(child.articulo);
        sibling.quantity = child.item >= 0 ? StoreFormat(child.quantity, 5) : Q(child.yield);
        if (child.priced) {
            sibling.price = Q(child.price);
            sibling.amount = StoreFormat(child.amount, 5);
        }
        siblings.push_back(std::move(sibling));
    }
    return siblings;
}

// Prices that the file leaves to the reader: a decomposed line whose price
// is empty or 0 gets the roll-up of its children, and a percentage line the
// sum it applies to, as the first edit under them would give. The lines are
// taken from the last, so that children are final before their parent.
void CBudgetBuilder::RollUp()
{
    std::vector<size_t> indexes;
    for (size_t k = m_lines.size(); k-- > 0;) {
        Line& line = m_lines[k];
        const bool unpriced = line.decomposed && StoreAtof(line.price) == 0.0;
        if (!unpriced && !line.percentChild)
            continue;
        std::vector<CRollUp::Sibling> siblings = Siblings(k, indexes);
        if (siblings.empty())
            continue;
        const QString price = CRollUp::RollSiblings(siblings);
        for (size_t s = 0; s < siblings.size(); ++s) {
            if (!siblings[s].bChanged)
                continue;
            Line& child = m_lines[indexes[s]];
            child.priced = true;
            child.price = Keep(siblings[s].price);
            child.amount = StoreAtof(siblings[s].amount);
        }
        if (unpriced) {
            const QString quantity = line.item >= 0 ? StoreFormat(line.quantity, 5) : Q(line.yield);
            line.priced = true;
            line.price = Keep(price);
            line.amount = StoreAtof(CRollUp::Amount(quantity, price));
        }
    }
}

// The header: the code, the rates the file gives, and the totals.
void CBudgetBuilder::AddHeader()
{
    const Staged::Rates& rates = m_staged.m_rates;
    const QString budget = QString::fromUtf8(m_strBudget);
    CPresupuestosSet header(&m_database);
    header.FilterNone();
    header.Open();
    header.AddNew();
    header.SetFieldNull(nullptr);
    header.m_CODIGO = budget;
    header.m_GGEN = Q(rates.overheads);
    header.m_BIND = Q(rates.profit);
    header.m_IVA = Q(rates.vat);
    header.Update();
    header.FilterBudget(budget);
    header.Requery();
    CBudgetTotals::Update(header, StoreFormat(m_lines.front().amount, 5));
    header.Close();
}

void CBudgetBuilder::AddMeasurementRows(const Staged::Measure& measure, qint64 nNumLin, CBulkInsert& insert)
{
    const std::string_view budget(m_strBudget.constData(), size_t(m_strBudget.size()));
    const qint64 position = 1;
    const std::string_view one = "1.0";
    if (measure.list.find('\\') == std::string_view::npos) {
        insert.Add({budget, nNumLin, qint64(1), measure.parent, measure.child, position, nullptr, nullptr,
                    measure.total, one, one, one, CBulkInsert::Value::Fixed(StoreAtof(measure.total), 5)});
        ++m_nMeasurements;
        return;
    }
    std::vector<std::string_view>& parts = m_parts;
    CBc3Reader::Split(measure.list, '\\', parts);
    const size_t groups = (parts.size() - 1) / 6;
    for (size_t g = 0; g < groups; ++g) {
        std::string_view factors[4];
        bool empty = true;
        for (int f = 0; f < 4; ++f) {
            factors[f] = CBc3Reader::Trim(parts[6 * g + 2 + size_t(f)]);
            empty = empty && factors[f].empty();
        }
        const std::string_view type = CBc3Reader::Trim(parts[6 * g]);
        const std::string_view comment = CBc3Reader::TrimText(parts[6 * g + 1]);
        const qint64 lin = qint64(g + 1);
        ++m_nMeasurements;
        // A comment or a heading: a row with no number counts for nothing,
        // and stays without numbers, as the measurement window keeps it.
        if (empty) {
            insert.Add({budget, nNumLin, lin, measure.parent, measure.child, position, type, comment, nullptr, nullptr,
                        nullptr, nullptr, CBulkInsert::Value::Fixed(0.0, 5)});
            continue;
        }
        std::string cleaned[4];
        for (int f = 0; f < 4; ++f) {
            if (factors[f].empty()) {
                factors[f] = one;
            } else if (factors[f].find_first_of(" \t\r\n") != std::string_view::npos) {
                // A number wrapped onto the next line.
                for (const char c : factors[f]) {
                    if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
                        cleaned[f] += c;
                }
                factors[f] = cleaned[f];
            }
        }
        const QByteArray total = StoreProduct({factors[0], factors[1], factors[2], factors[3]}, 5).toLatin1();
        using Value = CBulkInsert::Value;
        insert.Add({budget, nNumLin, lin, measure.parent, measure.child, position, type, comment,
                    Value::Copy(factors[0]), Value::Copy(factors[1]), Value::Copy(factors[2]), Value::Copy(factors[3]),
                    Value::Copy(std::string_view(total.constData(), size_t(total.size())))});
    }
}

void CBudgetBuilder::WriteLines()
{
    const long count = long(m_lines.size());
    m_progress.SetRange(0, int(count));
    m_progress.SetStep(1);
    m_progress.SetPos(0);
    m_progress.SetBarText(CBc3Messages::UpdatingConcepts(0));
    m_progress.ShowBar(true);

    const std::unique_ptr<CBulkInsert> lines = CStoreStatements::BudgetLineInserter(m_database);
    const std::unique_ptr<CBulkInsert> measurements = CStoreStatements::MeasurementInserter(m_database);
    const std::string_view budget(m_strBudget.constData(), size_t(m_strBudget.size()));
    const std::nullptr_t null = nullptr;
    int shown = -1;
    for (long k = 0; k < count; ++k) {
        const Line& line = m_lines[size_t(k)];
        const Staged::Decomposition* entry =
            line.decomposition < 0 ? nullptr : &m_staged.m_decompositions[size_t(line.decomposition)];
        const qint64 numlin = k + 1;
        const std::string_view desglose = line.decomposed ? "S" : "N";
        const std::string_view factor = entry ? entry->factor : std::string_view("1.0");
        const CBulkInsert::Value price = line.priced ? CBulkInsert::Value(line.price) : CBulkInsert::Value(null);
        const CBulkInsert::Value amount = line.priced ? CBulkInsert::Value::Fixed(line.amount, 5) : CBulkInsert::Value(null);

        if (line.item < 0) {
            // A code no "~C" describes: the line has its place, and a price
            // only when its children give it one.
            lines->Add({budget, numlin, line.articulo, qint64(line.level), desglose, factor, line.yield, null, null,
                        null, null, price, amount});
            continue;
        }
        const Staged::Concept& item = m_staged.m_concepts[size_t(line.item)];
        if (line.measure)
            AddMeasurementRows(*line.measure, numlin, *measurements);
        lines->Add({budget, numlin, line.articulo, qint64(line.level), desglose, factor,
                    CBulkInsert::Value::Fixed(line.quantity, 5), item.name, item.text, item.image, item.unit, price,
                    amount});

        int percent = int(qint64(k + 1) * 100 / count);
        if (percent < 0)
            percent = 1;
        if (percent != shown) {
            m_progress.SetBarText(CBc3Messages::UpdatingConcepts(percent));
            shown = percent;
        }
        m_progress.StepIt();
    }
    lines->Flush();
    measurements->Flush();
}

// A code the store cannot take ends the import before anything is read.
bool RefuseCode(CBc3ImportOutcome& outcome)
{
    outcome.m_strError = CBudgetCode::Problem(outcome.m_strBudget);
    if (outcome.m_strError.isEmpty())
        return false;
    outcome.m_status = CBc3ImportOutcome::BadCode;
    return true;
}

} // namespace

QString CBc3ImportOutcome::Message() const
{
    switch (m_status) {
    case Ok:
    case Exists:
        return m_status == Exists ? CBc3Messages::Text(CBc3Messages::ReplaceQuestion) : QString();
    case FileError:
        return CBc3Messages::Text(CBc3Messages::FileError)
               + (m_strError.isEmpty() ? QString() : QStringLiteral("\n") + m_strError);
    case UnknownFormat:
        return CBc3Messages::Text(CBc3Messages::UnknownFormat);
    case TooManyLines:
        return CBc3Messages::Text(CBc3Messages::TooManyLines);
    case StagingError:
        return CBc3Messages::StoreError(CBc3Messages::StagingWriteFailed, m_strError);
    case BadCode:
        return m_strError;
    case DatabaseError:
        return CBc3Messages::StoreError(CBc3Messages::BudgetWriteFailed, m_strError);
    }
    return {};
}

QString Bc3BudgetCodeFromFileName(const QString& strPath)
{
    return CBudgetCode::FromFileName(strPath);
}

bool Bc3BudgetExists(CDatabase& database, const QString& strBudget)
{
    CPresupuestosSet header(&database);
    header.FilterBudget(strBudget);
    header.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    if (!header.IsEOF())
        return true;
    CArticulosSet lines(&database);
    lines.FilterBudget(strBudget);
    lines.Open();
    return !lines.IsEOF();
}

CBc3ImportOutcome ImportBudgetBc3Text(CDatabase& database, const QByteArray& text, const QString& strBudget,
                                      bool bReplace, IProgress* pProgress, long nMaxLines)
{
    IProgress& progress = pProgress ? *pProgress : IProgress::None();
    CBc3ImportOutcome outcome;
    outcome.m_strBudget = strBudget;
    if (RefuseCode(outcome))
        return outcome;
    try {
        if (!bReplace && Bc3BudgetExists(database, strBudget)) {
            outcome.m_status = CBc3ImportOutcome::Exists;
            return outcome;
        }
        const CBc3Reader reader(text);
        if (reader.RecordCount() == 0) {
            outcome.m_status = CBc3ImportOutcome::UnknownFormat;
            return outcome;
        }

        CTransaction transaction(database);
        if (bReplace) {
            CStoreStatements::DeleteBudgetLines(database, strBudget);
            CStoreStatements::DeleteBudgetHeader(database, strBudget);
            CStoreStatements::DeleteBudgetMeasurements(database, strBudget);
        }

        // The budget is built straight from the records staged in memory;
        // the staging table is for the price-base import's scope dialog, and
        // keeps no rows under the budget's code.
        CStoreStatements::DeleteStaging(database, strBudget);
        CBc3StagedRecords staged;
        staged.Stage(reader, EBc3Staging::Budget, progress);

        CBudgetBuilder builder(database, strBudget, staged, progress, nMaxLines < 0 ? kBc3MaxBudgetLines : nMaxLines);
        try {
            builder.LayOutTree();
        } catch (const TooManyLines&) {
            progress.ShowStatus(false);
            outcome.m_status = CBc3ImportOutcome::TooManyLines;
            return outcome;
        }
        builder.PriceLines();
        builder.RollUp();
        builder.AddHeader();
        builder.WriteLines();
        transaction.Commit();

        outcome.m_nLines = builder.LineCount();
        outcome.m_nMeasurements = builder.MeasurementCount();
    } catch (const CDBException& e) {
        outcome.m_status = CBc3ImportOutcome::DatabaseError;
        outcome.m_strError = e.m_strError;
    }
    return outcome;
}

CBc3ImportOutcome ImportBudgetBc3(CDatabase& database, const QString& strPath, bool bReplace, IProgress* pProgress)
{
    const QString budget = Bc3BudgetCodeFromFileName(strPath);
    CBc3ImportOutcome outcome;
    outcome.m_strBudget = budget;
    if (RefuseCode(outcome))
        return outcome;
    try {
        if (!bReplace && Bc3BudgetExists(database, budget)) {
            outcome.m_status = CBc3ImportOutcome::Exists;
            return outcome;
        }
    } catch (const CDBException& e) {
        outcome.m_status = CBc3ImportOutcome::DatabaseError;
        outcome.m_strError = e.m_strError;
        return outcome;
    }
    QByteArray text;
    if (!CBc3Reader::ReadFile(strPath, text)) {
        outcome.m_status = CBc3ImportOutcome::FileError;
        if (QFileInfo::exists(strPath) && !CFileAccess::IsRegularFile(strPath))
            outcome.m_strError = CFileAccess::NotRegularFile(strPath);
        return outcome;
    }
    return ImportBudgetBc3Text(database, text, budget, bReplace, pProgress);
}
