#include "support/TestMain.h"

#include "grid/CEditList.h"
#include "ui/CImagenDlg.h"
#include "ui/CPictureBox.h"
#include "ui/CSortHeaderCtrl.h"

#include <QPainter>
#include <QTimer>

namespace {

// A picture with a red top half and a blue bottom half.
QString WritePicture()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(0, 2, 4, 2, Qt::blue);
    const QString strPath = TestHome() + QStringLiteral("/picture.png");
    image.save(strPath);
    return strPath;
}

int CountColour(const QImage& image, const QRect& rc, const QColor& color)
{
    int n = 0;
    for (int y = rc.top(); y <= rc.bottom(); ++y)
        for (int x = rc.left(); x <= rc.right(); ++x)
            n += image.pixel(x, y) == color.rgb() ? 1 : 0;
    return n;
}

} // namespace

class TestSupportControls : public QObject
{
    Q_OBJECT

    struct Header
    {
        CEditList list;
        CSortHeaderCtrl* header;

        Header()
        {
            list.SetColumnCount(3);
            for (int i = 0; i < 3; ++i)
                list.Column(i) = {QStringLiteral("Columna %1").arg(i), 0, ColumnInfo::Text, ColumnInfo::Left, 120, 0};
            list.ApplyColumns();
            list.resize(500, 200);
            list.show();
            header = list.SortHeader();
        }

        QRect Section(int i) const
        {
            return QRect(header->sectionViewportPosition(i), 0, header->sectionSize(i), header->height());
        }

        QImage Grab() const { return header->viewport()->grab().toImage(); }
        QColor Shadow() const { return header->palette().color(QPalette::Dark).darker(125); }
        QColor Light() const { return header->palette().color(QPalette::Light); }
    };

private slots:
    void sortMarkShowsOnTheSortColumnOnlyAndFlips()
    {
        Header h;
        QVERIFY(QTest::qWaitForWindowExposed(&h.list));
        h.list.InsertItem(0, QStringLiteral("b"));
        h.list.InsertItem(1, QStringLiteral("a"));
        h.list.SortByColumn(1);
        QImage image = h.Grab();
        const QRect mark1 = CSortHeaderCtrl::MarkRect(h.Section(1));
        const QRect mark0 = CSortHeaderCtrl::MarkRect(h.Section(0));
        QVERIFY(CountColour(image, mark1, h.Shadow()) >= mark1.height() - 1);
        QCOMPARE(CountColour(image, mark0, h.Shadow()), 0);
        QCOMPARE(CountColour(image, mark0, h.Light()), 0);

        // Ascending: apex up, the lit base along the bottom.
        const QRect top(mark1.left(), mark1.top(), mark1.width(), 1);
        const QRect bottom(mark1.left(), mark1.bottom(), mark1.width(), 1);
        QVERIFY(CountColour(image, bottom, h.Light()) >= mark1.width() - 2);
        QVERIFY(CountColour(image, top, h.Shadow()) + CountColour(image, top, h.Light()) <= 2);

        // Again: descending, the shaded base along the top.
        h.list.SortByColumn(1);
        QVERIFY(!h.header->IsSortAscending());
        image = h.Grab();
        QVERIFY(CountColour(image, top, h.Shadow()) >= mark1.width() - 2);
        QVERIFY(CountColour(image, bottom, h.Shadow()) + CountColour(image, bottom, h.Light()) <= 2);

        // Another column takes the mark away from the first.
        h.list.SortByColumn(0);
        image = h.Grab();
        QCOMPARE(CountColour(image, mark1, h.Shadow()), 0);
        QVERIFY(CountColour(image, mark0, h.Shadow()) > 0);
    }

    void aNarrowSortColumnShowsTheMarkWithoutText()
    {
        Header h;
        QVERIFY(QTest::qWaitForWindowExposed(&h.list));
        const int q = h.header->height() / 4;
        h.header->resizeSection(2, 5 * q);
        h.header->SetSortImage(2, true);
        QVERIFY(CSortHeaderCtrl::TitleRect(h.Section(2), true, false).width() <= 0);
        const QImage image = h.Grab();
        const QRect section = h.Section(2).adjusted(1, 1, -1, -1);
        QVERIFY(CountColour(image, CSortHeaderCtrl::MarkRect(h.Section(2)), h.Shadow()) > 0);
        QCOMPARE(CountColour(image, section, h.header->palette().color(QPalette::ButtonText)), 0);
        // The same width without the mark leaves room for some of the title.
        QVERIFY(CSortHeaderCtrl::TitleRect(h.Section(2), false, false).width() > 0);
    }

    void imageWindowStretchesItsPictureOrStaysBlank()
    {
        CImagenDlg blank;
        QCOMPARE(blank.windowTitle(), QStringLiteral("Imagen"));
        blank.SetPath(TestHome() + QStringLiteral("/missing.png"));
        QVERIFY(!blank.HasImage());
        blank.show();
        blank.resize(300, 200);
        QImage image = blank.grab().toImage();
        const QRect aboveGrip(0, 0, 300, 180);
        QCOMPARE(CountColour(image, aboveGrip, image.pixelColor(0, 0)), 300 * 180);

        CImagenDlg dlg;
        dlg.SetPath(WritePicture());
        dlg.show();
        for (const QSize size : {QSize(300, 200), QSize(520, 90)}) {
            dlg.resize(size);
            image = dlg.grab().toImage();
            // Corner to corner, clear of the blend between the two halves.
            const int nTop = size.height() / 5;
            const int nBottom = size.height() - 1 - size.height() / 5;
            QCOMPARE(image.pixelColor(1, 1), QColor(Qt::red));
            QCOMPARE(image.pixelColor(size.width() - 2, nTop), QColor(Qt::red));
            QCOMPARE(image.pixelColor(1, size.height() - 2), QColor(Qt::blue));
            QCOMPARE(image.pixelColor(size.width() - 2, nBottom), QColor(Qt::blue)); // above the size grip
        }
    }

    void pictureBoxIsWhiteWithoutAPictureAndOpensTheImageWindow()
    {
        CPictureBox box;
        box.resize(100, 120);
        box.SetPath(QStringLiteral("/no/such/picture.jpg"));
        box.show();
        QImage image = box.grab().toImage();
        const QRect inside = box.contentsRect().adjusted(2, 2, -2, -2);
        QCOMPARE(CountColour(image, inside, Qt::white), inside.width() * inside.height());

        const QString strPath = WritePicture();
        box.SetPath(strPath);
        image = box.grab().toImage();
        QCOMPARE(image.pixelColor(inside.topLeft()), QColor(Qt::red));
        QCOMPARE(image.pixelColor(inside.bottomRight()), QColor(Qt::blue));

        QString strShown;
        QTimer::singleShot(0, this, [&strShown] {
            if (auto* dlg = qobject_cast<CImagenDlg*>(QApplication::activeModalWidget())) {
                strShown = dlg->Path();
                dlg->reject();
            }
        });
        QTest::mouseDClick(&box, Qt::LeftButton, {}, inside.center());
        QTest::mouseRelease(&box, Qt::LeftButton, {}, inside.center());
        QCOMPARE(strShown, strPath);
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestSupportControls>(argc, argv);
}

#include "test_supportcontrols.moc"
