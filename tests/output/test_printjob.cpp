#include "support/PdfText.h"
#include "support/TestMain.h"

#include "output/CPrintJob.h"

#include <QPainter>
#include <QPdfWriter>

namespace {

const QString kLong = QStringLiteral(
    "Demolición de tabique de ladrillo hueco doble, con medios manuales, incluso limpieza y retirada de "
    "escombros a pie de carga, sin transporte a vertedero y con parte proporcional de medios auxiliares.");

QPageLayout Layout(QSizeF paperMm, QMarginsF marginsMm)
{
    return QPageLayout(QPageSize(paperMm, QPageSize::Millimeter), QPageLayout::Portrait, marginsMm,
                       QPageLayout::Millimeter);
}

// A job laid out on A4 with 5 mm margins, without a device.
void SetUpA4(CPrintJob& job)
{
    job.SetPageLayout(Layout(QSizeF(210, 297), QMarginsF(5, 5, 5, 5)));
    job.SetupPage();
}

TextBlock Block(int left, int top, int width, int height)
{
    return MakeTextBlock(left, top, width, height);
}

} // namespace

class TestPrintJob : public QObject
{
    Q_OBJECT

private slots:
    void pageGeometryComesFromTheLayout()
    {
        // 297 mm printable under a 5 mm top offset, on paper 302 mm high.
        CPrintJob job;
        job.SetPageLayout(Layout(QSizeF(210, 302), QMarginsF(4, 5, 6, 0)));
        job.SetupPage();
        QCOMPARE(job.m_nWidth, 2000);
        QCOMPARE(job.m_nHeight, 2970);
        QCOMPARE(job.m_nOffsetX, 40);
        QCOMPARE(job.m_nOffsetY, 50);
        QCOMPARE(job.m_nMarginRight, 60);
        QCOMPARE(job.m_nMarginBottom, 0);
        QCOMPARE(job.PageBottom(), 2940);
        QCOMPARE(job.PageRight(), 2040);
        QCOMPARE(job.PageTop(), 50);

        // Printing is portrait whatever the paper was set to.
        job.SetPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
        job.SetOrientation(false);
        job.SetupPage();
        QCOMPARE(job.m_nHeight, 2970);
    }

    void heightsAndCharactersThatFit()
    {
        CPrintJob job;
        SetUpA4(job);

        // One line at 10 points takes about 4 mm; the block reports 5.
        TextBlock one = Block(500, 650, 1000, 2000);
        QCOMPARE(job.DrawTextBlock(QStringLiteral("Peón ordinario"), one, true), 14);
        QCOMPARE(one.height, CPrintJob::kMinimumHeight);

        // At a point: no wrapping, no count, the minimum height.
        TextBlock point = Block(100, 100, 0, 0);
        QCOMPARE(job.DrawTextBlock(kLong, point, true), 0);
        QCOMPARE(point.height, CPrintJob::kMinimumHeight);

        // A width and no height: as many lines as the text needs.
        TextBlock open = Block(500, 650, 700, 0);
        QCOMPARE(job.DrawTextBlock(kLong, open, true), int(kLong.size()));
        QVERIFY2(open.height > 3 * 40, qPrintable(QString::number(open.height)));

        // Room for two lines: the text is cut after the second whole line,
        // at a word's end, and the part shown fits two lines on its own.
        TextBlock two = Block(500, 650, 700, 85);
        const int shown = job.DrawTextBlock(kLong, two, true);
        QVERIFY(shown > 20 && shown < kLong.size());
        QVERIFY2(kLong.at(shown - 1) == u' ', qPrintable(kLong.left(shown)));
        QVERIFY2(two.height >= 80 && two.height <= 85, qPrintable(QString::number(two.height)));
        TextBlock part = Block(500, 650, 700, 85);
        QCOMPARE(job.DrawTextBlock(kLong.left(shown), part, true), shown);
        QCOMPARE(part.height, two.height);

        // Not one whole line fits: nothing is shown.
        TextBlock none = Block(500, 650, 700, 30);
        QCOMPARE(job.DrawTextBlock(kLong, none, true), 0);
        QCOMPARE(none.height, CPrintJob::kMinimumHeight);
    }

    // Paper coordinates are measured from the paper's edge, whatever the
    // printable area; 0 stands for the printable area's edge itself.
    void placesOnThePaperNotOnThePrintableArea()
    {
        const QString path = TestHome() + "/places.pdf";
        {
            QPdfWriter writer(path);
            writer.setPageLayout(Layout(QSizeF(210, 297), QMarginsF(20, 15, 20, 15)));
            QPainter painter(&writer);
            CPrintJob job;
            job.Attach(&writer, &painter);
            job.SetupPage();
            QCOMPARE(job.m_nOffsetX, 200);
            TextBlock edge = Block(0, 1000, 600, 50);
            job.DrawTextBlock(QStringLiteral("Borde"), edge, false);
            TextBlock hundred = Block(1000, 1000, 600, 50);
            job.DrawTextBlock(QStringLiteral("Cien"), hundred, false);
            TextBlock right = MakeTextBlock(300, 1200, 700, 50, 10, false, TextBlock::Right);
            job.DrawTextBlock(QStringLiteral("Derecha"), right, false);
        }
        QVERIFY(qAbs(PdfWordLeft(path, "Borde") - 20.0) < 0.6);
        QVERIFY(qAbs(PdfWordLeft(path, "Cien") - 100.0) < 0.6);
        // Right-aligned in 30..100 mm: ends at 100 mm, so starts well past 80.
        const double right = PdfWordLeft(path, "Derecha");
        QVERIFY2(right > 80.0 && right < 100.0, qPrintable(QString::number(right)));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestPrintJob>(argc, argv);
}

#include "test_printjob.moc"
