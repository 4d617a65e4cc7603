#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "Bc3TestSupport.h"
#include "bc3/CBc3Staging.h"
#include "store/CDatabase.h"


class TestBc3Staging : public QObject
{
    Q_OBJECT

private:
    // The staged rows of one kind, "CODPADRE|CODHIJO|NOMBRE|DESCRIPCION|FACTOR|RENDIMIENTO|IMAGEN|MEDIDA|PRECIO"
    // with NULL for a NULL column, in the order they were staged.
    static QStringList Rows(CTestStore& store, const QString& strIdentifier, const QString& strTipo)
    {
        return CTestStore::Rows(store.Db(),
                                "SELECT CODPADRE, CODHIJO, NOMBRE, DESCRIPCION, FACTOR, RENDIMIENTO, IMAGEN, MEDIDA, "
                                "PRECIO FROM IMPORTAR WHERE CODIGO = ? AND TIPO = ? ORDER BY ID",
                                {strIdentifier, strTipo}, "NULL");
    }

    static CBc3StageResult Stage(CTestStore& store, const QByteArray& text, EBc3Staging variant,
                                 const QString& strIdentifier = QStringLiteral("P"))
    {
        return StageBc3Records(store.Db(), text, strIdentifier, variant);
    }

private slots:
    void decompositionEntries()
    {
        CTestStore store;
        const QByteArray text = Bc3File({"~D|A##|B\\\\\\C\\2\\.5\\|"});
        CBc3StageResult result = Stage(store, text, EBc3Staging::Budget);
        QCOMPARE(result.m_strRoot, QStringLiteral("A##"));
        QCOMPARE(Rows(store, "P", "D"), QStringList({"A##|B|NULL|NULL|1.0|1.0|NULL|NULL|NULL",
                                                     "A##|C|NULL|NULL|2|0.5|NULL|NULL|NULL"}));
        Stage(store, text, EBc3Staging::Price);
        QCOMPARE(Rows(store, "P", "D"), QStringList({"A##|B|NULL|NULL|1.0|1.0|NULL|NULL|0",
                                                     "A##|C|NULL|NULL|1.0|0.5|NULL|NULL|0"}));
    }

    void decompositionSpreadOverLines()
    {
        // Codes and numbers lose the blanks and line breaks around them.
        CTestStore store;
        Stage(store, Bc3File({"~D|OBRA##\r\n|CAP1#\\\\1\r\n\\CAP2#\\ 2 \\\r\n\\|"}), EBc3Staging::Budget);
        QCOMPARE(Rows(store, "P", "D"), QStringList({"OBRA##|CAP1#|NULL|NULL|1.0|1|NULL|NULL|NULL",
                                                     "OBRA##|CAP2#|NULL|NULL|2|1.0|NULL|NULL|NULL"}));
    }

    void repeatedAndAddedDecompositions()
    {
        // A second "~D" of a parent replaces its decomposition; "~Y" adds to it.
        CTestStore store;
        Stage(store, Bc3File({"~D|X|A\\1\\1\\B\\1\\1\\|", "~D|X|A\\1\\1\\B\\1\\1\\|", "~Y|X|C\\1\\3\\|", "~Y|Z|D\\1\\1\\|"}),
              EBc3Staging::Budget);
        QStringList children;
        for (const QString& row : Rows(store, "P", "D"))
            children << row.section(u'|', 0, 1);
        QCOMPARE(children, QStringList({"X|A", "X|B", "X|C", "Z|D"}));
    }

    void conceptPrices()
    {
        CTestStore store;
        const QByteArray text = Bc3File({"~C|A\\SYN|m2|Muro|12.5\\13\\|010101|0|", "~C|B|| Sin precio ||"});
        Stage(store, text, EBc3Staging::Budget);
        QCOMPARE(Rows(store, "P", "C"), QStringList({"A|NULL|Muro|NULL|NULL|NULL|NULL|m2|12.5",
                                                     "B|NULL| Sin precio|NULL|NULL|NULL|NULL|NULL|0"}));
        const CBc3StageResult result = Stage(store, text, EBc3Staging::Price);
        QCOMPARE(result.m_nNewConcepts, 2);
        QCOMPARE(Rows(store, "P", "C"), QStringList({"A|NULL|Muro|12.5\\13\\|NULL|NULL|NULL|m2|0",
                                                     "B|NULL| Sin precio|NULL|NULL|NULL|NULL|NULL|0"}));
    }

    void textsBudgetAndPrice()
    {
        CTestStore store;
        const QByteArray text = Bc3File({"~T|A|First text  \r\n|", "~C|A|u|Name|3|", "~T|A|Second|", "~G|A|a.jpg\\b.png\\ |"});
        // Budget: the text goes into the concept row, which "~C" then completes; the last text wins.
        CBc3StageResult result = Stage(store, text, EBc3Staging::Budget);
        QCOMPARE(Rows(store, "P", "C"), QStringList({"A|NULL|Name|Second|NULL|NULL|a.jpg\\b.png|u|3"}));
        QVERIFY(Rows(store, "P", "T").isEmpty());
        // Price base: texts in a row of their own, joined; the concept row is counted only for "~C".
        result = Stage(store, text, EBc3Staging::Price);
        QCOMPARE(result.m_nNewConcepts, 1);
        QCOMPARE(result.m_nNewTexts, 1);
        QCOMPARE(Rows(store, "P", "T"), QStringList({"A|NULL|NULL|First textSecond|NULL|NULL|NULL|NULL|NULL"}));
        QCOMPARE(Rows(store, "P", "C"), QStringList({"A|NULL|Name|3\\|NULL|NULL|a.jpg\\b.png|u|0"}));
    }

    void measurementRecords()
    {
        CTestStore store;
        Stage(store, Bc3File({"~M|A\\B|1|2.5|1\\x\\2\\3\\4\\5\\|", "~M|C| 1 | 7 ||"}), EBc3Staging::Budget);
        QCOMPARE(Rows(store, "P", "M"), QStringList({"A|B|NULL|1\\x\\2\\3\\4\\5\\|NULL|2.5|NULL|NULL|NULL",
                                                     "NULL|C|NULL|NULL|NULL|7|NULL|NULL|NULL"}));
        // A price base has no measurements.
        Stage(store, Bc3File({"~M|A\\B|1|2.5|1\\x\\2\\3\\4\\5\\|"}), EBc3Staging::Price);
        QVERIFY(Rows(store, "P", "M").isEmpty());
    }

    void codePagesOfTexts()
    {
        CTestStore store;
        // 850 converts summaries, texts and measurement comments; codes and units read as ANSI.
        CBc3StageResult result = Stage(store, Bc3File({"~V|o|FIEBDC-3/2002|p||850|", "~C|A\xA4|m\xB2|Pe\xA2n|1|",
                                                       "~T|A\xA4|Ca\xA4" "o|", "~M|X\\A\xA4|1|2|\\Ba\xA4o\\2\\\\\\\\|"}),
                                       EBc3Staging::Budget);
        QCOMPARE(result.m_nCodePage, 850);
        QCOMPARE(Rows(store, "P", "C"), QStringList({"A¤|NULL|Peón|Caño|NULL|NULL|NULL|m²|1"}));
        QCOMPARE(Rows(store, "P", "M").value(0).section(u'|', 3, 3), QStringLiteral("\\Baño\\2\\\\\\\\"));

        // FIEBDC-3/95 headers name no character set: DOS text.
        result = Stage(store, Bc3File({"~V|o|FIEBDC-3/95|p|", "~C|A||Pe\xA2n|1|"}), EBc3Staging::Budget);
        QCOMPARE(result.m_nCodePage, 850);
        QCOMPARE(Rows(store, "P", "C").value(0).section(u'|', 2, 2), QStringLiteral("Peón"));

        // "ANSI" declared over UTF-8, and over Windows-1252.
        Stage(store, Bc3File({"~V|o|FIEBDC-3/2004|p||ANSI|", "~C|A||Pe\xC3\xB3n|1|", "~C|B||Pe\xF3n|1|"}),
              EBc3Staging::Budget);
        QCOMPARE(Rows(store, "P", "C").value(0).section(u'|', 2, 2), QStringLiteral("Peón"));
        QCOMPARE(Rows(store, "P", "C").value(1).section(u'|', 2, 2), QStringLiteral("Peón"));
    }

    void rootCode()
    {
        CTestStore store;
        // The last "##" parent of "~D" wins.
        QCOMPARE(Stage(store, Bc3File({"~D|R1##|A\\1\\1\\|", "~D|R2##|B\\1\\1\\|", "~C|C3##||x||"}), EBc3Staging::Budget).m_strRoot,
                 QStringLiteral("R2##"));
        // With no "~D" marking one, the concept marked "##".
        QCOMPARE(Stage(store, Bc3File({"~C|PB##\\0||Obra||", "~D|PB|A\\1\\1\\|"}), EBc3Staging::Budget).m_strRoot,
                 QStringLiteral("PB##"));
        QCOMPARE(Stage(store, Bc3File({"~C|A||x||", "~D|A|B\\1\\1\\|"}), EBc3Staging::Budget).m_strRoot, QString());
    }

    void stagingReplacesOnlyItsOwnRows()
    {
        CTestStore store;
        Stage(store, Bc3File({"~C|A||x|1|"}), EBc3Staging::Budget, "ONE");
        Stage(store, Bc3File({"~C|B||y|2|"}), EBc3Staging::Budget, "TWO");
        Stage(store, Bc3File({"~C|C||z|3|"}), EBc3Staging::Budget, "ONE");
        QCOMPARE(Rows(store, "ONE", "C").size(), 1);
        QVERIFY(Rows(store, "ONE", "C").first().startsWith("C|"));
        QVERIFY(Rows(store, "TWO", "C").first().startsWith("B|"));
    }

    void progressOverTheRecords()
    {
        CTestStore store;
        CRecordingProgress progress;
        const QByteArray text = Bc3File({"~V||||ANSI|", "~C|A||x|1|", "~X|ignored|", "~C|B||y|2|"});
        StageBc3Records(store.Db(), text, "P", EBc3Staging::Budget, &progress);
        QCOMPARE(progress.m_events, QStringList({"range 0 4", "show bar"}));
        QCOMPARE(progress.m_barTexts, QStringList({"0%", "Importando desglose 25%", "Importando desglose 50%",
                                                   "Importando desglose 75%", "Importando desglose 100%"}));
        QCOMPARE(progress.m_nPos, 4);
        QCOMPARE(progress.m_nPumps, 0);
        // The price-base import keeps its window answering.
        StageBc3Records(store.Db(), text, "P", EBc3Staging::Price, &progress);
        QCOMPARE(progress.m_nPumps, 4);
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBc3Staging>(argc, argv);
}

#include "test_bc3staging.moc"
