// The budget grid on a generated budget of 20,000 lines, four levels deep,
// with two measurement lines on each folder: opening, renumbering with
// every level shown, inserting, editing a quantity, deleting a 5,000-line
// chapter, and copying and pasting a 2,000-line branch. Then the same shape
// grown to 371,111 lines, with long descriptions as imported budgets have
// them: opening it at the first level and expanding it all.
#include "admin/CBudgetAdmin.h"
#include "admin/CBudgetHeader.h"
#include "CBenchApp.h"
#include "app/CVelmoraApp.h"
#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "store/CArticulosSet.h"
#include "store/CDatabase.h"
#include "store/CBulkInsert.h"
#include "store/CMedidasSet.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"

#include <QLineEdit>
#include <QSqlDriver>
#include <sqlite3.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

struct Line {
    int level;
    QString code;
    bool decomposed;
    double price;
    double quantity;
    double amount = 0;
};

// Chapters of 5,000 lines: sub-chapters of 2,000, 1,500 and 1,499 lines made
// of folders with five concepts each; a last chapter of nTail lines when
// nTail is not 0.
std::vector<Line> Generate(const QString& strRoot, int nChapters, int nTail = 0)
{
    std::vector<Line> lines{{0, strRoot, true, 0, 1}};
    int counter = 0;
    for (int c = 1; c <= nChapters + (nTail > 0 ? 1 : 0); ++c) {
        lines.push_back({1, QStringLiteral("C%1#").arg(c), true, 0, 1});
        const std::vector<int> sizes = c > nChapters ? std::vector<int>{nTail - 1} : std::vector<int>{2000, 1500, 1499};
        for (const int size : sizes) {
            lines.push_back({2, QStringLiteral("C%1.%2#").arg(c).arg(size), true, 0, 1});
            int left = size - 1;
            int folder = 0;
            while (left >= 6) {
                lines.push_back({3, QStringLiteral("F%1.%2.%3").arg(c).arg(size).arg(++folder), true, 0, 2.5});
                for (int k = 0; k < 5; ++k)
                    lines.push_back({4, QStringLiteral("MAT%1").arg(++counter % 700), false, 1.5 + k, 0.25 * (k + 1)});
                left -= 6;
            }
            for (; left > 0; --left)
                lines.push_back({3, QStringLiteral("MO%1").arg(++counter % 50), false, 18.3, 1.5});
        }
    }
    // Amounts bottom-up.
    for (size_t i = lines.size(); i-- > 0;) {
        Line& line = lines[i];
        if (line.decomposed) {
            double sum = 0;
            for (size_t j = i + 1; j < lines.size() && lines[j].level > line.level; ++j) {
                if (lines[j].level == line.level + 1)
                    sum += lines[j].amount;
            }
            line.price = sum;
        }
        line.amount = line.price * line.quantity;
    }
    return lines;
}

void Store(CVelmoraDoc& doc, const std::vector<Line>& lines)
{
    CBudgetHeader header = CBudgetHeader::New();
    header.m_strCodigo = QStringLiteral("BENCH");
    header.m_strNombre = QStringLiteral("Presupuesto de prueba");
    header.m_strGgen = QStringLiteral("13");
    header.m_strBind = QStringLiteral("6");
    header.m_strIva = QStringLiteral("21");
    CBudgetAdmin::Create(doc.Database(), header);
    CTransaction transaction(doc.Database());
    doc.Database().ExecuteSQL(QStringLiteral("DELETE FROM ARTICULOS"));
    CArticulosSet set(&doc.Database());
    set.FilterNone();
    set.Open();
    CMedidasSet measures(&doc.Database());
    measures.FilterNone();
    measures.Open();
    long numlin = 0;
    for (const Line& line : lines) {
        set.AddNew();
        set.SetFieldNull(nullptr);
        set.m_CODIGO = QStringLiteral("BENCH");
        set.m_NUMLIN = QString::number(++numlin);
        set.m_NIVEL = QString::number(line.level);
        set.m_ARTICULO = line.code;
        set.m_DESGLOSE = line.decomposed ? QStringLiteral("S") : QStringLiteral("N");
        set.m_NOMBRE = QStringLiteral("Partida %1").arg(line.code);
        set.m_PRECIO = StoreFormat(line.price, 5);
        set.m_RENDIMIENTO = StoreFormat(line.quantity, 5);
        set.m_IMPORTE = StoreFormat(line.amount, 5);
        set.m_FACTOR = QStringLiteral("1.0");
        set.Update();
        if (line.decomposed && line.level == 3) {
            for (int lin = 1; lin <= 2; ++lin) {
                measures.AddNew();
                measures.SetFieldNull(nullptr);
                measures.m_CODIGO = QStringLiteral("BENCH");
                measures.m_NUMLIN = QString::number(numlin);
                measures.m_LIN = QString::number(lin);
                measures.m_CODIGOHIJO = line.code;
                measures.m_UNIDADES = QStringLiteral("1.25");
                measures.m_LARGO = measures.m_ANCHO = measures.m_ALTO = QStringLiteral("1.0");
                measures.m_TOTAL = QStringLiteral("1.25");
                measures.Update();
            }
        }
    }
    transaction.Commit();
}

// The same lines through the bulk inserter, with a description of 120
// characters on each: a budget of this size is one a user imports.
void StoreLarge(CDatabase& db, const QString& strCode, const std::vector<Line>& lines)
{
    CBudgetHeader header = CBudgetHeader::New();
    header.m_strCodigo = strCode;
    header.m_strNombre = QStringLiteral("Presupuesto grande");
    CBudgetAdmin::Create(db, header);
    CTransaction transaction(db);
    db.ExecuteSQL(QStringLiteral("DELETE FROM ARTICULOS WHERE CODIGO = ?"), {strCode});
    const QString description = QString(QStringLiteral("Partida de obra con su descripción larga, ")).repeated(3);
    {
        const std::unique_ptr<CBulkInsert> insert = CStoreStatements::BudgetLineInserter(db);
        long numlin = 0;
        for (const Line& line : lines) {
            ++numlin;
            insert->Add({strCode, qint64(numlin), line.code, qint64(line.level),
                         line.decomposed ? QStringLiteral("S") : QStringLiteral("N"), QStringLiteral("1.0"),
                         CBulkInsert::Value::Fixed(line.quantity, 5), QStringLiteral("Partida %1").arg(line.code),
                         description, nullptr, QStringLiteral("m2"), CBulkInsert::Value::Fixed(line.price, 5),
                         CBulkInsert::Value::Fixed(line.amount, 5)});
        }
        insert->Flush();
    }
    const std::unique_ptr<CBulkInsert> measures = CStoreStatements::MeasurementInserter(db);
    long numlin = 0;
    for (const Line& line : lines) {
        ++numlin;
        if (!line.decomposed || line.level != 3)
            continue;
        for (qint64 lin = 1; lin <= 2; ++lin)
            measures->Add({strCode, qint64(numlin), lin, nullptr, line.code, nullptr, nullptr, nullptr,
                           QStringLiteral("1.25"), QStringLiteral("1.0"), QStringLiteral("1.0"), QStringLiteral("1.0"),
                           QStringLiteral("1.25")});
    }
    measures->Flush();
    transaction.Commit();
}

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

// Wall time against the target, and the process's CPU time beside it: on a
// busy machine the CPU time is the figure to compare.
double Time(const char* label, const std::function<void()>& step, double target)
{
    QElapsedTimer timer;
    const double cpu = CpuSeconds();
    timer.start();
    step();
    QApplication::processEvents();
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("%-40s %7.3f s wall %7.3f s cpu  (target < %.1f s)%s\n", label, seconds, CpuSeconds() - cpu, target,
                seconds < target ? "" : "  OVER");
    return seconds;
}

// The floor: the same lines read the simplest way, one statement through
// the engine's own interface, every column a grid row shows kept as text.
void ReadFloor(CDatabase& db, const QString& strCode, int nMaxLevel, std::vector<QStringList>& rows)
{
    sqlite3* handle = *static_cast<sqlite3* const*>(db.Connection().driver()->handle().constData());
    const char* sql = "SELECT NUMLIN, NIVEL, ARTICULO, DESGLOSE, MEDIDA, NOMBRE, PRECIO, FACTOR, RENDIMIENTO, FECHA, "
                      "TIPO1, TIPO2, IMPORTE, IMAGEN, CODIGO FROM ARTICULOS WHERE CODIGO = ? AND NIVEL <= ? "
                      "ORDER BY NUMLIN";
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr);
    const QByteArray code = strCode.toUtf8();
    sqlite3_bind_text(statement, 1, code.constData(), int(code.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(statement, 2, nMaxLevel < 0 ? 1000000 : nMaxLevel);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList cells;
        for (int col = 0; col < 15; ++col)
            cells << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, col)),
                                       sqlite3_column_bytes(statement, col));
        rows.push_back(std::move(cells));
    }
    sqlite3_finalize(statement);
}

int RowOf(CArticulosList& list, const QString& code)
{
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (list.GetItemText(row, CBudgetRow::Codigo) == code)
            return row;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    CBenchApp bench(argc, argv);
    if (!bench.Init())
        return 1;
    CVelmoraApp& app = bench.App();
    CVelmoraView& view = *app.View();
    CArticulosList& list = *view.List();
    const std::vector<Line> lines = Generate(QStringLiteral("BENCH##"), 4);
    Store(*app.Document(), lines);
    std::printf("budget of %zu lines, four levels, two measurement lines per folder\n", lines.size());

    Time("open at level 1", [&] { view.OpenBudget(QStringLiteral("BENCH")); }, 0.5);
    Time("renumber and show every level", [&] { view.Renumber(); }, 0.5);
    std::printf("  rows shown: %d\n", list.GetItemCount());
    Time("insert a concept near the top", [&] {
        list.DeselectAll();
        list.SelectAndFocus(3);
        list.InsertConcept();
    }, 0.5);
    const int deep = list.GetItemCount() - 3;
    Time("edit a quantity deep in the tree", [&] {
        list.SetItemText(deep, CBudgetRow::Rendimiento, QStringLiteral("7,25"));
        list.ValidateCell(deep, CBudgetRow::Rendimiento);
        list.CellChanged(deep, CBudgetRow::Rendimiento);
    }, 0.1);
    Time("delete a 5,000-line chapter", [&] { list.DeleteLine(RowOf(list, QStringLiteral("C2#")), 0); }, 0.5);
    Time("copy and paste a 2,000-line branch", [&] {
        list.DeselectAll();
        list.SelectAndFocus(RowOf(list, QStringLiteral("C3.2000#")));
        list.CopySelected();
        list.DeselectAll();
        list.SelectAndFocus(RowOf(list, QStringLiteral("C4#")));
        list.PasteSelected();
    }, 0.5);
    std::printf("  lines now: %d rows, total %s\n", list.GetItemCount(), qPrintable(view.TotalBox()->text()));

    // The same edit with only the first level shown, as the budget opens.
    view.OpenBudget(QStringLiteral("BENCH"));
    list.ExpandLine(RowOf(list, QStringLiteral("C4#")), -1);
    const int deepShown = list.GetItemCount() - 2;
    Time("edit a quantity, one chapter expanded", [&] {
        list.SetItemText(deepShown, CBudgetRow::Rendimiento, QStringLiteral("3,5"));
        list.ValidateCell(deepShown, CBudgetRow::Rendimiento);
        list.CellChanged(deepShown, CBudgetRow::Rendimiento);
    }, 0.1);

    const std::vector<Line> large = Generate(QStringLiteral("LARGE##"), 74, 1110);
    StoreLarge(app.Document()->Database(), QStringLiteral("LARGE"), large);
    std::printf("\nbudget of %zu lines, 120-character descriptions\n", large.size());
    {
        std::vector<QStringList> floor;
        Time("floor: read the first level", [&] { ReadFloor(app.Document()->Database(), QStringLiteral("LARGE"), 1, floor); }, 0.2);
        Time("floor: read every line", [&] { ReadFloor(app.Document()->Database(), QStringLiteral("LARGE"), -1, floor); }, 1.5);
    }
    Time("open at level 1", [&] { view.OpenBudget(QStringLiteral("LARGE")); }, 0.2);
    std::printf("  rows shown: %d\n", list.GetItemCount());
    Time("expand all from the root", [&] { list.ExpandAll(0); }, 1.5);
    std::printf("  rows shown: %d\n", list.GetItemCount());
    Time("close and open at level 1 again", [&] { view.OpenBudget(QStringLiteral("LARGE")); }, 0.2);
    list.ExpandAll(0);
    Time("close the expanded grid", [&] { list.DeleteAllItems(); }, 0.2);
    Time("open at level 1 after closing", [&] { view.OpenBudget(QStringLiteral("LARGE")); }, 0.2);
    return 0;
}
