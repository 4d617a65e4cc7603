#include "support/CTestStore.h"
#include "support/PdfText.h"
#include "support/TestMain.h"

#include "app/CCommandLineTool.h"
#include "store/CDataSourceRegistry.h"
#include "store/CDatabase.h"

#include <QFile>

namespace {

struct Result {
    int status;
    QString out;
    QString err;
};

Result Run(const QStringList& arguments)
{
    QString out;
    QString err;
    int status;
    {
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        CCommandLineTool tool(outStream, errStream);
        status = tool.Run(arguments);
    }
    return {status, out, err};
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QString m_db;

private slots:
    void initTestCase()
    {
        m_db = TestHome() + "/cli/Tresca.db";
        CCommandLineTool::AddPrintCommand();
    }

    void initCreatesAndReportsThePath()
    {
        const Result result = Run({"--database", m_db, "init"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out.trimmed(), m_db);
        QVERIFY(QFile::exists(m_db));
        QVERIFY(!CDataSourceRegistry::Exists("Velmora"));
    }

    void budgetsThroughTheCommandLine()
    {
        QCOMPARE(Run({"--database", m_db, "new-budget", "OBRA1", "--name", "Reforma cocina"}).status, 0);
        QCOMPARE(Run({"--database", m_db, "new-budget", "A'2", "--name", "Baño"}).status, 0);
        const Result duplicate = Run({"--database", m_db, "new-budget", "OBRA1"});
        QCOMPARE(duplicate.status, 1);
        QVERIFY(duplicate.err.contains("Ya existe este presupuesto"));

        QCOMPARE(Run({"--database", m_db, "list-budgets"}).out, QStringLiteral("A'2\tBaño\nOBRA1\tReforma cocina\n"));
        QCOMPARE(Run({"--database", m_db, "copy-budget", "OBRA1", "OBRA2"}).status, 0);
        const Result shown = Run({"--database", m_db, "show-budget", "OBRA2"});
        QCOMPARE(shown.status, 0);
        QVERIFY2(shown.out.startsWith("1\t0\tOBRA2##\t\t\t0.0\t1.0\t0.0\n"), qPrintable(shown.out));
        QVERIFY(shown.out.contains("\nTOTAL\t"));

        QCOMPARE(Run({"--database", m_db, "delete-budget", "OBRA2"}).status, 0);
        QCOMPARE(Run({"--database", m_db, "delete-budget", "OBRA2"}).status, 1);
        QCOMPARE(Run({"--database", m_db, "show-budget", "NADA"}).status, 1);
    }

    void badCommandLines()
    {
        QCOMPARE(Run({}).status, 2);
        QCOMPARE(Run({"--database", m_db, "frobnicate"}).status, 2);
        QCOMPARE(Run({"--bogus", "init"}).status, 2);
        QCOMPARE(Run({"--database", m_db, "new-budget", QString(21, 'X')}).status, 1);
        QCOMPARE(Run({"--help"}).status, 0);
    }

    void unreadableDatabaseIsReported()
    {
        const QString path = TestHome() + "/cli/garbage.db";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2048, 'g'));
        file.close();
        const Result result = Run({"--database", path, "list-budgets"});
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains(path) && result.err.contains("not a database"), qPrintable(result.err));
    }

    void printToPdf()
    {
        const QString db = TestHome() + "/cli/print.db";
        QCOMPARE(Run({"--database", db, "init"}).status, 0);
        {
            CDatabase database;
            database.OpenFile(db);
            CTestStore::AddBudget(database, "OBRA", {"0|OBRA##|S|0|1|50", "1|C01#|S|50|1|50", "2|DEM010|N|12.5|4|50"});
        }
        const QString pdf = TestHome() + "/cli/obra.pdf";
        QCOMPARE(Run({"--database", db, "print", "OBRA"}).status, 2);
        QCOMPARE(Run({"--database", db, "print", "OBRA", "--pdf", pdf, "--date", "31/02/2024"}).status, 2);
        QCOMPARE(Run({"--database", db, "print", "OBRA", "--pdf", pdf, "--number", "12345678901"}).status, 2);
        QCOMPARE(Run({"--database", db, "print", "NADA", "--pdf", pdf}).status, 1);
        QVERIFY(!QFile::exists(pdf));

        const Result budget = Run({"--database", db, "print", "OBRA", "--pdf", pdf, "--no-codes", "--level", "1"});
        QCOMPARE(budget.status, 0);
        QVERIFY2(budget.out.contains("1 páginas"), qPrintable(budget.out));
        QString text = PdfText(pdf);
        QVERIFY(text.contains("PRESUPUESTO"));
        QVERIFY(text.contains("pag. 1/1"));
        QVERIFY(!text.contains("CODIGO"));
        QVERIFY(!text.contains("DEM010"));

        // An invoice that could not be written keeps no number.
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QCOMPARE(Run({"--database", db, "print", "OBRA", "--pdf", TestHome() + "/cli/no/such/f.pdf", "--invoice",
                      "--number", "F-1"})
                     .status,
                 1);
        {
            CDatabase database;
            database.OpenFile(db);
            QVERIFY(CTestStore::Scalar(database, "SELECT NUMFAC FROM PRESUPUESTOS").toString().isEmpty());
        }
        const Result invoice =
            Run({"--database", db, "print", "OBRA", "--pdf=" + pdf, "--invoice", "--number", "F-9", "--date", "5/3/2024"});
        QCOMPARE(invoice.status, 0);
        text = PdfText(pdf);
        QVERIFY2(text.contains("FACTURA: F-9") && text.contains("FECHA: 05-03-2024"), qPrintable(text));
        QVERIFY(text.contains("DEM010"));
        CDatabase database;
        database.OpenFile(db);
        QCOMPARE(CTestStore::Scalar(database, "SELECT NUMFAC || ' ' || FECFAC FROM PRESUPUESTOS").toString(),
                 "F-9 2024-03-05 00:00:00");
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestCli>(argc, argv);
}

#include "test_cli.moc"
