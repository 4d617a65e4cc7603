// The budget grid on a budget imported from a BC3 file: opening it at the
// first level, as the view does, and expanding every line from the root.
//   bench_bc3 --generate FILE && bench_open FILE
#include "CBenchApp.h"
#include "app/CVelmoraApp.h"
#include "bc3/CBc3BudgetImport.h"
#include "budget/CArticulosList.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void Time(const char* szLabel, const std::function<void()>& step)
{
    QElapsedTimer timer;
    const double cpu = CpuSeconds();
    timer.start();
    step();
    QApplication::processEvents();
    std::printf("%-28s %7.3f s   (processor %.3f s)\n", szLabel, double(timer.nsecsElapsed()) / 1e9, CpuSeconds() - cpu);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_open FILE.bc3\n");
        return 2;
    }
    CBenchApp bench(argc, argv);
    if (!bench.Init())
        return 1;
    CVelmoraApp& app = bench.App();
    const CBc3ImportOutcome outcome = ImportBudgetBc3(app.Document()->Database(), QString::fromLocal8Bit(argv[1]), true);
    if (!outcome.IsOk()) {
        std::printf("import failed: %s\n", qPrintable(outcome.Message()));
        return 1;
    }
    std::printf("budget of %ld lines\n", outcome.m_nLines);
    CVelmoraView& view = *app.View();
    CArticulosList& list = *view.List();
    Time("open at level 1", [&] { view.OpenBudget(outcome.m_strBudget); });
    std::printf("  rows shown: %d\n", list.GetItemCount());
    Time("expand all from the root", [&] { list.ExpandAll(0); });
    std::printf("  rows shown: %d\n", list.GetItemCount());
    return 0;
}
