#include "bc3/CBc3TreeBuilder.h"

#include "bc3/CBc3Reader.h"
#include "core/IProgress.h"
#include "store/NumberText.h"

#include <algorithm>

namespace {

// The deepest level of the tree; entries below it are dropped.
constexpr int kMaxLevel = 10;
// Lines laid out between two updates of the status text.
constexpr long kStatusEvery = 4096;

using Staged = CBc3StagedRecords;

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

} // namespace

std::string_view CBc3TreeBuilder::Bare(std::string_view code)
{
    while (!code.empty() && code.back() == '#')
        code.remove_suffix(1);
    return code;
}

CBc3TreeBuilder::CBc3TreeBuilder(const CBc3StagedRecords& staged, long nMaxLines)
    : m_nMaxLines(nMaxLines)
    , m_staged(staged)
{
    IndexStagedRows();
}

int CBc3TreeBuilder::Intern(std::string_view code)
{
    bool added = false;
    const int id = m_codes.Insert(Bare(code), int(m_infos.size()), &added);
    if (added)
        m_infos.emplace_back();
    return id;
}

// Every code once, so that laying out and pricing the lines needs no more
// look-ups than the file has records.
void CBc3TreeBuilder::IndexStagedRows()
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
CBc3TreeBuilder::Span CBc3TreeBuilder::Children(int nId, std::string_view parent)
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

void CBc3TreeBuilder::LayOutTree(IProgress& progress, const std::function<QString(long nLines)>& statusText, bool bPump)
{
    m_pProgress = &progress;
    m_statusText = statusText;
    m_bPump = bPump;
    progress.ShowBar(false);
    progress.SetStatusText(statusText(0));
    progress.ShowStatus(true);
    m_lines.clear();
    Line root;
    root.level = 0;
    root.decomposed = true;
    root.articulo = m_staged.Root();
    m_lines.reserve(std::min(size_t(m_nMaxLines), m_staged.m_decompositions.size() + 1));
    root.id = root.articulo.empty() ? -1 : m_codes.Find(Bare(root.articulo));
    m_lines.push_back(root);
    Walk(root.id, root.articulo, 1, 0);
    progress.SetStatusText(statusText(long(m_lines.size())));
    progress.ShowStatus(false);
}

void CBc3TreeBuilder::Walk(int nParentId, std::string_view parent, int nLevel, int nParentLine)
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
        if (m_lines.size() % kStatusEvery == 0) {
            m_pProgress->SetStatusText(m_statusText(long(m_lines.size())));
            if (m_bPump)
                m_pProgress->PumpMessages();
        }
        if (nLevel < kMaxLevel && !Children(line.id, child).empty()) {
            m_lines[size_t(index)].decomposed = true;
            Walk(line.id, child, nLevel + 1, index);
        }
    }
}

// The concept of a code: the one "~C" wrote with that code, or else the one
// whose code differs from it only in its "#" marks.
int CBc3TreeBuilder::FindConcept(int nId, std::string_view code) const
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
const Staged::Measure* CBc3TreeBuilder::FindMeasure(int nId, std::string_view code, size_t nLine) const
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
bool CBc3TreeBuilder::AtPosition(std::string_view position, size_t nLine) const
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

void CBc3TreeBuilder::PriceLines(const std::function<std::string_view(int nConcept)>& price, bool bMeasures)
{
    std::vector<std::string_view> prices(m_staged.m_concepts.size());
    std::vector<double> values(prices.size());
    for (size_t i = 0; i < prices.size(); ++i) {
        prices[i] = price(int(i));
        values[i] = StoreAtof(prices[i]);
    }
    for (Line& line : m_lines) {
        const Staged::Decomposition* entry =
            line.decomposition < 0 ? nullptr : &m_staged.m_decompositions[size_t(line.decomposition)];
        line.item = FindConcept(line.id, line.articulo);
        // A line keeps the code its concept has in "~C", so that a chapter
        // named without its mark stays a chapter; the root keeps its own.
        if (entry && line.item >= 0)
            line.articulo = m_staged.m_concepts[size_t(line.item)].code;
        line.yield = entry ? entry->yield : std::string_view("1.0");
        line.priced = false;
        line.price = {};
        line.amount = 0.0;
        line.measure = nullptr;
        if (line.item < 0)
            continue;
        line.priced = true;
        line.price = prices[size_t(line.item)];
        std::string_view quantity = line.yield;
        if (bMeasures && line.decomposed && line.parent >= 0) {
            line.measure = FindMeasure(line.id, line.articulo, size_t(&line - m_lines.data()));
            if (line.measure)
                quantity = line.measure->total;
        }
        // The amount is that of the quantity as stored, with five decimals,
        // as an edit of the line computes it.
        line.quantity = quantity.empty() ? 0.0 : StoreAtof(quantity);
        if (!HasFiveDecimals(quantity))
            line.quantity = Rounded5(line.quantity);
        line.amount = values[size_t(line.item)] * line.quantity;
    }
}

std::string_view CBc3TreeBuilder::Keep(const QString& text)
{
    m_computed.push_back(text.toUtf8());
    return {m_computed.back().constData(), size_t(m_computed.back().size())};
}

// The direct children of a line as the roll-up sees them in the store.
std::vector<CRollUp::Sibling> CBc3TreeBuilder::Siblings(size_t nParent, std::vector<size_t>& indexes) const
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
void CBc3TreeBuilder::RollUp(ERollUp rule)
{
    std::vector<size_t> indexes;
    for (size_t k = m_lines.size(); k-- > 0;) {
        Line& line = m_lines[k];
        const bool chapter = !line.articulo.empty() && line.articulo.back() == '#';
        const bool summed = line.decomposed
            && (rule == ERollUp::Unpriced ? StoreAtof(line.price) == 0.0 : !chapter);
        if (!summed && !line.percentChild)
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
        if (summed) {
            const QString quantity = line.item >= 0 ? StoreFormat(line.quantity, 5) : Q(line.yield);
            line.priced = true;
            line.price = Keep(price);
            line.amount = StoreAtof(CRollUp::Amount(quantity, price));
        }
    }
}

