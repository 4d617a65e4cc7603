#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "bc3/CBc3BudgetExport.h"
#include "bc3/CBc3BudgetImport.h"
#include "bc3/CBc3Reader.h"
#include "bc3/CPlainBc3Reader.h"

#include <QFile>

class TestBc3Export : public QObject
{
    Q_OBJECT

private:
    // Adds a budget from lines "NIVEL|ARTICULO|DESGLOSE|NOMBRE|MEDIDA|PRECIO|FACTOR|RENDIMIENTO|IMPORTE|DESCRIPCION|IMAGEN";
    // "{bar}" stands for a "|" inside a value.
    static void AddBudget(CTestStore& store, const QString& strCode, const QStringList& lines)
    {
        store.AddBudget(strCode, {});
        QStringList rows;
        for (const QString& line : lines)
            rows << QStringLiteral("%1|%2|").arg(strCode).arg(rows.size() + 1) + line;
        CTestStore::Insert(store.Db(), "ARTICULOS",
                           "CODIGO|NUMLIN|NIVEL|ARTICULO|DESGLOSE|NOMBRE|MEDIDA|PRECIO|FACTOR|RENDIMIENTO|IMPORTE|"
                           "DESCRIPCION|IMAGEN",
                           rows);
    }

    // Adds measurement lines "NUMLIN|LIN|PADRE|HIJO|TIPO|NOMBRE|UNIDADES|LARGO|ANCHO|ALTO|TOTAL".
    static void AddMeasurements(CTestStore& store, const QString& strCode, const QStringList& rows)
    {
        QStringList coded;
        for (const QString& row : rows)
            coded << strCode + u'|' + row;
        CTestStore::Insert(store.Db(), "MEDIDAS",
                           "CODIGO|NUMLIN|LIN|CODIGOPADRE|CODIGOHIJO|TIPO|NOMBRE|UNIDADES|LARGO|ANCHO|ALTO|TOTAL", coded);
    }

    // A kitchen: a folder used twice in one chapter, each time with
    // measurement lines of its own (a heading, a line lacking a number, a
    // formula), texts holding separators, line breaks and a character
    // Windows-1252 lacks, and a line without a code.
    static void AddKitchen(CTestStore& store)
    {
        AddBudget(store, "OBRA", {"0|OBRA##|S|Reforma de cocina||105.00000|1.0|1.0|105.00000|Memoria:\nplanta baja\\alta",
                                  "1|C01#|S|Alicatados||85.00000|1.0|1.00000|85.00000",
                                  "2|F|S|Alicatado|m2|10.00000|1|5.00000|50.00000",
                                  "3|X|N|Azulejo ~ 20x20 {bar} blanco φ|m2|10|1|1.00000|10.00000||x.jpg\\y.jpg",
                                  "2|F|S|Alicatado|m2|10.00000|1|3.50000|35.00000",
                                  "3|X|N|Azulejo ~ 20x20 {bar} blanco φ|m2|10|1|1.00000|10.00000",
                                  "1|C02#|S|Mano de obra||20.00000|1.0|1.00000|20.00000",
                                  "2|Y|N|Peón|h|20|1|1.00000|20.00000",
                                  "2||N|Sin código|u|5|1|1|5"});
        AddMeasurements(store, "OBRA", {"3|1|C01#|F||Cocina|||||0", "3|2|C01#|F||Pared norte|2|2.125|1|1|4.25",
                                        "3|3|C01#|F||Hueco|1|0.75|1||0", "3|4|C01#|F||Pared este|1|0.75|1|1|0.75",
                                        "5|1|C01#|F||Pared sur|1|3|1|1|3", "5|2|C01#|F|3|a*b|1|0.5|||0.5"});
        store.Db().ExecuteSQL("UPDATE PRESUPUESTOS SET GGEN = '13', BIND = '6.5', IVA = '21.00' WHERE CODIGO = 'OBRA'");
        store.Db().ExecuteSQL("UPDATE PARAMETROS SET NOMBRE = 'Construcciones Ebro, S.L.'");
    }

private slots:
    void handMadeBudget()
    {
        CTestStore store;
        AddKitchen(store);
        CBc3BudgetExport exporter(store.Doc());
        QCOMPARE(exporter.Open("OBRA"), CBc3BudgetExport::Ok);
        const QByteArray expected =
            "~V|Construcciones Ebro, S.L.|FIEBDC-3/2004|" + CBc3BudgetRecords::Program().toLatin1() + "||ANSI||2|||\r\n"
            // CI and BAJA are not known; the decimals are those of the numbers below.
            "~K||\\13\\6.5\\\\21|5\\5\\\\3\\5\\\\5\\5\\2\\2\\3\\5\\EUR\\||\r\n"
            "~C|OBRA##||Reforma de cocina|105.00000\\||0|\r\n"
            "~T|OBRA##|Memoria:\r\nplanta baja/alta|\r\n"
            "~D|OBRA##|C01#\\1.0\\1.00000\\C02#\\1.0\\1.00000\\|\r\n"
            "~C|C01#||Alicatados|85.00000\\||0|\r\n"
            "~D|C01#|F\\1\\5.00000\\F\\1\\3.50000\\|\r\n"
            "~C|F|m2|Alicatado|10.00000\\||0|\r\n"
            "~D|F|X\\1\\1.00000\\|\r\n"
            // Each use of F has its path: first and second entry of the first
            // chapter. The heading stays blank; the line without a height,
            // which counts 0 here, says so.
            "~M|C01#\\F|1\\1\\|5.00000|\\Cocina\\\\\\\\\\\\Pared norte\\2\\2.125\\1\\1\\\\Hueco\\1\\0.75\\1\\0\\"
            "\\Pared este\\1\\0.75\\1\\1\\|\r\n"
            "~C|F|m2|Alicatado|10.00000\\||0|\r\n"
            "~D|F|X\\1\\1.00000\\|\r\n"
            "~M|C01#\\F|1\\2\\|3.50000|\\Pared sur\\1\\3\\1\\1\\3\\a*b\\1\\0.5\\\\\\|\r\n"
            "~C|C02#||Mano de obra|20.00000\\||0|\r\n"
            // The line without a code cannot be listed, and is left out.
            "~D|C02#|Y\\1\\1.00000\\|\r\n"
            "~C|X|m2|Azulejo \x98 20x20 \xA6 blanco ?|10\\||0|\r\n"
            "~G|X|x.jpg\\y.jpg\\|\r\n"
            "~C|X|m2|Azulejo \x98 20x20 \xA6 blanco ?|10\\||0|\r\n"
            "~C|Y|h|Pe\xF3n|20\\||0|\r\n";
        QCOMPARE(exporter.Text(), expected);
        QCOMPARE(exporter.Unencodables().size(), size_t(2));
        QCOMPARE(exporter.Unencodables()[1].numlin, 6L);
        QCOMPARE(exporter.Unencodables()[1].characters, QStringLiteral("φ"));
    }

    void readAlikeHereAndElsewhere()
    {
        CTestStore store;
        AddKitchen(store);
        const QString path = TestHome() + "/copy.bc3";
        QCOMPARE(ExportBudgetBc3(store.Doc(), "OBRA", path), CBc3BudgetExport::Ok);
        QByteArray text;
        QVERIFY(CBc3Reader::ReadFile(path, text));

        // Each use of the folder gets its own measurement lines back.
        QVERIFY(ImportBudgetBc3(store.Db(), path, false).IsOk());
        QCOMPARE(store.Lines("copy"), QStringList({"1|0|OBRA##", "2|1|C01#", "3|2|F", "4|3|X", "5|2|F", "6|3|X",
                                                   "7|1|C02#", "8|2|Y"}));
        QCOMPARE(store.Scalar("SELECT group_concat(NUMLIN || ':' || NOMBRE, ' ') FROM MEDIDAS WHERE CODIGO = 'copy'").toString(),
                 QStringLiteral("3:Cocina 3:Pared norte 3:Hueco 3:Pared este 5:Pared sur 5:a*b"));
        QCOMPARE(store.Scalar("SELECT GGEN || '/' || BIND || '/' || IVA FROM PRESUPUESTOS WHERE CODIGO = 'copy'").toString(),
                 QStringLiteral("13/6.5/21"));

        // A reader of the format's rules finds the same tree and quantities;
        // the lines of the first use add up to its quantity there too, and
        // the chapters to the root's price.
        const CPlainBc3Reader reader(text);
        QVERIFY2(reader.m_problems.isEmpty(), qPrintable(reader.m_problems.join("; ")));
        QStringList nodes;
        for (const CPlainBc3Reader::Node& node : reader.m_nodes)
            nodes << QStringLiteral("%1 %2 %3").arg(node.level).arg(node.code, node.measured ? node.total : node.yield);
        QCOMPARE(nodes, QStringList({"0 OBRA## 1", "1 C01# 1.00000", "2 F 5.00000", "3 X 1.00000", "2 F 3.50000", "3 X 1.00000",
                                     "1 C02# 1.00000", "2 Y 1.00000"}));
        QCOMPARE(reader.m_nodes[2].rows, 4);
        QCOMPARE(reader.m_nodes[2].rowSum, 5.0);
        QCOMPARE(reader.m_nodes[4].rows, 2);
        QCOMPARE(reader.m_nodes[1].price.toDouble() + reader.m_nodes[6].price.toDouble(), reader.m_nodes[0].price.toDouble());
    }

    void rootOnlyBudget()
    {
        CTestStore store;
        // Made here: its name is the header's, its root line has none.
        AddBudget(store, "R", {"0|R##|S|||0.0|1.0|1.0|0.0"});
        store.Db().ExecuteSQL("UPDATE PRESUPUESTOS SET NOMBRE = 'Obra nueva' WHERE CODIGO = 'R'");
        CBc3BudgetExport exporter(store.Doc());
        QCOMPARE(exporter.Open("R"), CBc3BudgetExport::Ok);
        const QList<QByteArray> records = exporter.Text().split('\n');
        QCOMPARE(records.size(), 4);
        QCOMPARE(records[2], QByteArray("~C|R##||Obra nueva|0.0\\||0|\r"));
    }

    void filesOfEarlierVersionsStillImport()
    {
        // Written by version 1.3: the root twice, once in a shape of its
        // own, measurements at position "1" followed by an empty label.
        CTestStore store;
        const QString fixture = qEnvironmentVariable("VELMORA_SOURCE_DIR") + "/tests/bc3/data/velmora13-export.bc3";
        QByteArray text;
        QVERIFY(CBc3Reader::ReadFile(fixture, text));
        QVERIFY(ImportBudgetBc3Text(store.Db(), text, "OLD", false).IsOk());
        QCOMPARE(store.Lines("OLD"), QStringList({"1|0|COCINA##", "2|1|C01#", "3|2|F01", "4|3|X01", "5|3|MO01", "6|3|%CI",
                                                  "7|1|C02#", "8|2|MO01"}));
        QCOMPARE(store.Scalar("SELECT PRECIO || ' ' || NOMBRE FROM ARTICULOS WHERE CODIGO = 'OLD' AND NUMLIN = 1").toString(),
                 QStringLiteral("73.07363 Reforma de cocina"));
        QCOMPARE(store.Scalar("SELECT RENDIMIENTO || ' ' || PRECIO FROM ARTICULOS WHERE CODIGO = 'OLD' AND NUMLIN = 3").toString(),
                 QStringLiteral("4.25000 12.95850"));
        QCOMPARE(store.Scalar("SELECT group_concat(LIN || ':' || NOMBRE || ':' || TOTAL, ' ') FROM MEDIDAS WHERE CODIGO = 'OLD'")
                     .toString(),
                 QStringLiteral("1:Cocina:0 2:Pared norte:4.25"));

        // Written again, the root is there once.
        CBc3BudgetExport exporter(store.Doc());
        QCOMPARE(exporter.Open("OLD"), CBc3BudgetExport::Ok);
        QCOMPARE(exporter.Text().count("~C|COCINA##"), 1);
    }

    void failuresAndFileNames()
    {
        CTestStore store;
        CBc3BudgetExport exporter(store.Doc());
        QCOMPARE(exporter.Open("NONE"), CBc3BudgetExport::NoSuchBudget);
        QCOMPARE(CBc3BudgetExport::Message(CBc3BudgetExport::NoSuchBudget), QStringLiteral("No existe este presupuesto"));
        store.AddBudget("EMPTY", {});
        QCOMPARE(exporter.Open("EMPTY"), CBc3BudgetExport::EmptyBudget);
        QCOMPARE(CBc3BudgetExport::Message(CBc3BudgetExport::EmptyBudget), QStringLiteral("Presupuesto vacio"));

        store.AddBudget("B", {"0|B##|S"});
        QCOMPARE(exporter.Open("B"), CBc3BudgetExport::Ok);
        // The export reads through sets of its own: the document's stay where they were.
        QVERIFY(store.Doc().m_articulosSet.m_CODIGO.isEmpty());
        QVERIFY(store.Doc().m_presupuestosSet.m_CODIGO.isEmpty());
        QCOMPARE(exporter.Write(TestHome() + "/no/such/folder/b.bc3"), CBc3BudgetExport::FileError);
        const QString path = TestHome() + "/b.bc3";
        QCOMPARE(exporter.Write(path), CBc3BudgetExport::Ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), exporter.Text());

        QCOMPARE(CBc3BudgetExport::FileNameWithExtension("/tmp/obra"), QStringLiteral("/tmp/obra.bc3"));
        QCOMPARE(CBc3BudgetExport::FileNameWithExtension("/tmp/obra."), QStringLiteral("/tmp/obra.bc3"));
        QCOMPARE(CBc3BudgetExport::FileNameWithExtension("/tmp/obra.txt"), QStringLiteral("/tmp/obra.txt"));
        QCOMPARE(CBc3BudgetExport::FileNameWithExtension("/tmp/dir.d/obra"), QStringLiteral("/tmp/dir.d/obra.bc3"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBc3Export>(argc, argv);
}

#include "test_bc3export.moc"
