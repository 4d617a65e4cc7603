#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "measure/CMeasurementLines.h"
#include "store/CMedidasSet.h"

class TestMeasurementLines : public QObject
{
    Q_OBJECT

    static QStringList Rows(CTestStore& store)
    {
        CMedidasSet set(&store.Db());
        set.FilterLine("B", "3", "CODIGO,NUMLIN,LIN");
        set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        QStringList rows;
        for (; !set.IsEOF(); set.MoveNext())
            rows << set.m_LIN + u':' + set.m_NOMBRE + u'=' + set.m_TOTAL;
        return rows;
    }

private slots:
    void appendSaveAndDelete()
    {
        CTestStore store;
        CMeasurementLines lines(store.Doc().m_medidasSet);
        lines.Load("B", "3");
        QCOMPARE(lines.Count(), 0L);
        for (int i = 1; i <= 3; ++i)
            lines.Append("B", "3", "F", "C#", lines.Count(), {QString("L%1").arg(i), "1.0", "2", "1.0", "1.0", QString::number(i * 2)}, false);
        QCOMPARE(Rows(store), QStringList({"1:L1=2", "2:L2=4", "3:L3=6"}));
        QCOMPARE(lines.Sum(), 12.0);
        QVERIFY(store.Scalar("SELECT POSICION IS NULL AND TIPO IS NULL FROM MEDIDAS WHERE LIN = 1").toBool());

        lines.Save(2, {"Muro norte", "2", "3.5", "", "", "0.00000"});
        QCOMPARE(Rows(store)[1], QStringLiteral("2:Muro norte=0"));

        // Deleting the middle line closes the gap.
        lines.Delete(2);
        QCOMPARE(Rows(store), QStringList({"1:L1=2", "2:L3=6"}));
        QCOMPARE(lines.Sum(), 8.0);
        lines.Delete(9);
        QCOMPARE(lines.Count(), 2L);
    }

    void factorsAndLetters()
    {
        using Values = CMeasurementLines::Values;
        QCOMPARE(CMeasurementLines::ComputeTotal(Values{"", "2", "3.5", "", "", ""}, false), QStringLiteral("0.00000"));
        QCOMPARE(CMeasurementLines::ComputeTotal(Values{"", "2", "3.5", "1", "1.000", ""}, false), QStringLiteral("7.00000"));
        QCOMPARE(CMeasurementLines::ComputeTotal(Values{"", "abc", "3", "1", "1", ""}, false), QStringLiteral("0.00000"));
        // A formula that does not parse has no total; one that fails to
        // evaluate keeps the total it had.
        int position = 0;
        QVERIFY(!CMeasurementLines::ComputeTotal(Values{"b*2)+a", "1", "2", "", "", "5"}, true, &position));
        QCOMPARE(position, 4);
        QCOMPARE(CMeasurementLines::ComputeTotal(Values{"a/(b-2)", "1", "2", "", "", "5"}, true), QStringLiteral("5"));
        QCOMPARE(CMeasurementLines::SubstituteLetters("(b*b * p) *d * a", "1,00000", "2,00000", "", "3,00000"),
                 QStringLiteral("(2.00000*2.00000 * 3.1415926535897932) *3.00000 * 1.00000"));
        // Lower-case function names are altered by the substitution.
        QCOMPARE(CMeasurementLines::SubstituteLetters("abs(b)", "1", "2", "3", "4"), QStringLiteral("12s(2)"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestMeasurementLines>(argc, argv);
}

#include "test_measurementlines.moc"
