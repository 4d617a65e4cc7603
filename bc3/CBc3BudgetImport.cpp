#include "bc3/CBc3BudgetImport.h"

#include "bc3/CBc3Reader.h"
#include "bc3/CBc3Staging.h"
#include "bc3/IProgress.h"
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
#include <optional>

namespace {

// The deepest level of the tree; entries below it are dropped.
constexpr int kMaxLevel = 10;

struct TooManyLines {};

// A code without its trailing "#" marks: FIEBDC-3 makes the marks optional
// outside "~C", and "~D" and "~M" records often leave them out.
QStringView Bare(QStringView code)
{
    while (code.endsWith(u'#'))
        code.chop(1);
    return code;
}

// Orders codes as the store orders text: by code point, which for UTF-16
// means moving the surrogates above the rest of the basic plane.
bool CodeLess(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x == y)
            continue;
        const auto fix = [](char16_t u) -> char16_t {
            if (u >= 0xD800 && u <= 0xDFFF)
                return char16_t(u + 0x2000);
            if (u >= 0xE000)
                return char16_t(u - 0x800);
            return u;
        };
        return fix(x) < fix(y);
    }
    return a.size() < b.size();
}

// One line of the new budget as the tree walk lays it out.
struct Line {
    int decomposition; // staged "D" row, or -1 for the root
    int level;
    int parent;        // index of the parent line, or -1 for the root
    bool decomposed;
};

class CBudgetBuilder
{
public:
    CBudgetBuilder(CDatabase& database, const QString& strBudget, const CBc3StagedRecords& staged, IProgress& progress,
                   long nMaxLines)
        : m_nMaxLines(nMaxLines)
        , m_database(database)
        , m_strBudget(strBudget)
        , m_staged(staged)
        , m_progress(progress)
    {
        IndexStagedRows();
    }

    void LayOutTree();
    void AddHeader();
    void WriteLines();

    long LineCount() const { return long(m_lines.size()); }
    long MeasurementCount() const { return m_nMeasurements; }

private:
    void IndexStagedRows();
    const std::vector<int>& Children(const QString& strParent, bool bSorted);
    void Walk(const QString& strParent, int nLevel, int nParentLine);
    int FindConcept(const QString& strCode) const;
    QString FindParentLineCode(size_t nLine) const;
    const CBc3StagedRecords::Measure* FindMeasure(const QString& strCode, const QString& strParentCode) const;
    void AddMeasurementRows(const CBc3StagedRecords::Measure& measure, long nNumLin, CBulkInsert& insert);

    const long m_nMaxLines;
    CDatabase& m_database;
    const QString m_strBudget;
    const CBc3StagedRecords& m_staged;
    IProgress& m_progress;
    QString m_strRoot;

    // Decompositions by parent as written, and by parent without its marks,
    // in file order.
    QHash<QString, std::vector<int>> m_byParent;
    QHash<QString, std::vector<int>> m_byBareParent;
    QHash<QString, std::vector<int>> m_sortedChildren;
    // Concepts by code without marks; measures by child, with and without marks.
    QHash<QString, int> m_conceptByBare;
    QHash<QString, std::vector<int>> m_measuresByChild;
    QHash<QString, std::vector<int>> m_measuresByBareChild;
    const std::vector<int> m_noRows;

    std::vector<Line> m_lines;
    std::vector<QString> m_articulos;
    long m_nMeasurements = 0;
};

void CBudgetBuilder::IndexStagedRows()
{
    m_strRoot = m_staged.Root();
    const auto& decompositions = m_staged.m_decompositions;
    for (size_t i = 0; i < decompositions.size(); ++i) {
        if (decompositions[i].replaced)
            continue;
        m_byParent[decompositions[i].parent].push_back(int(i));
        m_byBareParent[Bare(decompositions[i].parent).toString()].push_back(int(i));
    }
    for (size_t i = 0; i < m_staged.m_concepts.size(); ++i) {
        const QString bare = Bare(m_staged.m_concepts[i].code).toString();
        if (!m_conceptByBare.contains(bare))
            m_conceptByBare.insert(bare, int(i));
    }
    // Measures of a concept in the order of their parent code, those without
    // a parent first, as the store sorts them.
    std::vector<int> measures(m_staged.m_measures.size());
    for (size_t i = 0; i < measures.size(); ++i)
        measures[i] = int(i);
    std::stable_sort(measures.begin(), measures.end(), [this](int a, int b) {
        return CodeLess(m_staged.m_measures[size_t(a)].parent, m_staged.m_measures[size_t(b)].parent);
    });
    for (const int i : measures) {
        const QString& child = m_staged.m_measures[size_t(i)].child;
        m_measuresByChild[child].push_back(i);
        m_measuresByBareChild[Bare(child).toString()].push_back(i);
    }
}

// The staged children of a line's code: the decompositions of that code as
// written, or when there are none, those whose parent differs from it only
// in its "#" marks. The first level keeps the file's order; deeper levels
// come in ascending child code.
const std::vector<int>& CBudgetBuilder::Children(const QString& strParent, bool bSorted)
{
    // An empty code is stored as no code at all, and no code has children.
    if (strParent.isEmpty())
        return m_noRows;
    if (bSorted) {
        const auto cached = m_sortedChildren.constFind(strParent);
        if (cached != m_sortedChildren.constEnd())
            return cached.value();
    }
    auto it = m_byParent.constFind(strParent);
    if (it == m_byParent.constEnd()) {
        it = m_byBareParent.constFind(Bare(strParent).toString());
        if (it == m_byBareParent.constEnd())
            return m_noRows;
    }
    if (!bSorted)
        return it.value();
    std::vector<int> sorted = it.value();
    std::stable_sort(sorted.begin(), sorted.end(), [this](int a, int b) {
        return CodeLess(m_staged.m_decompositions[size_t(a)].child, m_staged.m_decompositions[size_t(b)].child);
    });
    return m_sortedChildren.insert(strParent, std::move(sorted)).value();
}

void CBudgetBuilder::LayOutTree()
{
    m_progress.ShowBar(false);
    m_progress.SetStatusText(CBc3Messages::CreatingBudget());
    m_progress.ShowStatus(true);
    m_lines.push_back(Line{-1, 0, -1, true});
    Walk(m_strRoot, 1, 0);
    m_progress.ShowStatus(false);
}

void CBudgetBuilder::Walk(const QString& strParent, int nLevel, int nParentLine)
{
    // Copied: the walk below may add to the cache the list lives in.
    const std::vector<int> rows = Children(strParent, nLevel > 1);
    for (const int row : rows) {
        if (long(m_lines.size()) >= m_nMaxLines)
            throw TooManyLines();
        const int index = int(m_lines.size());
        m_lines.push_back(Line{row, nLevel, nParentLine, false});
        m_progress.SetStatusText(CBc3Messages::CreatingBudget(long(m_lines.size())));
        if (nLevel >= kMaxLevel)
            continue;
        const QString& child = m_staged.m_decompositions[size_t(row)].child;
        if (!Children(child, true).empty()) {
            m_lines[size_t(index)].decomposed = true;
            Walk(child, nLevel + 1, index);
        }
    }
}

void CBudgetBuilder::AddHeader()
{
    CPresupuestosSet header(&m_database);
    header.FilterNone();
    header.Open();
    header.AddNew();
    header.SetFieldNull(nullptr);
    header.m_CODIGO = m_strBudget;
    header.Update();
    header.Close();
}

// The concept of a code: the one "~C" wrote with that code, or else the one
// whose code differs from it only in its "#" marks.
int CBudgetBuilder::FindConcept(const QString& strCode) const
{
    if (strCode.isEmpty())
        return -1;
    const auto exact = m_staged.m_conceptIndex.constFind(strCode);
    if (exact != m_staged.m_conceptIndex.constEnd())
        return exact.value();
    return m_conceptByBare.value(Bare(strCode).toString(), -1);
}

// The code of the decomposed line one level up that precedes the line in the
// pre-order list, which the walk knows as the line's parent.
QString CBudgetBuilder::FindParentLineCode(size_t nLine) const
{
    const int parent = m_lines[nLine].parent;
    return parent < 0 ? QString() : m_articulos[size_t(parent)];
}

// The measure that applies to a line: among the concept's staged measures
// in parent code order, the first without a parent or under the line's
// parent, marks aside.
const CBc3StagedRecords::Measure* CBudgetBuilder::FindMeasure(const QString& strCode, const QString& strParentCode) const
{
    auto it = m_measuresByChild.constFind(strCode);
    if (it == m_measuresByChild.constEnd()) {
        it = m_measuresByBareChild.constFind(Bare(strCode).toString());
        if (it == m_measuresByBareChild.constEnd())
            return nullptr;
    }
    const QStringView parent = Bare(strParentCode);
    for (const int index : it.value()) {
        const CBc3StagedRecords::Measure& measure = m_staged.m_measures[size_t(index)];
        if (measure.parent.isEmpty() || Bare(measure.parent) == parent)
            return &measure;
    }
    return nullptr;
}

void CBudgetBuilder::AddMeasurementRows(const CBc3StagedRecords::Measure& measure, long nNumLin, CBulkInsert& insert)
{
    const QString& budget = m_strBudget;
    const qint64 numlin = nNumLin;
    const QString& parent = measure.parent;
    const QString& child = measure.child;
    const qint64 position = 1;
    const QString one = QStringLiteral("1.0");
    if (!measure.list.contains(u'\\')) {
        insert.Add({budget, numlin, qint64(1), parent, child, position, nullptr, nullptr, measure.total, one, one, one,
                    StoreFormat(StoreAtof(measure.total), 5)});
        ++m_nMeasurements;
        return;
    }
    const QList<QStringView> parts = QStringView(measure.list).split(u'\\');
    const qsizetype groups = (parts.size() - 1) / 6;
    for (qsizetype g = 0; g < groups; ++g) {
        QString factors[4];
        double total = 1.0;
        for (int f = 0; f < 4; ++f) {
            factors[f] = parts[6 * g + 2 + f].trimmed().toString();
            if (factors[f].isEmpty())
                factors[f] = one;
            total *= StoreAtof(factors[f]);
        }
        insert.Add({budget, numlin, qint64(g + 1), parent, child, position, parts[6 * g].toString(),
                    parts[6 * g + 1].toString(), factors[0], factors[1], factors[2], factors[3], StoreFormat(total, 5)});
        ++m_nMeasurements;
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
    const QString& budget = m_strBudget;
    const std::nullptr_t null = nullptr;
    const QString one = QStringLiteral("1.0");
    int shown = -1;
    m_articulos.reserve(size_t(count));
    for (long k = 0; k < count; ++k) {
        const Line& line = m_lines[size_t(k)];
        const CBc3StagedRecords::Decomposition* entry =
            line.decomposition < 0 ? nullptr : &m_staged.m_decompositions[size_t(line.decomposition)];
        const QString& code = entry ? entry->child : m_strRoot;
        const int conceptIndex = FindConcept(code);
        // A line keeps the code its concept has in "~C", so that a chapter
        // named without its mark stays a chapter; the root keeps its own.
        m_articulos.push_back(entry && conceptIndex >= 0 ? m_staged.m_concepts[size_t(conceptIndex)].code : code);
        const QString& articulo = m_articulos.back();
        const qint64 numlin = k + 1;
        const QString desglose = line.decomposed ? QStringLiteral("S") : QStringLiteral("N");
        const QString& factor = entry ? entry->factor : one;
        const QString& yield = entry ? entry->yield : one;

        if (conceptIndex < 0) {
            // A code no "~C" describes: the line has its place and nothing more.
            lines->Add({budget, numlin, articulo, qint64(line.level), desglose, factor, yield, null, null, null, null,
                        null, null});
            continue;
        }
        const CBc3StagedRecords::Concept& item = m_staged.m_concepts[size_t(conceptIndex)];
        const double price = StoreAtof(item.price);
        double quantity = yield.isEmpty() ? 0.0 : StoreAtof(yield);
        if (line.decomposed) {
            if (const CBc3StagedRecords::Measure* measure = FindMeasure(articulo, FindParentLineCode(size_t(k)))) {
                quantity = StoreAtof(measure->total);
                AddMeasurementRows(*measure, k + 1, *measurements);
            }
        }
        lines->Add({budget, numlin, articulo, qint64(line.level), desglose, factor, StoreFormat(quantity, 5), item.name,
                    item.text, item.image, item.unit, item.price, StoreFormat(price * quantity, 5)});

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

QString CBc3ImportOutcome::Message(const QString& strIdioma) const
{
    switch (m_status) {
    case Ok:
    case Exists:
        return m_status == Exists ? CBc3Messages::Text(CBc3Messages::ReplaceQuestion, strIdioma) : QString();
    case FileError:
        return CBc3Messages::Text(CBc3Messages::FileError, strIdioma)
               + (m_strError.isEmpty() ? QString() : QStringLiteral("\n") + m_strError);
    case UnknownFormat:
        return CBc3Messages::Text(CBc3Messages::UnknownFormat, strIdioma);
    case TooManyLines:
        return CBc3Messages::Text(CBc3Messages::TooManyLines, strIdioma);
    case StagingError:
        return CBc3Messages::Text(CBc3Messages::StagingTableBudget, strIdioma) + QStringLiteral("\n") + m_strError;
    case BadCode:
    case DatabaseError:
        return m_strError;
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
            CStoreStatements::DeleteStaging(database, strBudget);
        }

        CBc3StagedRecords staged;
        try {
            // The budget is built from the staged records as staging keeps
            // them in memory; once staged, the rows in the table are undone,
            // which costs far less than deleting them one by one at the end.
            CTransaction stagingRows(database);
            StageBc3Records(database, reader, strBudget, EBc3Staging::Budget, &progress, &staged);
            stagingRows.Rollback();
        } catch (const CDBException& e) {
            outcome.m_status = CBc3ImportOutcome::StagingError;
            outcome.m_strError = e.m_strError;
            return outcome;
        }

        CBudgetBuilder builder(database, strBudget, staged, progress, nMaxLines < 0 ? kBc3MaxBudgetLines : nMaxLines);
        try {
            builder.LayOutTree();
        } catch (const TooManyLines&) {
            progress.ShowStatus(false);
            outcome.m_status = CBc3ImportOutcome::TooManyLines;
            return outcome;
        }
        builder.AddHeader();
        builder.WriteLines();
        CStoreStatements::DeleteStaging(database, strBudget);
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
