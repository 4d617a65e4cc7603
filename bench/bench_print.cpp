// Speed and memory of the printout on the largest budget of the corpus (about
// 35,000 lines): reading it, laying its pages out and drawing them into a PDF,
// as a budget with its measurement lines and as an invoice. The floor is the
// same descriptions written into a PDF the simplest way: one drawText per
// line, no layout.
//   bench_print [CORPUS_DIR]
#include "bc3/CBc3BudgetImport.h"
#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "output/CBudgetPrintout.h"
#include "output/CPrintData.h"
#include "output/CPrintJob.h"
#include "store/CDBException.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

double Seconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Times one piece of work, wall clock and processor.
template <class Work>
void Time(const char* szWhat, Work work)
{
    QElapsedTimer timer;
    const double cpu = CpuSeconds();
    timer.start();
    const QString result = work();
    std::printf("  %-34s %7.2f s  (processor %6.2f s)  %s\n", szWhat, Seconds(timer), CpuSeconds() - cpu,
                qPrintable(result));
}

QString Pages(int nPages)
{
    return QStringLiteral("%1 pages").arg(nPages);
}

// The descriptions, one line each, 60 lines to an A4 page.
int Floor(const CPrintData& data, const QString& strPath)
{
    QPdfWriter writer(strPath);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(writer.logicalDpiY() * 35 / 254);
    painter.setFont(font);
    const int step = writer.height() / 62;
    int y = step;
    int pages = 1;
    for (const CPrintData::Line& line : data.m_lines) {
        painter.drawText(QPointF(0, y), line.strNombre);
        y += step;
        if (y > writer.height() - step) {
            writer.newPage();
            ++pages;
            y = step;
        }
    }
    return pages;
}

void Bench(CDatabase& db, const QString& strBudget, const QString& strFolder, bool bInvoice)
{
    CPrintOptions options;
    options.m_nDocumentKind = bInvoice ? CPrintOptions::Invoice : CPrintOptions::Budget;
    options.m_bMeasurements = !bInvoice;
    std::printf("%s\n", bInvoice ? "invoice" : "budget with measurement lines");
    CPrintData data;
    Time("read the budget", [&] {
        data.Load(db, strBudget, options.LevelLimit(), options.m_bMeasurements);
        return QStringLiteral("%1 lines, %2 measured").arg(data.m_lines.size()).arg(data.m_measures.size());
    });
    Time("lay the pages out", [&] {
        CPrintJob job(options);
        job.SetPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        job.SetupPage();
        return Pages(CBudgetPrintout(job, data).Paginate());
    });
    const QString pdf = strFolder + (bInvoice ? "/invoice.pdf" : "/budget.pdf");
    Time("lay out and draw into a PDF", [&] {
        CPrintJob job(options);
        const int pages = CBudgetPrintout::PrintToPdf(job, data, pdf);
        return Pages(pages) + QStringLiteral(", %1 MB").arg(double(QFileInfo(pdf).size()) / 1048576.0, 0, 'f', 1);
    });
    Time("floor: the names, one drawText each", [&] { return Pages(Floor(data, strFolder + "/floor.pdf")); });
    std::printf("  peak memory so far %ld MB\n", PeakMegabytes());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    const QString corpus = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VELMORA_CORPUS_DIR);
    const QString largest = corpus + "/menfis10_budget_large_P0210K74.bc3";
    if (!QFile::exists(largest)) {
        std::printf("no %s\n", qPrintable(largest));
        return 1;
    }
    CVelmoraDoc doc;
    CStoreSession session(doc);
    try {
        session.Open(home.path() + "/bench.db");
        const CBc3ImportOutcome outcome = ImportBudgetBc3(doc.Database(), largest, true);
        if (!outcome.IsOk()) {
            std::printf("import failed: %s\n", qPrintable(outcome.Message()));
            return 1;
        }
        std::printf("%s: %ld lines, %ld measurement lines; peak memory after the import %ld MB\n",
                    qPrintable(QFileInfo(largest).fileName()), outcome.m_nLines, outcome.m_nMeasurements,
                    PeakMegabytes());
        Bench(doc.Database(), outcome.m_strBudget, home.path(), false);
        Bench(doc.Database(), outcome.m_strBudget, home.path(), true);
    } catch (const CDBException& e) {
        std::printf("store error: %s\n", qPrintable(e.m_strError));
        return 1;
    }
    return 0;
}
