// Speed of the BC3 interchange on the largest file of the corpus and on a
// generated 50 MB budget: reading and splitting, import, export, and the
// peak memory of the process.
//   bench_bc3 [CORPUS_DIR]
//   bench_bc3 --generate FILE    only writes the generated file
#include "bc3/CBc3BudgetExport.h"
#include "bc3/CBc3BudgetImport.h"
#include "bc3/CBc3Reader.h"
#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "store/CDBException.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
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

bool BenchImportExport(CVelmoraDoc& doc, const QString& strPath, const QString& strOut)
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
        session.Open(home.path() + "/bench.db");
        if (QFile::exists(largest)) {
            BenchSplit(largest);
            if (!BenchImportExport(doc, largest, home.path() + "/large-out.bc3"))
                return 1;
        } else {
            std::printf("no %s\n", qPrintable(largest));
        }
        QElapsedTimer timer;
        timer.start();
        const QString generated = Generate(home.path() + "/generated.bc3");
        std::printf("\ngenerated in %.1f s\n", Seconds(timer));
        BenchSplit(generated);
        if (!BenchImportExport(doc, generated, home.path() + "/generated-out.bc3"))
            return 1;
    } catch (const CDBException& e) {
        std::printf("store error: %s\n", qPrintable(e.m_strError));
        return 1;
    }
    return 0;
}
