// Fills a grid with 50,000 budget-like rows of 16 columns and sorts it by a
// number column, printing how long each step takes, paint included.
//
//   bench_grid [--rows N] [--screenshot file.png]
//
// With --screenshot it also opens an editor on a visible cell after sorting
// and saves the window as it looks then.

#include "grid/CEditList.h"
#include "store/CNumberLocale.h"
#include "store/NumberText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

namespace {

const char* const Words[] = {"Hormigón", "armado", "HA-25/B/20/IIa", "encofrado", "ladrillo", "perforado",
                             "mortero", "M-7,5", "excavación", "zanja", "tubería", "PVC", "pintura",
                             "plástica", "alicatado", "gres", "carpintería", "aluminio", "yeso", "solado"};

QString Description(QRandomGenerator& random)
{
    QStringList words;
    const int n = 3 + int(random.bounded(6));
    for (int i = 0; i < n; ++i)
        words << QString::fromUtf8(Words[random.bounded(int(std::size(Words)))]);
    return words.join(u' ');
}

QStringList RowTexts(int nRow, QRandomGenerator& random)
{
    const int nLevel = nRow == 0 ? 0 : 1 + int(random.bounded(4));
    const bool bChapter = nLevel > 0 && random.bounded(10) == 0;
    const double dPrice = random.bounded(250000) / 100.0;
    const double dQuantity = random.bounded(10000) / 100.0;
    const QString strPrice = StoreFormat(dPrice, 5);
    const QString strQuantity = StoreFormat(dQuantity, 5);
    const QString strAmount = StoreFormat(dPrice * dQuantity, 5);
    QStringList texts;
    texts << (bChapter ? QStringLiteral("C%1#").arg(nRow) : QStringLiteral("E%1.%2").arg(nRow % 97, 2, 10, QChar(u'0')).arg(nRow))
          << QString::number(nLevel) << (bChapter ? QStringLiteral("S") : QStringLiteral("N"))
          << (bChapter ? QString() : QStringLiteral("m2")) << Description(random) << QString()
          << (bChapter ? QString() : FormatLocaleNumber(strPrice, 5)) << FormatLocaleNumber(QStringLiteral("1.0"), 5)
          << (bChapter ? QString() : FormatLocaleNumber(strQuantity, 5)) << QStringLiteral("01/02/2024")
          << QString() << QString() << FormatLocaleNumber(strAmount, bChapter ? 2 : 5) << QString()
          << QStringLiteral("OBRA1") << QString::number(nRow + 1);
    return texts;
}

void SetUpColumns(CEditList& list)
{
    struct Def { const char* title; int width; int align; int kind; int limit; int editable; };
    const Def defs[16] = {{"Código", 180, 0, 0, 19, 1}, {"Nivel", 0, 1, 1, 0, 0}, {"Desglose", 0, 0, 0, 0, 0},
                          {"Unidad", 60, 0, 0, 8, 1}, {"Descripción", 320, 0, 0, 255, 1}, {"Descripción larga", 0, 0, 0, 40000, 0},
                          {"Precio", 150, 1, 1, 0, 1}, {"Factor", 0, 1, 1, 0, 0}, {"Cantidad", 80, 1, 1, 0, 1},
                          {"Fecha", 0, 2, 2, 0, 0}, {"Tipo 1", 0, 0, 0, 0, 0}, {"Tipo 2", 0, 0, 0, 0, 0},
                          {"Subtotal", 150, 1, 1, 0, 0}, {"Imagen", 0, 0, 0, 0, 0}, {"Código", 0, 0, 0, 0, 0},
                          {"NumLin", 0, 1, 1, 0, 0}};
    list.SetColumnCount(16);
    for (int i = 0; i < 16; ++i)
        list.Column(i) = ColumnInfo{QString::fromUtf8(defs[i].title), defs[i].limit, defs[i].kind, defs[i].align, defs[i].width, defs[i].editable};
    list.ApplyColumns();
    list.SetSortEnabled(true);
    list.SetEditEnabled(true);
    list.SetTreeImages(true);
}

double Seconds(QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// Lays the rows out and paints the window, as the user would first see it.
void Show(CEditList& list)
{
    list.window()->repaint();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CNumberLocale::Pin(CNumberLocale::Spanish());

    int nRows = 50000;
    QString strScreenshot;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--rows") && i + 1 < args.size())
            nRows = args[++i].toInt();
        else if (args[i] == QStringLiteral("--screenshot") && i + 1 < args.size())
            strScreenshot = args[++i];
    }

    CEditList list;
    list.resize(1000, 640);
    SetUpColumns(list);
    list.show();
    if (!QTest::qWaitForWindowExposed(&list))
        return 1;

    QRandomGenerator random(1234);
    std::vector<QStringList> rows;
    rows.reserve(size_t(nRows));
    for (int i = 0; i < nRows; ++i)
        rows.push_back(RowTexts(i, random));

    QElapsedTimer timer;
    timer.start();
    list.SetRedraw(false);
    for (int i = 0; i < nRows; ++i) {
        const QStringList& texts = rows[size_t(i)];
        const int nLevel = texts[1].toInt();
        const bool bDecomposed = texts[2] == QStringLiteral("S");
        list.InsertItem(list.GetItemCount(), texts, nLevel, bDecomposed ? 1 : 2, bDecomposed ? 2 : 0);
    }
    list.SetRedraw(true);
    Show(list);
    const double dFill = Seconds(timer);

    timer.restart();
    list.SortByColumn(12);
    Show(list);
    const double dSort = Seconds(timer);

    timer.restart();
    list.SortByColumn(12);
    Show(list);
    const double dSortBack = Seconds(timer);

    timer.restart();
    list.SortByColumn(4);
    Show(list);
    const double dSortText = Seconds(timer);

    timer.restart();
    list.SetRedraw(false);
    for (int i = 0; i < 1000; ++i)
        list.InsertItem(1, rows[size_t(i % nRows)], 2, 2, 0);
    list.SetRedraw(true);
    Show(list);
    const double dInsertTop = Seconds(timer);

    timer.restart();
    list.SortByColumn(6);
    Show(list);
    const double dSortPrice = Seconds(timer);

    std::printf("rows: %d, columns: 16\n", list.GetItemCount() - 1000);
    std::printf("fill (redraw off, %d inserts, first paint): %.3f s\n", nRows, dFill);
    std::printf("sort by number column \"Subtotal\", ascending:      %.3f s\n", dSort);
    std::printf("sort by number column \"Subtotal\", descending:     %.3f s\n", dSortBack);
    std::printf("sort by text column \"Descripción\":                %.3f s\n", dSortText);
    std::printf("insert 1,000 rows at row 1 (redraw off):          %.3f s\n", dInsertTop);
    std::printf("sort by number column \"Precio\" (51,000 rows):     %.3f s\n", dSortPrice);

    if (!strScreenshot.isEmpty()) {
        // Largest amounts first, and an editor open on the quantity of the
        // fourth concept in view.
        list.SortByColumn(12);
        list.SortByColumn(12);
        list.EnsureVisible(0);
        Show(list);
        int nRow = list.GetTopIndex();
        for (int nConcepts = 0; nRow < list.GetItemCount(); ++nRow)
            if (list.GetItemText(nRow, 2) == QStringLiteral("N") && ++nConcepts == 4)
                break;
        list.BeginCellEdit(nRow, 8);
        if (auto* edit = qobject_cast<QLineEdit*>(list.Editor()))
            QTest::keyClicks(edit, QStringLiteral("12.5"));
        Show(list);
        list.window()->grab().save(strScreenshot);
        std::printf("screenshot: %s\n", qPrintable(strScreenshot));
    }
    return 0;
}
