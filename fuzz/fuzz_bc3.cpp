// Fuzz target: the BC3 reader, both kinds of staging, the budget import and
// the price-base import, on an in-memory store, plus the code page conversions.
// fuzz-sources: bc3/CBc3PriceBaseImport.cpp bc3/CBc3TreeBuilder.cpp pricebase/CPriceBaseAdmin.cpp budget/CLineTree.cpp store/CLineQueries.cpp store/CLineRecord.cpp store/CMeasureRecord.cpp store/CPreciosSet.cpp store/CTarifasSet.cpp bc3/CBc3BudgetImport.cpp bc3/CBc3CodeIndex.cpp bc3/CBc3CodePage.cpp bc3/CBc3Messages.cpp bc3/CBc3Reader.cpp bc3/CBc3Staging.cpp budget/CBudgetTotals.cpp budget/CRollUp.cpp store/CArticulosSet.cpp store/CBulkInsert.cpp store/CLineSet.cpp store/CLineTable.cpp store/CDBException.cpp store/CBudgetCode.cpp store/CDatabase.cpp store/CFileAccess.cpp store/CDateValue.cpp store/CFieldExchange.cpp store/CMedidasSet.cpp store/CNumberLocale.cpp store/CPresupuestosSet.cpp store/CRecordset.cpp store/CSchema.cpp store/CStoreStatements.cpp store/CTransaction.cpp store/NumberText.cpp
// fuzz-libraries: Qt6Core Qt6Sql sqlite3
// fuzz-seeds: ../shared/corpus/bc3
// fuzz-options: -max_len=16384 -timeout=60 -rss_limit_mb=4096
#include "bc3/CBc3BudgetImport.h"
#include "bc3/CBc3CodePage.h"
#include "bc3/CBc3PriceBaseImport.h"
#include "bc3/CBc3Reader.h"
#include "bc3/CBc3Staging.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CSchema.h"
#include "store/CTransaction.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

namespace {

CDatabase* g_pDatabase = nullptr;

// Lines one import may lay out here: enough for real trees, few enough that
// self-referring decompositions end quickly.
constexpr long kMaxLines = 2000;

void Consume(const QString& text)
{
    volatile qsizetype size = text.size();
    (void)size;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Both live to the end of the process: destroyed at exit, they would
    // outlive the registry of connections they close.
    new QCoreApplication(*argc, *argv);
    g_pDatabase = new CDatabase;
    g_pDatabase->OpenMemory();
    CSchema::CreateTables(*g_pDatabase);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::string_view bytes(text.constData(), size_t(text.size()));

    // Every record, field and subfield by position.
    const CBc3Reader reader(text);
    std::vector<std::string_view> parts;
    reader.ForEachRecord([&parts](std::string_view record) {
        CBc3Reader::Split(record, '|', parts);
        for (int field = 0; field < 6; ++field)
            CBc3Reader::Trim(CBc3Reader::Subfield(CBc3Reader::Field(record, field), field));
    });
    for (const int codePage : {CBc3CodePage::kAnsi, 850, 437, 1252, 932, CBc3CodePage::FromField(bytes.substr(0, 8))})
        Consume(QString::fromLatin1(CBc3CodePage::EncodeAnsi(ConvertFromFileCodePage(bytes, codePage))));
    QStringList labels;
    ReadBc3ScopeLabels(text.left(1000), labels);

    // Staging and the import leave nothing behind: each input starts from
    // the same empty store.
    CDatabase& database = *g_pDatabase;
    try {
        CTransaction transaction(database);
        StageBc3Records(database, text, QStringLiteral("F'1"), EBc3Staging::Price);
        const CBc3ImportOutcome outcome =
            ImportBudgetBc3Text(database, text, QStringLiteral("F'1"), true, nullptr, kMaxLines);
        if (outcome.m_status == CBc3ImportOutcome::DatabaseError || outcome.m_status == CBc3ImportOutcome::StagingError)
            std::abort();
        QStringList scopes;
        Bc3PriceScopes(text, scopes);
        const CBc3PriceImportOutcome prices =
            ImportPriceBaseBc3Text(database, text, QStringLiteral("F'1"), scopes, scopes.mid(0, 3), nullptr, kMaxLines);
        if (prices.m_status == CBc3PriceImportOutcome::DatabaseError)
            std::abort();
        transaction.Rollback();
    } catch (const CDBException&) {
        std::abort();
    }
    return 0;
}
