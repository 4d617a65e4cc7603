#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "store/CArticulosSet.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CMaxNivelSet.h"
#include "store/CMedidasSet.h"
#include "store/CPreciosSet.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"

class TestRecordset : public QObject
{
    Q_OBJECT

private:
    static QStringList Codes(CArticulosSet& set)
    {
        QStringList codes;
        for (set.MoveFirst(); !set.IsEOF(); set.MoveNext())
            codes << set.m_ARTICULO;
        return codes;
    }

private slots:
    void absolutePositionAfterInsertsAndDeletes()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|A", "1|C", "1|D"});
        CArticulosSet& set = store.Doc().m_articulosSet;
        set.FilterBudget("B");
        set.Requery();
        QCOMPARE(set.GetRecordCount(), 4L);

        set.SetAbsolutePosition(3);
        QCOMPARE(set.m_ARTICULO, QStringLiteral("C"));
        QCOMPARE(set.GetAbsolutePosition(), 3L);

        // A deleted row leaves the set at once; the next move lands on the row after it.
        set.Delete();
        QVERIFY(set.IsDeleted());
        set.MoveNext();
        QCOMPARE(set.m_ARTICULO, QStringLiteral("D"));
        set.SetAbsolutePosition(3);
        QCOMPARE(set.m_ARTICULO, QStringLiteral("D"));

        // An added row shows at the end until the next Requery; the current row stays current.
        set.SetAbsolutePosition(2);
        set.AddNew();
        set.m_CODIGO = "B";
        set.m_ARTICULO = "E";
        set.m_NUMLIN = "5";
        set.Update();
        QCOMPARE(set.m_ARTICULO, QStringLiteral("A"));
        set.SetAbsolutePosition(4);
        QCOMPARE(set.m_ARTICULO, QStringLiteral("E"));
        set.SetAbsolutePosition(5);
        QVERIFY(set.IsEOF());
        set.SetAbsolutePosition(0);
        QVERIFY(set.IsBOF());
        QCOMPARE(Codes(set), QStringList({"B##", "A", "D", "E"}));
    }

    void deleteWhileWalkingForward()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|A", "2|A1", "2|A2", "1|C"});
        CArticulosSet& set = store.Doc().m_articulosSet;
        set.FilterBudget("B");
        set.Requery();
        // Delete a line and its branch the way the tree does: delete, move next, repeat.
        set.SetAbsolutePosition(2);
        set.Delete();
        set.MoveNext();
        while (!set.IsEOF() && set.m_NIVEL.toInt() > 1) {
            set.Delete();
            set.MoveNext();
        }
        QCOMPARE(set.m_ARTICULO, QStringLiteral("C"));
        set.Requery();
        QCOMPARE(Codes(set), QStringList({"B##", "C"}));
    }

    void editsShowHereAtOnceAndElsewhereAfterRequery()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S", "1|A"});
        CArticulosSet& set = store.Doc().m_articulosSet;
        set.FilterBudget("B");
        set.Requery();
        CArticulosSet other(&store.Db());
        other.FilterBudget("B");
        other.Open();
        other.SetAbsolutePosition(2);

        set.SetAbsolutePosition(2);
        set.Edit();
        set.m_NOMBRE = "Hormigón";
        set.Update();
        set.MoveFirst();
        set.SetAbsolutePosition(2);
        QCOMPARE(set.m_NOMBRE, QStringLiteral("Hormigón"));

        other.Requery();
        other.SetAbsolutePosition(2);
        QCOMPARE(other.m_NOMBRE, QStringLiteral("Hormigón"));
    }

    void addNewLeavesUnassignedColumnsNull()
    {
        CTestStore store;
        CArticulosSet& set = store.Doc().m_articulosSet;
        set.AddNew();
        set.SetFieldNull(nullptr);
        set.m_CODIGO = "B";
        set.m_ARTICULO = "X";
        set.m_NUMLIN = "1";
        set.Update();
        QVERIFY(store.Scalar("SELECT FECHA IS NULL AND NOMBRE IS NULL AND NIVEL IS NULL FROM ARTICULOS WHERE ARTICULO = 'X'")
                    .toBool());

        set.FilterBudget("B");
        set.Requery();
        QVERIFY(set.IsFieldNull(&set.m_FECHA));
        QVERIFY(set.m_FECHA.IsNull());
        QVERIFY(!set.IsFieldNull(&set.m_ARTICULO));

        // Nulling a field in an edit writes NULL; giving it a value again writes the value.
        set.Edit();
        set.SetFieldNull(&set.m_ARTICULO);
        set.Update();
        QVERIFY(store.Scalar("SELECT ARTICULO IS NULL FROM ARTICULOS WHERE CODIGO = 'B'").toBool());
        set.Edit();
        set.m_FECHA = CDateValue(QDateTime(QDate(2024, 5, 6), QTime(10, 11, 12)));
        set.Update();
        set.Requery();
        QCOMPARE(set.m_FECHA.Format(), QStringLiteral("06/05/2024"));
        QCOMPARE(set.m_FECHA.DateTime().time(), QTime(10, 11, 12));
    }

    void lineNumbersOrderNumerically()
    {
        CTestStore store;
        QStringList lines{"0|B##|S"};
        for (int i = 2; i <= 12; ++i)
            lines << QStringLiteral("1|L%1").arg(i);
        store.AddBudget("B", lines);
        CArticulosSet& set = store.Doc().m_articulosSet;
        set.FilterBudget("B");
        set.Requery();
        set.SetAbsolutePosition(9);
        QCOMPARE(set.m_NUMLIN, QStringLiteral("9"));
        set.MoveNext();
        QCOMPARE(set.m_NUMLIN, QStringLiteral("10"));
        QCOMPARE(set.m_ARTICULO, QStringLiteral("L10"));
    }

    void storeTextRoundTripsWhateverTheLocale()
    {
        const QByteArray previous = setlocale(LC_ALL, nullptr);
        setlocale(LC_ALL, "es_ES.UTF-8");
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        CTestStore store;
        CArticulosSet& set = store.Doc().m_articulosSet;
        set.AddNew();
        set.m_CODIGO = "B";
        set.m_PRECIO = "1.50000";
        set.Update();
        set.FilterBudget("B");
        set.Requery();
        QCOMPARE(set.m_PRECIO, QStringLiteral("1.50000"));

        // MEDIDAS keeps numbers as numbers: the value comes back, not the text.
        CMedidasSet& medidas = store.Doc().m_medidasSet;
        medidas.AddNew();
        medidas.m_CODIGO = "B";
        medidas.m_NUMLIN = "2";
        medidas.m_TOTAL = "1.50000";
        medidas.m_LARGO = "0.1";
        medidas.Update();
        medidas.FilterLine("B", "2");
        medidas.Requery();
        QCOMPARE(StoreAtof(medidas.m_TOTAL), 1.5);
        QCOMPARE(medidas.m_LARGO, QStringLiteral("0.1"));
        QLocale::setDefault(QLocale::c());
        setlocale(LC_ALL, previous.constData());
    }

    void quoteInACode()
    {
        CTestStore store;
        store.AddBudget("O'B", {"0|O'B##|S", "1|D'X"});
        CArticulosSet& set = store.Doc().m_articulosSet;
        set.FilterBudget("O'B");
        set.Requery();
        QCOMPARE(Codes(set), QStringList({"O'B##", "D'X"}));
        set.SetAbsolutePosition(2);
        set.Edit();
        set.m_NOMBRE = "it's ' OR 1=1 --";
        set.Update();
        set.Requery();
        set.SetAbsolutePosition(2);
        QCOMPARE(set.m_NOMBRE, QStringLiteral("it's ' OR 1=1 --"));
    }

    void failedTransactionLeavesNothingBehind()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S"});
        CArticulosSet& set = store.Doc().m_articulosSet;
        try {
            CTransaction transaction(store.Db());
            set.AddNew();
            set.m_CODIGO = "B";
            set.m_ARTICULO = "NEW";
            set.Update();
            {
                // An inner step that fails rolls back only its own part...
                CTransaction inner(store.Db());
                set.AddNew();
                set.m_CODIGO = "B";
                set.m_ARTICULO = "INNER";
                set.Update();
            }
            QCOMPARE(store.Scalar("SELECT count(*) FROM ARTICULOS WHERE ARTICULO = 'INNER'").toInt(), 0);
            QCOMPARE(store.Scalar("SELECT count(*) FROM ARTICULOS WHERE ARTICULO = 'NEW'").toInt(), 1);
            // ...and a failure in the outer one undoes everything.
            store.Db().ExecuteSQL("INSERT INTO NOSUCHTABLE VALUES (1)");
            transaction.Commit();
            QFAIL("the statement should have failed");
        } catch (const CDBException& e) {
            QVERIFY2(e.m_strError.contains("NOSUCHTABLE"), qPrintable(e.m_strError));
        }
        QCOMPARE(store.Scalar("SELECT count(*) FROM ARTICULOS").toInt(), 1);
        QCOMPARE(store.Db().TransactionDepth(), 0);
    }

    void snapshotsAreReadOnly()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S"});
        CArticulosSet set(&store.Db());
        set.FilterBudget("B");
        set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        QVERIFY(!set.CanUpdate());
        QVERIFY_THROWS_EXCEPTION(CDBException, set.Edit());
        QVERIFY_THROWS_EXCEPTION(CDBException, set.AddNew());
    }

    void emptySetIsAtBothEnds()
    {
        CTestStore store;
        CArticulosSet& set = store.Doc().m_articulosSet;
        set.FilterBudget("NONE");
        set.Requery();
        QVERIFY(set.IsBOF() && set.IsEOF());
        set.MoveNext();
        QVERIFY(set.IsEOF());
        QVERIFY_THROWS_EXCEPTION(CDBException, set.Edit());
    }

    void highestLevelQuery()
    {
        CTestStore store;
        CPreciosSet& precios = store.Doc().m_preciosSet;
        for (const char* nivel : {"0", "3", "10"}) {
            precios.AddNew();
            precios.m_CODIGO = "PB";
            precios.m_TARIFA = "T1";
            precios.m_NIVEL = nivel;
            precios.Update();
        }
        CMaxNivelSet max(&store.Db());
        max.SetFilter("CODIGO = ? AND TARIFA = ?", {"PB", "T1"});
        max.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        QVERIFY(!max.IsEOF());
        QCOMPARE(max.m_MAXNIVEL, QStringLiteral("10"));
    }

    void readOnlySetsReadTheFieldsAsked()
    {
        CTestStore store;
        store.AddBudget("B", {"0|B##|S|12.5", "1|A|N|2", "1|C|N|3"});
        for (const CRecordset::OpenType type : {CRecordset::forwardOnly, CRecordset::snapshot, CRecordset::dynaset}) {
            CArticulosSet set(&store.Db());
            set.FilterBudget("B");
            set.SelectFields({&set.m_ARTICULO, &set.m_PRECIO});
            set.Open(type, {}, CRecordset::readOnly);
            QStringList read;
            for (; !set.IsEOF(); set.MoveNext()) {
                read << set.m_ARTICULO + u' ' + set.m_PRECIO + set.m_NIVEL + set.m_DESGLOSE;
                QVERIFY(set.IsFieldNull(&set.m_NIVEL) && !set.IsFieldNull(&set.m_PRECIO));
            }
            QCOMPARE(read, QStringList({"B## 12.5", "A 2", "C 3"}));
        }
        // A set that writes rows back reads them whole.
        CArticulosSet set(&store.Db());
        set.SelectFields({&set.m_ARTICULO});
        QVERIFY_THROWS_EXCEPTION(CDBException, set.Open());
        QVERIFY(!set.IsOpen());
    }

    void errorsCarryTheDriversText()
    {
        CTestStore store;
        CArticulosSet set(&store.Db());
        set.SetFilter("NOSUCHCOLUMN = ?", {1});
        try {
            set.Open();
            QFAIL("opening should fail");
        } catch (const CDBException& e) {
            QVERIFY2(e.m_strError.contains("NOSUCHCOLUMN"), qPrintable(e.m_strError));
        }
        QVERIFY(!set.IsOpen());
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestRecordset>(argc, argv);
}

#include "test_recordset.moc"
