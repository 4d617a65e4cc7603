#include "support/CTestStore.h"
#include "support/TestMain.h"
#include "bc3/Bc3TestSupport.h"

#include "bc3/CBc3PriceBaseImport.h"
#include "bc3/CBc3Reader.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CLineTable.h"
#include "store/CPreciosSet.h"
#include "store/NumberText.h"

#include <QHash>
#include <cmath>

namespace {

// Three scopes; a concept priced 10, nothing and 12; an item of 2 × 3 and
// 1 × 4 used twice over; a chapter whose own price is not its sum; an item
// with a percentage line.
const QByteArray kThreeScopes = Bc3File({
    "~V|Yo|FIEBDC-3/2016|Prueba|PRECIOS\\Madrid\\Lugo\\Soria|ANSI|",
    "~C|OBRA##||Base|0\\|",
    "~D|OBRA##|CAP#\\1\\1\\|",
    "~C|CAP#||Capitulo|99\\98\\97\\|",
    "~D|CAP|IT\\1\\2\\K\\1\\1\\PC\\1\\1\\|",
    "~C|IT|m2|Muro|1\\1\\1\\|",
    "~D|IT|A\\\\3\\B\\\\1\\|",
    "~C|A|h|Peon|2\\2\\2\\|",
    "~C|B|kg|Acero|4\\4\\4\\|",
    "~C|K|u|Grifo|10\\\\12\\|",
    "~C|PC|u|Partida|0|",
    "~D|PC|A\\1\\50\\B\\1\\25\\%CI\\1\\0.03\\|",
    "~C|%CI|%|Costes indirectos|3|",
    "~T|IT|Muro de ladrillo |",
    "~T|IT| macizo|",
    "~G|K|grifo.jpg\\|",
});

struct Priced {
    QString precio, rendimiento, importe;
};

} // namespace

class TestBc3PriceBase : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestStore> m_store;

    CDatabase& Db() { return m_store->Db(); }

    CBc3PriceImportOutcome Import(const QByteArray& text, const QStringList& chosen, const QString& code = "BP")
    {
        QStringList scopes;
        Bc3PriceScopes(text, scopes);
        return ImportPriceBaseBc3Text(Db(), text, code, scopes, chosen);
    }

    // The lines of a tariff as "NIVEL|ARTICULO".
    QStringList Tree(const QString& tariff, const QString& code = "BP")
    {
        CPreciosSet set(&Db());
        set.FilterTree(CLineTable::ForTariff(code, tariff));
        set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        QStringList lines;
        for (; !set.IsEOF(); set.MoveNext())
            lines << set.m_NIVEL + u'|' + set.m_ARTICULO;
        return lines;
    }

    Priced Line(const QString& tariff, const QString& article, int nth = 0)
    {
        CPreciosSet set(&Db());
        set.FilterTree(CLineTable::ForTariff("BP", tariff));
        set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        for (; !set.IsEOF(); set.MoveNext()) {
            if (set.m_ARTICULO == article && nth-- == 0)
                return {set.m_PRECIO, set.m_RENDIMIENTO, set.m_IMPORTE};
        }
        return {};
    }

    QString Price(const QString& tariff, const QString& article) { return Line(tariff, article).precio; }

private slots:
    void init() { m_store = std::make_unique<CTestStore>(); }
    void cleanup() { m_store.reset(); }

    void scopesChooseTheTariffsAndTheirPrices()
    {
        QStringList scopes;
        QVERIFY(Bc3PriceScopes(kThreeScopes, scopes));
        QCOMPARE(scopes, QStringList({"Madrid", "Lugo", "Soria"}));
        const CBc3PriceImportOutcome outcome = Import(kThreeScopes, {"Lugo", "Soria"});
        QVERIFY2(outcome.IsOk(), qPrintable(outcome.Message()));
        QCOMPARE(outcome.m_tariffs.size(), size_t(2));
        QCOMPARE(outcome.m_tariffs[1].name, QStringLiteral("Soria"));
        QCOMPARE(outcome.m_tariffs[1].lines, 10L);
        // The same tree in both, in the file's order; "CAP" finds "CAP#".
        const QStringList tree = {"0|OBRA##", "1|CAP#", "2|IT", "3|A", "3|B", "2|K", "2|PC", "3|A", "3|B", "3|%CI"};
        QCOMPARE(Tree("Lugo"), tree);
        QCOMPARE(Tree("Soria"), Tree("Lugo"));
        QCOMPARE(Tree("Madrid"), QStringList());
        // 10, nothing, 12: Lugo takes the price before its own.
        QCOMPARE(Price("Lugo", "K"), QStringLiteral("10"));
        QCOMPARE(Price("Soria", "K"), QStringLiteral("12"));
        QCOMPARE(Import(kThreeScopes, {"Madrid"}).m_tariffs.front().lines, 10L);
        QCOMPARE(Price("Madrid", "K"), QStringLiteral("10"));

        // 2 × 3 + 4 × 1 is 10; twice, 20.
        const Priced item = Line("Soria", "IT");
        QCOMPARE(item.precio + " " + item.rendimiento + " " + item.importe,
                 QStringLiteral("10.00000 2.00000 20.00000"));
        // The chapter keeps its own price, in its own scope.
        QCOMPARE(Line("Soria", "CAP#").precio + " " + Line("Lugo", "CAP#").precio, QStringLiteral("97 98"));
        // A percentage line is priced at the amounts before it: 100 + 100, 3 %.
        const Priced percent = Line("Soria", "%CI");
        QCOMPARE(percent.precio + " " + percent.importe, QStringLiteral("200.00000 6.00000"));
        QCOMPARE(Price("Soria", "PC"), QStringLiteral("206.00000"));
        // Units, names, pictures and both texts of a code, on every tariff.
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT MEDIDA || '|' || NOMBRE || '|' || DESCRIPCION FROM PRECIOS "
                                          "WHERE TARIFA = 'Soria' AND ARTICULO = 'IT'")
                     .toString(),
                 QStringLiteral("m2|Muro|Muro de ladrillo macizo"));
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT IMAGEN FROM PRECIOS WHERE TARIFA = 'Lugo' AND ARTICULO = 'K'").toString(),
                 QStringLiteral("grifo.jpg"));
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT count(*) FROM TARIFAS WHERE IMAGENES <> '' OR FECHA IS NOT NULL").toInt(), 0);
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT count(*) FROM IMPORTAR").toInt(), 0);
        CheckLineTree(Db(), CLineTable::ForTariff("BP", "Soria"));
    }

    void reimportReplacesTheChosenTariffsOnly()
    {
        QVERIFY(Import(kThreeScopes, {"Madrid", "Lugo"}).IsOk());
        Db().ExecuteSQL("UPDATE PRECIOS SET DESCRIPCION = 'Mío' WHERE ARTICULO = 'K'");
        Db().ExecuteSQL("INSERT INTO PRECIOS (CODIGO, TARIFA, NUMLIN, ARTICULO) VALUES ('BP', 'Lugo', 99, 'X')");
        QVERIFY(Import(kThreeScopes, {"Lugo"}).IsOk());
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT count(*) FROM PRECIOS WHERE TARIFA = 'Lugo'").toInt(), 10);
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT DESCRIPCION FROM PRECIOS WHERE TARIFA = 'Madrid' AND ARTICULO = 'K'")
                     .toString(),
                 QStringLiteral("Mío"));
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT DESCRIPCION FROM PRECIOS WHERE TARIFA = 'Lugo' AND ARTICULO = 'K'")
                     .toString(),
                 QString());
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT count(*) FROM TARIFAS").toInt(), 2);

        // A store failure half-way leaves every tariff as it was.
        Db().ExecuteSQL("CREATE TRIGGER fail BEFORE INSERT ON PRECIOS WHEN NEW.TARIFA = 'Soria' "
                        "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
        const QString before = CTestStore::Scalar(Db(), "SELECT group_concat(TARIFA || NUMLIN || ARTICULO || "
                                                        "coalesce(DESCRIPCION, '')) FROM PRECIOS").toString();
        const CBc3PriceImportOutcome failed = Import(kThreeScopes, {"Madrid", "Soria"});
        QCOMPARE(failed.m_status, CBc3PriceImportOutcome::DatabaseError);
        QVERIFY(failed.Message().contains("disco lleno"));
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT group_concat(TARIFA || NUMLIN || ARTICULO || "
                                          "coalesce(DESCRIPCION, '')) FROM PRECIOS").toString(),
                 before);
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT group_concat(TARIFA) FROM (SELECT TARIFA FROM TARIFAS ORDER BY TARIFA)").toString(),
                 QStringLiteral("Lugo,Madrid"));
    }

    void aHeaderWithoutLabels()
    {
        // Behind a byte-order mark; a scope the file does not offer is refused.
        const QByteArray text = "\xEF\xBB\xBF" + Bc3File({"~V||FIEBDC-3/2016|||ANSI|", "~C|R##||Raiz|5\\6\\|",
                                                           "~D|R##|K\\1\\2\\|", "~C|K|u|Grifo|7\\8\\|"});
        QStringList scopes;
        QVERIFY(Bc3PriceScopes(text, scopes));
        QCOMPARE(scopes, QStringList({"Sin especificar"}));
        QCOMPARE(Import(text, {"Otro"}).m_status, CBc3PriceImportOutcome::UnknownScope);
        const CBc3PriceImportOutcome outcome = Import(text, scopes);
        QVERIFY(outcome.IsOk());
        QCOMPARE(Line("Sin especificar", "K").importe, QStringLiteral("14.00000"));
        QCOMPARE(Price("Sin especificar", "R##"), QStringLiteral("5"));
    }

    void whatIsRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<int>("status");
        QTest::newRow("no header") << QByteArray("~C|A||A|1|\r\n~V|||||") << "BP" << QStringList{"Sin especificar"}
                                   << int(CBc3PriceImportOutcome::UnknownFormat);
        QTest::newRow("no code") << kThreeScopes << "  " << QStringList{"Lugo"} << int(CBc3PriceImportOutcome::BadCode);
        QTest::newRow("no scope") << kThreeScopes << "BP" << QStringList() << int(CBc3PriceImportOutcome::NoScope);
    }

    void whatIsRefused()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, code);
        QFETCH(QStringList, chosen);
        QFETCH(int, status);
        QCOMPARE(int(Import(text, chosen, code).m_status), status);
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT count(*) FROM TARIFAS").toInt(), 0);
    }

    void progressTellsEachStep()
    {
        CRecordingProgress progress;
        QStringList scopes;
        Bc3PriceScopes(kThreeScopes, scopes);
        QVERIFY(ImportPriceBaseBc3Text(Db(), kThreeScopes, "BP", scopes, {"Lugo", "Soria"}, &progress).IsOk());
        QVERIFY(progress.m_barTexts.contains("Importando desglose 100%"));
        QVERIFY(progress.m_statusTexts.contains("Creando tarifa Lugo..."));
        QVERIFY(progress.m_statusTexts.contains("Creando tarifa Soria..."));
        QVERIFY(progress.m_statusTexts.contains("Recalculando importes. Espere..."));
        QVERIFY(progress.m_barTexts.contains("Descripciones tarifa Lugo 100%"));
        QVERIFY(progress.m_barTexts.contains("Precios tarifa Soria 100%"));
        // The window repaints between records and lines.
        QVERIFY(progress.m_nPumps > 40);
    }

    // Real price bases: every concept takes the file's price for its scope,
    // every item the sum of its lines.
    void corpusPriceBases_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("withinACent");
        QTest::newRow("dgc") << "menfis8_pricebase_dgc_2022.bc3" << QStringList{"Sin especificar"} << 10885 << 1787 << 1623;
        QTest::newRow("presto22") << "presto22_multiscope_19prices_utf8.bc3"
                                  << QStringList{"Presupuesto", "Cádiz 2008", "Sevilla 2007"} << 275 << 36 << 24;
    }

    void corpusPriceBases()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, chosen);
        QFETCH(int, lines);
        QFETCH(int, items);
        QFETCH(int, withinACent);
        if (CorpusDir().isEmpty())
            QSKIP(NoCorpusMessage());
        QByteArray text;
        QVERIFY(CBc3Reader::ReadFile(CorpusDir() + u'/' + file, text));
        QStringList scopes;
        QVERIFY(Bc3PriceScopes(text.left(1000), scopes));
        const CBc3PriceImportOutcome outcome = ImportPriceBaseBc3Text(Db(), text, "BP", scopes, chosen);
        QVERIFY2(outcome.IsOk(), qPrintable(outcome.Message()));

        // The file's prices by code, read here on their own.
        QHash<QString, QStringList> filePrices;
        for (const QByteArray& record : text.split('~')) {
            if (!record.startsWith("C|"))
                continue;
            const QList<QByteArray> fields = record.split('|');
            const QString code = QString::fromLatin1(fields.value(1).split('\\').value(0)).trimmed();
            QStringList prices;
            for (const QByteArray& price : fields.value(4).split('\\'))
                prices << QString::fromLatin1(price).trimmed();
            filePrices.insert(code, prices);
        }
        for (const QString& tariff : chosen) {
            const int scope = int(scopes.indexOf(tariff));
            CPreciosSet set(&Db());
            set.FilterTree(CLineTable::ForTariff("BP", tariff));
            set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
            QCOMPARE(int(set.GetRecordCount()), lines);
            int itemCount = 0;
            int close = 0;
            for (; !set.IsEOF(); set.MoveNext()) {
                // A code no "~C" describes has no price.
                const QStringList prices = filePrices.value(set.m_ARTICULO);
                QString expected;
                for (int s = std::min(scope, int(prices.size()) - 1); s >= 0 && expected.isEmpty(); --s)
                    expected = prices[s];
                // Percentage lines are priced at the lines before them.
                if (set.m_ARTICULO.contains(u'%'))
                    continue;
                if (set.m_DESGLOSE == "N" || set.m_ARTICULO.endsWith(u'#')) {
                    QCOMPARE(set.m_PRECIO, expected.isEmpty() ? QStringLiteral("0") : expected);
                } else {
                    ++itemCount;
                    close += std::abs(StoreAtof(set.m_PRECIO) - StoreAtof(expected)) <= 0.01 ? 1 : 0;
                }
            }
            QCOMPARE(itemCount, items);
            QCOMPARE(close, withinACent);
            CheckLineTree(Db(), CLineTable::ForTariff("BP", tariff));
        }
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBc3PriceBase>(argc, argv);
}

#include "test_bc3pricebase.moc"
