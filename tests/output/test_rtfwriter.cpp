#include "support/TestMain.h"

#include "ExportFixture.h"
#include "output/CBudgetReport.h"
#include "output/CRtfWriter.h"
#include "support/CTestStore.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

namespace {

// A document with every format the writer keeps, each on a paragraph of its own.
void FillRichDocument(QTextDocument& document)
{
    document.setDefaultFont(QFont("Courier New", 10));
    QTextCursor cursor(&document);
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    cursor.insertText("Negrita", format);
    format = {};
    format.setFontItalic(true);
    format.setFontUnderline(true);
    format.setFontStrikeOut(true);
    cursor.insertText(" cursiva", format);
    format = {};
    format.setForeground(QColor(255, 0, 0));
    format.setBackground(QColor(255, 255, 0));
    format.setFontPointSize(14);
    format.setFontFamilies({"Liberation Serif"});
    cursor.insertText(" roja", format);
    format = {};
    format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText("2", format);

    QTextBlockFormat block;
    block.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(block, {});
    cursor.insertText(QString("Centrado {llaves} \\barra\ttab") + QChar::LineSeparator + "€ y Ω");
    block = {};
    block.setAlignment(Qt::AlignRight);
    block.setLeftMargin(640.0 / CRtfWriter::kTwipsPerPixel);
    block.setTextIndent(-20);
    cursor.insertBlock(block, {});
    cursor.insertText("Sangrado a la derecha");

    cursor.insertBlock(QTextBlockFormat(), {});
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    cursor.createList(bullets);
    cursor.insertText("Viñeta uno");
    cursor.insertBlock();
    cursor.insertText("Viñeta dos");
    cursor.insertBlock(QTextBlockFormat(), {});
    QTextListFormat numbers;
    numbers.setStyle(QTextListFormat::ListDecimal);
    cursor.createList(numbers);
    cursor.insertText("Primero");

    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    document.addResource(QTextDocument::ImageResource, QUrl("imagen"), image);
    cursor.insertBlock(QTextBlockFormat(), {});
    QTextImageFormat picture;
    picture.setName("imagen");
    picture.setWidth(60);
    cursor.insertImage(picture);
}

// Converts the files with LibreOffice into the format (a filter name), in a
// folder of its own; false when the conversion failed.
bool Convert(const QString& strSoffice, const QStringList& files, const QString& strFilter, QString& strFolder)
{
    strFolder = TestHome() + "/converted";
    QProcess process;
    process.start(strSoffice, QStringList{"--headless", "--norestore",
                                          "-env:UserInstallation=" + QUrl::fromLocalFile(TestHome() + "/lo").toString(),
                                          "--convert-to", strFilter, "--outdir", strFolder} +
                                  files);
    return process.waitForFinished(300000) && process.exitCode() == 0;
}

QString ReadText(const QString& strPath)
{
    QFile file(strPath);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void everyFormatIsWritten()
    {
        QTextDocument document;
        FillRichDocument(document);
        CRtfWriter::Page page;
        page.m_nLeft = 360;
        const QByteArray rtf = CRtfWriter::Write(document, page);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        QVERIFY(rtf.endsWith("}\r\n"));
        QCOMPARE(rtf.count('{') - rtf.count("\\{"), rtf.count('}') - rtf.count("\\}"));
        QVERIFY(rtf.contains("{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}"));
        QVERIFY(rtf.contains("Liberation Serif;}"));
        QVERIFY(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;\\red255\\green255\\blue0;}"));
        QVERIFY(rtf.contains("\\margl360\\margr1134"));
        QVERIFY(rtf.contains("\\fs20\\b Negrita"));
        QVERIFY(rtf.contains("\\fs20\\i\\ul\\strike  cursiva"));
        QVERIFY(rtf.contains("\\fs28\\cf1\\highlight2  roja"));
        QVERIFY(rtf.contains("{\\super 2}\\par"));
        QVERIFY(rtf.contains("\\pard\\qc "));
        QVERIFY(rtf.contains("Centrado \\{llaves\\} \\\\barra\\tab tab\\line \\'80 y \\u937?"));
        QVERIFY(rtf.contains("\\pard\\qr\\li640\\fi-300 "));
        QVERIFY(rtf.contains("\\pnlvlblt"));
        QVERIFY(rtf.contains("{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec"));
        QVERIFY(rtf.contains("{\\pict\\pngblip\\picw30\\pich20\\picwgoal900\\pichgoal600\r\n89504e47"));
    }

    void emptyParagraphsKeepTheirSize()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        QTextCharFormat big;
        big.setFontPointSize(20);
        cursor.insertText("Grande", big);
        cursor.insertBlock(QTextBlockFormat(), big);
        QTextCharFormat small;
        small.setFontPointSize(10);
        cursor.insertBlock(QTextBlockFormat(), small);
        cursor.insertText("Normal", small);
        const QByteArray rtf = CRtfWriter::Write(document);
        QVERIFY2(rtf.contains("\\fs40 Grande\\par\r\n\\pard\\ql \\par\r\n\\pard\\ql \\plain\\f0\\fs20 Normal"),
                 rtf.constData());
    }

    void savingAddsTheExtensionAndReportsFailures()
    {
        QCOMPARE(CRtfWriter::WithExtension("informe"), QStringLiteral("informe.rtf"));
        QCOMPARE(CRtfWriter::WithExtension("informe.rtf"), QStringLiteral("informe.rtf"));
        QCOMPARE(CRtfWriter::WithExtension("informe.RTF"), QStringLiteral("informe.RTF"));
        QTextDocument document;
        document.setPlainText("texto");
        QString error;
        const QString notAFolder = TestFile("rtf/fichero", "x");
        QVERIFY(!CRtfWriter::Save(document, notAFolder + "/informe.rtf", CRtfWriter::Page(), error));
        QVERIFY(!error.isEmpty());
    }

    void aWordProcessorReadsTheFiles()
    {
        const QString soffice = QStandardPaths::findExecutable("soffice");
        if (soffice.isEmpty()) {
            qWarning("LibreOffice (soffice) is not installed: the RTF files are NOT checked by a word processor");
            QSKIP("LibreOffice (soffice) is not installed");
        }
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        QTextDocument report;
        CBudgetReport::PrepareDocument(report);
        CBudgetReport(report).WriteReport(store.Db(), "OBRA");
        const QString reportFile =
            TestFile("rtf/informe.rtf", CRtfWriter::Write(report, CBudgetReport::ReportPage()));
        QTextDocument rich;
        FillRichDocument(rich);
        const QString richFile = TestFile("rtf/formatos.rtf", CRtfWriter::Write(rich));

        QString folder;
        QVERIFY(Convert(soffice, {reportFile}, "txt:Text (encoded):UTF8", folder));
        const QStringList lines = ReadText(folder + "/informe.txt").remove(QChar(0xFEFF)).split('\n');
        const QStringList expected = report.toPlainText().split('\n');
        for (const int line : {0, 2, 6, 12, 13, 17, 20, 27})
            QCOMPARE(lines.value(line).trimmed(), expected[line].trimmed());

        QVERIFY(Convert(soffice, {reportFile, richFile}, "html", folder));
        // The converter breaks its HTML lines where it likes.
        const QString html = ReadText(folder + "/informe.html").simplified();
        QVERIFY(html.contains("<p align=\"center\""));
        QVERIFY(html.contains("font-size: 20pt\"><b>PRESUPUESTO</b>"));
        QVERIFY(html.contains("<u><b>CÓDIGO"));
        QVERIFY(html.contains("<i>2*1,5*3,1415926 = 9,42478</i>"));
        const QString formats = ReadText(folder + "/formatos.html").simplified();
        for (const QString part : {"<b>Negrita</b>", "<strike>", "<i><u> cursiva</u></i>", "color=\"#ff0000\"", "font-size: 14pt",
                                   "Liberation Serif", "<sup>", "{llaves} \\barra", "€ y Ω",
                                   "align=\"right\"", "<ul>", "<ol>", "Viñeta dos", "<img"})
            QVERIFY2(formats.contains(part), qPrintable(part));
        // Each paragraph keeps its own alignment.
        QVERIFY(formats.indexOf("Negrita") < formats.indexOf("align=\"center\""));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestRtfWriter>(argc, argv);
}

#include "test_rtfwriter.moc"
