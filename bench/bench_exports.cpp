// Speed of the exports on the largest budget of the corpus (35,000 lines):
// the RTF report (written into a text document and saved as RTF), the
// report window as the user opens it, and the Excel workbooks. Beside each,
// the floor: the same lines and measurements read from the store and written
// as plain text the simplest way.
//   bench_exports [CORPUS_DIR]
#include "bc3/CBc3BudgetImport.h"
#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "output/CBudgetReport.h"
#include "output/CExcelExport.h"
#include "output/CRtfEdit.h"
#include "output/CRtfReportDlg.h"
#include "output/CRtfWriter.h"
#include "store/CArticulosSet.h"
#include "store/CMedidasSet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The best of three runs, wall and processor time.
void Time(const char* szWhat, const std::function<void()>& work, const QString& strOutput = {})
{
    double bestWall = 1e9;
    double bestCpu = 1e9;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        const double cpu = CpuSeconds();
        timer.start();
        work();
        bestWall = std::min(bestWall, double(timer.nsecsElapsed()) / 1e9);
        bestCpu = std::min(bestCpu, CpuSeconds() - cpu);
    }
    std::printf("%-34s %7.3f s   (processor %.3f s)", szWhat, bestWall, bestCpu);
    if (!strOutput.isEmpty())
        std::printf("   %.1f MB", double(QFileInfo(strOutput).size()) / (1024.0 * 1024.0));
    std::printf("\n");
}

// The floor: every line and measurement read with forward-only sets and
// written as text lines, with no layout and no formats.
void PlainText(CDatabase& db, const QString& strBudget, const QString& strPath)
{
    CArticulosSet lines(&db);
    lines.FilterBudget(strBudget);
    lines.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    CMedidasSet measures(&db);
    measures.FilterBudget(strBudget);
    measures.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    QString text;
    for (; !lines.IsEOF(); lines.MoveNext()) {
        text += lines.m_ARTICULO + u' ' + lines.m_MEDIDA + u' ' + lines.m_DESCRIPCION + u' ' + lines.m_PRECIO + u' ' +
                lines.m_RENDIMIENTO + u' ' + lines.m_IMPORTE + u'\n';
        const long numlin = lines.m_NUMLIN.toLong();
        for (; !measures.IsEOF() && measures.m_NUMLIN.toLong() <= numlin; measures.MoveNext())
            text += measures.m_NOMBRE + u' ' + measures.m_UNIDADES + u' ' + measures.m_LARGO + u' ' +
                    measures.m_ANCHO + u' ' + measures.m_ALTO + u' ' + measures.m_TOTAL + u'\n';
    }
    QFile file(strPath);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication application(argc, argv);
    const QString corpus = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VELMORA_CORPUS_DIR);
    const QString source = corpus + QStringLiteral("/menfis10_budget_large_P0210K74.bc3");

    CVelmoraDoc doc;
    CStoreSession session(doc);
    session.Open(home.filePath(QStringLiteral("bench.db")));
    const CBc3ImportOutcome outcome = ImportBudgetBc3(doc.Database(), source, true);
    if (!outcome.IsOk()) {
        std::printf("cannot import %s: %s\n", qPrintable(source), qPrintable(outcome.Message()));
        return 1;
    }
    CDatabase& db = doc.Database();
    const QString budget = outcome.m_strBudget;
    std::printf("%s: %ld lines, %ld measurement lines\n", qPrintable(QFileInfo(source).fileName()), outcome.m_nLines,
                outcome.m_nMeasurements);

    const QString text = home.filePath(QStringLiteral("floor.txt"));
    Time("floor: lines as plain text", [&] { PlainText(db, budget, text); }, text);

    const QString rtf = home.filePath(QStringLiteral("informe.rtf"));
    Time("RTF: report and file (target 3 s)", [&] {
        QTextDocument document;
        CBudgetReport::PrepareDocument(document);
        CBudgetReport(document).WriteReport(db, budget);
        QString error;
        CRtfWriter::Save(document, rtf, CBudgetReport::ReportPage(), error);
    }, rtf);
    QTextDocument document;
    CBudgetReport::PrepareDocument(document);
    Time("  the report alone", [&] {
        document.clear();
        CBudgetReport(document).WriteReport(db, budget);
    });
    Time("  the RTF writer alone", [&] { CRtfWriter::Write(document, CBudgetReport::ReportPage()); });
    Time("the report window, shown", [&] {
        CRtfReportDlg dialog(db, budget);
        dialog.show();
        QApplication::processEvents();
    });

    const QString xls = home.filePath(QStringLiteral("hoja.xls"));
    Time("XLS: workbook (target 1 s)", [&] { CExcelExport::Export(db, budget, xls); }, xls);
    const QString xlsx = home.filePath(QStringLiteral("hoja.xlsx"));
    Time("XLSX: workbook", [&] { CExcelExport::Export(db, budget, xlsx); }, xlsx);
    return 0;
}
