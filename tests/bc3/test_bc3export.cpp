#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "bc3/CBc3BudgetExport.h"
#include "bc3/CBc3BudgetImport.h"
#include "store/CArticulosSet.h"
#include "store/CMedidasSet.h"
#include "store/CPresupuestosSet.h"

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
        CArticulosSet set(&store.Db());
        set.FilterNone();
        set.Open();
        int numlin = 0;
        for (const QString& line : lines) {
            QStringList f = line.split(u'|');
            f.replaceInStrings(QStringLiteral("{bar}"), QStringLiteral("|"));
            set.AddNew();
            set.SetFieldNull(nullptr);
            set.m_CODIGO = strCode;
            set.m_NUMLIN = QString::number(++numlin);
            set.m_NIVEL = f.value(0);
            set.m_ARTICULO = f.value(1);
            set.m_DESGLOSE = f.value(2);
            set.m_NOMBRE = f.value(3);
            set.m_MEDIDA = f.value(4);
            set.m_PRECIO = f.value(5);
            set.m_FACTOR = f.value(6);
            set.m_RENDIMIENTO = f.value(7);
            set.m_IMPORTE = f.value(8);
            set.m_DESCRIPCION = f.value(9);
            set.m_IMAGEN = f.value(10);
            set.Update();
        }
    }

    // Adds measurement lines "NUMLIN|LIN|PADRE|HIJO|TIPO|NOMBRE|UNIDADES|LARGO|ANCHO|ALTO".
    static void AddMeasurements(CTestStore& store, const QString& strCode, const QStringList& rows)
    {
        CMedidasSet set(&store.Db());
        set.FilterNone();
        set.Open();
        for (const QString& row : rows) {
            const QStringList f = row.split(u'|');
            set.AddNew();
            set.SetFieldNull(nullptr);
            set.m_CODIGO = strCode;
            set.m_NUMLIN = f.value(0);
            set.m_LIN = f.value(1);
            set.m_CODIGOPADRE = f.value(2);
            set.m_CODIGOHIJO = f.value(3);
            set.m_TIPO = f.value(4);
            set.m_NOMBRE = f.value(5);
            set.m_UNIDADES = f.value(6);
            set.m_LARGO = f.value(7);
            set.m_ANCHO = f.value(8);
            set.m_ALTO = f.value(9);
            set.Update();
        }
    }

    static QByteArray Export(CTestStore& store, const QString& strCode)
    {
        CBc3BudgetExport exporter(store.Doc());
        if (exporter.Open(strCode) != CBc3BudgetExport::Ok)
            return "not opened";
        return exporter.Text();
    }

    static QList<QByteArray> Records(const QByteArray& text)
    {
        QList<QByteArray> records = text.split('\n');
        if (!records.isEmpty() && records.last().isEmpty())
            records.removeLast();
        for (QByteArray& record : records) {
            if (!record.endsWith('\r'))
                return {"line without CR: " + record};
            record.chop(1);
        }
        return records;
    }

    static const QByteArray& Header()
    {
        static const QByteArray header = "~V|EDICIONES TRESCA, S.L.|FIEBDC-3/2004|Velmora 1.3||ANSI|\r\n"
                                         "~K||0\\0\\0\\0\\0|3\\2\\3\\3\\3\\3\\2\\5\\5\\3\\3\\3\\EUR\\|ANSI|\r\n";
        return header;
    }

private slots:
    void rootOnlyBudget()
    {
        CTestStore store;
        AddBudget(store, "R", {"0|R##|S|Obra nueva||0.0|1.0|1.0|12.5"});
        QCOMPARE(Export(store, "R"), Header() + "~C|R##\\||Obra nueva|12.5\\|\\||||\r\n~C|R##||Obra nueva|0.0\\|||\r\n");
    }

    void linesAndRecords()
    {
        CTestStore store;
        AddBudget(store, "B", {"0|B##|S|Obra||0|1.0|1.0|0|Memoria",
                               "1|C1#|S|Cap 1||0|1|1|0",
                               "2|F|S|Muro|m2|20|1|9.00000|180|Muro de ladrillo|muro.jpg",
                               "3|X|N|Hora|h|2|1|0.5|1|Hora de oficial|x.jpg",
                               "1|C2#|S|Cap 2||0|1|1|0",
                               "2|X|N|Hora|h|2|1|3|6"});
        AddMeasurements(store, "B", {"3|3|C1#|F|3|2*2|1|1|1|1", "3|1|C1#|F||Planta baja|2|1.5|1|1",
                                     "3|2|C1#|F||Planta alta|1|3|1|1", "4|1|F|X||no|1|1|1|1"});
        const QList<QByteArray> records = Records(Export(store, "B"));
        QCOMPARE(records.mid(2), QList<QByteArray>({
            "~C|B##\\||Obra|0\\|\\||||",
            "~C|B##||Obra|0\\|||",
            "~T|B##|Memoria|",
            "~D|B##|C1#\\1\\1\\C2#\\1\\1\\|",
            "~C|C1#||Cap 1|0\\|||",
            "~D|C1#|F\\1\\9.00000\\|",
            // Lines with breakdown never get "~G"; the measurement lines go in LIN order.
            "~C|F|m2|Muro|20\\|||",
            "~T|F|Muro de ladrillo|",
            "~D|F|X\\1\\0.5\\|",
            "~M|C1#\\F|1|9.00000|\\Planta baja\\2\\1.5\\1\\1\\\\Planta alta\\1\\3\\1\\1\\3\\2*2\\1\\1\\1\\1\\||",
            "~C|C2#||Cap 2|0\\|||",
            "~D|C2#|X\\1\\3\\|",
            // A concept used twice is written twice; concepts never get "~D" or "~M".
            "~C|X\\|h|Hora|2\\|||",
            "~T|X|Hora de oficial|",
            "~G|X|x.jpg|",
            "~C|X\\|h|Hora|2\\|||",
        }));
    }

    void textsInWindows1252()
    {
        CTestStore store;
        // Separators inside texts would cut the records: they become look-alikes.
        AddBudget(store, "B", {"0|B##|S|Año φ “1”||0|1|1|0", "1|A\\1|N|a{bar}|b~c|0|1|1|0"});
        const QList<QByteArray> records = Records(Export(store, "B"));
        QCOMPARE(records.value(2), QByteArray("~C|B##\\||A\xF1o ? \x93" "1\x94|0\\|\\||||"));
        QCOMPARE(records.value(4), QByteArray("~D|B##|A/1\\1\\1\\|"));
        QCOMPARE(records.value(5), QByteArray("~C|A/1\\|b\x98" "c|a\xA6|0\\|||"));
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

    void exportedBudgetImportsBack()
    {
        CTestStore store;
        AddBudget(store, "B", {"0|B##|S|Obra||0|1.0|1.0|0", "1|C#|S|Capítulo||0|1|1|0",
                               "2|F|S|Muro|m2|20|1|3.00000|60", "3|Y|N|Peón|h|2|1|4|8", "3|X|N|Hora|h|2|1|6|12"});
        AddMeasurements(store, "B", {"3|1|C#|F||Planta|3|1|1|1"});
        QCOMPARE(ExportBudgetBc3(store.Doc(), "B", TestHome() + "/copy"), CBc3BudgetExport::Ok);
        QVERIFY(ImportBudgetBc3(store.Db(), TestHome() + "/copy.bc3", false).IsOk());
        // Children come back in the order they had, at every level.
        QCOMPARE(store.Lines("copy"), QStringList({"1|0|B##", "2|1|C#", "3|2|F", "4|3|Y", "5|3|X"}));
        QCOMPARE(store.Scalar("SELECT NOMBRE FROM ARTICULOS WHERE CODIGO = 'copy' AND NUMLIN = 4").toString(),
                 QStringLiteral("Peón"));
        QCOMPARE(store.Scalar("SELECT RENDIMIENTO FROM ARTICULOS WHERE CODIGO = 'copy' AND NUMLIN = 3").toString(),
                 QStringLiteral("3.00000"));
        QCOMPARE(store.Scalar("SELECT NOMBRE FROM MEDIDAS WHERE CODIGO = 'copy' AND NUMLIN = 3").toString(),
                 QStringLiteral("Planta"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBc3Export>(argc, argv);
}

#include "test_bc3export.moc"
