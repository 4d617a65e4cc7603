// Speed of the BC3 interchange on the largest file of the corpus and on a
// generated 50 MB budget: reading and splitting, import, export, and the
// peak memory of the process. Each import is set against its floor, timed in
// the same run: the rows it wrote, inserted into an empty store of the same
// schema in one transaction with one prepared statement per table and UTF-8
// binds, which no import of those rows can beat by much.
//   bench_bc3 [CORPUS_DIR]
//   bench_bc3 --generate FILE    only writes the generated file
#include "bc3/CBc3BudgetExport.h"
#include "bc3/CBc3BudgetImport.h"
#include "bc3/CBc3Reader.h"
#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CSchema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

double Seconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

double Megabytes(qint64 nBytes)
{
    return double(nBytes) / (1024.0 * 1024.0);
}

// Processor time of the process, user and system: on a shared machine a
// steadier measure than the clock.
double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void Report(const char* szWhat, double dSeconds, double dCpuSeconds, qint64 nBytes)
{
    std::printf("%-10s %8.3f s %7.1f MB/s   (processor %.3f s)\n", szWhat, dSeconds, Megabytes(nBytes) / dSeconds,
                dCpuSeconds);
}

// The best of several runs of reading a file and cutting it into records.
void BenchSplit(const QString& strPath)
{
    std::vector<double> runs;
    qint64 size = 0;
    int records = 0;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer timer;
        timer.start();
        QByteArray text;
        CBc3Reader::ReadFile(strPath, text);
        const CBc3Reader reader(std::move(text));
        runs.push_back(Seconds(timer));
        size = reader.Text().size();
        records = reader.RecordCount();
    }
    std::sort(runs.begin(), runs.end());
    std::printf("read and split %s: %d records, best %.2f ms, median %.2f ms (%.0f MB/s)\n",
                qPrintable(QFileInfo(strPath).fileName()), records, runs.front() * 1e3, runs[runs.size() / 2] * 1e3,
                Megabytes(size) / runs.front());
}

sqlite3* Handle(CDatabase& database)
{
    return *static_cast<sqlite3* const*>(database.Connection().driver()->handle().constData());
}

// The rows of one table as the import left them, every value as the text or
// integer it reads back as, kept in one buffer.
struct TableRows {
    std::string table;
    std::vector<std::string> columns;
    struct Value {
        int type;
        sqlite3_int64 integer;
        size_t offset;
        size_t length;
    };
    std::vector<Value> values;
    std::string text;
};

TableRows ReadRows(sqlite3* pHandle, const char* szTable, const QString& strBudget)
{
    TableRows rows;
    rows.table = szTable;
    const std::string sql = std::string("SELECT * FROM ") + szTable + " WHERE CODIGO = ? ORDER BY rowid";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(pHandle, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw CDBException(QString::fromUtf8(sqlite3_errmsg(pHandle)));
    const QByteArray budget = strBudget.toUtf8();
    sqlite3_bind_text(statement, 1, budget.constData(), int(budget.size()), SQLITE_STATIC);
    const int count = sqlite3_column_count(statement);
    for (int c = 0; c < count; ++c) {
        if (qstrcmp(sqlite3_column_name(statement, c), "ID") != 0)
            rows.columns.emplace_back(sqlite3_column_name(statement, c));
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int c = 0; c < count; ++c) {
            if (qstrcmp(sqlite3_column_name(statement, c), "ID") == 0)
                continue;
            TableRows::Value value{sqlite3_column_type(statement, c), 0, rows.text.size(), 0};
            if (value.type == SQLITE_INTEGER) {
                value.integer = sqlite3_column_int64(statement, c);
            } else if (value.type != SQLITE_NULL) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
                value.length = size_t(sqlite3_column_bytes(statement, c));
                rows.text.append(text, value.length);
            }
            rows.values.push_back(value);
        }
    }
    sqlite3_finalize(statement);
    return rows;
}

// The floor: the rows into an empty store, one prepared INSERT per table,
// UTF-8 binds, one transaction.
void InsertRows(sqlite3* pHandle, const std::vector<TableRows>& tables)
{
    sqlite3_exec(pHandle, "BEGIN", nullptr, nullptr, nullptr);
    for (const TableRows& rows : tables) {
        std::string sql = "INSERT INTO " + rows.table + " (";
        std::string marks;
        for (size_t c = 0; c < rows.columns.size(); ++c) {
            sql += (c ? "," : "") + rows.columns[c];
            marks += c ? ",?" : "?";
        }
        sql += ") VALUES (" + marks + ")";
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(pHandle, sql.c_str(), -1, &statement, nullptr);
        const size_t width = rows.columns.size();
        for (size_t first = 0; first < rows.values.size(); first += width) {
            for (size_t c = 0; c < width; ++c) {
                const TableRows::Value& value = rows.values[first + c];
                if (value.type == SQLITE_NULL)
                    sqlite3_bind_null(statement, int(c) + 1);
                else if (value.type == SQLITE_INTEGER)
                    sqlite3_bind_int64(statement, int(c) + 1, value.integer);
                else
                    sqlite3_bind_text(statement, int(c) + 1, rows.text.data() + value.offset, int(value.length),
                                      SQLITE_STATIC);
            }
            if (sqlite3_step(statement) != SQLITE_DONE)
                throw CDBException(QString::fromUtf8(sqlite3_errmsg(pHandle)));
            sqlite3_reset(statement);
        }
        sqlite3_finalize(statement);
    }
    sqlite3_exec(pHandle, "COMMIT", nullptr, nullptr, nullptr);
}

void BenchFloor(CDatabase& imported, const QString& strBudget, const QString& strFloorPath, double dImportSeconds,
                double dImportCpu)
{
    std::vector<TableRows> tables;
    size_t rows = 0;
    for (const char* table : {"PRESUPUESTOS", "ARTICULOS", "MEDIDAS"}) {
        tables.push_back(ReadRows(Handle(imported), table, strBudget));
        rows += tables.back().values.size() / std::max<size_t>(tables.back().columns.size(), 1);
    }
    CSchema::CreateIfMissing(strFloorPath);
    CDatabase floor;
    floor.OpenFile(strFloorPath);
    CSchema::Prepare(floor);
    if (!floor.TableExists(QStringLiteral("MEDIDAS")))
        CSchema::CreateMedidas(floor);
    QElapsedTimer timer;
    const double cpu = CpuSeconds();
    timer.start();
    InsertRows(Handle(floor), tables);
    const double seconds = Seconds(timer);
    const double floorCpu = CpuSeconds() - cpu;
    std::printf("  floor      %8.3f s                (processor %.3f s, %zu rows)\n", seconds, floorCpu, rows);
    std::printf("  import / floor: %.2f processor, %.2f clock\n", dImportCpu / floorCpu, dImportSeconds / seconds);
}

bool BenchImportExport(CVelmoraDoc& doc, const QString& strPath, const QString& strOut, const QString& strFloorPath)
{
    const qint64 size = QFileInfo(strPath).size();
    QElapsedTimer timer;
    double cpu = CpuSeconds();
    timer.start();
    const CBc3ImportOutcome outcome = ImportBudgetBc3(doc.Database(), strPath, true);
    const double importSeconds = Seconds(timer);
    const double importCpu = CpuSeconds() - cpu;
    if (!outcome.IsOk()) {
        std::printf("import failed: %s\n", qPrintable(outcome.Message()));
        return false;
    }
    std::printf("%s: %.1f MB, %ld lines, %ld measurement lines\n", qPrintable(QFileInfo(strPath).fileName()),
                Megabytes(size), outcome.m_nLines, outcome.m_nMeasurements);
    Report("  import", importSeconds, importCpu, size);
    std::printf("  peak memory after the import %ld MB\n", PeakMegabytes());

    cpu = CpuSeconds();
    timer.restart();
    const CBc3BudgetExport::Status status = ExportBudgetBc3(doc, outcome.m_strBudget, strOut);
    const double exportSeconds = Seconds(timer);
    const double exportCpu = CpuSeconds() - cpu;
    if (status != CBc3BudgetExport::Ok) {
        std::printf("export failed\n");
        return false;
    }
    const qint64 written = QFileInfo(strOut).size();
    std::printf("  export writes %.1f MB\n", Megabytes(written));
    Report("  export", exportSeconds, exportCpu, written);
    std::printf("  peak memory after the export %ld MB\n", PeakMegabytes());
    BenchFloor(doc.Database(), outcome.m_strBudget, strFloorPath, importSeconds, importCpu);
    return true;
}

// A budget of 200,000 concepts six levels deep: four levels of chapters
// (10,000 at the fourth), 90,000 measured items under them, each made of
// three of 98,889 resources, every concept with its text.
QString Generate(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    constexpr int kFolders = 90000;
    constexpr int kResources = 98889;
    const QByteArray text = " con medios auxiliares, limpieza, excavaci\xF3n y retirada de escombros; se\xF1" "alizaci\xF3n.";
    QByteArray out;
    out.reserve(1 << 22);
    const auto flush = [&]() {
        file.write(out);
        out.clear();
    };
    out += "~V|Velmora|FIEBDC-3/2004|bench||ANSI|\r\n~C|OBRA##||Obra de prueba||\r\n~D|OBRA##|";
    for (int a = 1; a <= 10; ++a)
        out += "C" + QByteArray::number(a) + "#\\1\\1\\";
    out += "|\r\n";
    int folder = 0;
    // Chapters: a.b.c.d, each level ten wide.
    std::vector<QByteArray> level = {""};
    for (int depth = 1; depth <= 4; ++depth) {
        std::vector<QByteArray> next;
        for (const QByteArray& parent : level) {
            for (int i = 1; i <= 10; ++i) {
                const QByteArray code = "C" + (parent.isEmpty() ? QByteArray() : parent.mid(1) + ".") + QByteArray::number(i);
                next.push_back(code);
                out += "~C|" + code + "#||Cap\xEDtulo " + code + "||\r\n~T|" + code + "#|Cap\xEDtulo " + code + text + "|\r\n";
                out += "~D|" + code + "#|";
                if (depth < 4) {
                    for (int j = 1; j <= 10; ++j)
                        out += code + "." + QByteArray::number(j) + "#\\1\\1\\";
                } else {
                    for (int j = 0; j < 9; ++j)
                        out += "F" + QByteArray::number(folder + j).rightJustified(6, '0') + "\\1\\" + QByteArray::number(j + 1) + ".5\\";
                    for (int j = 0; j < 9; ++j, ++folder) {
                        const QByteArray f = "F" + QByteArray::number(folder).rightJustified(6, '0');
                        out += "\r\n~M|" + code + "#\\" + f + "|1|" + QByteArray::number(j + 1) + ".5|"
                            "\\Planta baja\\2\\3.5\\1\\\\\\Planta alta\\1\\2\\\\\\3\\2*1.5\\\\\\\\\\|";
                    }
                }
                out += "|\r\n";
            }
            if (out.size() > (1 << 21))
                flush();
        }
        level = std::move(next);
    }
    for (int f = 0; f < kFolders; ++f) {
        const QByteArray code = "F" + QByteArray::number(f).rightJustified(6, '0');
        out += "~C|" + code + "|m2|Partida " + code + " de f\xE1" "brica|" + QByteArray::number(f % 500 + 10) + ".25|010124|0|\r\n";
        out += "~T|" + code + "|Partida " + code + text + text + "|\r\n~D|" + code + "|";
        for (const int r : {(f * 7) % kResources, (f * 7 + 1) % kResources, (f * 13 + 5) % kResources})
            out += "R" + QByteArray::number(r).rightJustified(6, '0') + "\\1\\0." + QByteArray::number(r % 90 + 10) + "\\";
        out += "|\r\n";
        if (out.size() > (1 << 21))
            flush();
    }
    for (int r = 0; r < kResources; ++r) {
        const QByteArray code = "R" + QByteArray::number(r).rightJustified(6, '0');
        out += "~C|" + code + "|h|Recurso " + code + " pe\xF3n|" + QByteArray::number(r % 40 + 1) + ".5|010124|1|\r\n";
        out += "~T|" + code + "|Recurso " + code + text + "|\r\n";
        if (out.size() > (1 << 21))
            flush();
    }
    flush();
    return strPath;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--generate") == 0)
        return Generate(QString::fromLocal8Bit(argv[2])).isEmpty() ? 1 : 0;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    const QString corpus = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VELMORA_CORPUS_DIR);
    const QString largest = corpus + "/menfis10_budget_large_P0210K74.bc3";

    CVelmoraDoc doc;
    CStoreSession session(doc);
    try {
        // Each file into a store of its own, as a user's first import.
        if (QFile::exists(largest)) {
            session.Open(home.path() + "/large.db");
            BenchSplit(largest);
            if (!BenchImportExport(doc, largest, home.path() + "/large-out.bc3", home.path() + "/large-floor.db"))
                return 1;
            session.Close();
        } else {
            std::printf("no %s\n", qPrintable(largest));
        }
        QElapsedTimer timer;
        timer.start();
        const QString generated = Generate(home.path() + "/generated.bc3");
        std::printf("\ngenerated in %.1f s\n", Seconds(timer));
        session.Open(home.path() + "/generated.db");
        BenchSplit(generated);
        if (!BenchImportExport(doc, generated, home.path() + "/generated-out.bc3", home.path() + "/generated-floor.db"))
            return 1;
    } catch (const CDBException& e) {
        std::printf("store error: %s\n", qPrintable(e.m_strError));
        return 1;
    }
    return 0;
}
