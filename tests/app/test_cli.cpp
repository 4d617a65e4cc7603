#include "support/TestMain.h"

#include "app/CCommandLineTool.h"
#include "app/CProfile.h"
#include "store/CDataSourceRegistry.h"

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
};

int main(int argc, char** argv)
{
    return RunTestObject<TestCli>(argc, argv);
}

#include "test_cli.moc"
