#include "bc3/CBc3PriceBaseImport.h"

#include "bc3/CBc3BudgetImport.h"
#include "bc3/CBc3Messages.h"
#include "bc3/CBc3Reader.h"
#include "bc3/CBc3Staging.h"
#include "bc3/CBc3TreeBuilder.h"
#include "core/IProgress.h"
#include "pricebase/CPriceBaseAdmin.h"
#include "store/CBudgetCode.h"
#include "store/CBulkInsert.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"

namespace {

using Staged = CBc3StagedRecords;
using Line = CBc3TreeBuilder::Line;

// Where a file's header starts: past a byte-order mark and blank lines.
qsizetype HeaderStart(const QByteArray& text)
{
    qsizetype start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t' || text[start] == '\r' || text[start] == '\n'))
        ++start;
    return start;
}

bool BeginsWithHeader(const QByteArray& text)
{
    return QByteArrayView(text).sliced(HeaderStart(text)).startsWith("~V");
}

// A concept's price in a scope: its own, else the nearest one before it
// that the concept gives, else 0.
std::string_view ScopePrice(std::string_view list, int nScope, std::vector<std::string_view>& parts)
{
    CBc3Reader::Split(list, '\\', parts);
    for (int i = std::min(nScope, int(parts.size()) - 1); i >= 0; --i) {
        if (!parts[size_t(i)].empty())
            return parts[size_t(i)];
    }
    return "0";
}

// The position of a tariff's scope among those the file offers; the first
// when it is not there.
int FindScopeIndex(const QStringList& scopes, const QString& strTariff)
{
    return int(std::max<qsizetype>(0, scopes.indexOf(strTariff)));
}

// The tariffs of one file: the tree laid out once, with its names, units,
// pictures and texts, as the first tariff has it; then each tariff, the first
// too, priced at its scope, its items recalculated from the deepest level up
// and written.
class CPriceBaseBuilder
{
public:
    CPriceBaseBuilder(CDatabase& database, const QString& strCode, const Staged& staged, IProgress& progress,
                      long nMaxLines)
        : m_tree(staged, nMaxLines)
        , m_database(database)
        , m_code(strCode.toUtf8())
        , m_staged(staged)
        , m_progress(progress)
    {
    }

    // Lays the tree out and finds each line's text. Raises TooManyLines.
    void LayOut(const QString& strFirstTariff);
    // Prices the lines at a scope, sums the items and writes them as a tariff.
    void WriteTariff(const QString& strTariff, int nScope);
    long LineCount() const { return m_tree.LineCount(); }

private:
    void FindTexts(const QString& strTariff);
    void Write(const QString& strTariff);

    CBc3TreeBuilder m_tree;
    CDatabase& m_database;
    const QByteArray m_code;
    const Staged& m_staged;
    IProgress& m_progress;
    std::vector<std::string_view> m_parts;
    // DESCRIPCION of each line.
    std::vector<std::string_view> m_texts;
};

void CPriceBaseBuilder::LayOut(const QString& strFirstTariff)
{
    m_tree.LayOutTree(
        m_progress,
        [&strFirstTariff](long nLines) {
            return nLines == 0 ? CBc3Messages::CreatingTariff(strFirstTariff)
                               : CBc3Messages::CreatingTariff(strFirstTariff, nLines);
        },
        true);
    // The lines take their concepts' codes, which their texts are found by.
    m_tree.PriceLines([](int) { return std::string_view("0"); }, false);
    FindTexts(strFirstTariff);
}

void CPriceBaseBuilder::FindTexts(const QString& strTariff)
{
    // A text of the code as written, or else of the code without its marks.
    CBc3CodeIndex bare;
    for (size_t i = 0; i < m_staged.m_texts.size(); ++i)
        bare.Insert(CBc3TreeBuilder::Bare(m_staged.m_texts[i].code), int(i));
    const std::vector<Line>& lines = m_tree.Lines();
    m_texts.assign(lines.size(), {});
    m_progress.SetRange(0, int(lines.size()));
    m_progress.SetPos(0);
    m_progress.SetBarText(CBc3Messages::TariffTexts(strTariff, 0));
    m_progress.ShowBar(true);
    int shown = 0;
    for (size_t k = 0; k < lines.size(); ++k) {
        int text = m_staged.FindText(lines[k].articulo);
        if (text < 0)
            text = bare.Find(CBc3TreeBuilder::Bare(lines[k].articulo));
        if (text >= 0)
            m_texts[k] = m_staged.m_texts[size_t(text)].text;
        const int percent = CBc3Messages::Percent(long(k + 1), long(lines.size()));
        if (percent != shown) {
            m_progress.SetBarText(CBc3Messages::TariffTexts(strTariff, percent));
            shown = percent;
        }
        m_progress.StepIt();
        m_progress.PumpMessages();
    }
}

void CPriceBaseBuilder::WriteTariff(const QString& strTariff, int nScope)
{
    m_progress.ShowBar(false);
    m_progress.SetStatusText(CBc3Messages::CreatingTariff(strTariff));
    m_progress.ShowStatus(true);
    m_progress.PumpMessages();
    m_tree.PriceLines(
        [this, nScope](int nConcept) { return ScopePrice(m_staged.m_concepts[size_t(nConcept)].text, nScope, m_parts); },
        false);
    m_progress.SetStatusText(CBc3Messages::Recalculating());
    m_progress.PumpMessages();
    m_tree.RollUp(CBc3TreeBuilder::ERollUp::Items);
    m_progress.SetStatusText(QString());
    m_progress.ShowStatus(false);
    Write(strTariff);
}

void CPriceBaseBuilder::Write(const QString& strTariff)
{
    const std::vector<Line>& lines = m_tree.Lines();
    const long count = long(lines.size());
    m_progress.SetRange(0, int(count));
    m_progress.SetPos(0);
    m_progress.SetBarText(CBc3Messages::TariffPrices(strTariff, 0));
    m_progress.ShowBar(true);
    const std::unique_ptr<CBulkInsert> insert = CStoreStatements::PriceLineInserter(m_database);
    const QByteArray tariffBytes = strTariff.toUtf8();
    const std::string_view code(m_code.constData(), size_t(m_code.size()));
    const std::string_view tariff(tariffBytes.constData(), size_t(tariffBytes.size()));
    const std::string_view one = "1.0";
    const std::nullptr_t null = nullptr;
    int shown = 0;
    for (long k = 0; k < count; ++k) {
        const Line& line = lines[size_t(k)];
        const std::string_view desglose = line.decomposed ? "S" : "N";
        const CBulkInsert::Value price = line.priced ? CBulkInsert::Value(line.price) : CBulkInsert::Value(std::string_view("0"));
        const CBulkInsert::Value amount = CBulkInsert::Value::Fixed(line.amount, 5);
        if (line.item < 0) {
            insert->Add({code, tariff, qint64(k + 1), line.articulo, qint64(line.level), desglose, one, line.yield,
                         null, m_texts[size_t(k)], null, null, price, amount});
        } else {
            const Staged::Concept& item = m_staged.m_concepts[size_t(line.item)];
            insert->Add({code, tariff, qint64(k + 1), line.articulo, qint64(line.level), desglose, one,
                         CBulkInsert::Value::Fixed(line.quantity, 5), item.name, m_texts[size_t(k)], item.image,
                         item.unit, price, amount});
        }
        const int percent = CBc3Messages::Percent(k + 1, count);
        if (percent != shown) {
            m_progress.SetBarText(CBc3Messages::TariffPrices(strTariff, percent));
            shown = percent;
        }
        m_progress.StepIt();
        m_progress.PumpMessages();
    }
    insert->Flush();
}

// The chosen scopes once each, in the order chosen; a scope the file does
// not offer is told.
bool CheckScopes(const QStringList& scopes, const QStringList& chosen, QStringList& tariffs, QString& strUnknown)
{
    for (const QString& scope : chosen) {
        if (!scopes.contains(scope)) {
            strUnknown = scope;
            return false;
        }
        if (!tariffs.contains(scope))
            tariffs << scope;
    }
    return true;
}

} // namespace

QString CBc3PriceImportOutcome::Message() const
{
    switch (m_status) {
    case Ok:
        return {};
    case FileError:
        return CBc3Messages::FileErrorText(m_strError);
    case BadCode:
        return CBc3Messages::Text(CBc3Messages::NoPriceBaseCode);
    case UnknownFormat:
        return CBc3Messages::Text(CBc3Messages::UnknownFormat);
    case NoScope:
        return CBc3Messages::Text(CBc3Messages::ChooseScopes);
    case UnknownScope:
        return CBc3Messages::Text(CBc3Messages::UnknownScope).arg(m_strError);
    case TooManyLines:
        return CBc3Messages::Text(CBc3Messages::TooManyLines);
    case DatabaseError:
        return CBc3Messages::StoreError(CBc3Messages::PriceBaseWriteFailed, m_strError);
    }
    return {};
}

bool Bc3PriceScopeLabels(const QByteArray& head, QStringList& labels)
{
    return ReadBc3ScopeLabels(head.sliced(HeaderStart(head)), labels);
}

bool Bc3PriceScopes(const QByteArray& head, QStringList& scopes)
{
    if (!Bc3PriceScopeLabels(head, scopes))
        return false;
    if (scopes.isEmpty())
        scopes << CBc3Messages::UnspecifiedScope();
    return true;
}

QString Bc3PriceBaseCodeFromFileName(const QString& strPath)
{
    QString code = CBudgetCode::FromFileName(strPath);
    while (code.endsWith(u' '))
        code.chop(1);
    return code;
}

CBc3PriceImportOutcome ImportPriceBaseBc3Text(CDatabase& database, const QByteArray& text, const QString& strCode,
                                              const QStringList& scopes, const QStringList& chosen,
                                              IProgress* pProgress, long nMaxLines)
{
    IProgress& progress = pProgress ? *pProgress : IProgress::None();
    CBc3PriceImportOutcome outcome;
    outcome.m_strCode = strCode;
    QStringList tariffs;
    if (strCode.trimmed().isEmpty() || !CBudgetCode::Problem(strCode).isEmpty())
        outcome.m_status = CBc3PriceImportOutcome::BadCode;
    else if (!BeginsWithHeader(text))
        outcome.m_status = CBc3PriceImportOutcome::UnknownFormat;
    else if (chosen.isEmpty())
        outcome.m_status = CBc3PriceImportOutcome::NoScope;
    else if (!CheckScopes(scopes, chosen, tariffs, outcome.m_strError))
        outcome.m_status = CBc3PriceImportOutcome::UnknownScope;
    if (!outcome.IsOk())
        return outcome;

    // The file is read, staged and laid out before anything in the store changes.
    const CBc3Reader reader(text);
    Staged staged;
    staged.Stage(reader, EBc3Staging::Price, progress);
    CPriceBaseBuilder builder(database, strCode, staged, progress, nMaxLines < 0 ? kBc3MaxBudgetLines : nMaxLines);
    try {
        builder.LayOut(tariffs.front());
    } catch (const CBc3TreeBuilder::TooManyLines&) {
        progress.ShowStatus(false);
        outcome.m_status = CBc3PriceImportOutcome::TooManyLines;
        return outcome;
    }
    try {
        CTransaction transaction(database);
        CStoreStatements::DeleteStaging(database, strCode);
        std::vector<CPriceBaseAdmin::Key> replaced;
        for (const QString& tariff : tariffs)
            replaced.emplace_back(strCode, tariff);
        CPriceBaseAdmin::Delete(database, replaced);
        for (const QString& tariff : tariffs) {
            CPriceBaseAdmin::AddTariff(database, strCode, tariff, CDateValue::Null());
            builder.WriteTariff(tariff, FindScopeIndex(scopes, tariff));
            outcome.m_tariffs.push_back({tariff, builder.LineCount()});
        }
        transaction.Commit();
    } catch (const CDBException& e) {
        outcome.m_status = CBc3PriceImportOutcome::DatabaseError;
        outcome.m_strError = e.m_strError;
        outcome.m_tariffs.clear();
    }
    progress.ShowBar(false);
    progress.ShowStatus(false);
    return outcome;
}

CBc3PriceImportOutcome ImportPriceBaseBc3(CDatabase& database, const QString& strPath, const QStringList& scopes,
                                          const QStringList& chosen, IProgress* pProgress)
{
    QByteArray text;
    CBc3PriceImportOutcome outcome;
    if (!CBc3Reader::ReadFile(strPath, text, outcome.m_strError)) {
        outcome.m_strCode = Bc3PriceBaseCodeFromFileName(strPath);
        outcome.m_status = CBc3PriceImportOutcome::FileError;
        return outcome;
    }
    return ImportPriceBaseBc3Text(database, text, Bc3PriceBaseCodeFromFileName(strPath), scopes, chosen, pProgress);
}
