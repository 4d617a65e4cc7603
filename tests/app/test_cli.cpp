#include "support/TestMain.h"

#include "app/CCommandLineTool.h"
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

    void editingFromTheCommandLine()
    {
        const QString db = TestHome() + "/cli/edit.db";
        const auto run = [&](const QStringList& arguments) { return Run(QStringList{"--database", db} + arguments); };
        QCOMPARE(run({"new-budget", "E"}).status, 0);
        QCOMPARE(run({"insert-line", "E", "1", "chapter"}).out.section('\n', 0, 0),
                 QStringLiteral("2\t1\t  Nuevo capitulo#\t\t\t0.0\t1.0\t0.0"));
        QCOMPARE(run({"insert-line", "E", "2", "folder"}).status, 0);
        QCOMPARE(run({"insert-line", "E", "3", "concept"}).status, 0);
        // A column by its title or its number; the changed lines and the totals follow.
        const Result priced = run({"edit-line", "E", "4", "Precio", "12,5"});
        QCOMPARE(priced.status, 0);
        QVERIFY2(priced.out.startsWith("1\t0\tE##\t\t\t12.50000\t1.0\t12.50000\n"), qPrintable(priced.out));
        QVERIFY(priced.out.contains("\n4\t3\t      Nuevo\t\t\t12.50000\t1.00000\t12.50000\n"));
        QVERIFY(priced.out.endsWith("IMPIVA\t0.00\nTOTAL\t12.50\n"));
        QCOMPARE(run({"edit-line", "E", "3", "8", "2"}).status, 0);
        QCOMPARE(run({"add-measurement", "E", "3", "--units", "3", "--length", "1,5"}).status, 0);
        QCOMPARE(run({"add-measurement", "E", "3", "--formula", "a*b", "--units", "2", "--length", "2"}).status, 0);
        QVERIFY(run({"show-budget", "E"}).out.contains("\n3\t2\t    Nueva carpeta\t\t\t12.50000\t8.50000\t106.25000\n"));
        QCOMPARE(run({"delete-measurement", "E", "3", "1"}).status, 0);
        QCOMPARE(run({"new-budget", "F"}).status, 0);
        QCOMPARE(run({"copy-branch", "E", "2", "--to", "F", "1", "--into"}).status, 0);
        QVERIFY(run({"show-budget", "F"}).out.contains("TOTAL\t50.00\n"));
        QCOMPARE(run({"insert-line", "E", "1", "concept"}).status, 0);
        QCOMPARE(run({"move-branch", "E", "2", "3"}).status, 0);
        QVERIFY(run({"show-budget", "E"}).out.startsWith("1\t0\tE##\t\t\t50.00000\t1.0\t50.00000\n2\t1\t  Nuevo capitulo#\t"));

        // Bad input: a clear message, status 2, the store as it was.
        const QString before = run({"show-budget", "E"}).out + run({"show-budget", "F"}).out;
        const QList<QStringList> bad = {
            {"edit-line", "E", "5", "Precio", "doce"},  {"edit-line", "E", "9", "Precio", "1"},
            {"edit-line", "E", "5", "Subtotal", "1"},   {"edit-line", "E", "5", "Precios", "1"},
            {"edit-line", "NADA", "1", "Nombre", "x"},  {"edit-line", "E", "x", "Nombre", "x"},
            {"insert-line", "E", "3", "chapter"},       {"insert-line", "E", "2", "thing"},
            {"delete-line", "E", "1"},                  {"move-branch", "E", "3", "4"},
            {"move-branch", "E", "3", "1"},             {"copy-branch", "E", "3", "F", "1"},
            {"copy-branch", "E", "3", "--to", "F", "4", "--into"},
            {"add-measurement", "E", "2", "--units", "2"},
            {"add-measurement", "E", "3", "--formula", "a*)b", "--units", "2"},
            {"add-measurement", "E", "3", "--units", "2,5,1"},
            {"add-measurement", "E", "3", "--formula", "a", "--comment", "c"},
            {"delete-measurement", "E", "3", "7"},      {"edit-line", "E", "3", "Nombre", "1", "--into"},
        };
        for (const QStringList& arguments : bad) {
            const Result refused = run(arguments);
            QVERIFY2(refused.status == 2 && !refused.err.isEmpty() && refused.out.isEmpty(), qPrintable(arguments.join(' ')));
        }
        QCOMPARE(run({"show-budget", "E"}).out + run({"show-budget", "F"}).out, before);
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
