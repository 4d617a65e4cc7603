#include "support/TestMain.h"

#include "ExportFixture.h"
#include "app/CCommandLineTool.h"
#include "output/CBudgetSheet.h"
#include "output/CExcelExport.h"
#include "output/CExcelExportCommand.h"
#include "output/CExportCommands.h"
#include "output/CSheet.h"
#include "output/CXlsWriter.h"
#include "support/CTestStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

using ExportFixture::ReadWorkbook;

namespace {

QJsonArray Text(const QString& strText, const QString& strFormat = "General")
{
    return {"s", strText, strFormat};
}

QJsonArray Number(double dValue, const QString& strFormat)
{
    return {"n", dValue, strFormat};
}

QJsonArray Empty()
{
    return {"e", QJsonValue(), "General"};
}

QJsonArray Row(std::initializer_list<QJsonArray> cells)
{
    QJsonArray row;
    for (const QJsonArray& cell : cells)
        row.append(cell);
    return row;
}

QJsonArray Header(const QStringList& names)
{
    QJsonArray row;
    for (const QString& name : names)
        row.append(Text(name));
    return row;
}

QString Folder(const QString& strName)
{
    const QString path = TestHome() + u'/' + strName;
    QDir().mkpath(path);
    return path;
}

struct CliResult
{
    int status;
    QString out;
    QString err;
};

CliResult RunCli(const QStringList& arguments)
{
    CliResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    CCommandLineTool tool(out, err);
    result.status = tool.Run(arguments);
    return result;
}

const char* const kTwoDecimals = "#,##0.00";
const char* const kFiveDecimals = "#,##0.00000";

} // namespace

class TestExcelExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CExportCommands::Register(); }

    void storeNumbersBecomeCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("value");
        QTest::newRow("store text") << "1234.50000" << int(CSheetCell::Number) << 1234.5;
        QTest::newRow("negative") << "-3" << int(CSheetCell::Number) << -3.0;
        QTest::newRow("plus sign") << "+5" << int(CSheetCell::Number) << 5.0;
        QTest::newRow("exponent") << "1e3" << int(CSheetCell::Number) << 1000.0;
        QTest::newRow("empty") << "" << int(CSheetCell::Empty) << 0.0;
        QTest::newRow("blank") << "  " << int(CSheetCell::Empty) << 0.0;
        QTest::newRow("not a number is kept as text") << "1.2.3" << int(CSheetCell::Text) << 0.0;
        QTest::newRow("infinity") << "inf" << int(CSheetCell::Text) << 0.0;
    }

    void storeNumbersBecomeCells()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(double, value);
        const CSheetCell cell = CSheetCell::FromStoreNumber(text, CSheetCell::Decimals5);
        QCOMPARE(int(cell.m_kind), kind);
        if (kind == CSheetCell::Number)
            QCOMPARE(cell.m_dValue, value);
        if (kind == CSheetCell::Text)
            QCOMPARE(cell.m_strText, text);
    }

    void theXlsAsExcelReadersSeeIt()
    {
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        const QString path = Folder("xls") + "/obra.xls";
        QVERIFY(CExcelExport::Export(store.Db(), "OBRA", path, false).IsOk());
        QStringList sheets;
        const QJsonArray rows = ReadWorkbook(path, &sheets);
        QCOMPARE(sheets, QStringList{"EXCEL"});
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[0], Header({"CODIGO", "DESCRIPCION", "CANTIDAD", "UNIDAD", "PRECIO", "IMPORTE"}));
        // The root and the chapters: code, short name and amount.
        QCOMPARE(rows[1], Row({Text("OBRA##"), Text("Reforma cocina"), Empty(), Empty(), Empty(),
                               Number(12345700, kTwoDecimals)}));
        QCOMPARE(rows[2], Row({Text("01#"), Text("Derribos"), Empty(), Empty(), Empty(),
                               Number(12345678.9, kTwoDecimals)}));
        QCOMPARE(rows[3], Row({Text("D01"), Text(ExportFixture::kDescription33), Number(3, kFiveDecimals), Text("m2"),
                               Number(10.5, kFiveDecimals), Number(31.5, kFiveDecimals)}));
        // An apostrophe and empty numbers no longer end the export; a line
        // without a long description shows its short name.
        QCOMPARE(rows[5], Row({Text("C02"), Text("Peón's ayudante"), Empty(), Text("h"), Number(7.25, kFiveDecimals),
                               Empty()}));
    }

    void theXlsxWithTheCatalanHeader()
    {
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        const QString path = Folder("xlsx") + "/obra.xlsx";
        QVERIFY(CExcelExport::Export(store.Db(), "OBRA", path, true).IsOk());
        QStringList sheets;
        const QJsonArray rows = ReadWorkbook(path, &sheets);
        QCOMPARE(sheets, QStringList{"EXCEL"});
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[0], Header({"CODI", "DESCRIPCIO", "QUANTITAT", "UNITAT", "PREU", "IMPORT"}));
        QCOMPARE(rows[2].toArray()[5].toArray(), Number(12345678.9, kTwoDecimals));
        QCOMPARE(rows[3].toArray()[2].toArray(), Number(3, kFiveDecimals));
        QCOMPARE(rows[5].toArray()[1].toArray()[1].toString(), QStringLiteral("Peón's ayudante"));
        QCOMPARE(rows[5].toArray()[2].toArray()[0].toString(), QStringLiteral("e"));
    }

    void aRootOnlyBudget()
    {
        CTestStore store;
        CTestStore::AddBudget(store.Db(), "RAIZ", {"0|RAIZ##|S|0|1|0"}, "Solo la raíz");
        store.Db().ExecuteSQL("UPDATE ARTICULOS SET NOMBRE = 'Solo la raíz' WHERE CODIGO = 'RAIZ'");
        for (const QString name : {"raiz.xls", "raiz.xlsx"}) {
            const QString path = Folder("raiz") + u'/' + name;
            QVERIFY(CExcelExport::Export(store.Db(), "RAIZ", path, false).IsOk());
            const QJsonArray rows = ReadWorkbook(path);
            QCOMPARE(rows.size(), 2);
            QCOMPARE(rows[1], Row({Text("RAIZ##"), Text("Solo la raíz"), Empty(), Empty(), Empty(),
                                   Number(0, kTwoDecimals)}));
        }
    }

    void aLargeWorkbook()
    {
        // Past the sizes where the format splits: the string table runs over
        // many continuation records, with texts cut across them, and the
        // allocation table needs sectors of its own beyond the header's.
        CSheet sheet;
        sheet.m_strName = CBudgetSheet::SheetName();
        const int rows = 20000;
        for (int i = 0; i < rows; ++i) {
            const QString text = QStringLiteral("ĉ%1").arg(i).leftJustified(200, u'ŝ');
            sheet.m_rows.push_back({CSheetCell::MakeText(text), CSheetCell::MakeNumber(i, CSheetCell::Decimals2)});
        }
        sheet.m_rows.push_back({CSheetCell::MakeText(QString(40000, u'x'))});
        const QByteArray file = CXlsWriter::File(sheet);
        QVERIFY(file.size() > 109 * 128 * 512);
        const QString path = Folder("large") + "/large.xls";
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        const QJsonArray read = ReadWorkbook(path);
        QCOMPARE(read.size(), rows + 1);
        for (const int i : {0, 41, 12345, rows - 1}) {
            const QJsonArray row = read[i].toArray();
            QCOMPARE(row[0].toArray()[1].toString(), QStringLiteral("ĉ%1").arg(i).leftJustified(200, u'ŝ'));
            QCOMPARE(row[1].toArray()[1].toDouble(), double(i));
        }
        QCOMPARE(read[rows].toArray()[0].toArray()[1].toString().size(), CSheet::kMaxTextLength);
    }

    void tooManyLinesForAnXls()
    {
        CTestStore store;
        CTestStore::AddBudget(store.Db(), "BIG", {});
        store.Db().ExecuteSQL("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 65536) "
                              "INSERT INTO ARTICULOS (CODIGO, NUMLIN, NIVEL, ARTICULO, DESGLOSE, IMPORTE) "
                              "SELECT 'BIG', i, 1, 'C' || i, 'N', '1' FROM n");
        const QString path = Folder("big") + "/big.xls";
        const CExcelExport::Result result = CExcelExport::Export(store.Db(), "BIG", path, false);
        QCOMPARE(result.m_status, CExcelExport::TooManyRows);
        QVERIFY(!QFile::exists(path));
        QVERIFY(CExcelExport::Message(result, path, "0").contains(".xlsx"));
    }

    void aFailedWriteIsReported()
    {
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        const QString notAFolder = Folder("fail") + "/fichero";
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        for (const QString name : {"/obra.xls", "/obra.xlsx"}) {
            const CExcelExport::Result result = CExcelExport::Export(store.Db(), "OBRA", notAFolder + name, false);
            QCOMPARE(result.m_status, CExcelExport::WriteFailed);
            QVERIFY(CExcelExport::Message(result, notAFolder + name, "1").startsWith("No s'ha pogut escriure"));
        }
    }

    void theCommandAddsXlsReplacesAndOpens()
    {
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        const QString folder = Folder("command");
        QFile old(folder + "/presupuesto.xls");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("not a workbook");
        old.close();
        QStringList opened;
        CExcelExportCommand::SetPathChooser([&](QWidget*) { return folder + "/presupuesto"; });
        CExcelExportCommand::SetOpener([&](const QString& path) { opened << path; });
        CExcelExportCommand::Run(nullptr, store.Db(), "OBRA", "0");
        QCOMPARE(opened, QStringList{folder + "/presupuesto.xls"});
        QVERIFY(!QFile::exists(folder + "/presupuesto"));
        QCOMPARE(ReadWorkbook(folder + "/presupuesto.xls").size(), 6);

        // Cancelling the dialog writes and opens nothing.
        CExcelExportCommand::SetPathChooser([](QWidget*) { return QString(); });
        CExcelExportCommand::Run(nullptr, store.Db(), "OBRA", "0");
        QCOMPARE(opened.size(), 1);
        CExcelExportCommand::SetPathChooser({});
        CExcelExportCommand::SetOpener({});
    }

    void theCommandLine()
    {
        QString db;
        {
            CTestStore store("cli.db");
            ExportFixture::AddSampleBudget(store.Db());
            db = store.Path();
        }
        const QString folder = Folder("cli");
        CliResult result = RunCli({"--database", db, "export-xls", "OBRA", folder + "/hoja"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, folder + "/hoja.xls\n");
        QCOMPARE(ReadWorkbook(folder + "/hoja.xls")[0].toArray()[0].toArray()[1].toString(), QStringLiteral("CODIGO"));
        result = RunCli({"--database", db, "export-xls", "OBRA", folder + "/hoja.xlsx", "--catalan"});
        QCOMPARE(result.status, 0);
        QCOMPARE(ReadWorkbook(folder + "/hoja.xlsx")[0].toArray()[0].toArray()[1].toString(), QStringLiteral("CODI"));

        result = RunCli({"--database", db, "export-rtf", "OBRA", folder + "/informe", "--catalan"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, folder + "/informe.rtf\n");
        QFile rtf(folder + "/informe.rtf");
        QVERIFY(rtf.open(QIODevice::ReadOnly));
        const QByteArray text = rtf.readAll();
        QVERIFY(text.startsWith("{\\rtf1"));
        QVERIFY(text.contains("PRESSUPOST"));

        QCOMPARE(RunCli({"--database", db, "export-rtf", "NADA", folder + "/nada.rtf"}).status, 1);
        QVERIFY(!QFile::exists(folder + "/nada.rtf"));
        QCOMPARE(RunCli({"--database", db, "export-xls", "OBRA"}).status, 2);
        QVERIFY(RunCli({"--help"}).out.contains("export-xls CODE FILE.xls|FILE.xlsx [--catalan]"));
        QVERIFY(CExportCommands::NeedsGui({"--database", "export-xls", "export-rtf", "X", "Y"}));
        QVERIFY(!CExportCommands::NeedsGui({"export-xls", "export-rtf", "Y"}));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestExcelExport>(argc, argv);
}

#include "test_excelexport.moc"
