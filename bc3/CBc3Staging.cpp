#include "bc3/CBc3Staging.h"

#include "bc3/CBc3Messages.h"
#include "bc3/CBc3Reader.h"
#include "core/IProgress.h"
#include "store/CBulkInsert.h"
#include "store/CDatabase.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"

QString NormalizeBc3Number(std::string_view text)
{
    text = CBc3Reader::Trim(text);
    if (text.empty())
        return QStringLiteral("1.0");
    QString number = CBc3CodePage::Decode(text, CBc3CodePage::kAnsi);
    number.remove(u' ');
    if (number.startsWith(u'.'))
        number.prepend(u'0');
    return number;
}

CBc3StagedRecords::Concept& CBc3StagedRecords::FindOrAddConcept(const QString& strCode, bool* pAdded)
{
    const auto it = m_conceptIndex.constFind(strCode);
    if (it != m_conceptIndex.constEnd()) {
        if (pAdded)
            *pAdded = false;
        return m_concepts[size_t(it.value())];
    }
    const int index = int(m_concepts.size());
    m_concepts.push_back(Concept{strCode, {}, {}, {}, {}, {}});
    m_conceptIndex.insert(strCode, index);
    m_order.emplace_back(KindConcept, index);
    if (pAdded)
        *pAdded = true;
    return m_concepts.back();
}

void CBc3StagedRecords::Stage(const CBc3Reader& reader, EBc3Staging variant, IProgress& progress)
{
    const int count = reader.RecordCount();
    int shown = -1;
    int done = 0;
    for (const std::string_view record : reader.Records()) {
        StageRecord(record, variant);
        ++done;
        int percent = count > 0 ? int(qint64(done) * 100 / count) : 100;
        if (percent < 0)
            percent = 1;
        // The text changes a hundred times over the run; the bar moves at each record.
        if (percent != shown) {
            progress.SetBarText(CBc3Messages::StagingProgress(percent));
            shown = percent;
        }
        progress.StepIt();
        if (variant == EBc3Staging::Price)
            progress.PumpMessages();
    }
}

void CBc3StagedRecords::StageRecord(std::string_view record, EBc3Staging variant)
{
    const std::string_view type = CBc3Reader::RecordType(record);
    if (type == "~V")
        m_nCodePage = CBc3CodePage::FromField(CBc3Reader::Field(record, 5));
    else if (type == "~C")
        StageConcept(record, variant);
    else if (type == "~D")
        StageDecomposition(record, variant, false);
    else if (type == "~Y")
        StageDecomposition(record, variant, true);
    else if (type == "~T")
        StageText(record, variant);
    else if (type == "~G")
        StageGraphic(record);
    else if (type == "~M" && variant == EBc3Staging::Budget)
        StageMeasure(record);
}

void CBc3StagedRecords::StageConcept(std::string_view record, EBc3Staging variant)
{
    const QString code = Ansi(CBc3Reader::Trim(CBc3Reader::Subfield(CBc3Reader::Field(record, 1), 0)));
    bool added = false;
    Concept& item = FindOrAddConcept(code, &added);
    if (added && variant == EBc3Staging::Price)
        ++m_nNewConcepts;
    item.unit = Ansi(CBc3Reader::Trim(CBc3Reader::Field(record, 2)));
    item.name = Converted(CBc3Reader::Field(record, 3));
    const std::string_view prices = CBc3Reader::Field(record, 4);
    if (variant == EBc3Staging::Budget) {
        const std::string_view first = CBc3Reader::Trim(CBc3Reader::Subfield(prices, 0));
        item.price = first.empty() ? QStringLiteral("0") : Ansi(first);
    } else {
        QString list = Ansi(CBc3Reader::Trim(prices));
        if (!list.isEmpty() && !list.endsWith(u'\\'))
            list += u'\\';
        item.text = list;
        item.price = QStringLiteral("0");
    }
    if (code.endsWith(QStringLiteral("##")))
        m_strRootFromC = code;
}

void CBc3StagedRecords::StageText(std::string_view record, EBc3Staging variant)
{
    const std::string_view field1 = CBc3Reader::Field(record, 1);
    const QString text = Converted(CBc3Reader::TrimRight(CBc3Reader::Field(record, 2)));
    if (variant == EBc3Staging::Budget) {
        FindOrAddConcept(Ansi(CBc3Reader::Trim(CBc3Reader::Subfield(field1, 0)))).text = text;
        return;
    }
    const QString code = Ansi(CBc3Reader::Trim(field1));
    auto it = m_textIndex.constFind(code);
    if (it == m_textIndex.constEnd()) {
        const int index = int(m_texts.size());
        m_texts.push_back(Text{code, {}});
        it = m_textIndex.insert(code, index);
        m_order.emplace_back(KindText, index);
        ++m_nNewTexts;
    }
    m_texts[size_t(it.value())].text += text;
}

void CBc3StagedRecords::StageGraphic(std::string_view record)
{
    std::string_view files = CBc3Reader::TrimRight(CBc3Reader::Field(record, 2));
    while (!files.empty() && files.back() == '\\')
        files.remove_suffix(1);
    FindOrAddConcept(Ansi(CBc3Reader::Trim(CBc3Reader::Subfield(CBc3Reader::Field(record, 1), 0)))).image = Ansi(files);
}

void CBc3StagedRecords::StageDecomposition(std::string_view record, EBc3Staging variant, bool bAdd)
{
    const QString parent = Ansi(CBc3Reader::Trim(CBc3Reader::Field(record, 1)));
    if (parent.endsWith(QStringLiteral("##")))
        m_strRootFromD = parent;

    std::vector<int>& rows = m_decompositionsOf[parent];
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
        const std::string_view child = CBc3Reader::Trim(m_parts[i]);
        if (child.empty()) {
            ++i;
            continue;
        }
        const std::string_view factor = i + 1 < count ? m_parts[i + 1] : std::string_view();
        const std::string_view yield = i + 2 < count ? m_parts[i + 2] : std::string_view();
        Decomposition row;
        row.parent = parent;
        row.child = Ansi(child);
        row.factor = variant == EBc3Staging::Budget ? NormalizeBc3Number(factor) : QStringLiteral("1.0");
        row.yield = NormalizeBc3Number(yield);
        if (variant == EBc3Staging::Price)
            row.price = QStringLiteral("0");
        const int index = int(m_decompositions.size());
        m_decompositions.push_back(std::move(row));
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
        measure.child = Ansi(CBc3Reader::Trim(field1));
    } else {
        measure.parent = Ansi(CBc3Reader::Trim(CBc3Reader::Subfield(field1, 0)));
        measure.child = Ansi(CBc3Reader::Trim(CBc3Reader::Subfield(field1, 1)));
    }
    measure.total = Ansi(CBc3Reader::Trim(CBc3Reader::Field(record, 3)));
    // The list carries the comments of the measurement lines: text, decoded
    // like the other texts of the file.
    measure.list = Converted(CBc3Reader::Field(record, 4));
    m_order.emplace_back(KindMeasure, int(m_measures.size()));
    m_measures.push_back(std::move(measure));
}

void CBc3StagedRecords::Write(CDatabase& database, const QString& strIdentifier) const
{
    const std::unique_ptr<CBulkInsert> insert = CStoreStatements::StagingInserter(database);
    const QString& identifier = strIdentifier;
    const std::nullptr_t null = nullptr;
    for (const auto& [kind, index] : m_order) {
        switch (kind) {
        case KindConcept: {
            const Concept& c = m_concepts[size_t(index)];
            insert->Add({identifier, QStringLiteral("C"), c.code, null, c.name,
                         c.text, null, null, c.image, c.unit, c.price});
            break;
        }
        case KindText: {
            const Text& t = m_texts[size_t(index)];
            insert->Add({identifier, QStringLiteral("T"), t.code, null, null, t.text, null,
                         null, null, null, null});
            break;
        }
        case KindDecomposition: {
            const Decomposition& d = m_decompositions[size_t(index)];
            if (d.replaced)
                break;
            insert->Add({identifier, QStringLiteral("D"), d.parent, d.child, null, null,
                         d.factor, d.yield, null, null, d.price});
            break;
        }
        case KindMeasure: {
            const Measure& m = m_measures[size_t(index)];
            insert->Add({identifier, QStringLiteral("M"), m.parent, m.child, null,
                         m.list, null, m.total, null, null, null});
            break;
        }
        }
    }
    insert->Flush();
}

CBc3StageResult StageBc3Records(CDatabase& database, const CBc3Reader& reader, const QString& strIdentifier,
                                EBc3Staging variant, IProgress* pProgress, CBc3StagedRecords* pStaged)
{
    IProgress& progress = pProgress ? *pProgress : IProgress::None();
    progress.SetRange(0, reader.RecordCount());
    progress.SetStep(1);
    progress.SetPos(0);
    progress.SetBarText(QStringLiteral("0%"));
    progress.ShowBar(true);

    CBc3StagedRecords local;
    CBc3StagedRecords& staged = pStaged ? *pStaged : local;
    staged = CBc3StagedRecords();

    CTransaction transaction(database);
    CStoreStatements::DeleteStaging(database, strIdentifier);
    staged.Stage(reader, variant, progress);
    staged.Write(database, strIdentifier);
    transaction.Commit();

    CBc3StageResult result;
    result.m_strRoot = staged.Root();
    result.m_nCodePage = staged.m_nCodePage;
    result.m_nNewConcepts = staged.m_nNewConcepts;
    result.m_nNewTexts = staged.m_nNewTexts;
    return result;
}

CBc3StageResult StageBc3Records(CDatabase& database, const QByteArray& text, const QString& strIdentifier,
                                EBc3Staging variant, IProgress* pProgress, CBc3StagedRecords* pStaged)
{
    const CBc3Reader reader(text);
    return StageBc3Records(database, reader, strIdentifier, variant, pProgress, pStaged);
}

bool ReadBc3ScopeLabels(const QByteArray& head, QStringList& labels)
{
    labels.clear();
    if (!head.startsWith("~V"))
        return false;
    const CBc3Reader reader(head);
    const std::string_view header = reader.Records().front();
    const int codePage = CBc3CodePage::FromField(CBc3Reader::Field(header, 5));
    std::vector<std::string_view> parts;
    CBc3Reader::Split(CBc3Reader::Field(header, 4), '\\', parts);
    for (size_t i = 1; i < parts.size(); ++i) {
        if (!parts[i].empty())
            labels << ConvertFromFileCodePage(parts[i], codePage);
    }
    return true;
}
