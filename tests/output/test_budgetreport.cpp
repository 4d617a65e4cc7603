#include "support/TestMain.h"

#include "ExportFixture.h"
#include "core/CLanguage.h"
#include "output/CBudgetReport.h"
#include "support/CTestStore.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

QString PadRight(const QString& text, int n)
{
    return CBudgetReport::PadRight(text, n);
}

QString PadLeft(const QString& text, int n)
{
    return CBudgetReport::PadLeft(text, n);
}

QString Spaces(int n)
{
    return CBudgetReport::Spaces(n);
}

struct Report
{
    QTextDocument document;
    QStringList lines;

    Report(CDatabase& db, const QString& strBudget)
    {
        CBudgetReport::PrepareDocument(document);
        CBudgetReport(document).WriteReport(db, strBudget);
        lines = document.toPlainText().split(u'\n');
    }

    // The format of the first character of a line that holds text.
    QTextCharFormat FormatAt(int nLine, int nColumn) const
    {
        const QTextBlock block = document.findBlockByNumber(nLine);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (nColumn >= fragment.position() - block.position() &&
                nColumn < fragment.position() - block.position() + fragment.length())
                return fragment.charFormat();
        }
        return {};
    }
    int LineOf(const QString& strStart) const
    {
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].startsWith(strStart))
                return i;
        }
        return -1;
    }
};

} // namespace

class TestBudgetReport : public QObject
{
    Q_OBJECT

private slots:
    void fieldsPadAndCut()
    {
        QCOMPARE(Spaces(3), QStringLiteral("   "));
        QCOMPARE(Spaces(-1), QString());
        QCOMPARE(PadRight("abc", 5), QStringLiteral("abc  "));
        QCOMPARE(PadRight("abcdef", 3), QStringLiteral("abc"));
        QCOMPARE(PadLeft("abc", 5), QStringLiteral("  abc"));
        QCOMPARE(PadLeft("abcdef", 3), QStringLiteral("def"));
    }

    void theSpanishReportLineByLine()
    {
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        const Report report(store.Db(), "OBRA");
        const QString description34 = ExportFixture::kDescription34;
        const QStringList expected = {
            "PRESUPUESTO",
            "",
            PadRight("    Construcciones Pérez", 50) + "Reforma cocina",
            PadRight("    Avenida Sol 5", 50) + "Calle Mayor 1",
            PadRight("    17001 - Girona", 50) + "08001 - Barcelona",
            PadRight("    Girona", 50) + "Barcelona",
            PadRight("    Teléfono: 972000000", 50) + "Teléfono: 931234567",
            PadRight("    Email: obras@example.com", 50) + "Email: cliente@example.com",
            PadRight("    NIF: B17000000", 50) + "NIF: 12345678Z",
            "",
            Spaces(50) + "PRESUPUESTO: ",
            Spaces(50) + "FECHA: ",
            "    CÓDIGO             UD. DESCRIPCION                          PRECIO   CANTIDAD     IMPORTE",
            // Amounts wider than their column are written whole, not cut,
            // in the blanks of the column on their left.
            PadRight("    01                     Derribos", 57) + "12.345.678,90     1,00 12.345.678,90",
            "",
            "    D01                m2  " + QString(ExportFixture::kDescription33) + "     10,50       3,00       31,50",
            "",
            Spaces(27) + "Mediciones",
            Spaces(27) + "Salón",
            Spaces(27) + "2 * 3,5 * 1 * 1 = 7",
            Spaces(27) + "2*1,5*3,1415926 = 9,42478",
            "",
            "    C01                h   " + description34.left(33) + "     20,00       0,50       10,00",
            Spaces(27) + PadRight(description34.mid(33), 33),
            "",
            "    C02                h   " + PadRight("Peón's ayudante", 33) + "      7,25" + Spaces(23),
            "",
            PadLeft("TOTAL NETO:", 73) + PadLeft("12.345.700,00", 20),
            PadLeft("6,00% Beneficio industrial:", 73) + PadLeft("740.742,00", 20),
            PadLeft("13,00% Gastos Generales:", 73) + PadLeft("1.604.941,00", 20),
            PadLeft("TOTAL BRUTO:", 73) + PadLeft("14.691.383,00", 20),
            "",
            PadLeft("BASE IMPONIBLE:", 73) + PadLeft("14.691.383,00", 20),
            PadLeft("21,00% IVA:", 73) + PadLeft("3.085.190,43", 20),
            PadLeft("TOTAL PRESUPUESTO:", 73) + PadLeft("17.776.573,43", 20),
            "",
        };
        for (int i = 0; i < std::min(expected.size(), report.lines.size()); ++i)
            QCOMPARE(report.lines[i], expected[i]);
        QCOMPARE(report.lines.size(), expected.size());
    }

    void formatsOfTheReport()
    {
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        const Report report(store.Db(), "OBRA");
        const QTextDocument& document = report.document;
        QCOMPARE(document.firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(report.FormatAt(0, 0).font().bold());
        QCOMPARE(report.FormatAt(0, 0).fontPointSize(), 20.0);
        QCOMPARE(document.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(report.FormatAt(2, 4).fontPointSize(), 10.0);
        QVERIFY(!report.FormatAt(2, 4).font().bold());
        QCOMPARE(report.FormatAt(2, 4).font().family(), CBudgetReport::ReportFont().family());

        const int heading = report.LineOf("    CÓDIGO");
        QVERIFY(report.FormatAt(heading, 4).font().bold() && report.FormatAt(heading, 4).fontUnderline());
        const int chapter = report.LineOf("    01 ");
        QVERIFY(report.FormatAt(chapter, 4).font().bold());
        QVERIFY(report.FormatAt(chapter, 80).font().bold());
        QVERIFY(!report.FormatAt(report.LineOf("    D01"), 4).font().bold());
        const int mediciones = report.LineOf(Spaces(27) + "Mediciones");
        const QTextCharFormat heading2 = report.FormatAt(mediciones, 27);
        QVERIFY(heading2.font().bold() && heading2.fontItalic() && heading2.fontUnderline());
        QVERIFY(report.FormatAt(mediciones + 2, 27).fontItalic());
        QVERIFY(!report.FormatAt(mediciones + 2, 27).font().bold());
        QVERIFY(!report.FormatAt(report.LineOf("    C01"), 4).fontItalic());
        const int total = report.LineOf(PadLeft("TOTAL NETO:", 73));
        QVERIFY(report.FormatAt(total, 72).font().bold());
        QVERIFY(!report.FormatAt(total, 80).font().bold());
    }

    void theCatalanLabels()
    {
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        const CLanguage catalan(QStringLiteral("1"));
        const Report report(store.Db(), "OBRA");
        QCOMPARE(report.lines[0], QStringLiteral("PRESSUPOST"));
        QCOMPARE(report.lines[6], PadRight("    Telèfon: 972000000", 50) + "Telèfon: 931234567");
        QVERIFY(report.lines.contains(Spaces(50) + "PRESSUPOST: "));
        QVERIFY(report.lines.contains(Spaces(50) + "DATA: "));
        QVERIFY(report.lines.contains(
            "    CODI               UD. DESCRIPCIO                           PREU     QUANTITAT    IMPORT "));
        QVERIFY(report.lines.contains(Spaces(27) + "Amidaments"));
        QVERIFY(!report.lines.contains(Spaces(27) + "Mediciones"));
        // The Catalan net total has no colon.
        QVERIFY(report.lines.contains(PadLeft("TOTAL NET", 73) + PadLeft("12.345.700,00", 20)));
        for (const QString label : {"6,00% Benefici industrial:", "13,00% Despeses Generals:", "TOTAL BRUT:",
                                    "BASE IMPOSABLE:", "TOTAL PRESSUPOST:"})
            QVERIFY2(report.LineOf(PadLeft(label, 73)) > 0, qPrintable(label));
    }

    void withoutMeasurementsThereIsNoMeasurementHeading()
    {
        CTestStore store;
        CTestStore::AddBudget(store.Db(), "SOLO", {"0|SOLO##|S|5|1|5", "1|D1|S|5|1|5", "2|C1|N|5|1|5"});
        // Measurements of another budget, on the same line numbers, are not this one's.
        ExportFixture::AddSampleBudget(store.Db());
        const Report report(store.Db(), "SOLO");
        QVERIFY(report.LineOf("    D1 ") > 0);
        QVERIFY(report.LineOf("    C1 ") > 0);
        QCOMPARE(report.LineOf(Spaces(27) + "Mediciones"), -1);
        QVERIFY(report.lines.contains(PadLeft("TOTAL NETO:", 73) + PadLeft("5,00", 20)));
    }

    void longTextsAndWideAmountsStayWhole()
    {
        CTestStore store;
        CTestStore::AddBudget(store.Db(), "LARGO",
                              {"0|LARGO##|S|0|1|0", "1|CAPITULO#|S|0|1|0", "2|C|N|1|1|1", "2|CARO|N|1234567|1|1234567"});
        const QString longName = "Capítulo con un nombre mucho más largo que su columna";
        const QString text = QString("Primera línea\r\nsegunda\tcon tabulador y ") + QString(28, u'x');
        store.Db().ExecuteSQL("UPDATE ARTICULOS SET NOMBRE = ? WHERE CODIGO = 'LARGO' AND NUMLIN = 2", {longName});
        store.Db().ExecuteSQL("UPDATE ARTICULOS SET DESCRIPCION = ? WHERE CODIGO = 'LARGO' AND NUMLIN = 3", {text});
        store.Db().ExecuteSQL("UPDATE ARTICULOS SET DESCRIPCION = ? WHERE CODIGO = 'LARGO' AND NUMLIN = 4",
                              {ExportFixture::kDescription33});
        const Report report(store.Db(), "LARGO");
        // A chapter's name longer than its column goes on below it, as descriptions do.
        const int chapter = report.LineOf("    CAPITULO ");
        QVERIFY(chapter > 0);
        QCOMPARE(report.lines[chapter].mid(27, 33), longName.left(33));
        QCOMPARE(report.lines[chapter + 1], Spaces(27) + PadRight(longName.mid(33), 33));
        // Line breaks and tabs of a description become spaces in its column;
        // a text filling its last piece exactly adds no empty line.
        const QString flat = QString("Primera línea segunda con tabulador y ") + QString(28, u'x');
        QCOMPARE(flat.size(), 66);
        const int line = report.LineOf("    C ");
        QCOMPARE(report.lines[line].mid(27, 33), flat.left(33));
        QCOMPARE(report.lines[line + 1], Spaces(27) + flat.mid(33));
        QCOMPARE(report.lines[line + 2], QString());
        // With no blanks to take, wide amounts push the line longer, one
        // space apart.
        QCOMPARE(report.lines[report.LineOf("    CARO ")], "    CARO" + Spaces(15) + "    " +
                                                             ExportFixture::kDescription33 +
                                                             " 1.234.567,00      1,00 1.234.567,00");
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBudgetReport>(argc, argv);
}

#include "test_budgetreport.moc"
