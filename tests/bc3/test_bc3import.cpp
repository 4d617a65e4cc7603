#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "Bc3TestSupport.h"
#include "bc3/CBc3BudgetCheck.h"
#include "bc3/CBc3BudgetImport.h"
#include "bc3/CBc3Staging.h"
#include "core/CLanguage.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"

#include <sys/resource.h>

class TestBc3Import : public QObject
{
    Q_OBJECT

private:
    static CBc3ImportOutcome Import(CTestStore& store, const QList<QByteArray>& records, const QString& strCode = "B",
                                    bool bReplace = false, IProgress* pProgress = nullptr)
    {
        return ImportBudgetBc3Text(store.Db(), Bc3File(records), strCode, bReplace, pProgress);
    }

    // The lines of a budget as "NIVEL|ARTICULO|DESGLOSE|FACTOR|RENDIMIENTO|PRECIO|IMPORTE", in line order,
    // numbered 1..n.
    static QStringList Lines(CTestStore& store, const QString& strCode = "B")
    {
        QStringList lines = CTestStore::Rows(store.Db(),
                                             "SELECT NUMLIN, NIVEL, ARTICULO, DESGLOSE, FACTOR, RENDIMIENTO, PRECIO, "
                                             "IMPORTE FROM ARTICULOS WHERE CODIGO = ? ORDER BY NUMLIN",
                                             {strCode});
        for (qsizetype n = 0; n < lines.size(); ++n) {
            if (lines[n].section(u'|', 0, 0) != QString::number(n + 1))
                return {QStringLiteral("line %1 is %2").arg(n + 1).arg(lines[n])};
            lines[n] = lines[n].section(u'|', 1);
        }
        return lines;
    }

    // The measurement lines of one budget line as "LIN|PADRE|HIJO|TIPO|NOMBRE|UNIDADES|LARGO|ANCHO|ALTO|TOTAL";
    // MEDIDAS keeps its factors as numbers, so "1.0" reads back as "1".
    static QStringList Measurements(CTestStore& store, long nNumLin, const QString& strCode = "B")
    {
        return CTestStore::Rows(store.Db(),
                                "SELECT LIN, CODIGOPADRE, CODIGOHIJO, TIPO, NOMBRE, UNIDADES, LARGO, ANCHO, ALTO, TOTAL "
                                "FROM MEDIDAS WHERE CODIGO = ? AND NUMLIN = ? ORDER BY LIN",
                                {strCode, qlonglong(nNumLin)});
    }

    static int Count(CTestStore& store, const char* szTable, const QString& strCode = "B")
    {
        return store.Scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE CODIGO = ?").arg(szTable), {strCode}).toInt();
    }

private slots:
    void treeInPreOrder()
    {
        // Every level keeps the file's order. A concept under two chapters is
        // a line under each, with each entry's factor and yield. Chapters and
        // a root without a price get the sum of their children.
        CTestStore store;
        const CBc3ImportOutcome outcome = Import(store, {"~V||FIEBDC-3/2004|||ANSI|", "~C|R##||Obra|0|",
                                                         "~D|R##|C2#\\1\\1\\C1#\\1\\1\\|", "~C|C1#||Cap 1||",
                                                         "~C|C2#||Cap 2||", "~D|C1#|B\\1\\2\\A\\2\\3\\|", "~D|C2#|A\\1\\4\\|",
                                                         "~C|A|m|Item A|10|", "~C|B|m|Item B|5|"});
        QVERIFY(outcome.IsOk());
        QCOMPARE(outcome.m_nLines, 6L);
        QCOMPARE(Lines(store), QStringList({"0|R##|S|1.0|1.00000|80.00000|80.00000", "1|C2#|S|1|1.00000|40.00000|40.00000",
                                            "2|A|N|1|4.00000|10|40.00000", "1|C1#|S|1|1.00000|40.00000|40.00000",
                                            "2|B|N|1|2.00000|5|10.00000", "2|A|N|2|3.00000|10|30.00000"}));
        QCOMPARE(store.Scalar("SELECT NOMBRE FROM ARTICULOS WHERE CODIGO = 'B' AND NUMLIN = 4").toString(),
                 QStringLiteral("Cap 1"));
        // The header holds the code and the totals; no staging rows are left.
        QCOMPARE(Count(store, "PRESUPUESTOS"), 1);
        QVERIFY(store.Scalar("SELECT NOMBRE FROM PRESUPUESTOS WHERE CODIGO = 'B'").isNull());
        QCOMPARE(store.Scalar("SELECT TOTAL FROM PRESUPUESTOS WHERE CODIGO = 'B'").toString(), QStringLiteral("80.00"));
        QCOMPARE(store.Scalar("SELECT COUNT(*) FROM IMPORTAR").toInt(), 0);
    }

    void percentagesApplyToTheLinesBeforeThem()
    {
        // "%MA" and "%CI" sort before the other children, yet each applies
        // to the lines before it in the file: 100 + 50, then 2 % of that,
        // then 6 % of all three. Their file prices (rates) become the sums
        // they apply to, settled, so that the roll-up of an edit keeps the
        // folder at the 162.18 the file gives it.
        CTestStore store;
        QVERIFY(Import(store, {"~C|R##||Obra|162.18|", "~D|R##|F\\1\\|", "~C|F|m2|Muro|162.18|",
                               "~D|F|MO\\1\\1\\MAT\\1\\2\\%MA\\1\\0.02\\%CI\\1\\0.06\\|", "~C|MO|h|Oficial|100|",
                               "~C|MAT|kg|Acero|25|", "~C|%MA|%|Medios auxiliares|2|", "~C|%CI|%|Costes indirectos|6|"})
                    .IsOk());
        QCOMPARE(Lines(store).mid(1), QStringList({"1|F|S|1|1.00000|162.18|162.18000", "2|MO|N|1|1.00000|100|100.00000",
                                                   "2|MAT|N|1|2.00000|25|50.00000",
                                                   "2|%MA|N|1|0.02000|150.00000|3.00000",
                                                   "2|%CI|N|1|0.06000|153.00000|9.18000"}));
        const CBc3BudgetCheck check = CBc3BudgetCheck::Run(store.Db(), "B");
        QCOMPARE(check.m_nDecompositions, 2L);
        QVERIFY(check.m_differences.empty());
    }

    void pricesLeftToTheReader()
    {
        // The root and a chapter without a price ("0.00" or empty) get the sum
        // of their children; a folder that gives its price keeps it although
        // its children say otherwise. The header gets its rates from "~K"
        // (CI\GG\BI\BAJA\IVA) and its totals from the root.
        CTestStore store;
        QVERIFY(Import(store, {"~K|\\2\\3\\|0\\13\\6\\\\21\\|", "~C|R##||Obra|0.00|", "~D|R##|C1#\\1\\1\\C2#\\1\\1\\|",
                               "~C|C1#||Uno||", "~D|C1#|A\\1\\2\\F\\1\\1\\|", "~C|C2#||Dos|0|", "~D|C2#|A\\1\\0.5\\|",
                               "~C|A|u|A|10.5|", "~C|F|u|F|7|", "~D|F|A\\1\\1\\|"})
                    .IsOk());
        QCOMPARE(Lines(store), QStringList({"0|R##|S|1.0|1.00000|33.25000|33.25000", "1|C1#|S|1|1.00000|28.00000|28.00000",
                                            "2|A|N|1|2.00000|10.5|21.00000", "2|F|S|1|1.00000|7|7.00000",
                                            "3|A|N|1|1.00000|10.5|10.50000", "1|C2#|S|1|1.00000|5.25000|5.25000",
                                            "2|A|N|1|0.50000|10.5|5.25000"}));
        const QStringList header = {"GGEN", "BIND", "IVA", "IMPGGEN", "IMPBIND", "BASE", "IMPIVA", "TOTAL"};
        QStringList values;
        for (const QString& column : header)
            values << store.Scalar(QStringLiteral("SELECT %1 FROM PRESUPUESTOS WHERE CODIGO = 'B'").arg(column)).toString();
        QCOMPARE(values, QStringList({"13", "6", "21", "4.32", "2.00", "39.57", "8.31", "47.88"}));
    }

    void recordsWrappedAnywhere()
    {
        // Producers wrap long records anywhere, inside codes and numbers too:
        // the breaks and tabs go, and so do the blanks before a separator.
        CTestStore store;
        QVERIFY(Import(store, {"~C|R##\r\n||Obra|1|", "~D|R##|\r\n\tCAP#\\1\\1\\|", "~D|CAP#|F\r\n1\\1\\1.7\r\n5\\\r\n|",
                               "~C|F1|m2\t|Muro \r\n|2\r\n.5|", "~D|F1|X\\1\\1\\|", "~C|X|h|Hora|1|",
                               "~M|CAP#\\F\r\n1|1|1.7\r\n5|\r\n1\t\\Planta \\1.7\r\n5\\\\\\\\\r\n|"})
                    .IsOk());
        QCOMPARE(Lines(store).value(2), QStringLiteral("2|F1|S|1|1.75000|2.5|4.37500"));
        QCOMPARE(store.Scalar("SELECT MEDIDA || '|' || NOMBRE FROM ARTICULOS WHERE ARTICULO = 'F1'").toString(),
                 QStringLiteral("m2|Muro"));
        QCOMPARE(Measurements(store, 3), QStringList({"1|CAP#|F1|1|Planta|1.75|1|1|1|1.75"}));
    }

    void measurementRows()
    {
        // A heading with no number counts 0 and keeps no numbers, as the
        // measurement window keeps it; a row with some numbers counts 1 for
        // its empty ones. Totals are products rounded in decimal:
        // 0.001 x 2027.78 x 0.75 = 1.520835 gives 1.52084.
        CTestStore store;
        QVERIFY(Import(store, {"~D|R##|F\\1\\1\\|", "~C|F|m|F|1|", "~D|F|X\\1\\1\\|",
                               "~M|R##\\F|1|4.52084|\\Planta baja\\\\\\\\\\\\Muro\\3\\\\\\\\"
                               "\\Junta\\0.001\\2027.78\\0.75\\\\|"})
                    .IsOk());
        QCOMPARE(Measurements(store, 2), QStringList({"1|R##|F||Planta baja|||||0", "2|R##|F||Muro|3|1|1|1|3",
                                                      "3|R##|F||Junta|0.001|2027.78|0.75|1|1.52084"}));
        QCOMPARE(store.Scalar("SELECT SUM(TOTAL) FROM MEDIDAS WHERE CODIGO = 'B'").toDouble(), 4.52084);
        QCOMPARE(Lines(store).value(1), QStringLiteral("1|F|S|1|4.52084|1|4.52084"));
    }

    void storeErrorsSayWhatFailed()
    {
        // A read-only store and a full disk: nothing is written, and the
        // message names what failed and why, with the store's own text.
        CTestStore store;
        const QList<QByteArray> file = {"~C|R##||Obra|1|", "~D|R##|A\\1\\1\\|", "~C|A|u|A|1|"};
        store.Db().ExecuteSQL("PRAGMA query_only = 1");
        CBc3ImportOutcome outcome = Import(store, file);
        store.Db().ExecuteSQL("PRAGMA query_only = 0");
        QCOMPARE(outcome.m_status, CBc3ImportOutcome::DatabaseError);
        QVERIFY2(outcome.Message().startsWith(
                     "Error al guardar el presupuesto importado: la base de datos es de solo lectura\n"),
                 qPrintable(outcome.Message()));

        const int pages = store.Scalar("PRAGMA page_count").toInt();
        store.Db().ExecuteSQL(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
        QList<QByteArray> large = file;
        large << "~T|A|" + QByteArray(200000, 'x') + "|";
        outcome = Import(store, large);
        QCOMPARE(outcome.m_status, CBc3ImportOutcome::DatabaseError);
        {
            const CLanguage catalan(QStringLiteral("1"));
            QVERIFY2(outcome.Message().startsWith("Error en desar el pressupost importat: el disc és ple\n"),
                     qPrintable(outcome.Message()));
        }
        QVERIFY_THROWS_EXCEPTION(CDBException, StageBc3Records(store.Db(), Bc3File(large), "P", EBc3Staging::Price));
        store.Db().ExecuteSQL("PRAGMA max_page_count = 1073741823");
        QCOMPARE(Count(store, "ARTICULOS") + Count(store, "PRESUPUESTOS") + Count(store, "IMPORTAR", "P"), 0);
        QVERIFY(Import(store, large).IsOk());
    }

    void memoryFollowsTheUsefulContent()
    {
        // 40 MB of "~" are 40 million empty records: the import reads them
        // without keeping anything per record.
        CTestStore store;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long before = usage.ru_maxrss;
        const QByteArray tildes(40 << 20, '~');
        QVERIFY(ImportBudgetBc3Text(store.Db(), "~C|R##||Obra|1|\r\n~D|R##|A\\1\\1\\|" + tildes, "B", false).IsOk());
        getrusage(RUSAGE_SELF, &usage);
        QVERIFY2(usage.ru_maxrss - before < 100 * 1024, qPrintable(QString::number(usage.ru_maxrss - before)));
        QCOMPARE(Lines(store).size(), 2);
    }

    void tenLevelsDeep()
    {
        CTestStore store;
        QList<QByteArray> records = {"~D|R##|L1\\1\\1\\|"};
        for (int level = 1; level <= 11; ++level)
            records << QByteArray("~D|L%1|L%2\\1\\1\\|").replace("%1", QByteArray::number(level)).replace("%2", QByteArray::number(level + 1));
        QVERIFY(Import(store, records).IsOk());
        const QStringList lines = Lines(store);
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[9].section(u'|', 0, 2), QStringLiteral("9|L9|S"));
        QCOMPARE(lines[10].section(u'|', 0, 2), QStringLiteral("10|L10|N"));
    }

    void measurementGroups()
    {
        CTestStore store;
        QVERIFY(Import(store, {"~C|R##||Obra||", "~D|R##|CAP#\\1\\1\\|", "~C|CAP#||Capitulo||",
                               "~D|CAP#|F1\\1\\1\\F2\\1\\1\\F3\\1\\2\\F4\\1\\1\\|", "~C|F1|m2|Folder 1|2|",
                               "~C|F2|m2|Folder 2|2|", "~C|F3|m2|Folder 3|2|", "~C|F4|m2|Folder 4|2|",
                               "~D|F1|X\\1\\1\\|", "~D|F2|X\\1\\1\\|", "~D|F3|X\\1\\1\\|", "~D|F4|X\\1\\1\\|",
                               "~C|X|h|Hora|1|", "~M|CAP#\\F1|1|7.5|\\Muro\\2\\3\\\\\\3\\Pilar\\1\\1.5\\\\\\|",
                               "~M|CAP#\\F2|1|4|a\\b\\c\\|", "~M|OTRO#\\F3|1|9|\\x\\1\\1\\1\\1\\|", "~M|F4|1| 5 ||"})
                    .IsOk());
        const QStringList lines = Lines(store);
        // Two groups: two rows, LIN 1 and 2, and the total as quantity.
        QCOMPARE(lines[2], QStringLiteral("2|F1|S|1|7.50000|2|15.00000"));
        QCOMPARE(Measurements(store, 3), QStringList({"1|CAP#|F1||Muro|2|3|1|1|6",
                                                      "2|CAP#|F1|3|Pilar|1|1.5|1|1|1.5"}));
        // Three "\": no group, yet the total is the quantity.
        QCOMPARE(lines[4], QStringLiteral("2|F2|S|1|4.00000|2|8.00000"));
        QVERIFY(Measurements(store, 5).isEmpty());
        // Another parent's measurement does not apply: the yield stays.
        QCOMPARE(lines[6], QStringLiteral("2|F3|S|1|2.00000|2|4.00000"));
        QVERIFY(Measurements(store, 7).isEmpty());
        // No parent and no list: one row holding the total; numbering starts again at 1.
        QCOMPARE(lines[8], QStringLiteral("2|F4|S|1|5.00000|2|10.00000"));
        QCOMPARE(Measurements(store, 9), QStringList({"1||F4|||5|1|1|1|5"}));
        QCOMPARE(Count(store, "MEDIDAS"), 3);
    }

    void shortMeasurementLists_data()
    {
        QTest::addColumn<QByteArray>("list");
        for (int n = 1; n <= 5; ++n)
            QTest::newRow(QByteArray::number(n)) << QByteArray(n, '\\');
    }

    void shortMeasurementLists()
    {
        QFETCH(QByteArray, list);
        CTestStore store;
        QVERIFY(Import(store, {"~D|R##|F\\1\\1\\|", "~C|F|u|F|3|", "~D|F|X\\1\\1\\|", "~M|R##\\F|1|6|" + list + "|"}).IsOk());
        QCOMPARE(Lines(store).value(1), QStringLiteral("1|F|S|1|6.00000|3|18.00000"));
        QCOMPARE(Count(store, "MEDIDAS"), 0);
    }

    void conceptMeasuredUnderTwoParents()
    {
        // Each occurrence takes the measurement of its own parent.
        CTestStore store;
        QVERIFY(Import(store, {"~D|R##|P1#\\1\\1\\P2#\\1\\1\\|", "~D|P1#|F\\1\\1\\|", "~D|P2#|F\\1\\1\\|",
                               "~C|F|u|F|1|", "~D|F|X\\1\\1\\|", "~M|P2#\\F|1|8|\\b\\8\\\\\\\\|",
                               "~M|P1#\\F|1|3|\\a\\3\\\\\\\\|"})
                    .IsOk());
        const QStringList lines = Lines(store);
        QCOMPARE(lines[2], QStringLiteral("2|F|S|1|3.00000|1|3.00000"));
        QCOMPARE(Measurements(store, 3), QStringList({"1|P1#|F||a|3|1|1|1|3"}));
        QCOMPARE(lines[5], QStringLiteral("2|F|S|1|8.00000|1|8.00000"));
        QCOMPARE(Measurements(store, 6), QStringList({"1|P2#|F||b|8|1|1|1|8"}));
    }

    void conceptTwiceUnderOneParent_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::newRow("paths from the root") << QByteArray("1\\2\\") << QByteArray("1\\1\\");
        QTest::newRow("places among siblings") << QByteArray("002\\") << QByteArray("001");
    }

    void conceptTwiceUnderOneParent()
    {
        // Each occurrence takes the measurement its positions name, in
        // whatever order the file gives them.
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        CTestStore store;
        QVERIFY(Import(store, {"~D|R##|P#\\1\\1\\|", "~D|P#|F\\1\\1\\F\\1\\1\\|", "~C|F|u|F|1|", "~D|F|X\\1\\1\\|",
                               "~M|P#\\F|" + first + "|8|\\b\\8\\\\\\\\|", "~M|P#\\F|" + second + "|3|\\a\\3\\\\\\\\|"})
                    .IsOk());
        QCOMPARE(Measurements(store, 3), QStringList({"1|P#|F||a|3|1|1|1|3"}));
        QCOMPARE(Measurements(store, 5), QStringList({"1|P#|F||b|8|1|1|1|8"}));
    }

    void chapterMarksAreOptional()
    {
        // The root marked in "~C" only; "~D" and "~M" leave the marks out; the
        // lines keep the codes "~C" gives.
        CTestStore store;
        QVERIFY(Import(store, {"~C|PB##||Obra||", "~D|PB|CAP\\1\\1\\|", "~C|CAP#||Capitulo||", "~D|CAP|F\\1\\1\\|",
                               "~C|F|u|Folder|3|", "~D|F#|X\\1\\2\\|", "~C|X|h|Hora|1.5|", "~M|CAP\\F|1|4|\\m\\4\\\\\\\\|"})
                    .IsOk());
        QCOMPARE(Lines(store), QStringList({"0|PB##|S|1.0|1.00000|12.00000|12.00000", "1|CAP#|S|1|1.00000|12.00000|12.00000",
                                            "2|F|S|1|4.00000|3|12.00000", "3|X|N|1|2.00000|1.5|3.00000"}));
        QCOMPARE(Measurements(store, 3), QStringList({"1|CAP|F||m|4|1|1|1|4"}));
    }

    void missingConceptsAndRoot()
    {
        CTestStore store;
        // A code no "~C" describes gets its place only; an empty price is "0".
        QVERIFY(Import(store, {"~D|R##|A\\1\\2\\B\\1\\3\\|", "~C|B|u|Sin precio||"}).IsOk());
        QCOMPARE(Lines(store), QStringList({"0|R##|S|1.0|1.0|0.00000|0.00000", "1|A|N|1|2||", "1|B|N|1|3.00000|0|0.00000"}));
        // Without a "##" the budget is its root line, with no code.
        QVERIFY(Import(store, {"~C|A||x|1|", "~D|A|B\\1\\1\\|"}, "C").IsOk());
        QCOMPARE(Lines(store, "C"), QStringList({"0||S|1.0|1.0||"}));
    }

    void replacingAnExistingBudget()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|OLD"});
        const QStringList old = Lines(store);
        // Without replacing, an existing code changes nothing.
        CBc3ImportOutcome outcome = Import(store, {"~D|R##|A\\1\\1\\|"});
        QCOMPARE(outcome.m_status, CBc3ImportOutcome::Exists);
        QCOMPARE(outcome.Message(), QStringLiteral("Ya existe, desea reemplazarlo ? "));
        QCOMPARE(Lines(store), old);
        // A file that is not BC3 loses nothing, even when replacing.
        outcome = ImportBudgetBc3Text(store.Db(), "not a budget", "B", true);
        QCOMPARE(outcome.m_status, CBc3ImportOutcome::UnknownFormat);
        QCOMPARE(outcome.Message(), QStringLiteral("Formato desconocido"));
        QCOMPARE(Lines(store), old);
        outcome = ImportBudgetBc3(store.Db(), TestHome() + "/B.bc3", true);
        QCOMPARE(outcome.m_status, CBc3ImportOutcome::FileError);
        QCOMPARE(outcome.Message(), QStringLiteral("Error fichero .bc3"));
        QCOMPARE(Lines(store), old);
        // Replacing puts the new budget in the old one's place.
        QVERIFY(Import(store, {"~D|R##|A\\1\\1\\|"}, "B", true).IsOk());
        QCOMPARE(Lines(store).size(), 2);
        QCOMPARE(Count(store, "PRESUPUESTOS"), 1);
    }

    void decompositionsThatNeverEnd()
    {
        // Eight copies of a concept that holds eight copies of itself would
        // unfold into a billion lines; the import refuses and changes nothing.
        CTestStore store;
        const QByteArray eight = QByteArray("A\\1\\1\\").repeated(8);
        const CBc3ImportOutcome outcome = Import(store, {"~D|R##|" + eight + "|", "~D|A|" + eight + "|"});
        QCOMPARE(outcome.m_status, CBc3ImportOutcome::TooManyLines);
        QCOMPARE(Count(store, "ARTICULOS"), 0);
        QCOMPARE(Count(store, "PRESUPUESTOS"), 0);
        QCOMPARE(store.Scalar("SELECT COUNT(*) FROM IMPORTAR").toInt(), 0);
    }

    void progressOfTheImport()
    {
        CTestStore store;
        CRecordingProgress progress;
        QVERIFY(Import(store, {"~D|R##|A\\1\\1\\B\\1\\1\\|", "~C|R##||R||", "~C|A||A|1|"}, "B", false, &progress).IsOk());
        QCOMPARE(progress.m_events, QStringList({"range 0 3", "show bar", "hide bar", "show status", "hide status",
                                                 "range 0 3", "show bar"}));
        QCOMPARE(progress.m_barTexts.mid(3), QStringList({"Importando desglose 100%", "Actualizando conceptos y medidas 0%",
                                                          "Actualizando conceptos y medidas 33%",
                                                          "Actualizando conceptos y medidas 66%"}));
        QCOMPARE(progress.m_statusTexts, QStringList({"Creando presupuesto ...", "Creando presupuesto ... 3"}));
        // Line B has no concept: the bar does not move for it.
        QCOMPARE(progress.m_nPos, 2);
    }

    void budgetCodeFromFileName()
    {
        QCOMPARE(Bc3BudgetCodeFromFileName("/tmp/dir.x/Obra nueva.bc3"), QStringLiteral("Obra nueva"));
        QCOMPARE(Bc3BudgetCodeFromFileName("/tmp/a.b.bc3"), QStringLiteral("a.b"));
        QCOMPARE(Bc3BudgetCodeFromFileName("/tmp/0123456789abcdefghijKLMN.bc3"), QStringLiteral("0123456789abcdefghij"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBc3Import>(argc, argv);
}

#include "test_bc3import.moc"
