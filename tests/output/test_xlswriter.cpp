#include "support/TestMain.h"

#include "ExportFixture.h"
#include "output/CBudgetSheet.h"
#include "output/CSheet.h"
#include "output/CXlsWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

// The worksheet and the .xls writer of the core; the workbooks are read back
// by Debian's xlrd.
class TestXlsWriter : public QObject
{
    Q_OBJECT

private slots:
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
        const QString path = TestHome() + "/large.xls";
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        const QJsonArray read = ExportFixture::ReadWorkbook(path);
        QCOMPARE(read.size(), rows + 1);
        for (const int i : {0, 41, 12345, rows - 1}) {
            const QJsonArray row = read[i].toArray();
            QCOMPARE(row[0].toArray()[1].toString(), QStringLiteral("ĉ%1").arg(i).leftJustified(200, u'ŝ'));
            QCOMPARE(row[1].toArray()[1].toDouble(), double(i));
        }
        QCOMPARE(read[rows].toArray()[0].toArray()[1].toString().size(), CSheet::kMaxTextLength);
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestXlsWriter>(argc, argv);
}

#include "test_xlswriter.moc"
