#include "support/CTestApp.h"
#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "admin/CBudgetAdmin.h"
#include "admin/CBudgetHeader.h"
#include "admin/CPresupuestosDlg.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CEditingService.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "grid/CNoSeparatorMemo.h"
#include "grid/CEditListModel.h"
#include "grid/CNumberEdit.h"
#include "measure/CInsertarMedidaDlg.h"
#include "measure/CMedicionesDlg.h"
#include "measure/CMedicionesList.h"
#include "store/CArticulosSet.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CMedidasSet.h"
#include "store/NumberText.h"

#include <QAction>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSqlError>
#include <QStyleOptionFrame>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlDriver>
#include <QTimer>
#include <sqlite3.h>

namespace {

QVariant Scalar(CTestApp& app, const QString& sql, const QVariantList& params = {})
{
    QSqlQuery query(app.Doc().Database().Connection());
    query.prepare(sql);
    for (qsizetype i = 0; i < params.size(); ++i)
        query.bindValue(int(i), params[i]);
    if (!query.exec() || !query.next())
        return {};
    return query.value(0);
}

QStringList StoreLines(CTestApp& app, const QString& budget)
{
    CArticulosSet set(&app.Doc().Database());
    set.FilterBudget(budget);
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    QStringList lines;
    for (; !set.IsEOF(); set.MoveNext())
        lines << set.m_NUMLIN + u'|' + set.m_NIVEL + u'|' + set.m_ARTICULO;
    return lines;
}

QStringList GridLines(CArticulosList& list)
{
    QStringList rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows << list.GetItemText(row, CBudgetRow::NumLin) + u'|' + list.GetItemText(row, CBudgetRow::Nivel) + u'|'
                + list.GetItemText(row, CBudgetRow::Codigo);
    return rows;
}

QString Field(CTestApp& app, long numlin, const char* column)
{
    return Scalar(app, QStringLiteral("SELECT %1 FROM ARTICULOS WHERE CODIGO = 'B' AND NUMLIN = ?").arg(column),
                  {qlonglong(numlin)})
        .toString();
}

// Types a text into a cell through the in-place editor and commits it with Enter.
void TypeIntoCell(CArticulosList& list, int row, int col, const QString& text)
{
    list.BeginCellEdit(row, col);
    QWidget* editor = list.Editor();
    QVERIFY2(editor, "no editor opened");
    auto* edit = qobject_cast<QLineEdit*>(editor);
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    if (QWidget* reopened = list.Editor())
        QTest::keyClick(reopened, Qt::Key_Escape);
}

// The store and the grid agree, and the tree keeps every invariant.
void CheckBudget(CTestApp& app, const QString& budget)
{
    const QStringList store = StoreLines(app, budget);
    // Every row of the grid shows the line its number names.
    for (const QString& row : GridLines(app.List())) {
        const int numlin = row.section(u'|', 0, 0).toInt();
        QVERIFY2(numlin >= 1 && numlin <= store.size(), qPrintable(row));
        QCOMPARE(store[numlin - 1], row);
    }
    CheckLineTree(app.Doc().Database(), CLineTable::ForBudget(budget));
}

// Everything a budget holds, but its code: lines, measurement lines and totals.
QStringList Contents(CTestApp& app, const QString& budget)
{
    const QString root = budget + "##";
    QStringList rows;
    const QString statements[] = {
        "SELECT NUMLIN, NIVEL, ARTICULO, DESGLOSE, NOMBRE, MEDIDA, DESCRIPCION, FACTOR, PRECIO, RENDIMIENTO, IMPORTE "
        "FROM ARTICULOS WHERE CODIGO = ? ORDER BY NUMLIN",
        "SELECT NUMLIN, LIN, CODIGOPADRE, CODIGOHIJO, TIPO, NOMBRE, UNIDADES, LARGO, ANCHO, ALTO, TOTAL "
        "FROM MEDIDAS WHERE CODIGO = ? ORDER BY NUMLIN, LIN",
        "SELECT IMPGGEN, IMPBIND, BASE, IMPIVA, TOTAL FROM PRESUPUESTOS WHERE CODIGO = ?",
    };
    for (const QString& sql : statements) {
        QSqlQuery query(app.Doc().Database().Connection());
        query.prepare(sql);
        query.addBindValue(budget);
        if (!query.exec())
            return {query.lastError().text()};
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << (query.value(i).toString() == root ? QStringLiteral("##") : query.value(i).toString());
            rows << values.join(u'|');
        }
    }
    return rows;
}

// Counts the statements the store runs while it lives.
class CStatementCounter
{
public:
    explicit CStatementCounter(CDatabase& db)
        : m_pHandle(*static_cast<sqlite3* const*>(db.Connection().driver()->handle().constData()))
    {
        sqlite3_trace_v2(m_pHandle, SQLITE_TRACE_STMT, &CStatementCounter::Count, this);
    }
    ~CStatementCounter() { sqlite3_trace_v2(m_pHandle, 0, nullptr, nullptr); }
    int m_nCount = 0;

private:
    static int Count(unsigned, void* pContext, void*, void*)
    {
        ++static_cast<CStatementCounter*>(pContext)->m_nCount;
        return 0;
    }
    sqlite3* m_pHandle;
};

const QStringList kBudget = {
    "0|B##|S",       "1|C1#|S",        "2|A|N|10.5|1", "2|B|N|2.25|1", "1|F|S|0|3",
    "2|X|N|10.5|1",  "2|Y|N|2.25|1",   "1|C2#|S",      "2|G|S|0|2",    "3|H|N|4|1",
};

} // namespace

class TestBudgetGrid : public QObject
{
    Q_OBJECT

private slots:
    void openingShowsTheFirstTwoLevels()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        CArticulosList& list = app.List();
        QCOMPARE(GridLines(list), QStringList({"1|0|B##", "2|1|C1#", "5|1|F", "8|1|C2#"}));
        QVERIFY(!app.View().findChild<QLabel*>("emptyHint")->isVisibleTo(&app.View()));
        QCOMPARE(list.GetItemStateImage(0), 2);
        QCOMPARE(list.GetItemStateImage(1), 1);
        QCOMPARE(list.GetItemImage(1), 0);
        // A chapter shows no unit, price or quantity and its amount in cents;
        // a folder shows five decimals.
        QCOMPARE(list.GetItemText(1, CBudgetRow::Precio), QString());
        QCOMPARE(list.GetItemText(1, CBudgetRow::Importe), QStringLiteral("12,75"));
        QCOMPARE(list.GetItemText(2, CBudgetRow::Precio), QStringLiteral("12,75000"));
        QCOMPARE(list.GetItemText(2, CBudgetRow::Importe), QStringLiteral("38,25000"));
        QCOMPARE(app.View().TotalBox()->text(), QStringLiteral("59,00"));
        QCOMPARE(list.GetCellFontWeight(1, CBudgetRow::Importe), 700);
        QCOMPARE(list.GetCellFontWeight(2, CBudgetRow::Importe), 400);

        // Reopening from the store reloads what the store holds.
        app.Doc().Database().ExecuteSQL("UPDATE ARTICULOS SET NOMBRE = 'Cambiado' WHERE NUMLIN = 2");
        app.View().OpenBudget("B");
        QCOMPARE(list.GetItemText(1, CBudgetRow::Nombre), QStringLiteral("Cambiado"));
    }

    void insertUnderACollapsedChapter()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        CArticulosList& list = app.List();
        list.SelectAndFocus(app.RowOf("C1#"));
        app.Frame().OnCommand(ID_TB_INSERTAR_CONCEPTO);
        QCOMPARE(GridLines(list), QStringList({"1|0|B##", "2|1|C1#", "3|2|Nuevo", "4|2|A", "5|2|B", "6|1|F", "9|1|C2#"}));
        QCOMPARE(list.GetFirstSelected(), 2);
        QCOMPARE(list.GetItemText(2, CBudgetRow::Rendimiento), QStringLiteral("1,00000"));
        CheckBudget(app, "B");

        // After the last line nothing is renumbered.
        list.SelectAndFocus(app.RowOf("C2#"));
        app.Frame().OnCommand(ID_TB_INSERTAR_CAPITULO);
        QCOMPARE(list.GetItemText(list.GetFirstSelected(), CBudgetRow::NumLin), QStringLiteral("10"));
        CheckBudget(app, "B");
    }

    void editingCodesAndAmountsThroughTheCells()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget, "13", "6", "21");
        CArticulosList& list = app.List();
        list.SelectAndFocus(app.RowOf("C1#"));
        app.Frame().OnCommand(ID_INSERTAR_CAPITULO);
        const int chapter = list.GetFirstSelected();
        QCOMPARE(list.GetItemText(chapter, 0), QStringLiteral("Nuevo capitulo#"));
        TypeIntoCell(list, chapter, 0, "C01");
        QCOMPARE(list.GetItemText(chapter, 0), QStringLiteral("C01#"));
        QCOMPARE(Field(app, 3, "ARTICULO"), QStringLiteral("C01#"));

        list.ExpandAll(app.RowOf("C1#"));
        const int conceptRow = app.RowOf("A");
        TypeIntoCell(list, conceptRow, 0, "A#B");
        QCOMPARE(list.GetItemText(conceptRow, 0), QStringLiteral("AB"));

        // A typed price rolls up to the chapter, the root and the totals.
        TypeIntoCell(list, conceptRow, CBudgetRow::Precio, "1234.5");
        QCOMPARE(list.GetItemText(conceptRow, CBudgetRow::Precio), QStringLiteral("1.234,50000"));
        TypeIntoCell(list, conceptRow, CBudgetRow::Precio, "12.5");
        QCOMPARE(list.GetItemText(conceptRow, CBudgetRow::Precio), QStringLiteral("12,50000"));
        QCOMPARE(Field(app, 4, "PRECIO"), QStringLiteral("12.50000"));
        QCOMPARE(Field(app, 2, "IMPORTE"), QStringLiteral("14.75000"));
        QCOMPARE(app.View().TotalBox()->text(), QStringLiteral("61,00"));
        QCOMPARE(Scalar(app, "SELECT IMPGGEN || ' ' || IMPBIND || ' ' || BASE || ' ' || IMPIVA || ' ' || TOTAL "
                             "FROM PRESUPUESTOS").toString(),
                 QStringLiteral("7.93 3.66 72.59 15.24 87.83"));
        CheckBudget(app, "B");
    }

    void tabWalksTheCellsEachLineLetsEdit()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        CArticulosList& list = app.List();
        list.ExpandAll(0);
        const auto column = [&] { return list.IsEditing() ? list.m_nCol : -1; };
        // A chapter: code, then its description; unit, price and quantity are not its own.
        list.BeginCellEdit(app.RowOf("C1#"), CBudgetRow::Codigo);
        QTest::keyClick(list.Editor(), Qt::Key_Tab);
        QCOMPARE(column(), int(CBudgetRow::Nombre));
        // A folder: its quantity after its description (its price is its lines').
        list.BeginCellEdit(app.RowOf("F"), CBudgetRow::Nombre);
        QTest::keyClick(list.Editor(), Qt::Key_Tab);
        QCOMPARE(column(), int(CBudgetRow::Rendimiento));
        QTest::keyClick(list.Editor(), Qt::Key_Tab);
        QCOMPARE(list.m_nRow, app.RowOf("X"));
        QCOMPARE(column(), int(CBudgetRow::Codigo));
        // And back: from the concept's code to the folder's quantity.
        QTest::keyClick(list.Editor(), Qt::Key_Backtab);
        QCOMPARE(list.m_nRow, app.RowOf("F"));
        QCOMPARE(column(), int(CBudgetRow::Rendimiento));
        list.CancelCellEdit();
        QVERIFY(app.m_messages.isEmpty());
    }

    void theCurrentRowIsAlwaysInView()
    {
        CTestApp app;
        QStringList lines{"0|B##|S"};
        for (int c = 1; c <= 35; ++c) {
            lines << QStringLiteral("1|C%1#|S").arg(c);
            for (int k = 1; k < 1000; ++k)
                lines << QStringLiteral("2|K%1.%2|N|1|1").arg(c).arg(k);
        }
        CTestStore::AddBudget(app.Doc().Database(), "B", lines);
        app.View().OpenBudget("B");
        CArticulosList& list = app.List();
        list.ExpandAll(0);
        QCOMPARE(list.GetItemCount(), 35001);
        app.Frame().resize(1000, 700);
        app.Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.Frame()));
        list.SelectAndFocus(0);
        list.setFocus();
        QWidget* view = QApplication::focusWidget();
        QVERIFY(view && list.isAncestorOf(view));
        const auto inView = [&](int row) {
            return row >= list.GetTopIndex() && row < list.GetTopIndex() + list.GetCountPerPage();
        };

        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(list.GetFirstSelected(), 35000);
        QVERIFY(inView(35000));
        // The toolbar's insert puts the line where the user sees it.
        app.Frame().OnCommand(ID_TB_INSERTAR_CONCEPTO);
        QCOMPARE(list.GetFirstSelected(), 35001);
        QCOMPARE(list.GetItemText(35001, CBudgetRow::NumLin), QStringLiteral("35002"));
        QVERIFY(inView(35001));

        QTest::keyClick(view, Qt::Key_Home);
        QVERIFY(inView(list.GetFirstSelected()));
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}) {
            QTest::keyClick(view, key);
            QVERIFY(list.GetFirstSelected() > 0);
            QVERIFY(inView(list.GetFirstSelected()));
        }
        // Down on the last row in view.
        const int bottom = list.GetTopIndex() + list.GetCountPerPage() - 1;
        list.SelectAndFocus(bottom);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(list.GetFirstSelected(), bottom + 1);
        QVERIFY(inView(bottom + 1));
        CheckBudget(app, "B");
    }

    // Columns and the total box follow the font: at a large font every
    // code, price, quantity and amount shows whole, the total box holds the
    // largest total, and the description takes the width the others leave.
    void widthsFollowTheFont()
    {
        CTestApp app;
        app.OpenBudget("B", {"0|B##|S", "1|C1#|S", "2|C1.1#|S", "3|FOLDER000001|S|5318.5|158915.75",
                             "4|MATERIAL0001|N|5318.5|158915.75"});
        CArticulosList& list = app.List();
        QFont font = app.Frame().font();
        font.setPointSize(13);
        app.Frame().setFont(font);
        app.Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.Frame()));
        app.Frame().setGeometry(0, 0, 1600, 900);
        list.ExpandAll(0);
        QApplication::processEvents();
        QHeaderView& header = *list.header();
        const auto checkWhole = [&] {
            for (int row = 0; row < list.GetItemCount(); ++row) {
                for (const int col : {int(CBudgetRow::Codigo), int(CBudgetRow::Precio), int(CBudgetRow::Rendimiento),
                                      int(CBudgetRow::Importe)}) {
                    QFont cellFont = list.font();
                    cellFont.setWeight(QFont::Weight(list.GetCellFontWeight(row, col)));
                    const QString text = list.GetItemText(row, col);
                    const int needed = QFontMetrics(cellFont).horizontalAdvance(text) + 12
                        + (col == CBudgetRow::Codigo ? list.TextOffset(row) : 0);
                    QVERIFY2(needed <= header.sectionSize(col), qPrintable(QString("%1 in %2 px").arg(text).arg(header.sectionSize(col))));
                }
            }
        };
        checkWhole();
        QCOMPARE(list.GetItemText(4, CBudgetRow::Importe), QStringLiteral("845.193.416,37500"));

        QLineEdit& total = *app.View().TotalBox();
        QStyleOptionFrame option;
        option.initFrom(&total);
        option.lineWidth = total.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &total);
        const QRect contents = total.style()->subElementRect(QStyle::SE_LineEditContents, &option, &total);
        QVERIFY(total.fontMetrics().horizontalAdvance(QStringLiteral("999.999.999.999,99")) + 4 <= contents.width());

        // Nothing unused, nothing past the right edge.
        const auto shownWidth = [&] {
            int width = 0;
            for (int col = 0; col < header.count(); ++col)
                width += header.isSectionHidden(col) ? 0 : header.sectionSize(col);
            return width;
        };
        const int viewport = list.width() - 2 * list.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        QVERIFY2(shownWidth() <= viewport, qPrintable(QString("%1 of %2").arg(shownWidth()).arg(viewport)));
        QVERIFY(shownWidth() >= viewport - 2 * list.style()->pixelMetric(QStyle::PM_ScrollBarExtent));

        // A column the user sized keeps its size; the description follows the window.
        header.resizeSection(CBudgetRow::Precio, 400);
        const int description = header.sectionSize(CBudgetRow::Nombre);
        app.Frame().setGeometry(0, 0, 1280, 800);
        QApplication::processEvents();
        QCOMPARE(header.sectionSize(CBudgetRow::Precio), 400);
        QVERIFY(header.sectionSize(CBudgetRow::Nombre) < description);
        checkWhole();
    }

    void cellsThatMayNotBeEdited()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        app.AddMeasure("B", 9, 1, 2);
        CArticulosList& list = app.List();
        list.ExpandAll(app.RowOf("C2#"));
        const auto opens = [&](int row, int col) {
            list.BeginCellEdit(row, col);
            const bool open = list.IsEditing();
            list.CancelCellEdit();
            return open;
        };
        QVERIFY(!opens(0, CBudgetRow::Codigo));
        QVERIFY(opens(0, CBudgetRow::Nombre));
        QVERIFY(!opens(app.RowOf("C1#"), CBudgetRow::Precio));
        QVERIFY(!opens(app.RowOf("C1#"), CBudgetRow::Rendimiento));
        QVERIFY(!opens(app.RowOf("F"), CBudgetRow::Precio));
        QVERIFY(opens(app.RowOf("F"), CBudgetRow::Rendimiento));
        QVERIFY(!opens(app.RowOf("G"), CBudgetRow::Rendimiento));
        QVERIFY(!opens(app.RowOf("G"), CBudgetRow::Medida));
        QVERIFY(opens(app.RowOf("H"), CBudgetRow::Precio));
        // The measured folder's quantity shows in purple, prices of decomposed lines in blue.
        list.GetCellColors(app.RowOf("G"), CBudgetRow::Rendimiento);
        QCOMPARE(list.CurrentTextColor(), QColor(128, 0, 128));
        list.GetCellColors(app.RowOf("F"), CBudgetRow::Precio);
        QCOMPARE(list.CurrentTextColor(), QColor(0, 0, 255));
        list.GetCellColors(app.RowOf("F"), CBudgetRow::Rendimiento);
        QCOMPARE(list.CurrentTextColor(), QColor(0, 0, 0));
    }

    void paintingNeverAsksTheStore()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        app.AddMeasure("B", 9, 1, 2);
        app.View().OpenBudget("B");
        CArticulosList& list = app.List();
        list.ExpandAll(0);
        app.Frame().resize(1000, 700);
        app.Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.Frame()));
        CStatementCounter counter(app.Doc().Database());
        const QImage image = list.viewport()->grab().toImage();
        QCOMPARE(counter.m_nCount, 0);
        // The measured folder's quantity is purple all the same.
        const QRect cell = list.visualRect(list.model()->index(app.RowOf("G"), CBudgetRow::Rendimiento));
        bool purple = false;
        for (int x = cell.left(); x <= cell.right() && !purple; ++x)
            for (int y = cell.top(); y <= cell.bottom() && !purple; ++y)
                purple = image.pixelColor(x, y) == QColor(128, 0, 128);
        QVERIFY(purple);
    }

    void renumberShowsEveryLevel()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        app.Doc().Database().ExecuteSQL("UPDATE ARTICULOS SET NUMLIN = NUMLIN * 3 WHERE NUMLIN > 1");
        app.Frame().OnCommand(ID_RENUMERAR);
        QCOMPARE(app.List().GetItemCount(), 10);
        CheckBudget(app, "B");
        for (int row = 0; row < 10; ++row) {
            if (app.List().IsDecomposed(row))
                QCOMPARE(app.List().GetItemStateImage(row), 2);
        }
    }

    void pasteMenuRules()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        CArticulosList& list = app.List();
        list.ExpandAll(app.RowOf("F"));
        QVERIFY(!list.CanPasteOn(app.RowOf("X")));
        list.SelectAndFocus(app.RowOf("C1#"));
        app.Frame().OnCommand(ID_COPIAR);
        // A chapter does not go inside a folder.
        QVERIFY(!list.CanPasteOn(app.RowOf("X")));
        QVERIFY(!list.CanPasteOn(app.RowOf("F")));
        QVERIFY(list.CanPasteOn(app.RowOf("C2#")));
        list.ExpandAll(app.RowOf("C1#"));
        list.SelectAndFocus(app.RowOf("A"));
        app.Frame().OnCommand(ID_COPIAR);
        QVERIFY(list.CanPasteOn(app.RowOf("X")));
    }

    void commandsFollowTheSelection()
    {
        CTestApp app;
        CMainFrame& frame = app.Frame();
        frame.UpdateCommandUI();
        for (int id : {ID_EXPORTAR_EXCEL, ID_EXPORTAR_RTF, ID_MEDICIONES, ID_TB_INSERTAR_CAPITULO,
                       ID_TB_INSERTAR_CARPETA, ID_TB_INSERTAR_CONCEPTO})
            QVERIFY2(!frame.Action(id)->isEnabled(), qPrintable(QString::number(id)));
        frame.OnCommand(ID_FILE_PRINT);
        frame.OnCommand(ID_DATOS_TOTALES);
        QVERIFY(app.m_messages.isEmpty());

        app.OpenBudget("B", kBudget);
        app.List().ExpandAll(app.RowOf("C1#"));
        app.List().SelectAndFocus(app.RowOf("A"));
        frame.UpdateCommandUI();
        QVERIFY(!frame.Action(ID_TB_INSERTAR_CAPITULO)->isEnabled());
        QVERIFY(frame.Action(ID_TB_INSERTAR_CARPETA)->isEnabled());
        QVERIFY(frame.Action(ID_TB_INSERTAR_CONCEPTO)->isEnabled());
        QVERIFY(frame.Action(ID_MEDICIONES)->isEnabled());
        app.List().SelectAndFocus(app.RowOf("C1#"));
        frame.UpdateCommandUI();
        QVERIFY(frame.Action(ID_TB_INSERTAR_CAPITULO)->isEnabled());

        frame.OnCommand(ID_CERRAR_PRESUPUESTO);
        QVERIFY(!app.View().IsBudgetOpen());
        QVERIFY(!frame.Action(ID_MEDICIONES)->isEnabled());
    }

    void aFailedOperationLeavesTheStoreAndReloads()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        const QStringList before = StoreLines(app, "B");
        app.Doc().Database().ExecuteSQL("CREATE TRIGGER fail BEFORE INSERT ON ARTICULOS "
                                        "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
        app.List().SelectAndFocus(app.RowOf("C1#"));
        app.Frame().OnCommand(ID_TB_INSERTAR_CONCEPTO);
        QCOMPARE(app.m_messages.size(), 1);
        QVERIFY(app.m_messages[0].contains("disco lleno"));
        QCOMPARE(StoreLines(app, "B"), before);
        QCOMPARE(GridLines(app.List()), QStringList({"1|0|B##", "2|1|C1#", "5|1|F", "8|1|C2#"}));
        CheckBudget(app, "B");
    }

    void aStoreErrorWhileLoadingLeavesTheGridsDrawing()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        CDatabase& db = app.Doc().Database();
        CArticulosList& list = app.List();
        db.ExecuteSQL("ALTER TABLE ARTICULOS RENAME TO GUARDADO");
        app.View().OpenBudget("B");
        QCOMPARE(app.m_messages.size(), 1);
        QVERIFY(!app.View().IsBudgetOpen());
        QVERIFY(list.updatesEnabled());
        QVERIFY(!list.RowModel()->InBatch());
        db.ExecuteSQL("ALTER TABLE GUARDADO RENAME TO ARTICULOS");
        app.View().OpenBudget("B");
        QCOMPARE(list.GetItemCount(), 4);
        QVERIFY(list.updatesEnabled());

        // The manager's list, the same.
        CPresupuestosDlg manager(app.View(), "B");
        db.ExecuteSQL("ALTER TABLE PRESUPUESTOS RENAME TO GUARDADO");
        QVERIFY_THROWS_EXCEPTION(CDBException, manager.FillList());
        QVERIFY(manager.List()->updatesEnabled());
        db.ExecuteSQL("ALTER TABLE GUARDADO RENAME TO PRESUPUESTOS");
    }

    void whatIsShownIsWhatIsStored()
    {
        CTestApp app;
        app.OpenBudget("B", {"0|B##|S", "1|C1#|S", "2|A|N|0.004|1", "2|K|N|1|3", "1|C2#|S", "2|D|N|0.004|1"});
        CArticulosList& list = app.List();
        list.ExpandAll(0);
        // A price typed with six decimals: the amount is the product of the
        // price and quantity shown, and they are what is stored.
        TypeIntoCell(list, app.RowOf("K"), CBudgetRow::Precio, "0,333333");
        QCOMPARE(Field(app, 4, "PRECIO"), QStringLiteral("0.33333"));
        QCOMPARE(Field(app, 4, "IMPORTE"), QStringLiteral("0.99999"));
        QCOMPARE(list.GetItemText(app.RowOf("K"), CBudgetRow::Importe), QStringLiteral("0,99999"));
        TypeIntoCell(list, app.RowOf("K"), CBudgetRow::Precio, "0");

        // Two chapters of 0.004 make a total of 0,01; renaming them keeps it.
        QCOMPARE(app.View().TotalBox()->text(), QStringLiteral("0,01"));
        TypeIntoCell(list, app.RowOf("C1#"), CBudgetRow::Nombre, "Primero");
        TypeIntoCell(list, app.RowOf("C2#"), CBudgetRow::Nombre, "Segundo");
        QCOMPARE(Field(app, 2, "IMPORTE"), QStringLiteral("0.00400"));
        QCOMPARE(app.View().TotalBox()->text(), QStringLiteral("0,01"));
        QCOMPARE(Scalar(app, "SELECT TOTAL FROM PRESUPUESTOS").toString(), QStringLiteral("0.01"));

        // A chapter renamed with a "#" inside stays a chapter, and keeps its amount.
        TypeIntoCell(list, app.RowOf("C2#"), CBudgetRow::Codigo, "C#3");
        QCOMPARE(list.GetItemText(4, CBudgetRow::Codigo), QStringLiteral("C3#"));
        QCOMPARE(Field(app, 5, "ARTICULO"), QStringLiteral("C3#"));
        TypeIntoCell(list, app.RowOf("D"), CBudgetRow::Precio, "2");
        QCOMPARE(Field(app, 5, "IMPORTE"), QStringLiteral("2.00000"));
        QCOMPARE(list.GetItemText(4, CBudgetRow::Importe), QStringLiteral("2,00"));
        CheckBudget(app, "B");
        QVERIFY(app.m_messages.isEmpty());
    }

    void theDescriptionBoxFollowsTheSelectedLine()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        app.Doc().Database().ExecuteSQL("UPDATE ARTICULOS SET DESCRIPCION = 'Obra de fábrica' WHERE NUMLIN = 2");
        app.View().OpenBudget("B");
        CArticulosList& list = app.List();
        CNoSeparatorMemo* box = app.View().DescriptionBox();
        // No line shown: the box takes nothing, not even the focus.
        QVERIFY(box->isReadOnly());
        app.Frame().show();
        list.DeselectAll();
        box->setFocus();
        QVERIFY(!box->hasFocus());
        const int chapter = app.RowOf("C1#");
        list.SelectAndFocus(chapter);
        list.OnItemClick(chapter, 0, 0);
        QCOMPARE(box->toPlainText(), QStringLiteral("Obra de fábrica"));
        // Its expand mark opens the branch; the box still shows the selected line.
        list.OnItemClick(chapter, 0, 1);
        QCOMPARE(list.GetItemCount(), 6);
        QCOMPARE(list.GetFirstSelected(), chapter);
        QCOMPARE(box->toPlainText(), QStringLiteral("Obra de fábrica"));
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, " vista");
        QCOMPARE(Field(app, 2, "DESCRIPCION"), QStringLiteral("Obra de fábrica vista"));
        // The box shows what is stored when the line is selected again.
        list.OnItemClick(0, 0, 0);
        list.OnItemClick(chapter, 0, 0);
        QCOMPARE(box->toPlainText(), QStringLiteral("Obra de fábrica vista"));

        // The separator typed is dropped; showing another line does not
        // write over the description.
        list.SelectAndFocus(app.RowOf("F"));
        list.OnItemClick(app.RowOf("F"), 0, 0);
        box->setFocus();
        QTest::keyClicks(box, "Muro | de carga");
        QCOMPARE(box->toPlainText(), QStringLiteral("Muro  de carga"));
        QCOMPARE(Field(app, 5, "DESCRIPCION"), QStringLiteral("Muro  de carga"));
        list.SelectAndFocus(chapter);
        list.OnItemClick(chapter, 0, 0);
        QCOMPARE(Field(app, 2, "DESCRIPCION"), QStringLiteral("Obra de fábrica vista"));
        QCOMPARE(Field(app, 5, "DESCRIPCION"), QStringLiteral("Muro  de carga"));
    }

    void theGridAndTheServiceMakeTheSameBudget()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget, "13", "6", "21");
        app.AddMeasure("B", 5, 1, 3);
        CDatabase& db = app.Doc().Database();
        CBudgetHeader header = CBudgetHeader::New();
        header.m_strCodigo = "S";
        header.m_strGgen = "13";
        header.m_strBind = "6";
        header.m_strIva = "21";
        CBudgetAdmin::Copy(db, "B", header);
        CArticulosSet copyLines(&db);
        copyLines.FilterBudget("S");
        copyLines.Open();
        CEditingService service(copyLines, CLineTable::ForBudget("S"));
        CLineClipboard clipboard;
        service.UpdateTotals();
        app.View().UpdateTotals();

        CArticulosList& list = app.List();
        CMedicionesDlg& window = *app.View().Mediciones();
        app.Frame().OnCommand(ID_MEDICIONES);
        QRandomGenerator random(4242);
        const int commands[] = {ID_TB_INSERTAR_CAPITULO, ID_TB_INSERTAR_CARPETA, ID_TB_INSERTAR_CONCEPTO};
        const CLineTree::Kind kinds[] = {CLineTree::Kind::Chapter, CLineTree::Kind::Folder, CLineTree::Kind::Concept};
        const int columns[] = {CBudgetRow::Codigo, CBudgetRow::Nombre, CBudgetRow::Medida, CBudgetRow::Precio,
                               CBudgetRow::Rendimiento};
        for (int step = 0; step < 300; ++step) {
            const int count = list.GetItemCount();
            const int row = int(random.bounded(count));
            const long line = list.RowLine(row);
            list.DeselectAll();
            list.SelectAndFocus(row);
            switch (random.bounded(10)) {
            case 0:
            case 1: {
                const int kind = int(random.bounded(3));
                app.Frame().OnCommand(commands[kind]);
                service.InsertLine(line, kinds[kind]);
                break;
            }
            case 2:
                list.DeleteLine(row, 0);
                if (row > 0)
                    service.DeleteLine(line);
                break;
            case 3:
                app.Frame().OnCommand(ID_COPIAR);
                service.CopyBranch(line, clipboard);
                break;
            case 4:
                if (list.CanPasteOn(row)) {
                    const bool into = list.IsDecomposed(row);
                    app.Frame().OnCommand(ID_PEGAR);
                    service.PasteBranch(line, into, clipboard);
                }
                break;
            case 5: {
                // The grid moves a branch down by the rows it shows, never into itself.
                const int to = int(random.bounded(count));
                int branchEnd = row;
                while (branchEnd + 1 < count && list.RowLevel(branchEnd + 1) > list.RowLevel(row))
                    ++branchEnd;
                const bool moves = row > 0 && to > 0 && row != to && !(to > row && to <= branchEnd);
                const long target = list.RowLine(to);
                list.MoveItem(row, to);
                if (moves)
                    service.MoveBranch(line, target, false, clipboard);
                break;
            }
            case 6:
                if (list.IsDecomposed(row))
                    list.OnItemClick(row, 0, 1);
                break;
            case 7: {
                const int col = columns[random.bounded(5)];
                const QString text = col == CBudgetRow::Codigo || col == CBudgetRow::Nombre || col == CBudgetRow::Medida
                    ? QString("X#%1").arg(step)
                    : QString("%1,%2").arg(random.bounded(50)).arg(random.bounded(1000));
                list.BeginCellEdit(row, col);
                if (!list.IsEditing())
                    break;
                list.CancelCellEdit();
                TypeIntoCell(list, row, col, text);
                service.EditCell(line, col, text);
                break;
            }
            case 8:
                if (list.IsFolderRow(row)) {
                    // Through the window's entry dialog, as the user adds one.
                    list.OnItemClick(row, 0, 0);
                    CMeasurementLines::Values entered;
                    QTimer::singleShot(0, [&entered] {
                        auto* dialog = qobject_cast<CInsertarMedidaDlg*>(QApplication::activeModalWidget());
                        QVERIFY(dialog);
                        dialog->UnitsField(CInsertarMedidaDlg::Linea)->setText("2");
                        dialog->SizeField(CInsertarMedidaDlg::Linea, 0)->setText("1,5");
                        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
                        entered = dialog->Measurement();
                    });
                    QTest::mouseClick(window.InsertButton(), Qt::LeftButton);
                    service.AddMeasurement(line, entered, false);
                }
                break;
            case 9:
                if (list.IsFolderRow(row)) {
                    list.OnItemClick(row, 0, 0);
                    CMedicionesList& measures = *window.List();
                    if (measures.GetItemCount() == 0)
                        break;
                    const int lin = int(random.bounded(measures.GetItemCount()));
                    if (random.bounded(2)) {
                        measures.DeleteMeasurement(lin);
                        service.DeleteMeasurement(line, lin + 1);
                    } else {
                        measures.SetItemText(lin, CMedicionesList::Largo, "2,5");
                        QVERIFY(measures.ValidateCell(lin, CMedicionesList::Largo));
                        measures.CellChanged(lin, CMedicionesList::Largo);
                        service.EditMeasurement(line, lin + 1, CMedicionesList::Largo, "2,5");
                    }
                }
                break;
            }
            CheckBudget(app, "B");
            QCOMPARE(Contents(app, "B"), Contents(app, "S"));
            QCOMPARE(app.View().TotalBox()->text(), FormatLocaleNumber(Field(app, 1, "IMPORTE"), 2));
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QString("after step %1").arg(step)));
        }
        QVERIFY(app.m_messages.isEmpty());
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBudgetGrid>(argc, argv);
}

#include "test_budgetgrid.moc"
