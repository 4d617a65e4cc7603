#include "support/CTestStore.h"
#include "support/PdfText.h"
#include "support/TestMain.h"

#include "output/CBudgetPrintout.h"

namespace {

using Line = CPrintData::Line;

Line MakeLine(int nivel, const QString& code, const QString& name, const QString& description = {})
{
    static long numlin = 1;
    Line line;
    line.nNumLin = ++numlin;
    line.nNivel = nivel;
    line.strArticulo = code;
    line.strDesglose = code.endsWith(u'#') ? QStringLiteral("S") : QStringLiteral("N");
    line.strMedida = code.endsWith(u'#') ? QString() : QStringLiteral("m2");
    line.strNombre = name;
    line.strDescripcion = description;
    line.strPrecio = QStringLiteral("12.5");
    line.strRendimiento = QStringLiteral("2");
    line.strImporte = QStringLiteral("25");
    return line;
}

CPrintData Data(int nConcepts)
{
    CPrintData data;
    data.m_header.m_strCodigo = QStringLiteral("OBRA");
    data.m_header.m_strBase = QStringLiteral("1190.00");
    data.m_header.m_strTotal = QStringLiteral("1439.90");
    data.m_strRootAmount = QStringLiteral("1000.00");
    for (int i = 0; i < nConcepts; ++i)
        data.m_lines.push_back(MakeLine(1, QStringLiteral("MO%1").arg(i), QStringLiteral("Peón ordinario %1").arg(i)));
    return data;
}

// Lays the printout out on A4 with 5 mm margins (PageBottom 2840).
int Paginate(CPrintJob& job, const CPrintData& data)
{
    job.SetPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                  QPageLayout::Millimeter));
    job.SetupPage();
    return CBudgetPrintout(job, data).Paginate();
}

const PrintItem* Find(const PrintPage& page, const QString& strText)
{
    for (const PrintItem& item : page.items) {
        if (item.kind == PrintItem::Text && item.text == strText)
            return &item;
    }
    return nullptr;
}

bool HasLine(const PrintPage& page, PrintItem::Kind kind, int x, int y)
{
    return std::any_of(page.items.begin(), page.items.end(), [&](const PrintItem& item) {
        return item.kind == kind && item.block.left == x && item.block.top == y;
    });
}

} // namespace

class TestPrintout : public QObject
{
    Q_OBJECT

private slots:
    void bodyColumnsFollowTheOptions_data()
    {
        QTest::addColumn<bool>("codes");
        QTest::addColumn<bool>("amounts");
        QTest::addColumn<int>("unitX");
        QTest::addColumn<int>("descriptionX");
        QTest::addColumn<int>("descriptionWidth");
        QTest::addColumn<int>("quantityX");
        QTest::newRow("everything") << true << true << 400 << 500 << 700 << 1450;
        QTest::newRow("no codes") << false << true << 100 << 200 << 1000 << 1450;
        QTest::newRow("no amounts") << true << false << 400 << 500 << 1250 << 1750;
        QTest::newRow("neither") << false << false << 100 << 200 << 1550 << 1750;
    }

    void bodyColumnsFollowTheOptions()
    {
        QFETCH(bool, codes);
        QFETCH(bool, amounts);
        CPrintOptions options;
        options.m_bCodes = codes;
        options.m_bAmounts = amounts;
        CPrintData data = Data(0);
        data.m_lines.push_back(MakeLine(1, "C01#", "Demoliciones", "Nunca la larga de un capítulo"));
        data.m_lines.push_back(MakeLine(2, "DEM010", "Demolición", "Demolición de tabique de ladrillo"));
        data.m_lines.push_back(MakeLine(2, "DEM020", ""));
        CPrintJob job(options);
        QCOMPARE(Paginate(job, data), 1);
        const PrintPage& page = job.m_pages.front();

        const PrintItem* chapter = Find(page, "Demoliciones");
        QVERIFY(chapter && chapter->block.bold);
        QCOMPARE(chapter->block.top, 650);
        const PrintItem* folder = Find(page, "Demolición de tabique de ladrillo");
        QVERIFY(folder && !folder->block.bold);
        QTEST(folder->block.left, "descriptionX");
        QTEST(folder->block.width, "descriptionWidth");
        // An empty description prints as a point.
        QVERIFY(Find(page, "."));

        const PrintItem* unit = Find(page, "m2");
        QVERIFY(unit);
        QTEST(unit->block.left, "unitX");
        const PrintItem* quantity = Find(page, "2,00");
        QVERIFY(quantity);
        QTEST(quantity->block.left, "quantityX");
        QCOMPARE(Find(page, "12,50") != nullptr, amounts);
        QCOMPARE(Find(page, "25,00") != nullptr, amounts);
        // Codes lose their "#" and step in with the level; a breakdown is bold.
        const PrintItem* code = Find(page, "C01");
        QCOMPARE(code != nullptr, codes);
        if (code) {
            QCOMPARE(code->block.left, 108);
            QVERIFY(code->block.bold);
            QCOMPARE(Find(page, "DEM010")->block.left, 116);
        }
        QCOMPARE(Find(page, Upper("Codigo")) != nullptr, codes);
    }

    void headerBlocksTradePlaces()
    {
        CPrintData data = Data(1);
        data.m_company = {"Construcciones Pérez", "Calle Mayor 1", "Barcelona", "08001", "", "", "", "", "B1234", "", ""};
        data.m_header.m_strCliente = "Ana Puig";
        CPrintOptions options;
        options.m_bBudgetCode = true;
        for (const bool right : {true, false}) {
            options.m_nClientPosition = right ? CPrintOptions::ClientRight : CPrintOptions::ClientLeft;
            CPrintJob job(options);
            Paginate(job, data);
            const PrintPage& page = job.m_pages.front();
            const PrintItem* town = Find(page, "08001 - Barcelona");
            QVERIFY(town);
            QCOMPARE(town->block.left, right ? 100 : 1300);
            QCOMPARE(town->block.top, 400);
            QCOMPARE(town->block.size, 8);
            QCOMPARE(Find(page, "NIF: B1234")->block.top, 560);
            const PrintItem* client = Find(page, "Ana Puig");
            QVERIFY(client && client->block.bold);
            QCOMPARE(client->block.left, right ? 1300 : 100);
            QCOMPARE(Find(page, "OBRA")->block.top, 150);
            // Neither phone nor fax: no line of bare punctuation, for the
            // company or for the client.
            QVERIFY(!Find(page, "Teléfono: , Fax: "));
            QVERIFY(!Find(page, " - "));
        }
    }

    void descriptionLongerThanAPageGoesOnAlone()
    {
        QString text;
        for (int i = 0; i < 120; ++i)
            text += QStringLiteral("Línea %1 de un pliego de condiciones muy largo. ").arg(i);
        CPrintData data = Data(0);
        data.m_lines.push_back(MakeLine(1, "PLIEGO", "Pliego", text));
        CPrintJob job;
        const int pages = Paginate(job, data);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));

        QString joined;
        for (int n = 0; n < pages; ++n) {
            const PrintPage& page = job.m_pages[size_t(n)];
            for (const PrintItem& item : page.items) {
                if (item.kind == PrintItem::Text && item.block.left == 500 && item.block.top >= page.bodyTop) {
                    QCOMPARE(item.block.top, n == 0 ? 650 : 200);
                    joined += item.text;
                }
            }
            // The code and the amounts stand on the first page only.
            QCOMPARE(Find(page, "PLIEGO") != nullptr, n == 0);
            QCOMPARE(Find(page, "25,00") != nullptr, n == 0);
        }
        QCOMPARE(joined, text);
    }

    void pagesNumbersAndTheTotalsPage()
    {
        CPrintJob job;
        CPrintData data = Data(60);
        QCOMPARE(Paginate(job, data), 3);
        const PrintItem* number = Find(job.m_pages[1], "pag. 2/3");
        QVERIFY(number);
        QCOMPARE(number->block.top, job.PageBottom());
        QCOMPARE(number->block.size, 8);
        QVERIFY(Find(job.m_pages[2], "TOTAL PRESUPUESTO:"));
        QVERIFY(!Find(job.m_pages[1], "TOTAL PRESUPUESTO:"));
        // The band: at 600 below the header, at 150 on later pages.
        QVERIFY(HasLine(job.m_pages[0], PrintItem::HLine, 100, 600));
        QVERIFY(HasLine(job.m_pages[1], PrintItem::HLine, 100, 190));

        // Lines that fill the first page down to where the totals no longer
        // fit: the totals get a page of their own, below the band.
        CPrintJob full;
        QCOMPARE(Paginate(full, Data(26)), 2);
        const PrintPage& last = full.m_pages[1];
        QCOMPARE(Find(last, "TOTAL NETO:")->block.top, 200);
        QVERIFY(Find(last, "pag. 2/2"));
        QVERIFY(!Find(last, "MO25"));
        QVERIFY(Find(full.m_pages[0], "MO25"));
        // Fewer lines leave room for them.
        CPrintJob fits;
        QCOMPARE(Paginate(fits, Data(18)), 1);
    }

    void measurementRows()
    {
        CPrintOptions options;
        options.m_bMeasurements = true;
        CPrintData data = Data(0);
        data.m_lines.push_back(MakeLine(1, "CIM010", "Pilotes"));
        data.m_measures[data.m_lines.back().nNumLin] = {
            {"Pilas", "", "2", "3.5", "", "2.8", "19.60000"},
            {"(b*b * p) *d * a", "3", "1.00000", "2.00000", "", "3.00000", "37.69911"},
        };
        CPrintJob job(options);
        QCOMPARE(Paginate(job, data), 1);
        const PrintPage& page = job.m_pages.front();
        const PrintItem* heading = Find(page, "Mediciones:");
        QVERIFY(heading && heading->block.italic && heading->block.underline);
        QCOMPARE(heading->block.size, 8);
        QVERIFY(Find(page, "Pilas"));
        QVERIFY(Find(page, "2 * 3,5 *  * 2,8 = 19,6"));
        const PrintItem* formula = Find(page, "(2*2 * 3,1415926) *3 * 1 = 37,69911");
        QVERIFY(formula);
        QCOMPARE(formula->block.top, heading->block.top + 3 * 40);

        // An invoice never shows them.
        options.m_nDocumentKind = CPrintOptions::Invoice;
        CPrintJob invoice(options);
        Paginate(invoice, data);
        QVERIFY(!Find(invoice.m_pages.front(), "Mediciones:"));
    }

    void invoiceTotalsBoxStaysAtTheBottom()
    {
        CPrintOptions options;
        options.m_nDocumentKind = CPrintOptions::Invoice;
        options.m_strInvoiceNumber = QStringLiteral("F-7");
        for (const int lines : {1, 70}) {
            CPrintJob job(options);
            const int pages = Paginate(job, Data(lines));
            const PrintPage& last = job.m_pages.back();
            QVERIFY(HasLine(last, PrintItem::HLine, 100, 2550));
            QVERIFY(HasLine(last, PrintItem::HLine, 100, 2600));
            QCOMPARE(Find(last, "TOTAL FACTURA")->block.top, 2500);
            QCOMPARE(Find(last, "1.439,90")->block.top, 2550);
            // The frame ends on the box on the last page, at the bottom before.
            QVERIFY(HasLine(last, PrintItem::HLine, 100, 2500));
            if (pages > 1)
                QVERIFY(HasLine(job.m_pages.front(), PrintItem::HLine, 100, job.PageBottom()));
            QVERIFY(Find(job.m_pages.front(), "FACTURA: F-7"));
        }
    }

    void noLinesStillPrintHeaderAndTotals()
    {
        CPrintOptions options;
        options.m_strBudgetLevel = QStringLiteral("nada");
        QCOMPARE(options.LevelLimit(), 0);
        CPrintJob job(options);
        QCOMPARE(Paginate(job, Data(0)), 1);
        QVERIFY(Find(job.m_pages.front(), "PRESUPUESTO"));
        QCOMPARE(Find(job.m_pages.front(), "TOTAL NETO:")->block.top, 650);
    }

    void levelsAsTheCLibraryReadsThem()
    {
        QCOMPARE(CPrintOptions::AtoiText(""), 0);
        QCOMPARE(CPrintOptions::AtoiText("abc"), 0);
        QCOMPARE(CPrintOptions::AtoiText(" 2x"), 2);
        QCOMPARE(CPrintOptions::AtoiText("-1"), -1);
        QCOMPARE(CPrintOptions::AtoiText("99999999999"), std::numeric_limits<int>::max());
        CPrintOptions options;
        options.m_strBudgetLevel = QStringLiteral("1");
        options.m_nDocumentKind = CPrintOptions::Invoice;
        QCOMPARE(options.LevelLimit(), 99999);
    }

    // From the store: the root never prints, the level limit cuts deeper
    // lines, and a formula measurement reaches the PDF as the user wrote it.
    void printsWhatIsStored()
    {
        CTestStore store;
        store.AddBudget("OBRA", {"0|OBRA##|S|0|1|1000", "1|C01#|S|0|1|1000", "2|CIM010|S|10|100|1000",
                                 "3|MO001|N|10|1|10", "1|C02#|S|0|1|0"});
        CTestStore::Insert(store.Db(), "MEDIDAS", "CODIGO|NUMLIN|LIN|NOMBRE|TIPO|UNIDADES|LARGO|ALTO|TOTAL",
                           {"OBRA|3|1|(b*b * p) *d * a|3|1.00000|2.00000|3.00000|37.69911"});
        store.Db().ExecuteSQL("UPDATE PARAMETROS SET NOMBRE = ?", {"Construcciones Pérez"});

        CPrintData data;
        QVERIFY(data.Load(store.Db(), "OBRA", 1, true));
        QCOMPARE(data.m_lines.size(), size_t(2));
        QCOMPARE(data.m_lines[0].strArticulo, "C01#");
        QCOMPARE(data.m_lines[1].strArticulo, "C02#");
        QCOMPARE(data.m_strRootAmount, "1000");
        QCOMPARE(data.m_company.strNombre, "Construcciones Pérez");
        QVERIFY(data.Load(store.Db(), "OBRA", 0, true));
        QVERIFY(data.m_lines.empty());
        QVERIFY(!data.Load(store.Db(), "NADA", 9, false));

        CPrintOptions options;
        options.m_bMeasurements = true;
        CPrintJob job(options);
        QVERIFY(data.Load(store.Db(), "OBRA", job.m_nLevelLimit, true));
        const QString path = TestHome() + "/obra.pdf";
        QCOMPARE(CBudgetPrintout::PrintToPdf(job, data, path), 1);
        const QString text = PdfText(path);
        QVERIFY2(text.contains("(2*2 * 3,1415926) *3 * 1 = 37,69911"), qPrintable(text));
        QVERIFY(text.contains("Construcciones Pérez"));
        QVERIFY(text.contains("pag. 1/1"));
        QVERIFY(!text.contains("OBRA##"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QCOMPARE(CBudgetPrintout::PrintToPdf(job, data, TestHome() + "/no/such/folder/obra.pdf"), -1);
    }

private:
    static QString Upper(const char* szText) { return QString::fromUtf8(szText).toUpper(); }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestPrintout>(argc, argv);
}

#include "test_printout.moc"
