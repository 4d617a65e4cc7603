#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "budget/CBudgetRow.h"
#include "budget/CEditingService.h"
#include "store/CArticulosSet.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CPreciosSet.h"

using Row = CBudgetRow;

namespace {

QString Field(CTestStore& store, long numlin, const char* column, const QString& budget = "B")
{
    return store.Scalar(QStringLiteral("SELECT %1 FROM ARTICULOS WHERE CODIGO = ? AND NUMLIN = ?").arg(column),
                        {budget, qlonglong(numlin)})
        .toString();
}

// Everything a budget holds, to tell whether an edit left it as it was.
QString Snapshot(CTestStore& store)
{
    return store.Scalar("SELECT group_concat(v, ';') FROM (SELECT NUMLIN || ARTICULO || PRECIO || RENDIMIENTO || "
                        "IMPORTE || coalesce(DESCRIPCION, '') AS v FROM ARTICULOS ORDER BY CODIGO, NUMLIN)")
               .toString()
        + store.Scalar("SELECT group_concat(NUMLIN || '/' || LIN || '=' || TOTAL, ';') FROM MEDIDAS").toString()
        + store.Scalar("SELECT group_concat(TOTAL || CPER, ';') FROM PRESUPUESTOS").toString();
}

// A chapter with a concept, a folder measured by two lines (quantity 3) of
// one concept at 10, and a percentage line.
const QStringList kBudget = {"0|B##|S|0|1|0", "1|C1#|S|0|1|0", "2|A|N|2|3|6", "2|F|S|10|3|30", "3|K|N|10|1|10",
                             "1|%CI|N|0|0.1|0"};

} // namespace

class TestEditingService : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestStore> m_store;
    std::unique_ptr<CEditingService> m_service;

    CTestStore& Store() { return *m_store; }
    CEditingService& Service() { return *m_service; }

private slots:
    void init()
    {
        m_store = std::make_unique<CTestStore>();
        Store().AddBudget("B", kBudget);
        Store().Db().ExecuteSQL("UPDATE PRESUPUESTOS SET GGEN = '13', BIND = '6', IVA = '21'");
        Store().Db().ExecuteSQL("INSERT INTO MEDIDAS (CODIGO, NUMLIN, LIN, CODIGOHIJO, UNIDADES, LARGO, ANCHO, ALTO, TOTAL) "
                                "VALUES ('B', 4, 1, 'F', 1, 1, 1, 1, 1), ('B', 4, 2, 'F', 2, 1, 1, 1, 2)");
        CArticulosSet& lines = Store().Doc().m_articulosSet;
        m_service = std::make_unique<CEditingService>(lines, CLineTable::ForBudget("B"));
        Service().Tree().Requery();
        Service().Tree().RollUpTotals(5);
        Service().UpdateTotals();
    }

    void cleanup()
    {
        m_service.reset();
        m_store.reset();
    }

    void numbersAreReadAsTheCellEditorTakesThem_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("comma") << "12,5" << "12.5";
        QTest::newRow("point") << "12.5" << "12.5";
        QTest::newRow("grouped") << "1.234,5" << "1234.5";
        QTest::newRow("points only") << "1.234.567" << "1234567";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("two commas") << "1,2,3" << "-";
        QTest::newRow("letters") << "12a" << "-";
        QTest::newRow("negative") << "-3" << "-";
        QTest::newRow("no digit") << "," << "-";
    }

    void numbersAreReadAsTheCellEditorTakesThem()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(CEditingService::NumberText(typed).value_or("-"), stored);
    }

    void anEditStoresRollsUpAndReturnsWhatChanged()
    {
        // Root 6 + 30 = 36, plus 10 % = 39.6.
        QCOMPARE(Field(Store(), 1, "IMPORTE"), QStringLiteral("39.60000"));
        const CChangeSet changes = Service().EditCell(3, Row::Precio, "2,5");
        QCOMPARE(Field(Store(), 3, "IMPORTE"), QStringLiteral("7.50000"));
        QCOMPARE(Field(Store(), 6, "IMPORTE"), QStringLiteral("3.75000"));
        QCOMPARE(Field(Store(), 1, "IMPORTE"), QStringLiteral("41.25000"));
        // The change set holds the stored values of the line and of its parents.
        for (const long line : {1L, 2L, 3L, 6L})
            QCOMPARE(changes.m_lines.at(line).importe, Field(Store(), line, "IMPORTE"));
        QVERIFY(!changes.HasLine(4));
        QCOMPARE(changes.m_strRootAmount, QStringLiteral("41.25000"));
        QVERIFY(changes.m_totals.has_value());
        QCOMPARE(changes.m_totals->m_dTotal, 59.4);
        QCOMPARE(Store().Scalar("SELECT TOTAL FROM PRESUPUESTOS").toString(), QStringLiteral("59.40"));

        // A long description is stored alone: nothing rolls up, no totals.
        const CChangeSet described = Service().EditCell(3, Row::Descripcion, "Ladrillo macizo");
        QCOMPARE(Field(Store(), 3, "DESCRIPCION"), QStringLiteral("Ladrillo macizo"));
        QVERIFY(!described.m_totals.has_value());
        QCOMPARE(int(described.m_lines.size()), 1);
    }

    void whatIsStoredIsWhatIsShown()
    {
        // Price and quantity keep five decimals, and the amount is their product.
        Service().EditCell(3, Row::Precio, "0,333333");
        QCOMPARE(Field(Store(), 3, "PRECIO"), QStringLiteral("0.33333"));
        QCOMPARE(Field(Store(), 3, "IMPORTE"), QStringLiteral("0.99999"));
        Service().EditCell(3, Row::Rendimiento, "1,666666");
        QCOMPARE(Field(Store(), 3, "RENDIMIENTO"), QStringLiteral("1.66667"));
        QCOMPARE(Field(Store(), 3, "IMPORTE"), QStringLiteral("0.55555"));
        // The factor is no part of the amount.
        Service().EditCell(3, Row::Factor, "7");
        QCOMPARE(Field(Store(), 3, "FACTOR"), QStringLiteral("7"));
        QCOMPARE(Field(Store(), 3, "IMPORTE"), QStringLiteral("0.55555"));
    }

    void savingARowKeepsWhatWasNotEdited()
    {
        // Renaming keeps the chapter's amount, and its code stays a chapter's.
        Store().Db().ExecuteSQL("UPDATE ARTICULOS SET IMPORTE = '6.004' WHERE NUMLIN = 2");
        Service().Tree().Requery();
        Service().EditCell(2, Row::Nombre, "Albañilería");
        QCOMPARE(Field(Store(), 2, "IMPORTE"), QStringLiteral("6.004"));
        Service().EditCell(2, Row::Codigo, "C#1");
        QCOMPARE(Field(Store(), 2, "ARTICULO"), QStringLiteral("C1#"));
        QCOMPARE(Field(Store(), 2, "RENDIMIENTO"), QStringLiteral("1"));
        Service().EditCell(3, Row::Precio, "2");
        QCOMPARE(Field(Store(), 2, "IMPORTE"), QStringLiteral("36.00000"));
        // The totals start from the root's amount in cents as shown: 1.005 is 1,01.
        Store().Db().ExecuteSQL("UPDATE PRESUPUESTOS SET GGEN = '0', BIND = '0', IVA = '0'");
        Store().Db().ExecuteSQL("UPDATE ARTICULOS SET IMPORTE = '1.005' WHERE NUMLIN = 1");
        Service().Tree().Requery();
        QCOMPARE(Service().UpdateTotals().m_totals->m_dTotal, 1.01);
    }

    void refusedEditsChangeNothing_data()
    {
        QTest::addColumn<long>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("root code") << 1L << int(Row::Codigo) << "X";
        QTest::newRow("chapter price") << 2L << int(Row::Precio) << "5";
        QTest::newRow("chapter quantity") << 2L << int(Row::Rendimiento) << "5";
        QTest::newRow("measured quantity") << 4L << int(Row::Rendimiento) << "5";
        QTest::newRow("folder price") << 4L << int(Row::Precio) << "5";
        QTest::newRow("amount") << 3L << int(Row::Importe) << "5";
        QTest::newRow("not a number") << 3L << int(Row::Precio) << "doce";
        QTest::newRow("a number and letters") << 3L << int(Row::Precio) << "7xy";
        QTest::newRow("quantity and letters") << 3L << int(Row::Rendimiento) << "2,5 m";
        QTest::newRow("long code") << 3L << int(Row::Codigo) << QString(20, 'X');
        QTest::newRow("separator") << 3L << int(Row::Descripcion) << "a|b";
        QTest::newRow("no line") << 99L << int(Row::Nombre) << "X";
    }

    void refusedEditsChangeNothing()
    {
        QFETCH(long, line);
        QFETCH(int, column);
        QFETCH(QString, text);
        const QString before = Snapshot(Store());
        QVERIFY_THROWS_EXCEPTION(CEditRefused, Service().EditCell(line, column, text));
        QCOMPARE(Snapshot(Store()), before);
    }

    void aStoreFailureLeavesEverythingAsItWas()
    {
        const QString before = Snapshot(Store());
        // The roll-up fails at the root, after the line and its chapter were written.
        Store().Db().ExecuteSQL("CREATE TRIGGER fail BEFORE UPDATE OF PRECIO ON ARTICULOS WHEN OLD.NUMLIN = 1 "
                                "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
        try {
            Service().EditCell(3, Row::Precio, "5");
            QFAIL("no failure");
        } catch (const CDBException& e) {
            QVERIFY2(e.m_strError.contains("disco lleno"), qPrintable(e.m_strError));
        }
        QCOMPARE(Snapshot(Store()), before);
        QCOMPARE(Service().Tree().Line(3)->precio, QStringLiteral("2"));
        // Re-pricing for a custom increase: prices and CPER stay together.
        QVERIFY_THROWS_EXCEPTION(CDBException, Service().ApplyCustomIncrease(0, 10));
        QCOMPARE(Snapshot(Store()), before);
        Store().Db().ExecuteSQL("DROP TRIGGER fail");
        Service().ApplyCustomIncrease(0, 10);
        QCOMPARE(Field(Store(), 3, "PRECIO"), QStringLiteral("2.20000"));
        QCOMPARE(Store().Scalar("SELECT CPER FROM PRESUPUESTOS").toString(), QStringLiteral("10.00"));
    }

    void structureChanges()
    {
        // Inserted after a decomposed line, a line is its first child.
        CChangeSet changes = Service().InsertLine(2, CLineTree::Kind::Concept);
        QCOMPARE(changes.m_nAddedFirst, 3L);
        QCOMPARE(changes.m_lines.at(3).nivel, QStringLiteral("2"));
        QCOMPARE(Store().Scalar("SELECT NUMLIN FROM MEDIDAS WHERE LIN = 1").toInt(), 5);

        // Moves: not the root, not into itself, not after the root.
        CLineClipboard clipboard;
        QVERIFY_THROWS_EXCEPTION(CEditRefused, Service().MoveBranch(1, 2, true, clipboard));
        QVERIFY_THROWS_EXCEPTION(CEditRefused, Service().MoveBranch(2, 4, false, clipboard));
        QVERIFY_THROWS_EXCEPTION(CEditRefused, Service().MoveBranch(7, 1, false, clipboard));
        QVERIFY_THROWS_EXCEPTION(CEditRefused, Service().MoveBranch(7, 4, true, clipboard));
        // The measured folder moves to the end, with its measurement lines.
        changes = Service().MoveBranch(5, 7, false, clipboard);
        QCOMPARE(changes.m_nRemovedFirst, 5L);
        QCOMPARE(changes.m_nRemovedCount, 2L);
        QCOMPARE(changes.m_nAddedFirst, 6L);
        QCOMPARE(Store().Lines("B"), QStringList({"1|0|B##", "2|1|C1#", "3|2|Nuevo", "4|2|A", "5|1|%CI", "6|1|F", "7|2|K"}));
        QCOMPARE(Store().Scalar("SELECT group_concat(NUMLIN, ',') FROM MEDIDAS").toString(), QStringLiteral("6,6"));
        QVERIFY(clipboard.IsEmpty());
        // The percentage line now counts the chapter only.
        QCOMPARE(Field(Store(), 5, "IMPORTE"), QStringLiteral("0.60000"));
        QCOMPARE(Field(Store(), 1, "IMPORTE"), QStringLiteral("36.60000"));

        changes = Service().DeleteLine(2);
        QCOMPARE(changes.m_nRemovedCount, 3L);
        QCOMPARE(Field(Store(), 1, "IMPORTE"), QStringLiteral("30.00000"));
        QVERIFY_THROWS_EXCEPTION(CEditRefused, Service().DeleteLine(1));
    }

    void measurementLinesMakeTheFolderQuantity()
    {
        CChangeSet changes = Service().AddMeasurement(4, {"Muro", "2", "1.5", "1", "1", ""}, false);
        QCOMPARE(changes.m_strMeasureSum, QStringLiteral("6.00000"));
        QCOMPARE(int(changes.m_measures.size()), 3);
        QCOMPARE(changes.m_measures.back().codigoPadre, QStringLiteral("C1#"));
        QCOMPARE(Field(Store(), 4, "RENDIMIENTO"), QStringLiteral("6.00000"));
        QCOMPARE(Field(Store(), 4, "IMPORTE"), QStringLiteral("60.00000"));
        QVERIFY(changes.HasLine(1));

        // A formula line: its total is the formula's, with the line's factors.
        changes = Service().AddMeasurement(4, {"b*b*a", "2", "3", "", "", ""}, true);
        QCOMPARE(changes.m_measures.back().total, QStringLiteral("18"));
        QCOMPARE(Field(Store(), 4, "RENDIMIENTO"), QStringLiteral("24.00000"));
        const QString before = Snapshot(Store());
        QVERIFY_THROWS_EXCEPTION(CEditRefused, Service().EditMeasurement(4, 4, 6, "b*2)+a"));
        QVERIFY_THROWS_EXCEPTION(CEditRefused, Service().AddMeasurement(3, {"x", "1", "1", "1", "1", ""}, false));
        // Factors are numbers: a negative one (a gap to take away) is, "7xy" is not.
        QVERIFY_THROWS_EXCEPTION(CEditRefused, Service().AddMeasurement(4, {"x", "7xy", "1", "1", "1", ""}, false));
        QVERIFY_THROWS_EXCEPTION(CEditRefused, Service().AddMeasurement(4, {"x", "1", "1", "1", "1", "3e"}, false));
        QCOMPARE(Snapshot(Store()), before);
        Service().AddMeasurement(4, {"Hueco", "-1", "0.5", "", "", ""}, false);
        Service().DeleteMeasurement(4, 5);
        changes = Service().EditMeasurement(4, 4, CMeasurementLines::Largo, "1,5");
        QCOMPARE(changes.m_measures.back().total, QStringLiteral("4.5"));
        QCOMPARE(Field(Store(), 4, "RENDIMIENTO"), QStringLiteral("10.50000"));

        // Deleting renumbers; without lines the folder counts once.
        for (int lin = 4; lin >= 1; --lin)
            changes = Service().DeleteMeasurement(4, 1);
        QVERIFY(changes.m_measures.empty());
        QCOMPARE(Field(Store(), 4, "RENDIMIENTO"), QStringLiteral("1.00000"));
    }

    void aTariffEditReachesEveryOccurrence()
    {
        Store().AddTariff("BP", "T1", {"0|BP##|S|0|1|0", "1|C#|S|0|1|0", "2|F1|S|4|1|4", "3|MAT01|N|4|1|4",
                                       "2|F2|S|8|1|8", "3|MAT01|N|4|2|8"});
        CEditingService tariff(Store().Doc().m_preciosSet, CLineTable::ForTariff("BP", "T1"));
        tariff.Tree().Requery();
        // A price-base folder's quantity is always editable; its chapter's is not.
        QVERIFY(!tariff.WhyNotEditable(3, Row::Rendimiento));
        QVERIFY(tariff.WhyNotEditable(2, Row::Rendimiento));
        const CChangeSet changes = tariff.EditCell(4, Row::Precio, "5");
        QVERIFY(!changes.m_totals.has_value());
        for (const long line : {3L, 4L, 5L, 6L})
            QVERIFY(changes.HasLine(line));
        QCOMPARE(Store().Scalar("SELECT group_concat(IMPORTE, ',') FROM PRECIOS").toString(),
                 QStringLiteral("0,0,5.00000,5.00000,10.00000,10.00000"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestEditingService>(argc, argv);
}

#include "test_editingservice.moc"
