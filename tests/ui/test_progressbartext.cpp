#include "support/TestMain.h"

#include "ui/CProgressBarText.h"

#include <QImage>

#include <climits>
#include <memory>
#include <utility>

namespace {

const QColor kBar(255, 0, 0);
const QColor kBk(0, 0, 255);

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* pWidget) { pWidget->installEventFilter(this); }
    int Take() { return std::exchange(m_nCount, 0); }

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
            ++m_nCount;
        return false;
    }

private:
    int m_nCount = 0;
};

// Pixels of a region that are exactly the given colour, and pixels that are
// close to it (the anti-aliased text).
int CountColour(const QImage& image, const QRect& region, const QColor& colour, int nTolerance = 0)
{
    int nCount = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= nTolerance
                && std::abs(pixel.green() - colour.green()) <= nTolerance
                && std::abs(pixel.blue() - colour.blue()) <= nTolerance)
                ++nCount;
        }
    }
    return nCount;
}

} // namespace

class TestProgressBarText : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> m_pWindow;
    CProgressBarText* m_pBar = nullptr;

    // A bar of 200 x 24 in a shown window, range 0-100, position 0.
    void ShowBar(Qt::Orientation orientation = Qt::Horizontal)
    {
        m_pWindow = std::make_unique<QWidget>();
        m_pBar = new CProgressBarText(m_pWindow.get());
        m_pBar->setOrientation(orientation);
        if (orientation == Qt::Horizontal)
            m_pBar->setGeometry(0, 0, 200, 24);
        else
            m_pBar->setGeometry(0, 0, 24, 200);
        m_pWindow->resize(240, 240);
        m_pWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pWindow.get()));
        QCoreApplication::processEvents();
    }

    QImage Grab() { return m_pBar->grab().toImage().convertToFormat(QImage::Format_RGB32); }

private slots:
    void cleanup() { m_pWindow.reset(); }

    void percentageAndWindowText()
    {
        ShowBar();
        QCOMPARE(m_pBar->text(), QStringLiteral("0%"));
        m_pBar->SetPos(37);
        QCOMPARE(m_pBar->text(), QStringLiteral("37%"));
        m_pBar->SetPos(29);
        QCOMPARE(m_pBar->text(), QStringLiteral("29%"));

        m_pBar->SetWindowText(QStringLiteral("Importando desglose 29%"));
        QCOMPARE(m_pBar->text(), QStringLiteral("Importando desglose 29%"));
        QString strCopy;
        QCOMPARE(m_pBar->GetWindowText(strCopy, 10), 10);
        QCOMPARE(strCopy, QStringLiteral("Importando"));
        QCOMPARE(m_pBar->GetWindowText(strCopy, 100), 23);

        m_pBar->SetWindowText(QString());
        QCOMPARE(m_pBar->text(), QStringLiteral("29%"));

        // Other ranges, and a range beyond 16 bits.
        m_pBar->SetRange(0, 60000);
        QCOMPARE(m_pBar->GetRange(false), 60000);
        m_pBar->SetPos(15000);
        QCOMPARE(m_pBar->text(), QStringLiteral("25%"));
        m_pBar->SetRange32(-1000000, 1000000);
        CProgressBarText::Range range;
        QCOMPARE(m_pBar->GetRange(true, &range), -1000000);
        QCOMPARE(range.iHigh, 1000000);
        m_pBar->SetPos(-1000000 + 2000000 / 3);
        QCOMPARE(m_pBar->text(), QStringLiteral("33%"));
    }

    void textInInverseColours()
    {
        ShowBar();
        m_pBar->SetBarColour(kBar);
        m_pBar->SetBkColour(kBk);
        m_pBar->SetPos(50);
        const QRect filled(0, 0, 100, 24);
        const QRect empty(100, 0, 100, 24);

        // The text straddles the end of the bar: background colour over the
        // bar, bar colour over the background.
        QImage image = Grab();
        QVERIFY(CountColour(image, filled, kBar) > 0);
        QVERIFY(CountColour(image, filled, kBk, 60) > 0);
        QVERIFY(CountColour(image, empty, kBk) > 0);
        QVERIFY(CountColour(image, empty, kBar, 60) > 0);

        // A text colour of its own is used on both sides.
        const QColor green(0, 255, 0);
        m_pBar->SetTextColour(green);
        image = Grab();
        QVERIFY(CountColour(image, filled, green, 60) > 0);
        QVERIFY(CountColour(image, empty, green, 60) > 0);

        // Without text the two parts are plain.
        m_pBar->ShowText(false);
        image = Grab();
        QCOMPARE(CountColour(image, filled, kBar), 100 * 24);
        QCOMPARE(CountColour(image, empty, kBk), 100 * 24);
    }

    void repaintsOnlyWhenTheFilledLengthChanges()
    {
        ShowBar();
        PaintCounter counter(m_pBar);
        m_pBar->SetRange32(0, 1000);
        QCOMPARE(m_pBar->SetPos(370), 0); // 74 px
        QCOMPARE(counter.Take(), 1);
        QCOMPARE(m_pBar->SetPos(370), 370);
        QCOMPARE(counter.Take(), 0);
        QCOMPARE(m_pBar->SetPos(374), 370); // 74.8 px
        QCOMPARE(counter.Take(), 0);
        m_pBar->SetPos(375); // 75 px
        QCOMPARE(counter.Take(), 1);

        // Text and colours paint when they change.
        m_pBar->SetWindowText(QStringLiteral("Precios tarifa 1 37%"));
        m_pBar->SetWindowText(QStringLiteral("Precios tarifa 1 37%"));
        QCOMPARE(counter.Take(), 1);
        m_pBar->SetWindowText(QString());
        m_pBar->SetWindowText(QStringLiteral(""));
        QCOMPARE(counter.Take(), 1);
        m_pBar->ShowText(true);
        QCOMPARE(counter.Take(), 0);
        QVERIFY(!m_pBar->SetBarColour(kBar).isValid());
        QCOMPARE(m_pBar->SetBarColour(QColor()), kBar);
        QCOMPARE(counter.Take(), 2);

        // After a resize the same position paints again.
        m_pBar->resize(300, 24);
        QCoreApplication::processEvents();
        counter.Take();
        m_pBar->SetPos(375);
        QCOMPARE(counter.Take(), 1);
    }

    void stepPastTheEndKeepsAdding()
    {
        ShowBar();
        m_pBar->SetBarColour(kBar);
        m_pBar->ShowText(false);
        PaintCounter counter(m_pBar);
        QCOMPARE(m_pBar->SetStep(30), 1);
        for (int i = 0; i < 5; ++i)
            m_pBar->StepIt();
        QCOMPARE(m_pBar->GetPos(), 150);
        QCOMPARE(m_pBar->text(), QStringLiteral("150%"));
        QCOMPARE(counter.Take(), 5);
        QCOMPARE(CountColour(Grab(), QRect(0, 0, 200, 24), kBar), 200 * 24);

        QCOMPARE(m_pBar->OffsetPos(-160), 150);
        QCOMPARE(m_pBar->text(), QStringLiteral("-10%"));
        QCOMPARE(CountColour(Grab(), QRect(0, 0, 200, 24), kBar), 0);

        // No wrap-around at the ends of an int.
        m_pBar->SetPos(INT_MAX - 10);
        m_pBar->StepIt();
        QCOMPARE(m_pBar->GetPos(), INT_MAX);
    }

    void emptyRangePaintsNothing()
    {
        ShowBar();
        m_pBar->SetBarColour(kBar);
        m_pBar->SetBkColour(kBk);
        for (const auto& [nLower, nUpper] : {std::pair{5, 5}, std::pair{10, 0}}) {
            m_pBar->SetRange32(nLower, nUpper);
            m_pBar->SetPos(7);
            m_pBar->repaint();
            const QImage image = Grab();
            QCOMPARE(CountColour(image, image.rect(), kBar, 60), 0);
            QCOMPARE(CountColour(image, image.rect(), kBk, 60), 0);
            QCOMPARE(m_pBar->text(), QString());
        }
    }

    void verticalBarShowsNoText()
    {
        ShowBar(Qt::Vertical);
        m_pBar->SetBarColour(kBar);
        m_pBar->SetBkColour(kBk);
        m_pBar->SetPos(25);
        const QImage image = Grab();
        QCOMPARE(CountColour(image, QRect(0, 150, 24, 50), kBar), 24 * 50);
        QCOMPARE(CountColour(image, QRect(0, 0, 24, 150), kBk), 24 * 150);

        // The filled length follows the height: 1 of 200 pixels is enough.
        PaintCounter counter(m_pBar);
        m_pBar->SetRange32(0, 2000);
        counter.Take();
        m_pBar->SetPos(510);
        m_pBar->SetPos(520);
        QCOMPARE(counter.Take(), 2);
    }

    void positionBeforeTheWindowExists()
    {
        QWidget window;
        auto* pBar = new CProgressBarText(&window);
        QCOMPARE(pBar->SetPos(40), -1);
        QCOMPARE(pBar->GetPos(), 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(pBar->SetPos(60), 40);
    }
};

int main(int argc, char** argv) { return RunTestObject<TestProgressBarText>(argc, argv); }

#include "test_progressbartext.moc"
