#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "bc3/CPlainBc3Reader.h"

#include "bc3/CBc3BudgetCheck.h"
#include "bc3/CBc3BudgetExport.h"
#include "bc3/CBc3BudgetImport.h"
#include "bc3/CBc3Reader.h"
#include "bc3/CBc3Staging.h"
#include "store/CArticulosSet.h"
#include "store/CMedidasSet.h"
#include "store/NumberText.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSet>
#include <cmath>

// Real files written by other programs: each imports, exports and imports
// again into the same budget, and its accented texts come out right.
class TestBc3Corpus : public QObject
{
    Q_OBJECT

private:
    struct Budget {
        QStringList fields;        // per line: what must survive the round trip
        std::vector<int> levels;
        std::vector<std::vector<int>> children;
        QStringList codes;
    };

    static QByteArray ReadCorpus(const QString& strName)
    {
        QByteArray text;
        CBc3Reader::ReadFile(CorpusDir() + u'/' + strName, text);
        return text;
    }

    // What an exported text reads back as: Windows-1252 has no room for
    // the other characters, which are written as "?"; a "\\" would cut a
    // field, and becomes "/"; every line break is CR LF.
    static QString Exported(const QString& text)
    {
        static const QString extras = QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ\u0081\u008D\u008F\u0090\u009D");
        QString result;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                result += u'?';
                ++i;
            } else if (c == u'\\') {
                result += u'/';
            } else if (c == u'\r' || c == u'\n') {
                result += QStringLiteral("\r\n");
                i += c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 1 : 0;
            } else {
                const char16_t u = c.unicode();
                result += u < 0x80 || (u >= 0xA0 && u <= 0xFF) || extras.contains(c) ? c : QChar(u'?');
            }
        }
        return result;
    }

    // A code's "#" marks are optional outside "~C".
    static QString Bare(QString code)
    {
        while (code.endsWith(u'#'))
            code.chop(1);
        return code;
    }

    static QString Number(const QString& text) { return StoreFormat(StoreAtof(text), 5); }

    static Budget Load(CTestStore& store, const QString& strCode, bool bExpected)
    {
        const auto text = [bExpected](const QString& value) { return bExpected ? Exported(value) : value; };
        QHash<long, QStringList> measurements;
        CMedidasSet medidas(&store.Db());
        medidas.FilterBudget(strCode);
        medidas.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        for (; !medidas.IsEOF(); medidas.MoveNext()) {
            measurements[medidas.m_NUMLIN.toLong()]
                << QStringList{Bare(text(medidas.m_CODIGOPADRE)), text(medidas.m_CODIGOHIJO), text(medidas.m_TIPO),
                               text(medidas.m_NOMBRE), Number(medidas.m_UNIDADES), Number(medidas.m_LARGO),
                               Number(medidas.m_ANCHO), Number(medidas.m_ALTO), Number(medidas.m_TOTAL)}
                       .join(u'|');
        }
        Budget budget;
        CArticulosSet lines(&store.Db());
        lines.FilterBudget(strCode);
        lines.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        std::vector<int> path;
        for (; !lines.IsEOF(); lines.MoveNext()) {
            const int index = int(budget.levels.size());
            const int level = lines.m_NIVEL.toInt();
            budget.codes << text(lines.m_ARTICULO);
            budget.fields << QStringList{text(lines.m_ARTICULO), lines.m_DESGLOSE, text(lines.m_NOMBRE),
                                         text(lines.m_MEDIDA), text(lines.m_DESCRIPCION), Number(lines.m_PRECIO),
                                         Number(lines.m_FACTOR), Number(lines.m_RENDIMIENTO),
                                         measurements.value(lines.m_NUMLIN.toLong()).join(u'/')}
                                 .join(u'|');
            budget.levels.push_back(level);
            budget.children.emplace_back();
            path.resize(size_t(std::max(level, 0)));
            if (level > 0 && !path.empty())
                budget.children[size_t(path.back())].push_back(index);
            path.push_back(index);
        }
        return budget;
    }

    // A digest of a line and its branch; below the first level the order of
    // children does not count.
    static QByteArray Digest(const Budget& budget, int nLine, std::vector<QByteArray>& digests)
    {
        QList<QByteArray> children;
        for (const int child : budget.children[size_t(nLine)])
            children << Digest(budget, child, digests);
        if (nLine != 0)
            std::sort(children.begin(), children.end());
        QCryptographicHash hash(QCryptographicHash::Sha1);
        hash.addData(budget.fields[nLine].toUtf8());
        for (const QByteArray& child : children)
            hash.addData(child);
        digests[size_t(nLine)] = hash.result();
        return digests[size_t(nLine)];
    }

    // Where two budgets part: empty when their trees are the same, else the
    // first line of a, in line order, whose branch b lacks while b has the
    // branch of each of its children.
    static QString Difference(const Budget& a, const Budget& b)
    {
        if (a.fields.isEmpty() || b.fields.isEmpty())
            return QStringLiteral("an empty budget");
        std::vector<QByteArray> digestsA(size_t(a.fields.size())), digestsB(size_t(b.fields.size()));
        if (Digest(a, 0, digestsA) == Digest(b, 0, digestsB))
            return {};
        const QSet<QByteArray> inB(digestsB.begin(), digestsB.end());
        for (qsizetype line = 0; line < a.fields.size(); ++line) {
            const auto& children = a.children[size_t(line)];
            if (inB.contains(digestsA[size_t(line)])
                || !std::all_of(children.begin(), children.end(), [&](int c) { return inB.contains(digestsA[size_t(c)]); }))
                continue;
            if (line == 0 && a.fields[0] == b.fields[0])
                break;
            QStringList same;
            for (qsizetype other = 0; other < b.codes.size(); ++other) {
                if (b.codes[other] == a.codes[line])
                    same << b.fields[other];
            }
            return QStringLiteral("line %1\n  %2\nagainst\n  %3").arg(line + 1).arg(a.fields[line], same.join("\n  "));
        }
        return QStringLiteral("the first level comes in another order");
    }

    // Where a reader written from the format's rules alone parts from this
    // program's import of the same file: the tree, each line's price,
    // factor and quantity, its measurement lines, and what they add up to
    // wherever this program's add up to the quantity.
    static QString PlainReaderDifference(CTestStore& store, const QString& strCode, const QByteArray& text)
    {
        const CPlainBc3Reader reader(text);
        if (!reader.m_problems.isEmpty())
            return reader.m_problems.join(QStringLiteral("; "));
        QHash<long, std::pair<int, double>> rows;
        CMedidasSet medidas(&store.Db());
        medidas.FilterBudget(strCode);
        medidas.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
        for (; !medidas.IsEOF(); medidas.MoveNext()) {
            auto& row = rows[medidas.m_NUMLIN.toLong()];
            ++row.first;
            row.second += StoreAtof(medidas.m_TOTAL);
        }
        const auto same = [](const QString& a, const QString& b) { return std::abs(StoreAtof(a) - StoreAtof(b)) < 5e-6; };
        CArticulosSet lines(&store.Db());
        lines.FilterBudget(strCode);
        lines.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
        size_t i = 0;
        for (; !lines.IsEOF() && i < reader.m_nodes.size(); lines.MoveNext(), ++i) {
            const CPlainBc3Reader::Node& node = reader.m_nodes[i];
            const auto [count, sum] = rows.value(lines.m_NUMLIN.toLong());
            const QString quantity = node.measured ? node.total : node.yield;
            QString what;
            if (node.code != lines.m_ARTICULO || node.level != lines.m_NIVEL.toInt())
                what = QStringLiteral("code %1 at level %2").arg(node.code).arg(node.level);
            // A percentage over a line with a factor other than 1 differs:
            // this program leaves factors out of amounts.
            else if (node.code.contains(u'%') ? !node.factored && std::abs(StoreAtof(node.price) - StoreAtof(lines.m_PRECIO)) > 0.001
                                              : !same(node.price, lines.m_PRECIO))
                what = QStringLiteral("price %1").arg(node.price);
            else if (i > 0 && (!same(node.factor, lines.m_FACTOR) || !same(quantity, lines.m_RENDIMIENTO)))
                what = QStringLiteral("factor %1, quantity %2").arg(node.factor, quantity);
            else if (node.rows != count)
                what = QStringLiteral("%1 measurement lines").arg(node.rows);
            else if (node.measured && !node.formulas && std::abs(sum - StoreAtof(lines.m_RENDIMIENTO)) < 0.005
                     && std::abs(node.rowSum - sum) > 0.005)
                what = QStringLiteral("measurement lines adding up to %1").arg(node.rowSum);
            if (!what.isEmpty())
                return QStringLiteral("line %1 (%2): %3").arg(lines.m_NUMLIN, lines.m_ARTICULO, what);
        }
        if (!lines.IsEOF() || i != reader.m_nodes.size())
            return QStringLiteral("%1 lines against %2").arg(lines.GetRecordCount()).arg(reader.m_nodes.size());
        return {};
    }

private slots:
    void initTestCase()
    {
        if (CorpusDir().isEmpty())
            QSKIP(NoCorpusMessage());
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(CorpusDir()).entryList({"*.bc3"}, QDir::Files, QDir::Name);
        QVERIFY2(!files.isEmpty(), qPrintable("no corpus in " + CorpusDir()));
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << file;
    }

    void roundTrip()
    {
        QFETCH(QString, file);
        CTestStore store;
        const CBc3ImportOutcome first = ImportBudgetBc3Text(store.Db(), ReadCorpus(file), "FIRST", false);
        QVERIFY2(first.IsOk(), qPrintable(first.Message()));
        QVERIFY(first.m_nLines >= 1);

        const QString exported = TestHome() + "/SECOND.bc3";
        QCOMPARE(ExportBudgetBc3(store.Doc(), "FIRST", exported), CBc3BudgetExport::Ok);
        const CBc3ImportOutcome second = ImportBudgetBc3(store.Db(), exported, true);
        QVERIFY2(second.IsOk(), qPrintable(second.Message()));
        QCOMPARE(second.m_strBudget, QStringLiteral("SECOND"));
        QCOMPARE(second.m_nLines, first.m_nLines);
        QCOMPARE(second.m_nMeasurements, first.m_nMeasurements);

        const QString difference = Difference(Load(store, "FIRST", true), Load(store, "SECOND", false));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));

        // Other programs read the same budget from it.
        QByteArray text;
        QVERIFY(CBc3Reader::ReadFile(exported, text));
        const QString plain = PlainReaderDifference(store, "SECOND", text);
        QVERIFY2(plain.isEmpty(), qPrintable(plain));
    }

    void accentedTexts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("Menfis 8") << "menfis8_pricebase_dgc_2022.bc3" << "301.0010"
                                  << "DEMOLICIÓN DE VOLUMEN APARENTE DE EDIFICACIÓN EXISTENTE";
        QTest::newRow("Menfis 10") << "menfis10_budget_large_P0210K74.bc3" << "MOC0000500" << "PEÓN";
        QTest::newRow("Presto 7, DOS") << "presto7_fiebdc95_murcia5_cp850.bc3" << "01.004" << "Peón albañilería.";
        QTest::newRow("ppl, DOS") << "ppl_fiebdc95_guadix_cp437.bc3" << "05.046"
                                  << "Tubería de fundición dúctil k-9 de diámetro 250 mm.";
        QTest::newRow("ppl, DOS and ANSI") << "ppl_fiebdc95_planta_mixed_dos_ansi.bc3" << "080.003"
                                           << "Señal cuadrada incluso parte proporcional de poste galvanizado,";
        QTest::newRow("Arquímedes, UTF-8") << "arquimedes2004_budget_urbanizacion_utf8.bc3" << "BLOCO"
                                           << "Punto de luz BLOCO de Socelec, versión “Directo opal cuadrado”";
        QTest::newRow("Presto 8.8, UTF-8 twice") << "presto88_budget_double_encoded_utf8.bc3" << "C02.00#"
                                                 << "URBANIZACIÓN";
        QTest::newRow("Presto 22, UTF-8") << "presto22_multiscope_19prices_utf8.bc3" << "02.03.01#"
                                          << "REPOSICIÓN DEL CANAL DEL MANZANARES";
        QTest::newRow("TCQ") << "tcq21_fiebdc98_puebla_oc.bc3" << "01.01.04.02#"
                             << " Reactor biológico y decantación secundaria";
    }

    void accentedTexts()
    {
        QFETCH(QString, file);
        QFETCH(QString, code);
        QFETCH(QString, name);
        CTestStore store;
        QVERIFY(ImportBudgetBc3Text(store.Db(), ReadCorpus(file), "B", false).IsOk());
        const QString stored =
            store.Scalar("SELECT NOMBRE FROM ARTICULOS WHERE CODIGO = 'B' AND ARTICULO = ?", {code}).toString();
        QVERIFY2(stored.startsWith(name), qPrintable(stored));
    }

    void percentagesInFileOrder()
    {
        // The folder of the first edit that went wrong: its "%VOL" and
        // "%CIND" apply to the lines before them, and the roll-up gives back
        // the file's 14.37 within the producer's rounding of each line to
        // cents (11.36538 with the children sorted by code). Across the
        // budget, most decompositions agree within a cent.
        CTestStore store;
        QVERIFY(ImportBudgetBc3Text(store.Db(), ReadCorpus("menfis10_budget_large_P0210K74.bc3"), "M", false).IsOk());
        const CBc3BudgetCheck check = CBc3BudgetCheck::Run(store.Db(), "M");
        QCOMPARE(check.m_nDecompositions, 5560L);
        long beyondACent = 0;
        for (const CBc3BudgetCheck::Difference& line : check.m_differences) {
            if (std::abs(StoreAtof(line.stored) - StoreAtof(line.recomputed)) > 0.005)
                ++beyondACent;
            if (line.code == QStringLiteral("OAA020eadb"))
                QCOMPARE(line.recomputed, QStringLiteral("14.36518"));
        }
        QVERIFY2(beyondACent < 2200, qPrintable(QString::number(beyondACent)));
        // The header takes its rates from "~K" and gets its totals.
        QCOMPARE(store.Scalar("SELECT GGEN || '/' || BIND || '/' || IVA FROM PRESUPUESTOS WHERE CODIGO = 'M'").toString(),
                 QStringLiteral("9/6/21"));
        // 9.35 x 5.75 x 0.75 = 40.321875 exactly: rounded in decimal.
        QCOMPARE(store.Scalar("SELECT TOTAL FROM MEDIDAS WHERE CODIGO = 'M' AND LARGO = 9.35 AND ANCHO = 5.75 "
                              "AND ALTO = 0.75").toDouble(),
                 40.32188);
    }

    void measurementListsAddUp()
    {
        // Headings count nothing: every list adds up to its declared total,
        // which the producer rounds to cents.
        CTestStore store;
        QVERIFY(ImportBudgetBc3Text(store.Db(), ReadCorpus("presto23_budget_jbar.bc3"), "P", false).IsOk());
        QCOMPARE(store.Scalar("SELECT COUNT(*) FROM ARTICULOS a WHERE CODIGO = 'P' AND EXISTS (SELECT 1 FROM MEDIDAS m "
                              "WHERE m.CODIGO = a.CODIGO AND m.NUMLIN = a.NUMLIN) AND ABS(RENDIMIENTO - (SELECT SUM(TOTAL) "
                              "FROM MEDIDAS m WHERE m.CODIGO = a.CODIGO AND m.NUMLIN = a.NUMLIN)) < 0.005")
                     .toInt(),
                 34);
    }

    void recordsWrappedOverLines()
    {
        // Its "~D" records break a line after every entry, its "~M" records
        // inside the list.
        CTestStore store;
        QVERIFY(ImportBudgetBc3Text(store.Db(), ReadCorpus("fiebdc2007_certification_multiline_D.bc3"), "F", false).IsOk());
        QCOMPARE(store.Scalar("SELECT COUNT(*) FROM ARTICULOS WHERE CODIGO = 'F' AND (ARTICULO GLOB '*[\r\n\t ]*' "
                              "OR FACTOR GLOB '*[\r\n\t ]*' OR RENDIMIENTO GLOB '*[\r\n\t ]*')")
                     .toInt(),
                 0);
        QCOMPARE(store.Scalar("SELECT RENDIMIENTO FROM ARTICULOS WHERE CODIGO = 'F' AND ARTICULO = 'PP07015' "
                              "ORDER BY NUMLIN LIMIT 1")
                     .toString(),
                 QStringLiteral("3.57000"));
    }

    void chaptersWithoutPrices_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("total");
        QTest::newRow("TCQ") << "tcq21_fiebdc98_puebla_oc.bc3" << "32525779.07";
        QTest::newRow("CYPE") << "cype_predimensionador2002_vua1.bc3" << "165264.20";
    }

    void chaptersWithoutPrices()
    {
        // They leave the sums to the reader: once the tree is built, every
        // chapter and the root get the roll-up of their children.
        QFETCH(QString, file);
        QFETCH(QString, total);
        CTestStore store;
        QVERIFY(ImportBudgetBc3Text(store.Db(), ReadCorpus(file), "T", false).IsOk());
        QCOMPARE(store.Scalar("SELECT TOTAL FROM PRESUPUESTOS WHERE CODIGO = 'T'").toString(), total);
        QCOMPARE(store.Scalar("SELECT COUNT(*) FROM ARTICULOS WHERE CODIGO = 'T' AND ARTICULO LIKE '%#' "
                              "AND CAST(PRECIO AS REAL) = 0")
                     .toInt(),
                 0);
        QVERIFY(CBc3BudgetCheck::Run(store.Db(), "T").m_nDecompositions > 0);
    }

    void charactersTheExportCannotHold()
    {
        // A "φ" typed by a user, and U+FFFD read from a damaged file: the
        // file is written with "?" and the lines are listed.
        CTestStore store;
        QVERIFY(ImportBudgetBc3Text(store.Db(), ReadCorpus("presto23_budget_jbar.bc3"), "P", false).IsOk());
        store.Db().ExecuteSQL(QStringLiteral("UPDATE ARTICULOS SET NOMBRE = NOMBRE || ' φ' WHERE CODIGO = 'P' AND NUMLIN = 3"));
        store.Db().ExecuteSQL(QStringLiteral("UPDATE MEDIDAS SET NOMBRE = 'a\uFFFDb' WHERE CODIGO = 'P' AND NUMLIN = "
                                             "(SELECT MAX(NUMLIN) FROM MEDIDAS WHERE CODIGO = 'P')"));
        std::vector<CBc3BudgetExport::Unencodable> unencodables;
        QCOMPARE(ExportBudgetBc3(store.Doc(), "P", TestHome() + "/P.bc3", &unencodables), CBc3BudgetExport::Ok);
        QCOMPARE(unencodables.size(), size_t(2));
        QCOMPARE(unencodables[0].numlin, 3L);
        QCOMPARE(unencodables[0].characters, QStringLiteral("φ"));
        QCOMPARE(unencodables[1].characters, QStringLiteral("\uFFFD"));
        const QString warning = CBc3BudgetExport::UnencodableWarning(unencodables, true);
        QVERIFY2(warning.contains(QStringLiteral("línea 3 (%1): φ (U+03C6); línea").arg(unencodables[0].code)),
                 qPrintable(warning));
        QVERIFY(warning.endsWith(QStringLiteral("\uFFFD (U+FFFD)")));
        QByteArray text;
        QVERIFY(CBc3Reader::ReadFile(TestHome() + "/P.bc3", text));
        QVERIFY(text.contains(" ?|") && text.contains("a?b"));
    }

    void declaredCodePage850()
    {
        // Its tree is the root alone; the text sits in a concept of the file.
        CTestStore store;
        CBc3StagedRecords staged;
        StageBc3Records(store.Db(), ReadCorpus("charset850_declared_pasarela.bc3"), "P", EBc3Staging::Budget, nullptr,
                        &staged);
        QCOMPARE(staged.m_nCodePage, 850);
        const int index = staged.FindConcept("CM1U00U020");
        QVERIFY(index >= 0);
        QVERIFY(CBc3StagedRecords::ToQString(staged.m_concepts[size_t(index)].text).contains("según NTE/ADD-18"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBc3Corpus>(argc, argv);
}

#include "test_bc3corpus.moc"
