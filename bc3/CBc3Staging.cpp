#include "bc3/CBc3Staging.h"

#include "bc3/CBc3Messages.h"
#include "bc3/CBc3Reader.h"
#include "core/IProgress.h"
#include "store/CBulkInsert.h"
#include "store/CDatabase.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"

#include <cstring>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsBreak(char c)
{
    return c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

template <class Drop>
std::string Without(std::string_view text, Drop drop)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (!drop(c))
            result += c;
    }
    return result;
}

} // namespace

// Text the staging made itself, in blocks that never move, so that views
// into it stay valid as it grows.
class CBc3StagedRecords::CStorage
{
public:
    std::string_view Keep(std::string_view text)
    {
        if (text.size() > kBlock / 4) {
            m_large.emplace_back(text);
            return m_large.back();
        }
        if (m_blocks.empty() || m_nUsed + text.size() > kBlock) {
            m_blocks.push_back(std::make_unique<char[]>(kBlock));
            m_nUsed = 0;
        }
        char* target = m_blocks.back().get() + m_nUsed;
        std::memcpy(target, text.data(), text.size());
        m_nUsed += text.size();
        return {target, text.size()};
    }

private:
    static constexpr size_t kBlock = 1 << 16;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<std::string> m_large;
    size_t m_nUsed = 0;
};

CBc3StagedRecords::CBc3StagedRecords()
    : m_pStorage(std::make_unique<CStorage>())
{
}

CBc3StagedRecords::~CBc3StagedRecords() = default;
CBc3StagedRecords::CBc3StagedRecords(CBc3StagedRecords&&) noexcept = default;
CBc3StagedRecords& CBc3StagedRecords::operator=(CBc3StagedRecords&&) noexcept = default;

std::string_view CBc3StagedRecords::Keep(std::string_view text)
{
    return m_pStorage->Keep(text);
}

std::string_view CBc3StagedRecords::Utf8(std::string_view text, int nCodePage)
{
    if (CBc3CodePage::IsAscii(text) && CBc3CodePage::KeepsAscii(nCodePage))
        return text;
    std::string decoded;
    if (CBc3CodePage::DecodeToUtf8(text, nCodePage, decoded))
        return Keep(decoded);
    const QByteArray utf8 = CBc3CodePage::Decode(text, nCodePage).toUtf8();
    return Keep({utf8.constData(), size_t(utf8.size())});
}

std::string_view CBc3StagedRecords::Code(std::string_view text)
{
    text = CBc3Reader::Trim(text);
    for (const char c : text) {
        if (IsBreak(c)) {
            const std::string code = Without(text, IsBreak);
            return Utf8(Keep(code), CBc3CodePage::kAnsi);
        }
    }
    return Utf8(text, CBc3CodePage::kAnsi);
}

std::string_view CBc3StagedRecords::Number(std::string_view text)
{
    text = CBc3Reader::Trim(text);
    for (const char c : text) {
        if (IsBlank(c))
            return Utf8(Keep(Without(text, IsBlank)), CBc3CodePage::kAnsi);
    }
    return Utf8(text, CBc3CodePage::kAnsi);
}

std::string_view CBc3StagedRecords::DecompositionNumber(std::string_view text)
{
    const std::string_view number = Number(text);
    if (number.empty())
        return "1.0";
    if (number.front() == '.')
        return Keep("0" + std::string(number));
    return number;
}

std::string_view CBc3StagedRecords::TextField(std::string_view text, bool bConverted)
{
    return Utf8(CBc3Reader::TrimText(text), bConverted ? m_nCodePage : CBc3CodePage::kAnsi);
}

int CBc3StagedRecords::FindConcept(std::string_view code) const
{
    return m_conceptIndex.Find(code);
}

CBc3StagedRecords::Concept& CBc3StagedRecords::FindOrAddConcept(std::string_view code, bool* pAdded)
{
    bool added = false;
    const int index = m_conceptIndex.Insert(code, int(m_concepts.size()), &added);
    if (pAdded)
        *pAdded = added;
    if (!added)
        return m_concepts[size_t(index)];
    m_concepts.push_back(Concept{code, {}, {}, {}, {}, {}});
    m_order.emplace_back(KindConcept, index);
    return m_concepts.back();
}

void CBc3StagedRecords::Stage(const CBc3Reader& reader, EBc3Staging variant, IProgress& progress)
{
    m_text = reader.Text();
    const int count = reader.RecordCount();
    progress.SetRange(0, count);
    progress.SetStep(1);
    progress.SetPos(0);
    progress.SetBarText(QStringLiteral("0%"));
    progress.ShowBar(true);
    int shown = -1;
    int done = 0;
    reader.ForEachRecord([&](std::string_view record) {
        StageRecord(record, variant);
        ++done;
        const int percent = CBc3Messages::Percent(done, count);
        // The text changes a hundred times over the run; the bar moves at each record.
        if (percent != shown) {
            progress.SetBarText(CBc3Messages::StagingProgress(percent));
            shown = percent;
        }
        progress.StepIt();
        if (variant == EBc3Staging::Price)
            progress.PumpMessages();
    });
}

void CBc3StagedRecords::StageRecord(std::string_view record, EBc3Staging variant)
{
    if (record.size() < 2)
        return;
    switch (record[1]) {
    case 'V':
        m_nCodePage = CBc3CodePage::FromField(CBc3Reader::Field(record, 5));
        break;
    case 'C':
        StageConcept(record, variant);
        break;
    case 'D':
        StageDecomposition(record, variant, false);
        break;
    case 'Y':
        StageDecomposition(record, variant, true);
        break;
    case 'T':
        StageText(record, variant);
        break;
    case 'G':
        StageGraphic(record);
        break;
    case 'M':
        if (variant == EBc3Staging::Budget)
            StageMeasure(record);
        break;
    case 'K':
        if (variant == EBc3Staging::Budget)
            StageRates(record);
        break;
    default:
        break;
    }
}

void CBc3StagedRecords::StageConcept(std::string_view record, EBc3Staging variant)
{
    const std::string_view code = Code(CBc3Reader::Subfield(CBc3Reader::Field(record, 1), 0));
    bool added = false;
    Concept& item = FindOrAddConcept(code, &added);
    if (added && variant == EBc3Staging::Price)
        ++m_nNewConcepts;
    item.unit = TextField(CBc3Reader::Trim(CBc3Reader::Field(record, 2)), false);
    item.name = TextField(CBc3Reader::Field(record, 3), true);
    const std::string_view prices = CBc3Reader::Field(record, 4);
    if (variant == EBc3Staging::Budget) {
        const std::string_view first = Number(CBc3Reader::Subfield(prices, 0));
        item.price = first.empty() ? std::string_view("0") : first;
    } else {
        std::string list(Number(prices));
        if (!list.empty() && list.back() != '\\')
            list += '\\';
        item.text = Keep(list);
        item.price = "0";
    }
    if (code.size() >= 2 && code.substr(code.size() - 2) == "##")
        m_strRootFromC = code;
}

void CBc3StagedRecords::StageText(std::string_view record, EBc3Staging variant)
{
    const std::string_view field1 = CBc3Reader::Field(record, 1);
    const std::string_view text = TextField(CBc3Reader::Field(record, 2), true);
    if (variant == EBc3Staging::Budget) {
        FindOrAddConcept(Code(CBc3Reader::Subfield(field1, 0))).text = text;
        return;
    }
    const std::string_view code = Code(field1);
    bool added = false;
    const int index = m_textIndex.Insert(code, int(m_texts.size()), &added);
    if (added) {
        m_texts.push_back(Text{code, text});
        m_order.emplace_back(KindText, index);
        ++m_nNewTexts;
        return;
    }
    std::string_view& joined = m_texts[size_t(index)].text;
    joined = Keep(std::string(joined) + std::string(text));
}

void CBc3StagedRecords::StageGraphic(std::string_view record)
{
    std::string_view files = CBc3Reader::TrimText(CBc3Reader::Field(record, 2));
    while (!files.empty() && files.back() == '\\')
        files.remove_suffix(1);
    FindOrAddConcept(Code(CBc3Reader::Subfield(CBc3Reader::Field(record, 1), 0))).image = TextField(files, false);
}

void CBc3StagedRecords::StageDecomposition(std::string_view record, EBc3Staging variant, bool bAdd)
{
    const std::string_view parent = Code(CBc3Reader::Field(record, 1));
    if (parent.size() >= 2 && parent.substr(parent.size() - 2) == "##")
        m_strRootFromD = parent;

    bool added = false;
    const int list = m_parentIndex.Insert(parent, int(m_decompositionsOf.size()), &added);
    if (added)
        m_decompositionsOf.emplace_back();
    std::vector<int>& rows = m_decompositionsOf[size_t(list)];
    // A "~D" states the whole decomposition: one repeated for the same parent
    // replaces the earlier one, where "~Y" adds to it.
    if (!bAdd) {
        for (const int row : rows)
            m_decompositions[size_t(row)].replaced = true;
        rows.clear();
    }

    CBc3Reader::Split(CBc3Reader::Field(record, 2), '\\', m_parts);
    const size_t count = m_parts.size();
    for (size_t i = 0; i < count;) {
        const std::string_view child = Code(m_parts[i]);
        if (child.empty()) {
            ++i;
            continue;
        }
        const std::string_view factor = i + 1 < count ? m_parts[i + 1] : std::string_view();
        const std::string_view yield = i + 2 < count ? m_parts[i + 2] : std::string_view();
        Decomposition row;
        row.parent = parent;
        row.child = child;
        row.factor = variant == EBc3Staging::Budget ? DecompositionNumber(factor) : std::string_view("1.0");
        row.yield = DecompositionNumber(yield);
        if (variant == EBc3Staging::Price)
            row.price = "0";
        const int index = int(m_decompositions.size());
        m_decompositions.push_back(row);
        rows.push_back(index);
        m_order.emplace_back(KindDecomposition, index);
        i += 3;
    }
}

void CBc3StagedRecords::StageMeasure(std::string_view record)
{
    const std::string_view field1 = CBc3Reader::Field(record, 1);
    Measure measure;
    if (field1.find('\\') == std::string_view::npos) {
        measure.child = Code(field1);
    } else {
        measure.parent = Code(CBc3Reader::Subfield(field1, 0));
        measure.child = Code(CBc3Reader::Subfield(field1, 1));
    }
    measure.position = Number(CBc3Reader::Field(record, 2));
    measure.total = Number(CBc3Reader::Field(record, 3));
    // The list carries the comments of the measurement lines: text, decoded
    // like the other texts of the file.
    measure.list = TextField(CBc3Reader::Field(record, 4), true);
    m_order.emplace_back(KindMeasure, int(m_measures.size()));
    m_measures.push_back(measure);
}

void CBc3StagedRecords::StageRates(std::string_view record)
{
    const std::string_view rates = CBc3Reader::Field(record, 2);
    m_rates.overheads = Number(CBc3Reader::Subfield(rates, 1));
    m_rates.profit = Number(CBc3Reader::Subfield(rates, 2));
    m_rates.vat = Number(CBc3Reader::Subfield(rates, 4));
}

void CBc3StagedRecords::Write(CDatabase& database, const QString& strIdentifier) const
{
    const std::unique_ptr<CBulkInsert> insert = CStoreStatements::StagingInserter(database);
    const QByteArray identifierBytes = strIdentifier.toUtf8();
    const std::string_view identifier(identifierBytes.constData(), size_t(identifierBytes.size()));
    const std::nullptr_t null = nullptr;
    for (const auto& [kind, index] : m_order) {
        switch (kind) {
        case KindConcept: {
            const Concept& c = m_concepts[size_t(index)];
            insert->Add({identifier, std::string_view("C"), c.code, null, c.name, c.text, null, null, c.image, c.unit,
                         c.price});
            break;
        }
        case KindText: {
            const Text& t = m_texts[size_t(index)];
            insert->Add({identifier, std::string_view("T"), t.code, null, null, t.text, null, null, null, null, null});
            break;
        }
        case KindDecomposition: {
            const Decomposition& d = m_decompositions[size_t(index)];
            if (d.replaced)
                break;
            insert->Add({identifier, std::string_view("D"), d.parent, d.child, null, null, d.factor, d.yield, null,
                         null, d.price});
            break;
        }
        case KindMeasure: {
            const Measure& m = m_measures[size_t(index)];
            insert->Add({identifier, std::string_view("M"), m.parent, m.child, null, m.list, null, m.total, null,
                         null, null});
            break;
        }
        }
    }
    insert->Flush();
}

CBc3StageResult StageBc3Records(CDatabase& database, const QByteArray& text, const QString& strIdentifier,
                                EBc3Staging variant, IProgress* pProgress, CBc3StagedRecords* pStaged)
{
    IProgress& progress = pProgress ? *pProgress : IProgress::None();
    const CBc3Reader reader(text);
    CBc3StagedRecords local;
    CBc3StagedRecords& staged = pStaged ? *pStaged : local;
    staged = CBc3StagedRecords();

    CTransaction transaction(database);
    CStoreStatements::DeleteStaging(database, strIdentifier);
    staged.Stage(reader, variant, progress);
    staged.Write(database, strIdentifier);
    transaction.Commit();

    CBc3StageResult result;
    result.m_strRoot = CBc3StagedRecords::ToQString(staged.Root());
    result.m_nCodePage = staged.m_nCodePage;
    result.m_nNewConcepts = staged.m_nNewConcepts;
    result.m_nNewTexts = staged.m_nNewTexts;
    return result;
}

bool ReadBc3ScopeLabels(const QByteArray& head, QStringList& labels)
{
    labels.clear();
    if (!head.startsWith("~V"))
        return false;
    const CBc3Reader reader(head);
    bool first = true;
    reader.ForEachRecord([&](std::string_view header) {
        if (!first)
            return;
        first = false;
        const int codePage = CBc3CodePage::FromField(CBc3Reader::Field(header, 5));
        std::vector<std::string_view> parts;
        CBc3Reader::Split(CBc3Reader::Field(header, 4), '\\', parts);
        for (size_t i = 1; i < parts.size(); ++i) {
            if (!parts[i].empty())
                labels << ConvertFromFileCodePage(parts[i], codePage);
        }
    });
    return true;
}
