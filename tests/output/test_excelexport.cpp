#include "support/TestMain.h"

#include "ExportFixture.h"
#include "core/CLanguage.h"
#include "output/CExcelExport.h"
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

const char* const kTwoDecimals = "#,##0.00";
const char* const kFiveDecimals = "#,##0.00000";

} // namespace

class TestExcelExport : public QObject
{
    Q_OBJECT

private slots:
    void bothFormatsAsExcelReadersSeeThem_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("header");
        QTest::newRow("xls") << "obra.xls" << "0"
                             << QStringList{"CODIGO", "DESCRIPCION", "CANTIDAD", "UNIDAD", "PRECIO", "IMPORTE"};
        QTest::newRow("xlsx, Catalan") << "obra.xlsx" << "1"
                                       << QStringList{"CODI", "DESCRIPCIO", "QUANTITAT", "UNITAT", "PREU", "IMPORT"};
    }

    void bothFormatsAsExcelReadersSeeThem()
    {
        QFETCH(QString, file);
        QFETCH(QString, language);
        QFETCH(QStringList, header);
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        const QString path = TestFolder("excel") + u'/' + file;
        const CLanguage installed(language);
        QVERIFY(CExcelExport::Export(store.Db(), "OBRA", path).IsOk());
        QStringList sheets;
        const QJsonArray rows = ReadWorkbook(path, &sheets);
        QCOMPARE(sheets, QStringList{"EXCEL"});
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[0], Header(header));
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

    void aRootOnlyBudget()
    {
        CTestStore store;
        CTestStore::AddBudget(store.Db(), "RAIZ", {"0|RAIZ##|S|0|1|0"}, "Solo la raíz");
        store.Db().ExecuteSQL("UPDATE ARTICULOS SET NOMBRE = 'Solo la raíz' WHERE CODIGO = 'RAIZ'");
        for (const QString name : {"raiz.xls", "raiz.xlsx"}) {
            const QString path = TestFolder("raiz") + u'/' + name;
            QVERIFY(CExcelExport::Export(store.Db(), "RAIZ", path).IsOk());
            const QJsonArray rows = ReadWorkbook(path);
            QCOMPARE(rows.size(), 2);
            QCOMPARE(rows[1], Row({Text("RAIZ##"), Text("Solo la raíz"), Empty(), Empty(), Empty(),
                                   Number(0, kTwoDecimals)}));
        }
    }

    void tooManyLinesForAnXls()
    {
        CTestStore store;
        CTestStore::AddBudget(store.Db(), "BIG", {});
        store.Db().ExecuteSQL("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 65536) "
                              "INSERT INTO ARTICULOS (CODIGO, NUMLIN, NIVEL, ARTICULO, DESGLOSE, IMPORTE) "
                              "SELECT 'BIG', i, 1, 'C' || i, 'N', '1' FROM n");
        const QString path = TestFolder("big") + "/big.xls";
        const CExcelExport::Result result = CExcelExport::Export(store.Db(), "BIG", path);
        QCOMPARE(result.m_status, CExcelExport::TooManyRows);
        QVERIFY(!QFile::exists(path));
        QVERIFY(CExcelExport::Message(result, path).contains(".xlsx"));
    }

    void aFailedWriteIsReported()
    {
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        const QString notAFolder = TestFile("fail/fichero", {});
        for (const QString name : {"/obra.xls", "/obra.xlsx"}) {
            const CExcelExport::Result result = CExcelExport::Export(store.Db(), "OBRA", notAFolder + name);
            QCOMPARE(result.m_status, CExcelExport::WriteFailed);
            const CLanguage catalan(QStringLiteral("1"));
            QVERIFY(CExcelExport::Message(result, notAFolder + name).startsWith("No s'ha pogut escriure"));
        }
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestExcelExport>(argc, argv);
}

#include "test_excelexport.moc"
