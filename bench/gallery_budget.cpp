// The main window as a user sees it with a real budget: a BC3 file imported,
// every line shown, at the two screen sizes users have most, with the grid
// scrolled to the widest amounts and with the measurement window open on a
// measured folder. gallery_budget FILE.bc3 FOLDER [ca]
#include "CBenchApp.h"
#include "app/CMainFrame.h"
#include "app/CProfile.h"
#include "app/CVelmoraApp.h"
#include "app/CommandIds.h"
#include "bc3/CBc3BudgetImport.h"
#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "measure/CMedicionesDlg.h"
#include "measure/CMedicionesList.h"
#include "store/NumberText.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

void Save(QWidget& widget, const QString& strPath)
{
    QApplication::processEvents();
    widget.grab().save(strPath);
    std::printf("%s\n", qPrintable(strPath));
}

// The row whose amount is the longest text, and the first measured folder.
int WidestAmountRow(CArticulosList& list)
{
    int widest = 0;
    for (int row = 1; row < list.GetItemCount(); ++row) {
        if (list.GetItemText(row, CBudgetRow::Importe).size() > list.GetItemText(widest, CBudgetRow::Importe).size())
            widest = row;
    }
    return widest;
}

// Cells whose text is wider than the room their column gives it, in the
// columns of codes and numbers.
void PrintCutCells(CArticulosList& list)
{
    for (const int col : {int(CBudgetRow::Codigo), int(CBudgetRow::Precio), int(CBudgetRow::Rendimiento), int(CBudgetRow::Importe)}) {
        int cut = 0;
        for (int row = 0; row < list.GetItemCount(); ++row) {
            QFont font = list.font();
            font.setBold(list.GetCellFontWeight(row, col) > 400);
            const int text = QFontMetrics(font).horizontalAdvance(list.GetItemText(row, col));
            const int room = list.header()->sectionSize(col) - 2 * 6 - (col == 0 ? list.TextOffset(row) : 0);
            if (text > room && ++cut <= 3)
                std::printf("  cut: %s at level %d, %d px of %d\n", qPrintable(list.GetItemText(row, col)),
                            list.GetItemIndent(row), text, room);
        }
        std::printf("  column %d: %d of %d cells cut\n", col, cut, list.GetItemCount());
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: gallery_budget FILE.bc3 FOLDER [ca]\n");
        return 2;
    }
    const bool catalan = argc > 3 && QByteArray(argv[3]) == "ca";
    const QString file = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    CBenchApp bench(argc, argv);
    if (catalan)
        CProfile::WriteProfileString(QStringLiteral("Settings"), QStringLiteral("idioma"), QStringLiteral("1"));
    QDir().mkpath(folder);
    if (!bench.Init())
        return 1;
    CVelmoraApp& app = bench.App();
    const CBc3ImportOutcome outcome = ImportBudgetBc3(app.Document()->Database(), file, true);
    if (!outcome.IsOk()) {
        std::printf("import failed: %s\n", qPrintable(outcome.Message()));
        return 1;
    }
    CMainFrame& frame = *app.MainFrame();
    CVelmoraView& view = *app.View();
    CArticulosList& list = *view.List();
    Save(frame, folder + QStringLiteral("/empty.png"));
    view.OpenBudget(outcome.m_strBudget);
    list.ExpandAll(0);
    const int widest = WidestAmountRow(list);
    for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
        frame.setGeometry(QRect(QPoint(0, 0), size));
        QApplication::processEvents();
        std::printf("%dx%d\n", size.width(), size.height());
        PrintCutCells(list);
        const QString name = QStringLiteral("/budget-%1").arg(size.width());
        list.SelectAndFocus(1);
        list.OnItemClick(1, 0, 0);
        Save(frame, folder + name + QStringLiteral(".png"));
        list.SelectAndFocus(widest);
        list.OnItemClick(widest, 0, 0);
        Save(frame, folder + name + QStringLiteral("-widest.png"));
    }
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (list.IsFolderRow(row) && list.GetItemText(row, CBudgetRow::Rendimiento).size() > 9) {
            list.SelectAndFocus(row);
            frame.OnCommand(ID_MEDICIONES);
            list.OnItemClick(row, 0, 0);
            if (view.Mediciones()->List()->GetItemCount() > 1) {
                Save(*view.Mediciones(), folder + QStringLiteral("/mediciones.png"));
                break;
            }
            frame.OnCommand(ID_MEDICIONES);
        }
    }
    return 0;
}
