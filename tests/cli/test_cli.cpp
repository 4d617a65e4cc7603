#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "app/CProfile.h"
#include "bc3/Bc3TestSupport.h"
#include "cli/CCommandLineTool.h"
#include "store/CDataSourceRegistry.h"

#include <QFile>
#include <clocale>

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
    void initTestCase() { m_db = TestHome() + "/cli/Tresca.db"; }

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

    void messagesFollowTheLanguageSetting()
    {
        CProfile::WriteProfileString("Settings", "idioma", "1");
        const Result catalan = Run({"--database", m_db, "show-budget", "NADA"});
        CProfile::WriteProfileString("Settings", "idioma", "0");
        QCOMPARE(catalan.err, QStringLiteral("No existeix aquest pressupost: NADA\n"));
        QCOMPARE(Run({"--database", m_db, "show-budget", "NADA"}).err, QStringLiteral("No existe este presupuesto: NADA\n"));
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

    void formula_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("default x") << QStringList{"formula", "x*1000"} << 0 << "12.300000000000001\n0\n\n";
        QTest::newRow("given x") << QStringList{"formula", "2,5*x", "--x", "4"} << 0 << "10\n0\n\n";
        QTest::newRow("x first, zero") << QStringList{"formula", "--x=0", "x"} << 0
                                       << "1.1754943508222875e-38\n0\n\n";
        QTest::newRow("evaluation error") << QStringList{"formula", "1/3/0"} << 0
                                          << "0.33333333333333331\n0\n Divide by zero!\n";
        QTest::newRow("parse error") << QStringList{"formula", "2 + Q"} << 0
                                     << "2\n3\nError found on position 3!\n";
        QTest::newRow("empty formula") << QStringList{"formula", ""} << 0 << "0\n0\n\n";
        QTest::newRow("no formula") << QStringList{"formula"} << 2 << "";
        QTest::newRow("x without a value") << QStringList{"formula", "x", "--x"} << 2 << "";
        QTest::newRow("x that is not a number") << QStringList{"formula", "x", "--x", "1,5"} << 2 << "";
    }

    void formula()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        // The printed value must not follow the process locale (when the
        // machine has a locale with a decimal comma).
        const bool bCommaLocale = std::setlocale(LC_NUMERIC, "es_ES.UTF-8") != nullptr;
        const Result result = Run(arguments);
        if (bCommaLocale)
            std::setlocale(LC_NUMERIC, "C");
        QCOMPARE(result.status, status);
        if (status == 0)
            QCOMPARE(result.out, output);
        else
            QVERIFY(!result.err.isEmpty());
    }

    void bc3ImportAndExport()
    {
        const QString database = TestHome() + "/bc3.db";
        const QString file = TestHome() + "/Obra 'uno'.bc3";
        QFile bc3(file);
        QVERIFY(bc3.open(QIODevice::WriteOnly));
        bc3.write(Bc3File({"~V||FIEBDC-3/2004|||ANSI|", "~C|R##||Obra|0|", "~D|R##|F\\1\\1\\|", "~C|F|u|F|2|",
                           "~D|F|X\\1\\1\\|", "~M|R##\\F|1|3|\\a\\1\\1\\1\\3\\|"}));
        bc3.close();
        const auto run = [&](const QStringList& arguments) {
            const Result result = Run(QStringList{"--database", database} + arguments);
            return std::make_pair(result.status, result.out + result.err);
        };
        QCOMPARE(run({"import-budget", file}),
                 std::make_pair(0, QStringLiteral("Presupuesto Obra 'uno': 3 líneas, 1 líneas de medición\n")));
        const auto again = run({"import-budget", file});
        QCOMPARE(again.first, 1);
        QVERIFY(again.second.contains("--replace"));
        QCOMPARE(run({"import-budget", file, "--replace"}).first, 0);
        QCOMPARE(run({"export-budget", "Obra 'uno'", TestHome() + "/out"}),
                 std::make_pair(0, TestHome() + "/out.bc3\n"));
        QVERIFY(QFile::exists(TestHome() + "/out.bc3"));
        const auto missing = run({"export-budget", "none", TestHome() + "/none.bc3"});
        QCOMPARE(missing.first, 1);
        QVERIFY(missing.second.contains("No existe este presupuesto"));
        QCOMPARE(run({"import-budget"}).first, 2);

        CTestStore store("bc3.db");
        QCOMPARE(store.Scalar("SELECT count(*) FROM ARTICULOS WHERE CODIGO = ?", {"Obra 'uno'"}).toInt(), 3);
        QCOMPARE(store.Scalar("SELECT count(*) FROM MEDIDAS WHERE CODIGO = ?", {"Obra 'uno'"}).toInt(), 1);
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestCli>(argc, argv);
}

#include "test_cli.moc"
