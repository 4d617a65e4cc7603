#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "admin/CBudgetAdmin.h"
#include "admin/CBudgetHeader.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CMedidasSet.h"

class TestBudgetAdmin : public QObject
{
    Q_OBJECT

    static CBudgetHeader Header(const QString& code, const QString& name)
    {
        CBudgetHeader header = CBudgetHeader::New();
        header.m_strCodigo = code;
        header.m_strNombre = name;
        header.m_strGgen = "13";
        header.m_strNumFac = "F-1";
        return header;
    }

private slots:
    void newBudgetHasItsRootLine()
    {
        CTestStore store;
        CBudgetAdmin::Create(store.Db(), Header("P1", "Casa"));
        QCOMPARE(store.Lines("P1"), QStringList({"1|0|P1##"}));
        QCOMPARE(store.Scalar("SELECT DESGLOSE || FACTOR || '/' || RENDIMIENTO || '/' || PRECIO || '/' || IMPORTE "
                              "FROM ARTICULOS WHERE CODIGO = 'P1'")
                     .toString(),
                 QStringLiteral("S1.0/1.0/0.0/0.0"));
        QVERIFY(store.Scalar("SELECT FECHA IS NULL AND NOMBRE IS NULL FROM ARTICULOS WHERE CODIGO = 'P1'").toBool());
        // The invoice's data is not part of a new budget.
        QVERIFY(store.Scalar("SELECT NUMFAC IS NULL AND FECFAC IS NULL AND FECENT IS NOT NULL FROM PRESUPUESTOS").toBool());
        QCOMPARE(store.Scalar("SELECT GGEN FROM PRESUPUESTOS").toString(), QStringLiteral("13"));
    }

    void duplicateCodeWritesNothing()
    {
        CTestStore store;
        CBudgetAdmin::Create(store.Db(), Header("P1", "Casa"));
        QVERIFY(CBudgetAdmin::Exists(store.Db(), "P1"));
        QVERIFY(!CBudgetAdmin::Exists(store.Db(), "p1"));
        QVERIFY_THROWS_EXCEPTION(CDBException, CBudgetAdmin::Create(store.Db(), Header("P1", "Otra")));
        QCOMPARE(store.Scalar("SELECT count(*) FROM PRESUPUESTOS").toInt(), 1);
        QCOMPARE(store.Scalar("SELECT count(*) FROM ARTICULOS").toInt(), 1);
        QCOMPARE(store.Scalar("SELECT NOMBRE FROM PRESUPUESTOS").toString(), QStringLiteral("Casa"));
    }

    void copyTakesLinesAndMeasurements()
    {
        CTestStore store;
        store.AddBudget("SRC", {"0|SRC##|S", "1|C1#|S", "2|F|S|3|2|6"}, "Origen");
        CMedidasSet& medidas = store.Doc().m_medidasSet;
        for (int lin = 1; lin <= 2; ++lin) {
            medidas.AddNew();
            medidas.m_CODIGO = "SRC";
            medidas.m_NUMLIN = "3";
            medidas.m_LIN = QString::number(lin);
            medidas.m_CODIGOHIJO = "F";
            medidas.m_CODIGOPADRE = "C1#";
            medidas.m_TOTAL = "1";
            medidas.Update();
        }
        CBudgetAdmin::Copy(store.Db(), "SRC", Header("DST", "Copia"));
        QCOMPARE(store.Lines("DST"), QStringList({"1|0|DST##", "2|1|C1#", "3|2|F"}));
        QCOMPARE(store.Scalar("SELECT count(*) FROM MEDIDAS WHERE CODIGO = 'DST' AND NUMLIN = 3 AND CODIGOPADRE = 'C1#'").toInt(), 2);
        QCOMPARE(store.Scalar("SELECT PRECIO || '/' || RENDIMIENTO FROM ARTICULOS WHERE CODIGO = 'DST' AND NUMLIN = 3").toString(),
                 QStringLiteral("3/2"));
        QCOMPARE(store.Scalar("SELECT NOMBRE FROM PRESUPUESTOS WHERE CODIGO = 'DST'").toString(), QStringLiteral("Copia"));
        // The source is untouched.
        QCOMPARE(store.Lines("SRC").size(), 3);
        QCOMPARE(store.Scalar("SELECT count(*) FROM MEDIDAS WHERE CODIGO = 'SRC'").toInt(), 2);
    }

    void deleteRemovesEverything()
    {
        CTestStore store;
        store.AddBudget("A", {"0|A##|S"}, "Alfa");
        store.AddBudget("O'B", {"0|O'B##|S", "1|X"}, "Beta");
        store.Db().ExecuteSQL("INSERT INTO MEDIDAS (CODIGO, NUMLIN, LIN) VALUES ('O''B', 2, 1)");
        CBudgetAdmin::Delete(store.Db(), "O'B");
        QCOMPARE(store.Scalar("SELECT count(*) FROM ARTICULOS WHERE CODIGO <> 'A'").toInt(), 0);
        QCOMPARE(store.Scalar("SELECT count(*) FROM MEDIDAS").toInt(), 0);
        const auto list = CBudgetAdmin::List(store.Db());
        QCOMPARE(int(list.size()), 1);
        QCOMPARE(list[0].code, QStringLiteral("A"));
    }

    void listIsInNameOrderAsAReaderExpects()
    {
        CTestStore store;
        const QStringList names = {"Avenida", "Reforma local", "obra nueva", "zona verde", "Ático Gràcia",
                                   "Éixample", "Ñandú", "nave", "Reforma local"};
        for (int i = 0; i < names.size(); ++i) {
            const QString code = QStringLiteral("P%1").arg(names.size() - i);
            store.AddBudget(code, {"0|" + code + "##|S"}, names[i]);
        }
        QStringList listed;
        for (const CBudgetAdmin::Entry& entry : CBudgetAdmin::List(store.Db()))
            listed << entry.code + u' ' + entry.name;
        // Capitals and accents make no difference; equal names go by code.
        QCOMPARE(listed, QStringList({"P5 Ático Gràcia", "P9 Avenida", "P4 Éixample", "P2 nave", "P3 Ñandú",
                                      "P7 obra nueva", "P1 Reforma local", "P8 Reforma local", "P6 zona verde"}));
        QCOMPARE(CBudgetAdmin::LineCount(store.Db(), "P1"), 1L);
        QCOMPARE(CBudgetAdmin::LineCount(store.Db(), "NONE"), 0L);
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBudgetAdmin>(argc, argv);
}

#include "test_budgetadmin.moc"
