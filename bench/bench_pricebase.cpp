// Speed of the price bases: the import of the DGC price base of the corpus
// and of a generated price base of 50,000 concepts with five price scopes,
// each set against its floor, and the price-base window expanding every line
// of a 50,000-line tariff, set against the floor of showing those rows.
//   bench_pricebase [CORPUS_DIR]
// Import floor: the rows the import wrote, copied into an empty store of the
// same schema by the engine itself in one statement (INSERT ... SELECT), with
// no text to read nor values to bind. Window floor: the tariff's lines read
// in one pass, their cells formatted and put into a bare grid with its
// redrawing off.
#include "CBenchApp.h"
#include "app/CVelmoraApp.h"
#include "bc3/CBc3PriceBaseImport.h"
#include "bc3/CBc3Reader.h"
#include "budget/CBudgetRow.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "grid/CEditList.h"
#include "pricebase/CBasePreciosDlg.h"
#include "pricebase/CPreciosList.h"
#include "pricebase/CTarifasList.h"
#include "store/CDatabase.h"
#include "store/CLineRecord.h"
#include "store/CPreciosSet.h"
#include "store/CLineTable.h"
#include "store/CSchema.h"

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

struct Timing {
    double wall;
    double cpu;
};

Timing Time(const char* szLabel, const std::function<void()>& step)
{
    QElapsedTimer timer;
    const double cpu = CpuSeconds();
    timer.start();
    step();
    const Timing timing{double(timer.nsecsElapsed()) / 1e9, CpuSeconds() - cpu};
    std::printf("  %-30s %7.3f s   (processor %.3f s)\n", szLabel, timing.wall, timing.cpu);
    return timing;
}

void Ratio(const Timing& work, const Timing& floor)
{
    std::printf("  %-30s %7.2f clock, %.2f processor\n", "work / floor", work.wall / floor.wall, work.cpu / floor.cpu);
}

// A price base of 50,000 concepts: 10 chapters of 10 sub-chapters holding
// 10,000 items, each of four of 39,889 resources (every tenth with a
// percentage line too), every concept priced in five scopes, some of which
// it leaves empty, and every item described.
QByteArray Generate()
{
    constexpr int kItems = 10000;
    constexpr int kResources = 39889;
    QByteArray out = "~V|Velmora|FIEBDC-3/2016|bench|PRECIOS\\Norte\\Sur\\Este\\Oeste\\Centro|ANSI|\r\n";
    out += "~C|BENCH##||Base de prueba|0|\r\n~D|BENCH##|";
    for (int c = 1; c <= 10; ++c)
        out += "C" + QByteArray::number(c) + "#\\1\\1\\";
    out += "|\r\n";
    int item = 0;
    for (int c = 1; c <= 10; ++c) {
        out += "~C|C" + QByteArray::number(c) + "#||Cap\xEDtulo " + QByteArray::number(c) + "|0|\r\n";
        out += "~D|C" + QByteArray::number(c) + "#|";
        for (int s = 1; s <= 10; ++s)
            out += "C" + QByteArray::number(c) + "." + QByteArray::number(s) + "#\\1\\1\\";
        out += "|\r\n";
        for (int s = 1; s <= 10; ++s) {
            const QByteArray sub = "C" + QByteArray::number(c) + "." + QByteArray::number(s) + "#";
            out += "~C|" + sub + "||Subcap\xEDtulo|0|\r\n~D|" + sub + "|";
            for (int i = 0; i < kItems / 100; ++i)
                out += "P" + QByteArray::number(item + i) + "\\1\\" + QByteArray::number(1 + i % 7) + "\\";
            out += "|\r\n";
            for (int i = 0; i < kItems / 100; ++i, ++item) {
                const QByteArray code = "P" + QByteArray::number(item);
                out += "~C|" + code + "|m2|Partida " + code + "|0\\0\\\\0\\0\\|\r\n~D|" + code + "|";
                for (int k = 0; k < 4; ++k)
                    out += "R" + QByteArray::number((item * 4 + k) % kResources) + "\\1\\" + QByteArray::number(0.25 * (k + 1)) + "\\";
                if (item % 10 == 0)
                    out += "%CI\\1\\0.03\\";
                out += "|\r\n~T|" + code + "|Ejecuci\xF3n de la partida " + code + " con medios auxiliares y limpieza.|\r\n";
            }
        }
    }
    out += "~C|%CI|%|Costes indirectos|3|\r\n";
    for (int r = 0; r < kResources; ++r) {
        const QByteArray price = QByteArray::number(1 + r % 97) + "." + QByteArray::number(r % 100);
        out += "~C|R" + QByteArray::number(r) + "|h|Recurso " + QByteArray::number(r) + "|" + price + "\\" + price
            + "\\" + (r % 3 ? price : QByteArray()) + "\\\\" + price + "\\|\r\n";
    }
    return out;
}

// The import of a text, then its floor.
void BenchImport(CDatabase& database, const QString& strFloorPath, const char* szName, const QByteArray& text,
                 const QString& strCode)
{
    QStringList scopes;
    Bc3PriceScopes(text, scopes);
    std::printf("%s: %.1f MB, %lld scopes\n", szName, double(text.size()) / (1024 * 1024), qlonglong(scopes.size()));
    CBc3PriceImportOutcome outcome;
    const Timing work = Time("import", [&] { outcome = ImportPriceBaseBc3Text(database, text, strCode, scopes, scopes); });
    if (!outcome.IsOk()) {
        std::printf("  import failed: %s\n", qPrintable(outcome.Message()));
        return;
    }
    long lines = 0;
    for (const CBc3PriceImportOutcome::Tariff& tariff : outcome.m_tariffs)
        lines += tariff.lines;
    std::printf("  %zu tariffs, %ld lines\n", outcome.m_tariffs.size(), lines);

    CSchema::CreateIfMissing(strFloorPath);
    {
        CDatabase floor;
        floor.OpenFile(strFloorPath);
        CSchema::Prepare(floor);
    }
    database.ExecuteSQL(QStringLiteral("ATTACH DATABASE ? AS floor"), {strFloorPath});
    const Timing floor = Time("floor", [&] {
        database.ExecuteSQL(QStringLiteral("BEGIN"));
        database.ExecuteSQL(QStringLiteral("INSERT INTO floor.PRECIOS SELECT * FROM main.PRECIOS WHERE CODIGO = ?"),
                            {strCode});
        database.ExecuteSQL(QStringLiteral("COMMIT"));
    });
    database.ExecuteSQL(QStringLiteral("DETACH DATABASE floor"));
    Ratio(work, floor);
}

} // namespace

int main(int argc, char** argv)
{
    CBenchApp bench(argc, argv);
    if (!bench.Init())
        return 1;
    CVelmoraApp& app = bench.App();
    CDatabase& database = app.Document()->Database();

    const QString corpus = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VELMORA_CORPUS_DIR);
    QByteArray dgc;
    if (CBc3Reader::ReadFile(corpus + QStringLiteral("/menfis8_pricebase_dgc_2022.bc3"), dgc))
        BenchImport(database, bench.Home().filePath(QStringLiteral("floor1.db")), "DGC price base", dgc, QStringLiteral("DGC"));
    else
        std::printf("DGC price base not found in %s\n", qPrintable(corpus));
    BenchImport(database, bench.Home().filePath(QStringLiteral("floor2.db")), "generated price base", Generate(),
                QStringLiteral("BENCH"));

    // The window on the first generated tariff.
    std::printf("price-base window, tariff BENCH/Norte\n");
    CBasePreciosDlg& window = *app.View()->BasePrecios();
    Time("open the window", [&] { window.Show(); });
    for (int row = 0; row < window.Tariffs()->GetItemCount(); ++row) {
        if (window.Tariffs()->GetItemText(row, CTarifasList::Codigo) == QStringLiteral("BENCH")
            && window.Tariffs()->GetItemText(row, CTarifasList::Tarifa) == QStringLiteral("Norte"))
            Time("choose the tariff", [&] { window.Tariffs()->OnItemClick(row, 0, 0); });
    }
    CPreciosList& lines = *window.Lines();
    const Timing work = Time("expand all from the root", [&] {
        lines.ExpandAll(0);
        QApplication::processEvents();
    });
    std::printf("  rows shown: %d\n", lines.GetItemCount());
    CEditList bare;
    bare.SetColumnCount(CPreciosList::ColumnCount);
    bare.ApplyColumns();
    bare.resize(1000, 600);
    bare.show();
    const Timing floor = Time("floor: read, format, show", [&] {
        CPreciosSet set(&database);
        set.FilterTree(CLineTable::ForTariff(QStringLiteral("BENCH"), QStringLiteral("Norte")));
        set.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
        bare.SetRedraw(false);
        for (int row = 0; !set.IsEOF(); set.MoveNext(), ++row) {
            const CLineRecord line = CLineRecord::From(set);
            bare.InsertItem(row, CBudgetRow::Texts(line) << line.tarifa << QString(), int(line.Level()), 2, 0);
        }
        bare.SetRedraw(true);
        QApplication::processEvents();
    });
    Ratio(work, floor);

    // Edits through the window's grid and its service.
    const int row = 200;
    std::printf("  editing %s, a concept with %d rows shown\n", qPrintable(lines.GetItemText(row, 0)), lines.GetItemCount());
    Time("a concept's price", [&] { window.Service().EditCell(lines.RowLine(row), CBudgetRow::Precio, QStringLiteral("7,5")); });
    Time("a concept's name", [&] { window.Service().EditCell(lines.RowLine(row), CBudgetRow::Nombre, QStringLiteral("Otro")); });
    Time("a line under the root", [&] { window.Service().InsertLine(1, CLineTree::Kind::Concept); });
    Time("a 5,000-line chapter deleted", [&] { window.Service().DeleteLine(2); });
    return 0;
}
