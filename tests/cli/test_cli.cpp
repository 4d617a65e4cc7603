#include "support/CTestStore.h"
#include "support/PdfText.h"
#include "support/TestMain.h"

#include "app/CProfile.h"
#include "bc3/Bc3TestSupport.h"
#include "cli/CCommandLineTool.h"
#include "output/ExportFixture.h"
#include "store/CBudgetCode.h"
#include "store/CDataSourceRegistry.h"
#include "store/CDatabase.h"
#include "store/CSchema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <clocale>
#include <sys/stat.h>

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

// The tool itself, for the commands that lay out text: it starts the
// QGuiApplication they need, which this test does not have.
Result RunTool(const QStringList& arguments)
{
    QProcess process;
    // As from a script or cron: no session, so no runtime folder either.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    process.setProcessEnvironment(environment);
    process.start(VELMORA_CLI, arguments);
    if (!process.waitForFinished(120000))
        qFatal("velmora-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QByteArray kSmallBc3 = "~V||FIEBDC-3/2004|||ANSI|\r\n~C|R##||Obra|0|\r\n~D|R##|F\\1\\1\\|\r\n~C|F|u|F|2|\r\n";

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
        QCOMPARE(Run({"--help"}).status, 0);
        // Only the commands that lay out text get Qt's GUI layer; a database
        // path is never taken for the command.
        QVERIFY(CCommandLineTool::LaysOutText({"--database", "init", "print", "OBRA"}));
        QVERIFY(!CCommandLineTool::LaysOutText({"--database", "print", "export-xls", "OBRA", "x.xls"}));
        QVERIFY(!CCommandLineTool::LaysOutText({"--help"}));
        const Result noPath = Run({"--database", "", "init"});
        QCOMPARE(noPath.status, 2);
        QVERIFY(noPath.err.startsWith("--database necesita la ruta de un fichero\n"));
        QVERIFY(!QFile::exists(CSchema::DefaultDatabasePath()));
    }

    void messagesFollowTheLanguageSetting()
    {
        CProfile::WriteProfileString("Settings", "idioma", "1");
        const Result catalan = Run({"--database", m_db, "show-budget", "NADA"});
        CProfile::WriteProfileString("Settings", "idioma", "0");
        QCOMPARE(catalan.err, QStringLiteral("No existeix aquest pressupost: NADA\n"));
        QCOMPARE(Run({"--database", m_db, "show-budget", "NADA"}).err, QStringLiteral("No existe este presupuesto: NADA\n"));
    }

    void codesAreWholeAndNeverEmpty()
    {
        const QString db = TestHome() + "/codes.db";
        // A file named ".bc3" has no name to give the budget.
        const Result unnamed = Run({"--database", db, "import-budget", TestFile("codes/.bc3", kSmallBc3)});
        QCOMPARE(unnamed.status, 1);
        QVERIFY2(unnamed.err.endsWith(": Falta código de presupuesto\n"), qPrintable(unnamed.err));
        QCOMPARE(Run({"--database", db, "new-budget", ""}).err, QStringLiteral("Falta código de presupuesto\n"));
        QCOMPARE(Run({"--database", db, "new-budget", " "}).status, 1);
        QCOMPARE(Run({"--database", db, "new-budget", QString(21, 'X')}).status, 1);
        QCOMPARE(Run({"--database", db, "list-budgets"}).out, QString());

        // The cut at 20 keeps an emoji whole; the counts are not read from the code.
        const QString emoji = QStringLiteral("0123456789012345678\U0001F600x");
        const Result cut = Run({"--database", db, "import-budget", TestFile("codes/" + emoji + ".bc3", kSmallBc3)});
        QCOMPARE(cut.out, QStringLiteral("Presupuesto 0123456789012345678: 2 líneas, 0 líneas de medición\n"));
        QCOMPARE(Run({"--database", db, "import-budget", TestFile("codes/P%2x%1.bc3", kSmallBc3)}).out,
                 QStringLiteral("Presupuesto P%2x%1: 2 líneas, 0 líneas de medición\n"));
        QCOMPARE(Run({"--database", db, "copy-budget", "P%2x%1", QString(10, u'\u00e9') + emoji}).status, 1);

        // Codes typed into a field that cut a pasted text inside a character.
        const QString half = QString(19, u'a') + QChar(0xD83D);
        QCOMPARE(CBudgetCode::Cut(half), QString(19, u'a'));
        QVERIFY(!CBudgetCode::Problem(half).isEmpty());
        QCOMPARE(CBudgetCode::Cut(QString(19, u'a') + QStringLiteral("e\u0301")), QString(19, u'a'));
        QCOMPARE(CBudgetCode::Cut(QChar(0xDE00) + QStringLiteral("ok")), QStringLiteral("ok"));
    }

    void outputStaysReadableAndBounded()
    {
        const QString db = TestHome() + "/output.db";
        QCOMPARE(Run({"--database", db, "new-budget", "A\tB", "--name", "x\ny\\z"}).status, 0);
        QCOMPARE(Run({"--database", db, "list-budgets"}).out, QStringLiteral("A\\tB\tx\\ny\\\\z\n"));

        {
            CTestStore store("output.db");
            store.AddBudget("DEEP", {"0|DEEP##|S", "1|C#|S", "300000000|X", "2|Y"});
        }
        const Result shown = Run({"--database", db, "show-budget", "DEEP"});
        QCOMPARE(shown.status, 0);
        QVERIFY2(shown.out.size() < 1000, qPrintable(QString::number(shown.out.size())));
        QVERIFY(shown.out.contains("\n3\t300000000\t    X\t"));
        QVERIFY(shown.out.contains("\n4\t2\t    Y\t"));
    }

    void filesThatAreNotOrdinaryAreRefused()
    {
        const QString fifo = TestHome() + "/pipe.bc3";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const Result imported = Run({"--database", m_db, "import-budget", fifo});
        QCOMPARE(imported.status, 1);
        QVERIFY2(imported.err.contains(fifo + " no es un fichero normal"), qPrintable(imported.err));
        const Result opened = Run({"--database", fifo, "list-budgets"});
        QCOMPARE(opened.status, 1);
        QVERIFY2(opened.err.contains(fifo + " no es un fichero normal"), qPrintable(opened.err));
    }

    // Several copies of the tool at once, each on its own file, sharing one
    // configuration folder: every budget lands in its own file, and so many
    // creators of one new file leave it with its tables.
    void parallelRunsNeverMixTheirFiles()
    {
        const QString folder = TestFolder("parallel");
        constexpr int kLoops = 6;
        constexpr int kRuns = 40;
        QElapsedTimer timer;
        timer.start();
        std::vector<std::unique_ptr<QProcess>> loops;
        for (int loop = 0; loop < kLoops; ++loop) {
            auto process = std::make_unique<QProcess>();
            process->setProcessChannelMode(QProcess::MergedChannels);
            process->start("/bin/sh", {"-c", QStringLiteral("for i in $(seq 1 %1); do \"$0\" --database \"$1/L%2.db\" "
                                                            "new-budget L%2B$i >/dev/null || echo failed $i; done")
                                                 .arg(QString::number(kRuns), QString::number(loop)),
                                        VELMORA_CLI, folder});
            loops.push_back(std::move(process));
        }
        for (auto& process : loops) {
            QVERIFY(process->waitForFinished(60000));
            QCOMPARE(process->readAll(), QByteArray());
        }
        for (int loop = 0; loop < kLoops; ++loop) {
            QStringList expected;
            for (int i = 1; i <= kRuns; ++i)
                expected << QStringLiteral("L%1B%2\t").arg(QString::number(loop), QString::number(i));
            expected.sort();
            QStringList listed = Run({"--database", folder + QStringLiteral("/L%1.db").arg(loop), "list-budgets"})
                                     .out.split(u'\n', Qt::SkipEmptyParts);
            listed.sort();
            QCOMPARE(listed, expected);
        }

        for (int round = 0; round < 5; ++round) {
            const QString db = folder + QStringLiteral("/same%1.db").arg(round);
            std::vector<std::unique_ptr<QProcess>> creators;
            for (int i = 0; i < kLoops; ++i) {
                creators.push_back(std::make_unique<QProcess>());
                creators.back()->start(VELMORA_CLI, {"--database", db, "init"});
            }
            for (auto& process : creators) {
                QVERIFY(process->waitForFinished(60000));
                const QByteArray err = process->readAllStandardError();
                QVERIFY2(process->exitCode() == 0 || err.contains("locked"), err.constData());
            }
            QCOMPARE(Run({"--database", db, "list-budgets"}).err, QString());
        }
        QVERIFY(!CDataSourceRegistry::Exists("Velmora"));
        qInfo("%d runs in %lld ms", kLoops * kRuns + 5 * kLoops, timer.elapsed());
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

    void priceBasesFromTheCommandLine()
    {
        const QString name = "cli-prices.db";
        {
            CTestStore store(name);
            store.AddTariff("BP", "T1", {"0|BP##|S|0|1|0", "1|C#|S|0|1|0", "2|F1|S|4|1|4", "3|MAT01|N|4|1|4",
                                         "2|F2|S|8|1|8", "3|MAT01|N|4|2|8"});
            store.AddTariff("X/Y", "Z", {"0|X/Y##|S|0|1|0"});
            store.AddBudget("B", {"0|B##|S|0|1|0"});
        }
        const QString db = TestHome() + u'/' + name;
        const auto run = [&](const QStringList& arguments) { return Run(QStringList{"--database", db} + arguments); };
        QCOMPARE(run({"list-pricebases"}).out, QStringLiteral("BP\tT1\t6\nX/Y\tZ\t1\n"));
        QCOMPARE(run({"show-pricebase", "BP", "T1"}).out.section('\n', 3, 3), QStringLiteral("4\t3\t      MAT01\t\t\t4\t1\t4"));

        // A tariff is written CODE/TARIFF; an edit reaches every occurrence and prints no totals.
        const Result priced = run({"edit-line", "BP/T1", "4", "Precio", "5"});
        QCOMPARE(priced.status, 0);
        QCOMPARE(priced.out, QStringLiteral("3\t2\t    F1\t\t\t5.00000\t1\t5.00000\n"
                                            "4\t3\t      MAT01\t\t\t5.00000\t1.00000\t5.00000\n"
                                            "5\t2\t    F2\t\t\t10.00000\t1\t10.00000\n"
                                            "6\t3\t      MAT01\t\t\t5.00000\t2\t10.00000\n"));
        QCOMPARE(run({"insert-line", "X/Y/Z", "1", "concept"}).status, 0);
        // From a price base into a budget: the chapter gets its sum there.
        QCOMPARE(run({"copy-branch", "BP/T1", "2", "--to", "B", "1", "--into"}).status, 0);
        QVERIFY(run({"show-budget", "B"}).out.startsWith("1\t0\tB##\t\t\t15.00000\t1\t15.00000\n"
                                                          "2\t1\t  C#\t\t\t15.00000\t1\t15.00000\n"));

        // A BC3 price base: every scope, or those named.
        const QString file = TestFile("Zonas.bc3", "~V||FIEBDC-3/2016||PRECIOS\\Norte\\Sur|ANSI|\r\n~C|Z##||Zonas|0|\r\n"
                        "~D|Z##|K\\1\\2\\|\r\n~C|K|u|Grifo|3\\4\\|\r\n");
        QCOMPARE(run({"import-pricebase", file}).out, QStringLiteral("Zonas\nNorte\t2\nSur\t2\n"));
        QCOMPARE(run({"import-pricebase", file, "--scope", "Sur"}).out, QStringLiteral("Zonas\nSur\t2\n"));
        QCOMPARE(run({"show-pricebase", "Zonas", "Sur"}).out.section('\n', 1, 1),
                 QStringLiteral("2\t1\t  K\tu\tGrifo\t4\t2.00000\t8.00000"));
        QCOMPARE(run({"import-pricebase", file, "--scope", "Este"}).status, 2);
        QCOMPARE(run({"import-pricebase", TestHome() + "/nada.bc3"}).status, 1);

        const Result missing = run({"show-pricebase", "BP", "T9"});
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.err.contains("BP/T9"));
        QCOMPARE(run({"edit-line", "BP/T9", "2", "Nombre", "x"}).status, 2);
        QCOMPARE(run({"show-pricebase", "BP"}).status, 2);
        QCOMPARE(run({"add-measurement", "BP/T1", "3", "--units", "2"}).status, 2);
    }

    void unreadableDatabaseIsReported()
    {
        const QString path = TestFile("cli/garbage.db", QByteArray(2048, 'g'));
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

    void bc3ImportExportAndCheck()
    {
        const QString database = TestHome() + "/bc3.db";
        const QString file =
            TestFile("Obra 'uno'.bc3", Bc3File({"~V||FIEBDC-3/2004|||ANSI|", "~C|R##||Obra|0|", "~D|R##|F\\1\\1\\|",
                                                "~C|F|u|F|2|", "~D|F|X\\1\\1\\|", "~C|X|h|Hora|2|",
                                                "~M|R##\\F|1|3|\\a\\1\\1\\1\\3\\|"}));
        QString err;
        const auto run = [&](const QStringList& arguments, QString* pOut = nullptr) {
            QString out;
            err.clear();
            QTextStream outStream(&out);
            QTextStream errStream(&err);
            const int status =
                CCommandLineTool(outStream, errStream).Run(QStringList{"--database", database} + arguments);
            if (pOut)
                *pOut = out + err;
            return status;
        };
        QString output;
        QCOMPARE(run({"import-budget", file}, &output), 0);
        QCOMPARE(output, QStringLiteral("Presupuesto Obra 'uno': 3 líneas, 1 líneas de medición\n"));
        QCOMPARE(run({"import-budget", file}, &output), 1);
        QVERIFY(output.contains("--replace"));
        QCOMPARE(run({"import-budget", file, "--replace"}), 0);
        QCOMPARE(run({"export-budget", "Obra 'uno'", TestHome() + "/out"}, &output), 0);
        QCOMPARE(output.trimmed(), TestHome() + "/out.bc3");
        QVERIFY(QFile::exists(TestHome() + "/out.bc3"));
        QCOMPARE(run({"export-budget", "none", TestHome() + "/none.bc3"}, &output), 1);
        QVERIFY(output.contains("No existe este presupuesto"));
        QCOMPARE(run({"import-budget"}), 2);

        // The consistency report: the two decompositions agree, until a
        // price is changed behind the roll-up's back.
        QCOMPARE(run({"check-budget", "Obra 'uno'"}, &output), 0);
        QCOMPARE(output, QStringLiteral("2 descomposiciones, 0 difieren del recálculo\n"));
        {
            CTestStore store("bc3.db");
            store.Db().ExecuteSQL("UPDATE ARTICULOS SET PRECIO = '2.5', NOMBRE = 'F φ' WHERE ARTICULO = 'F'");
        }
        QCOMPARE(run({"check-budget", "Obra 'uno'"}, &output), 0);
        QCOMPARE(output, QStringLiteral("2\tF\t2.50000\t2.00000\n2 descomposiciones, 1 difieren del recálculo\n"));
        QCOMPARE(run({"check-budget", "none"}), 1);
        // What the file cannot hold is written as "?" and reported; the export succeeds.
        QCOMPARE(run({"export-budget", "Obra 'uno'", TestHome() + "/phi.bc3"}), 0);
        QVERIFY2(err.startsWith(TestHome() + "/phi.bc3: El fichero se ha escrito") && err.endsWith("línea 2 (F): φ (U+03C6)\n")
                     && err.count(u'\n') == 1,
                 qPrintable(err));

        CTestStore store("bc3.db");
        QCOMPARE(store.Scalar("SELECT count(*) FROM ARTICULOS WHERE CODIGO = ?", {"Obra 'uno'"}).toInt(), 3);
        QCOMPARE(store.Scalar("SELECT count(*) FROM MEDIDAS WHERE CODIGO = ?", {"Obra 'uno'"}).toInt(), 1);
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

        // Laying out the pages needs the tool's own application.
        const Result budget = RunTool({"--database", db, "print", "OBRA", "--pdf", pdf, "--no-codes", "--level", "1"});
        QCOMPARE(budget.status, 0);
        QVERIFY2(budget.out.contains("1 páginas"), qPrintable(budget.out));
        QCOMPARE(budget.err, QString());
        QString text = PdfText(pdf);
        QVERIFY(text.contains("PRESUPUESTO"));
        QVERIFY(text.contains("pag. 1/1"));
        QVERIFY(!text.contains("CODIGO"));
        QVERIFY(!text.contains("DEM010"));

        // An invoice that could not be written keeps no number.
        const Result unwritten = RunTool({"--database", db, "print", "OBRA", "--pdf", TestHome() + "/cli/no/such/f.pdf",
                                          "--invoice", "--number", "F-1"});
        QCOMPARE(unwritten.status, 1);
        QVERIFY2(unwritten.err.contains("No se puede escribir el fichero"), qPrintable(unwritten.err));
        {
            CDatabase database;
            database.OpenFile(db);
            QVERIFY(CTestStore::Scalar(database, "SELECT NUMFAC FROM PRESUPUESTOS").toString().isEmpty());
        }
        const Result invoice = RunTool(
            {"--database", db, "print", "OBRA", "--pdf=" + pdf, "--invoice", "--number", "F-9", "--date", "5/3/2024"});
        QCOMPARE(invoice.status, 0);
        text = PdfText(pdf);
        QVERIFY2(text.contains("FACTURA: F-9") && text.contains("FECHA: 05-03-2024"), qPrintable(text));
        QVERIFY(text.contains("DEM010"));
        CDatabase database;
        database.OpenFile(db);
        QCOMPARE(CTestStore::Scalar(database, "SELECT NUMFAC || ' ' || FECFAC FROM PRESUPUESTOS").toString(),
                 "F-9 2024-03-05 00:00:00");
    }

    void exports()
    {
        QString db;
        {
            CTestStore store("cli.db");
            ExportFixture::AddSampleBudget(store.Db());
            db = store.Path();
        }
        const QString folder = TestFolder("exports");
        Result result = Run({"--database", db, "export-xls", "OBRA", folder + "/hoja"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, folder + "/hoja.xls\n");
        const auto firstTitle = [](const QString& strPath) {
            return ExportFixture::ReadWorkbook(strPath)[0].toArray()[0].toArray()[1].toString();
        };
        QCOMPARE(firstTitle(folder + "/hoja.xls"), QStringLiteral("CODIGO"));
        result = Run({"--database", db, "export-xls", "OBRA", folder + "/hoja.xlsx", "--catalan"});
        QCOMPARE(result.status, 0);
        QCOMPARE(firstTitle(folder + "/hoja.xlsx"), QStringLiteral("CODI"));

        result = RunTool({"--database", db, "export-rtf", "OBRA", folder + "/informe", "--catalan"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, folder + "/informe.rtf\n");
        QFile rtf(folder + "/informe.rtf");
        QVERIFY(rtf.open(QIODevice::ReadOnly));
        const QByteArray text = rtf.readAll();
        QVERIFY(text.startsWith("{\\rtf1"));
        QVERIFY(text.contains("PRESSUPOST"));

        QCOMPARE(Run({"--database", db, "export-rtf", "NADA", folder + "/nada.rtf"}).status, 1);
        QVERIFY(!QFile::exists(folder + "/nada.rtf"));
        QCOMPARE(Run({"--database", db, "export-xls", "OBRA"}).status, 2);
        QVERIFY(Run({"--help"}).out.contains("export-xls CODE FILE.xls|FILE.xlsx [--catalan]"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestCli>(argc, argv);
}

#include "test_cli.moc"
