#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "budget/CLineTree.h"
#include "budget/CLineClipboard.h"
#include "store/CArticulosSet.h"
#include "store/CPreciosSet.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CMedidasSet.h"
#include "store/CPresupuestosSet.h"
#include "store/NumberText.h"

#include <QRandomGenerator>

namespace {

// Lines as "NUMLIN|NIVEL|ARTICULO", measurement lines as "NUMLIN/LIN:CODIGOHIJO".
QStringList Measures(CTestStore& store, const QString& budget)
{
    CMedidasSet set(&store.Db());
    set.FilterBudget(budget);
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    QStringList rows;
    for (; !set.IsEOF(); set.MoveNext())
        rows << set.m_NUMLIN + u'/' + set.m_LIN + u':' + set.m_CODIGOHIJO;
    return rows;
}

void AddMeasure(CTestStore& store, const QString& budget, int numlin, int lin, const QString& child,
                const QString& parent = {})
{
    CMedidasSet& set = store.Doc().m_medidasSet;
    set.AddNew();
    set.SetFieldNull(nullptr);
    set.m_CODIGO = budget;
    set.m_NUMLIN = QString::number(numlin);
    set.m_LIN = QString::number(lin);
    set.m_CODIGOHIJO = child;
    set.m_CODIGOPADRE = parent;
    set.m_TOTAL = "1";
    set.Update();
}

QString Field(CTestStore& store, const QString& budget, long numlin, const char* column)
{
    return store.Scalar(QStringLiteral("SELECT %1 FROM ARTICULOS WHERE CODIGO = ? AND NUMLIN = ?").arg(column),
                        {budget, qlonglong(numlin)})
        .toString();
}

QString TariffField(CTestStore& store, long numlin, const char* column)
{
    return store.Scalar(QStringLiteral("SELECT %1 FROM PRECIOS WHERE CODIGO = 'BP' AND TARIFA = 'T1' AND NUMLIN = ?")
                            .arg(column),
                        {qlonglong(numlin)})
        .toString();
}

QStringList TreeLines(CTestStore& store, const CLineTable& table)
{
    CPreciosSet tariff(&store.Db());
    CArticulosSet budget(&store.Db());
    CLineSet& set = table.IsTariff() ? static_cast<CLineSet&>(tariff) : budget;
    set.FilterTree(table);
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    QStringList lines;
    for (; !set.IsEOF(); set.MoveNext())
        lines << set.m_NUMLIN + u'|' + set.m_NIVEL + u'|' + set.m_ARTICULO;
    return lines;
}

} // namespace

class TestLineTree : public QObject
{
    Q_OBJECT

private slots:
    void rollUpChapterAndFolder()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S|0|1|0", "1|C1#|S|0|1|0", "2|A|N|10.5|1|10.5", "2|B|N|2.25|1|2.25",
                              "1|F|S|0|3|0", "2|X|N|10.5|1|10.5", "2|Y|N|2.25|1|2.25"});
        CArticulosSet& set = store.Doc().m_articulosSet;
        CLineTree tree(set, CLineTable::ForBudget("B"));
        tree.Requery();
        tree.RollUpTotals(4);
        QCOMPARE(Field(store, "B", 2, "PRECIO"), QStringLiteral("12.75000"));
        QCOMPARE(Field(store, "B", 2, "IMPORTE"), QStringLiteral("12.75000"));
        tree.RollUpTotals(7);
        QCOMPARE(Field(store, "B", 5, "PRECIO"), QStringLiteral("12.75000"));
        QCOMPARE(Field(store, "B", 5, "IMPORTE"), QStringLiteral("38.25000"));
        QCOMPARE(Field(store, "B", 1, "IMPORTE"), QStringLiteral("51.00000"));
        CheckLineTree(store.Db(), CLineTable::ForBudget("B"));

        // From the root nothing changes.
        const QString before = Field(store, "B", 1, "PRECIO");
        tree.RollUpTotals(1);
        QCOMPARE(Field(store, "B", 1, "PRECIO"), before);
    }

    void percentageLines()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|X|N|100|1|100", "1|Y|N|50|1|50", "1|%CI|N|0|0.03|0"});
        CLineTree tree(store.Doc().m_articulosSet, CLineTable::ForBudget("B"));
        tree.Requery();
        tree.RollUpTotals(2);
        QCOMPARE(Field(store, "B", 4, "PRECIO"), QStringLiteral("150.00000"));
        QCOMPARE(Field(store, "B", 4, "IMPORTE"), QStringLiteral("4.50000"));
        QCOMPARE(Field(store, "B", 1, "PRECIO"), QStringLiteral("154.50000"));

        store.AddBudget("M", {"0|M##|S", "1|MO1|N|100|1|100", "1|MAT|N|50|1|50", "1|MO2|N|30|1|30", "1|MO%X|N|0|0.1|0"});
        CLineTree other(store.Doc().m_articulosSet, CLineTable::ForBudget("M"));
        other.Requery();
        other.RollUpTotals(5);
        QCOMPARE(Field(store, "M", 5, "PRECIO"), QStringLiteral("130.00000"));
        QCOMPARE(Field(store, "M", 5, "IMPORTE"), QStringLiteral("13.00000"));

        // A percentage on a percentage counts it with its new amount, so one
        // roll-up leaves nothing for the next to change.
        store.AddBudget("V", {"0|V##|S", "1|A|N|200|1|200", "1|B|N|50|1|50", "1|%VOL|N|0|0.1|15", "1|%CI|N|0|0.06|9.9"});
        CLineTree chained(store.Doc().m_articulosSet, CLineTable::ForBudget("V"));
        chained.Requery();
        chained.RollUpTotals(2);
        QCOMPARE(Field(store, "V", 4, "IMPORTE"), QStringLiteral("25.00000"));
        QCOMPARE(Field(store, "V", 5, "PRECIO"), QStringLiteral("275.00000"));
        QCOMPARE(Field(store, "V", 5, "IMPORTE"), QStringLiteral("16.50000"));
        QCOMPARE(Field(store, "V", 1, "PRECIO"), QStringLiteral("291.50000"));
    }

    void customIncreaseAndBack()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S|15.21|1|15.21", "1|C#|S|15.21|1|15.21", "2|A|N|12.34567|1|12.34567",
                              "2|B|N|2.86433|1|2.86433"});
        CLineTree tree(store.Doc().m_articulosSet, CLineTable::ForBudget("B"));
        tree.Requery();
        tree.ApplyCustomIncrease(0, 10);
        QCOMPARE(Field(store, "B", 3, "PRECIO"), QStringLiteral("13.58024"));
        QCOMPARE(Field(store, "B", 3, "IMPORTE"), QStringLiteral("13.58024"));
        QCOMPARE(Field(store, "B", 2, "IMPORTE"), QStringLiteral("16.73"));
        tree.ApplyCustomIncrease(10, 0);
        QCOMPARE(Field(store, "B", 3, "PRECIO"), QStringLiteral("12.34567"));
        QCOMPARE(Field(store, "B", 4, "PRECIO"), QStringLiteral("2.86433"));
        // Unchanged increase: nothing is applied.
        tree.ApplyCustomIncrease(0, 0);
        QCOMPARE(Field(store, "B", 4, "PRECIO"), QStringLiteral("2.86433"));
    }

    void insertMovesFollowingLinesAndTheirMeasurements()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|C1#|S", "2|F1|S", "1|F2|S"});
        AddMeasure(store, "B", 3, 1, "F1");
        AddMeasure(store, "B", 4, 1, "F2");
        CLineTree tree(store.Doc().m_articulosSet, CLineTable::ForBudget("B"));
        tree.Requery();
        const long number = tree.InsertLine(2, CLineTree::NewLine(CLineTree::Kind::Concept, 2));
        QCOMPARE(number, 3L);
        QCOMPARE(store.Lines("B"), QStringList({"1|0|B##", "2|1|C1#", "3|2|Nuevo", "4|2|F1", "5|1|F2"}));
        QCOMPARE(Measures(store, "B"), QStringList({"4/1:F1", "5/1:F2"}));
        QCOMPARE(Field(store, "B", 3, "RENDIMIENTO"), QStringLiteral("1.00000"));
        QVERIFY(store.Scalar("SELECT FECHA IS NULL FROM ARTICULOS WHERE NUMLIN = 3").toBool());

        // After the last line nothing is renumbered.
        QCOMPARE(tree.InsertLine(5, CLineTree::NewLine(CLineTree::Kind::Concept, 1)), 6L);
        CheckLineTree(store.Db(), CLineTable::ForBudget("B"));
    }

    void deleteChapterWithMeasuredFolders()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S|0|1|0", "1|C1#|S|0|1|0", "2|F1|S|5|2|10", "3|A|N|5|1|5", "2|F2|S|3|1|3",
                              "3|B|N|3|1|3", "1|C2#|S|0|1|0", "2|F3|S|4|1|4", "3|D|N|4|1|4"});
        AddMeasure(store, "B", 3, 1, "F1");
        AddMeasure(store, "B", 3, 2, "F1");
        AddMeasure(store, "B", 5, 1, "F2");
        AddMeasure(store, "B", 8, 1, "F3");
        CLineTree tree(store.Doc().m_articulosSet, CLineTable::ForBudget("B"));
        tree.Requery();
        tree.RollUpTotals(4);
        tree.RollUpTotals(6);
        tree.RollUpTotals(9);
        QCOMPARE(Field(store, "B", 1, "IMPORTE"), QStringLiteral("17.00000"));

        QCOMPARE(tree.DeleteBranch(2), 5L);
        QCOMPARE(store.Lines("B"), QStringList({"1|0|B##", "2|1|C2#", "3|2|F3", "4|3|D"}));
        QCOMPARE(Measures(store, "B"), QStringList({"3/1:F3"}));
        QCOMPARE(Field(store, "B", 1, "IMPORTE"), QStringLiteral("4.00000"));
        CheckLineTree(store.Db(), CLineTable::ForBudget("B"));
        // The root and lines past the end are left alone.
        QCOMPARE(tree.DeleteBranch(1), 0L);
        QCOMPARE(tree.DeleteBranch(99), 0L);
    }

    void copyPasteOnceAndMoveDown()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|C1#|S", "2|F1|S|2|1|2", "3|A|N|.5|4|2", "1|C2#|S", "2|G|N|1|1|1"});
        AddMeasure(store, "B", 3, 1, "F1", "C1#");
        CLineTree tree(store.Doc().m_articulosSet, CLineTable::ForBudget("B"));
        tree.Requery();
        tree.RollUpTotals(4);
        tree.RollUpTotals(6);
        CLineClipboard clipboard;
        tree.CopyBranch(2, [](long n) { return n == 2 ? std::optional<int>(2) : std::nullopt; }, clipboard);
        QCOMPARE(int(clipboard.m_lines.size()), 3);
        QCOMPARE(clipboard.m_lines[0].visible, 1);
        QCOMPARE(clipboard.m_lines[0].expandState, 2);
        QCOMPARE(clipboard.m_lines[1].visible, 0);
        QCOMPARE(clipboard.m_lines[2].line.precio, QStringLiteral("0.5"));
        QCOMPARE(int(clipboard.m_measures.size()), 1);

        // Into chapter C2#: the branch becomes its first children.
        QCOMPARE(tree.PasteBranch(5, true, clipboard), 5L);
        QVERIFY(clipboard.IsEmpty());
        QCOMPARE(store.Lines("B"), QStringList({"1|0|B##", "2|1|C1#", "3|2|F1", "4|3|A", "5|1|C2#", "6|2|C1#",
                                                 "7|3|F1", "8|4|A", "9|2|G"}));
        // The pasted folder's measurement line follows it and names its new parent.
        QCOMPARE(Measures(store, "B"), QStringList({"3/1:F1", "7/1:F1"}));
        QCOMPARE(store.Scalar("SELECT CODIGOPADRE FROM MEDIDAS WHERE NUMLIN = 7").toString(), QStringLiteral("C1#"));
        tree.RollUpTotals(6);
        CheckLineTree(store.Db(), CLineTable::ForBudget("B"));

        // A second paste without a new copy does nothing.
        QCOMPARE(tree.PasteBranch(5, true, clipboard), -1L);
        QCOMPARE(store.Lines("B").size(), 9);

        // Move C1# (lines 2-4) after G: copy, delete, paste after the target.
        tree.CopyBranch(2, {}, clipboard);
        tree.DeleteBranch(2);
        QCOMPARE(tree.PasteBranch(6, false, clipboard), 6L);
        QCOMPARE(store.Lines("B"), QStringList({"1|0|B##", "2|1|C2#", "3|2|C1#", "4|3|F1", "5|4|A", "6|2|G",
                                                 "7|2|C1#", "8|3|F1", "9|4|A"}));
        QCOMPARE(Measures(store, "B"), QStringList({"4/1:F1", "8/1:F1"}));
        tree.RollUpTotals(7);
        CheckLineTree(store.Db(), CLineTable::ForBudget("B"));
    }

    void pasteAfterADecomposedTargetFollowsItsBranch()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|C1#|S", "2|A|N", "1|C2#|S", "2|B|N"});
        CLineTree tree(store.Doc().m_articulosSet, CLineTable::ForBudget("B"));
        tree.Requery();
        CLineClipboard clipboard;
        tree.CopyBranch(5, {}, clipboard);
        QCOMPARE(tree.PastePoint(2, false), 3L);
        QCOMPARE(tree.PasteBranch(2, false, clipboard), 3L);
        QCOMPARE(store.Lines("B"), QStringList({"1|0|B##", "2|1|C1#", "3|2|A", "4|1|B", "5|1|C2#", "6|2|B"}));
    }

    void renumberClosesGapsAndKeepsMeasurements()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|F1|S", "1|F2|S"});
        store.Db().ExecuteSQL("UPDATE ARTICULOS SET NUMLIN = NUMLIN * 10 WHERE NUMLIN > 1");
        AddMeasure(store, "B", 20, 1, "F1");
        AddMeasure(store, "B", 30, 1, "F2");
        AddMeasure(store, "B", 30, 2, "F2");
        CLineTree tree(store.Doc().m_articulosSet, CLineTable::ForBudget("B"));
        tree.Renumber();
        QCOMPARE(store.Lines("B"), QStringList({"1|0|B##", "2|1|F1", "3|1|F2"}));
        QCOMPARE(Measures(store, "B"), QStringList({"2/1:F1", "3/1:F2", "3/2:F2"}));
    }

    void savingALine()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S|7|1|7", "1|C1#|S|7|1|7", "2|F|S|7|1|7"});
        AddMeasure(store, "B", 3, 1, "F", "C1#");
        CLineTree tree(store.Doc().m_articulosSet, CLineTable::ForBudget("B"));
        tree.Requery();

        // A renamed line takes its measurement lines' names with it: as
        // their line and as their parent.
        CLineRecord chapter = *tree.Line(2);
        chapter.articulo = "C9#";
        tree.SaveLine(2, chapter);
        QCOMPARE(store.Scalar("SELECT CODIGOPADRE FROM MEDIDAS").toString(), QStringLiteral("C9#"));
        CLineRecord folder = *tree.Line(3);
        folder.articulo = "F2";
        folder.medida = "m2";
        tree.SaveLine(3, folder);
        QCOMPARE(store.Scalar("SELECT CODIGOHIJO FROM MEDIDAS").toString(), QStringLiteral("F2"));
        QCOMPARE(Field(store, "B", 3, "MEDIDA"), QStringLiteral("m2"));
        QCOMPARE(Field(store, "B", 3, "PRECIO"), QStringLiteral("7"));
        QCOMPARE(tree.ParentCode(3), QStringLiteral("C9#"));
        QCOMPARE(tree.ParentCode(1), QStringLiteral("B##"));
    }

    void editedCodes()
    {
        QCOMPARE(CLineTree::AdjustEditedCode("Nuevo capitulo#", "C01"), QStringLiteral("C01#"));
        QCOMPARE(CLineTree::AdjustEditedCode("Nuevo", "A#B"), QStringLiteral("AB"));
        QCOMPARE(CLineTree::AdjustEditedCode("C01#", "C02#"), QStringLiteral("C02#"));
        QCOMPARE(CLineTree::AdjustEditedCode("X", "Y"), QStringLiteral("Y"));
        // A chapter keeps one "#", at the end: neither a folder nor a root.
        QCOMPARE(CLineTree::AdjustEditedCode("C1#", "C#1"), QStringLiteral("C1#"));
        QCOMPARE(CLineTree::AdjustEditedCode("C1#", "C2##"), QStringLiteral("C2#"));
    }

    void failedOperationLeavesTheTreeAsItWas()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|C1#|S", "2|A|N"});
        CLineTree tree(store.Doc().m_articulosSet, CLineTable::ForBudget("B"));
        tree.Requery();
        // A trigger makes the renumbering of the following lines fail halfway.
        store.Db().ExecuteSQL("CREATE TRIGGER fail BEFORE UPDATE OF NUMLIN ON ARTICULOS WHEN NEW.NUMLIN = 4 "
                              "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        QVERIFY_THROWS_EXCEPTION(CDBException, tree.InsertLine(1, CLineTree::NewLine(CLineTree::Kind::Chapter, 1)));
        QCOMPARE(store.Lines("B"), QStringList({"1|0|B##", "2|1|C1#", "3|2|A"}));
        QCOMPARE(tree.LineCount(), 3L);
    }

    void randomOperationsKeepTheInvariants_data()
    {
        QTest::addColumn<bool>("tariff");
        QTest::newRow("budget") << false;
        QTest::newRow("tariff") << true;
    }

    void randomOperationsKeepTheInvariants()
    {
        QFETCH(bool, tariff);
        CTestStore store;
        const CLineTable table = tariff ? CLineTable::ForTariff("R", "T") : CLineTable::ForBudget("R");
        if (tariff)
            store.AddTariff("R", "T", {"0|R##|S|0|1|0"});
        else
            store.AddBudget("R", {"0|R##|S|0|1|0"});
        CLineSet& set = tariff ? static_cast<CLineSet&>(store.Doc().m_preciosSet) : store.Doc().m_articulosSet;
        CLineTree tree(set, table);
        tree.Requery();
        QRandomGenerator random(20261206);
        CLineClipboard clipboard;
        for (int step = 0; step < 300; ++step) {
            const long count = tree.LineCount();
            const long line = 1 + long(random.bounded(int(count)));
            const bool decomposed = tree.IsDecomposed(line);
            const long level = tree.Level(line) + (decomposed ? 1 : 0);
            switch (random.bounded(6)) {
            case 0:
            case 1: {
                const auto kind = CLineTree::Kind(random.bounded(3));
                CLineRecord values = CLineTree::NewLine(kind, std::max(1L, level));
                values.articulo += QString::number(step);
                if (kind == CLineTree::Kind::Concept) {
                    values.precio = StoreFormat(random.bounded(1000) / 10.0, 5);
                    values.importe = values.precio;
                }
                const long number = tree.InsertLine(level == 0 ? 1 : line, values);
                tree.RollUpTotals(number);
                if (kind == CLineTree::Kind::Folder && !tariff && random.bounded(2))
                    AddMeasure(store, "R", int(number), 1, values.articulo);
                break;
            }
            case 2:
                tree.DeleteBranch(line);
                break;
            case 3:
                tree.CopyBranch(line, {}, clipboard);
                break;
            case 4:
                if (line > 1 || decomposed) {
                    const long after = tree.PasteBranch(line, decomposed && random.bounded(2), clipboard);
                    if (after >= 0)
                        tree.RollUpTotals(after + 1);
                }
                break;
            case 5:
                if (line > 1) {
                    tree.CopyBranch(line, {}, clipboard);
                    tree.DeleteBranch(line);
                    const long target = 1 + long(random.bounded(int(tree.LineCount())));
                    if (target > 1 || tree.IsDecomposed(target)) {
                        const long after = tree.PasteBranch(target, target == 1, clipboard);
                        tree.RollUpTotals(after + 1);
                    }
                }
                break;
            }
            CheckLineTree(store.Db(), table);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QString("after step %1").arg(step)));
        }
    }

    void aTariffRollsUpWithoutChapterTotals()
    {
        CTestStore store;
        store.AddTariff("BP", "T1", {"0|BP##|S|0|1|0", "1|C1#|S|0|1|0", "2|F1|S|0|2|0", "3|MAT01|N|4|1|4",
                                     "3|MO|N|1|1|1", "2|F2|S|0|1|0", "3|MAT01|N|4|3|12", "2|K|N|2|1|2"});
        CLineTree tree(store.Doc().m_preciosSet, CLineTable::ForTariff("BP", "T1"));
        tree.Requery();
        QVERIFY(tree.Rule() == CLineTree::RollUpRule::PriceBase);
        // Folders sum their components; the chapter above them stays as it was.
        tree.RollUpTotals(5);
        QCOMPARE(TariffField(store, 3, "PRECIO"), QStringLiteral("5.00000"));
        QCOMPARE(TariffField(store, 3, "IMPORTE"), QStringLiteral("10.00000"));
        QCOMPARE(TariffField(store, 2, "IMPORTE"), QStringLiteral("0"));
        // From a concept right under a chapter nothing changes.
        tree.RollUpTotals(8);
        QCOMPARE(TariffField(store, 2, "PRECIO"), QStringLiteral("0"));

        // A concept's new price reaches it wherever it occurs, and both folders.
        CLineRecord material = *tree.Line(4);
        material.precio = "6.5";
        material.nombre = "Ladrillo";
        tree.SaveLine(4, material);
        tree.CarryToOccurrences(4);
        QCOMPARE(TariffField(store, 7, "PRECIO"), QStringLiteral("6.50000"));
        QCOMPARE(TariffField(store, 7, "IMPORTE"), QStringLiteral("19.50000"));
        QCOMPARE(TariffField(store, 7, "NOMBRE"), QStringLiteral("Ladrillo"));
        QCOMPARE(TariffField(store, 3, "IMPORTE"), QStringLiteral("15.00000"));
        QCOMPARE(TariffField(store, 6, "PRECIO"), QStringLiteral("19.50000"));
        // A chapter's code carried anywhere holds no amounts.
        store.Db().ExecuteSQL("UPDATE PRECIOS SET PRECIO = '9' WHERE NUMLIN = 2");
        tree.Requery();
        tree.CarryToOccurrences(2);
        QCOMPARE(TariffField(store, 2, "PRECIO") + TariffField(store, 2, "RENDIMIENTO") + TariffField(store, 2, "IMPORTE"),
                 QStringLiteral("0.00.00.0"));
        CheckLineTree(store.Db(), CLineTable::ForTariff("BP", "T1"));
    }

    void branchesTravelBetweenABudgetAndATariff()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|C1#|S", "2|F|S|3|2|6", "3|A|N|3|1|3"});
        AddMeasure(store, "B", 3, 1, "F", "C1#");
        store.AddTariff("BP", "T1", {"0|BP##|S", "1|K|N|2|1|2"});
        CLineTree budget(store.Doc().m_articulosSet, CLineTable::ForBudget("B"));
        CLineTree tariff(store.Doc().m_preciosSet, CLineTable::ForTariff("BP", "T1"));
        budget.Requery();
        tariff.Requery();

        // Into the tariff: its code and tariff, and no measurement lines.
        CLineClipboard clipboard;
        budget.CopyBranch(2, {}, clipboard);
        QCOMPARE(int(clipboard.m_measures.size()), 1);
        QCOMPARE(tariff.PasteBranch(1, true, clipboard), 1L);
        QCOMPARE(TreeLines(store, tariff.Table()), QStringList({"1|0|BP##", "2|1|C1#", "3|2|F", "4|3|A", "5|1|K"}));
        QCOMPARE(store.Scalar("SELECT count(*) FROM PRECIOS WHERE CODIGO = 'BP' AND TARIFA = 'T1'").toInt(), 5);
        QCOMPARE(store.Scalar("SELECT count(*) FROM MEDIDAS").toInt(), 1);

        // Back into the budget: the tariff's lines come without measurement lines.
        tariff.CopyBranch(3, {}, clipboard);
        QCOMPARE(clipboard.m_lines.front().line.tarifa, QStringLiteral("T1"));
        QVERIFY(clipboard.m_measures.empty());
        QCOMPARE(budget.PasteBranch(2, true, clipboard), 2L);
        QCOMPARE(TreeLines(store, budget.Table()), QStringList({"1|0|B##", "2|1|C1#", "3|2|F", "4|3|A", "5|2|F", "6|3|A"}));
        QCOMPARE(Measures(store, "B"), QStringList({"5/1:F"}));
        QCOMPARE(store.Scalar("SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'B'").toInt(), 6);

        // A tariff's chapter holds no total; pasted into the budget it gets its children's.
        tariff.CopyBranch(2, {}, clipboard);
        budget.PasteBranch(1, true, clipboard);
        budget.RollUpTotals(2);
        QCOMPARE(budget.Line(2)->importe, QStringLiteral("6.00000"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestLineTree>(argc, argv);
}

#include "test_linetree.moc"
