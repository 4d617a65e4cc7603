#include "bc3/CBc3BudgetImport.h"

#include "bc3/CBc3Reader.h"
#include "bc3/CBc3Staging.h"
#include "bc3/CBc3TreeBuilder.h"
#include "budget/CBudgetTotals.h"
#include "core/IProgress.h"
#include "store/CArticulosSet.h"
#include "store/CBudgetCode.h"
#include "store/CBulkInsert.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CPresupuestosSet.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"

namespace {

using Staged = CBc3StagedRecords;

QString Q(std::string_view text)
{
    return Staged::ToQString(text);
}

// The budget written from the tree of a staged file: its header, lines and
// measurement lines.
class CBudgetBuilder
{
public:
    CBudgetBuilder(CDatabase& database, const QString& strBudget, const Staged& staged, IProgress& progress,
                   long nMaxLines)
        : m_tree(staged, nMaxLines)
        , m_database(database)
        , m_strBudget(strBudget.toUtf8())
        , m_staged(staged)
        , m_progress(progress)
    {
    }

    // Lays the tree out, prices it from the concepts' first prices and the
    // measures, and rolls up what the file leaves unpriced.
    void Build();
    void AddHeader();
    void WriteLines();

    long LineCount() const { return m_tree.LineCount(); }
    long MeasurementCount() const { return m_nMeasurements; }

private:
    using Line = CBc3TreeBuilder::Line;

    void AddMeasurementRows(const Staged::Measure& measure, qint64 nNumLin, CBulkInsert& insert);

    CBc3TreeBuilder m_tree;
    CDatabase& m_database;
    const QByteArray m_strBudget;
    const Staged& m_staged;
    IProgress& m_progress;
    std::vector<std::string_view> m_parts;
    long m_nMeasurements = 0;
};

void CBudgetBuilder::Build()
{
    m_tree.LayOutTree(m_progress, [](long nLines) {
        return nLines == 0 ? CBc3Messages::CreatingBudget() : CBc3Messages::CreatingBudget(nLines);
    });
    m_tree.PriceLines([this](int nConcept) { return m_staged.m_concepts[size_t(nConcept)].price; }, true);
    m_tree.RollUp(CBc3TreeBuilder::ERollUp::Unpriced);
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
    CBudgetTotals::Update(header, StoreFormat(m_tree.Lines().front().amount, 5));
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
    const std::vector<Line>& tree = m_tree.Lines();
    const long count = long(tree.size());
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
        const Line& line = tree[size_t(k)];
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

        const int percent = CBc3Messages::Percent(k + 1, count);
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
        return CBc3Messages::FileErrorText(m_strError);
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
            builder.Build();
        } catch (const CBc3TreeBuilder::TooManyLines&) {
            progress.ShowStatus(false);
            outcome.m_status = CBc3ImportOutcome::TooManyLines;
            return outcome;
        }
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
    if (!CBc3Reader::ReadFile(strPath, text, outcome.m_strError)) {
        outcome.m_status = CBc3ImportOutcome::FileError;
        return outcome;
    }
    return ImportBudgetBc3Text(database, text, budget, bReplace, pProgress);
}
