#include "support/CTestApp.h"
#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "grid/CNoSeparatorMemo.h"
#include "pricebase/CBasePreciosDlg.h"
#include "pricebase/CBuscarDlg.h"
#include "pricebase/CImportarTarifaDlg.h"
#include "pricebase/CNuevaTarifaDlg.h"
#include "pricebase/CPreciosList.h"
#include "pricebase/CTarifasList.h"
#include "store/CDatabase.h"
#include "ui/CPictureBox.h"

#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using Row = CBudgetRow;

namespace {

// MAT01 under two folders of one chapter, a concept right under the
// chapter, a second chapter three levels deep.
const QStringList kTariff = {
    "0|BP##|S|0|1|0",       "1|C1#|S|0|1|0",        "2|F1|S|4|1|4",       "3|MAT01|N|4|1|4",
    "2|F2|S|8|1|8",         "3|MAT01|N|4|2|8",      "2|K|N|2|1|2",        "1|C2#|S|0|1|0",
    "2|C21#|S|0|1|0",       "3|G|S|3|1|3",          "4|H|N|3|1|3",
};

QString Field(CTestApp& app, long numlin, const char* column, const QString& tariff = "T1")
{
    return CTestStore::Scalar(app.Doc().Database(),
                              QStringLiteral("SELECT %1 FROM PRECIOS WHERE CODIGO = 'BP' AND TARIFA = ? AND NUMLIN = ?")
                                  .arg(column),
                              {tariff, qlonglong(numlin)})
        .toString();
}

QStringList Rows(CEditList& list, int column)
{
    QStringList rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows << list.GetItemText(row, column);
    return rows;
}

int RowOf(CPreciosList& list, const QString& code, int from = 0)
{
    for (int row = from; row < list.GetItemCount(); ++row) {
        if (list.GetItemText(row, Row::Codigo) == code)
            return row;
    }
    return -1;
}

void TypeIntoCell(CPreciosList& list, int row, int col, const QString& text)
{
    list.BeginCellEdit(row, col);
    auto* edit = qobject_cast<QLineEdit*>(list.Editor());
    QVERIFY2(edit, "no editor opened");
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    if (QWidget* reopened = list.Editor())
        QTest::keyClick(reopened, Qt::Key_Escape);
}

} // namespace

class TestBasePrecios : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestApp> m_app;

    CTestApp& App() { return *m_app; }
    CBasePreciosDlg& Window() { return *App().View().BasePrecios(); }
    CPreciosList& Lines() { return *Window().Lines(); }
    CTarifasList& Tariffs() { return *Window().Tariffs(); }
    CDatabase& Db() { return App().Doc().Database(); }
    int Count(const QString& sql) { return CTestStore::Scalar(Db(), sql).toInt(); }

    // Opens the window as the menu does, on the tariff the company data names.
    void Open(const QString& code = "BP", const QString& tariff = "T1")
    {
        Db().ExecuteSQL("UPDATE PARAMETROS SET LISTA = ?, TARIFA = ?", {code, tariff});
        App().Doc().m_parametrosSet.Requery();
        App().Frame().UpdateCommandUI();
        QVERIFY(App().Frame().Action(ID_BASE_PRECIOS)->isEnabled());
        App().Frame().OnCommand(ID_BASE_PRECIOS);
        QVERIFY(Window().isVisible());
    }

private slots:
    void init()
    {
        m_app = std::make_unique<CTestApp>();
        CTestStore::AddTariff(Db(), "BP", "T1", kTariff);
        CTestStore::AddTariff(Db(), "BP", "T2", {"0|BP##|S|0|1|0", "1|K|N|5|1|5"}, "/fotos/");
        CTestStore::AddTariff(Db(), "AA", "X", {"0|AA##|S|0|1|0"});
    }

    void cleanup() { m_app.reset(); }

    void theWindowOpensOnTheCompanyTariff_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("tariff");
        QTest::addColumn<int>("row");
        QTest::newRow("named") << "BP" << "T2" << 2;
        QTest::newRow("none matches") << "BP" << "T9" << 0;
    }

    void theWindowOpensOnTheCompanyTariff()
    {
        QFETCH(QString, code);
        QFETCH(QString, tariff);
        QFETCH(int, row);
        Open(code, tariff);
        QCOMPARE(Rows(Tariffs(), CTarifasList::Tarifa), QStringList({"X", "T1", "T2"}));
        QCOMPARE(Rows(Tariffs(), CTarifasList::Reg), QStringList({"1", "2", "3"}));
        QCOMPARE(Tariffs().GetSelectedRows(), QList<int>{row});
        QCOMPARE(Window().TariffName(), Tariffs().GetItemText(row, CTarifasList::Tarifa));
        // A tariff without image folder invites a double click.
        QCOMPARE(Tariffs().GetItemText(1, CTarifasList::Imagenes),
                 QStringLiteral("<Doble click aquí para seleccionar carpeta de imagenes>"));
        QCOMPARE(Tariffs().GetItemText(2, CTarifasList::Imagenes), QStringLiteral("/fotos/"));

        // A click shows another tariff's lines down to the first level, with the tariff in column 16.
        Tariffs().SelectAndFocus(1);
        Tariffs().OnItemClick(1, 0, 0);
        QCOMPARE(Rows(Lines(), Row::Codigo), QStringList({"BP##", "C1#", "C2#"}));
        QCOMPARE(Lines().GetItemText(1, CPreciosList::Tarifa), QStringLiteral("T1"));
        QCOMPARE(Lines().GetItemText(1, Row::Presupuesto), QStringLiteral("BP"));
        // Hidden and shown again, the window stays on the tariff the user chose.
        Window().hide();
        App().Frame().OnCommand(ID_BASE_PRECIOS);
        QCOMPARE(Window().TariffName(), QStringLiteral("T1"));
    }

    void newAndDeletedTariffs()
    {
        Open();
        const auto create = [&](const QString& code, const QString& tariff) {
            Window().m_runNewDialog = [&](CNuevaTarifaDlg& dialog) {
                dialog.m_pCodigo->setText(code);
                dialog.m_pTarifa->setText(tariff);
                dialog.accept();
                return dialog.result() == QDialog::Accepted;
            };
            Window().OnNueva();
        };
        // Without a tariff name the dialog does not close.
        create("NB", "  ");
        QCOMPARE(Count("SELECT count(*) FROM TARIFAS"), 3);

        create("NB", "General");
        QCOMPARE(Count("SELECT count(*) FROM TARIFAS"), 4);
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT date(FECHA) FROM TARIFAS WHERE CODIGO = 'NB'").toString(),
                 QDate::currentDate().toString(Qt::ISODate));
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT group_concat(NUMLIN || '|' || ARTICULO || '|' || NIVEL || '|' || "
                                          "DESGLOSE || '|' || FACTOR || '|' || RENDIMIENTO || '|' || PRECIO || '|' || "
                                          "IMPORTE, ';') FROM PRECIOS WHERE CODIGO = 'NB' AND TARIFA = 'General'")
                     .toString(),
                 QStringLiteral("1|NB##|0|S|1.0|1.0|0.0|0.0"));
        // The new tariff is the one shown.
        QCOMPARE(Window().Code() + "/" + Window().TariffName(), QStringLiteral("NB/General"));
        QCOMPARE(Rows(Lines(), Row::Codigo), QStringList({"NB##"}));
        // Created twice, it is refused.
        create("NB", "General");
        QCOMPARE(App().m_messages.last(), QStringLiteral("Ya existe esta tarifa"));
        QCOMPARE(Count("SELECT count(*) FROM TARIFAS WHERE CODIGO = 'NB'"), 1);

        // Two selected tariffs go with their lines, once the user says so.
        Tariffs().DeselectAll();
        Tariffs().SelectItem(1);
        Tariffs().SelectItem(2);
        App().m_answer = QMessageBox::No;
        Window().OnBorrar();
        QCOMPARE(Count("SELECT count(*) FROM TARIFAS"), 4);
        App().m_answer = QMessageBox::Yes;
        Window().OnBorrar();
        QCOMPARE(Count("SELECT count(*) FROM TARIFAS"), 2);
        QCOMPARE(Count("SELECT count(*) FROM PRECIOS WHERE CODIGO = 'BP'"), 0);
        QCOMPARE(Count("SELECT count(*) FROM PRECIOS"), 2);
        QCOMPARE(Rows(Tariffs(), CTarifasList::Codigo), QStringList({"AA", "NB"}));
    }

    void imageFolderAndPicture()
    {
        Open();
        Window().m_chooseImageFolder = [](QWidget*) { return QStringLiteral("C:\\fotos\\obra\\"); };
        // A double click on the folder asks for it; no editor opens.
        Tariffs().BeginCellEdit(1, CTarifasList::Imagenes);
        QVERIFY(!Tariffs().IsEditing());
        QCOMPARE(Tariffs().GetItemText(1, CTarifasList::Imagenes), QStringLiteral("C:\\fotos\\obra\\"));
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT IMAGENES FROM TARIFAS WHERE TARIFA = 'T1'").toString(),
                 QStringLiteral("C:\\fotos\\obra\\"));
        // Other columns are not edited at all.
        Tariffs().BeginCellEdit(1, CTarifasList::Tarifa);
        QVERIFY(!Tariffs().IsEditing());
        QCOMPARE(Count("SELECT count(*) FROM TARIFAS WHERE IMAGENES IS NOT NULL"), 2);

        Db().ExecuteSQL("UPDATE PRECIOS SET IMAGEN = 'cap\\c1.jpg', DESCRIPCION = 'Capítulo uno' WHERE NUMLIN = 2");
        Window().FillPriceLines(1);
        Lines().SelectAndFocus(1);
        Lines().OnItemClick(1, 0, 0);
        QCOMPARE(Window().PictureBox()->Path(), QStringLiteral("C:/fotos/obra/cap/c1.jpg"));
        QCOMPARE(Window().DescriptionBox()->toPlainText(), QStringLiteral("Capítulo uno"));
    }

    void descriptionIsStoredAsItIsTyped()
    {
        Open();
        Lines().ExpandAll(0);
        const int row = RowOf(Lines(), "MAT01");
        Lines().SelectAndFocus(row);
        Lines().OnItemClick(row, 0, 0);
        Window().show();
        CNoSeparatorMemo* box = Window().DescriptionBox();
        box->setFocus();
        QTest::keyClicks(box, "Ladrillo|");
        // Every occurrence of the concept keeps one description.
        QCOMPARE(Field(App(), 4, "DESCRIPCION"), QStringLiteral("Ladrillo"));
        QCOMPARE(Field(App(), 6, "DESCRIPCION"), QStringLiteral("Ladrillo"));
        const int other = RowOf(Lines(), "MAT01", row + 1);
        Lines().SelectAndFocus(other);
        Lines().OnItemClick(other, 0, 0);
        QCOMPARE(box->toPlainText(), QStringLiteral("Ladrillo"));
        // The other tariff of the price base is another price list.
        QCOMPARE(CTestStore::Scalar(Db(), "SELECT count(*) FROM PRECIOS WHERE DESCRIPCION IS NOT NULL").toInt(), 2);
    }

    void searchOpensCollapsedBranches()
    {
        Db().ExecuteSQL("UPDATE PRECIOS SET NOMBRE = 'Hormigón armado' WHERE TARIFA = 'T1' AND NUMLIN = 11");
        Db().ExecuteSQL("UPDATE PRECIOS SET DESCRIPCION = 'hormigón en masa' WHERE TARIFA = 'T1' AND NUMLIN = 3");
        Open();
        Window().m_runSearchDialog = [](CBuscarDlg& dialog) {
            dialog.m_pTexto->setText(QStringLiteral("HORMIGÓN"));
            dialog.m_pSiguiente->click();
        };
        // From the root, the long description of F1 inside the collapsed C1#.
        Window().OnBuscar();
        QCOMPARE(Lines().GetItemText(Lines().GetFirstSelected(), Row::Codigo), QStringLiteral("F1"));
        QCOMPARE(Lines().GetItemStateImage(RowOf(Lines(), "C1#")), 2);
        // Then H, three collapsed levels down; the branches above it open one level each.
        Window().FindNext(QStringLiteral("hormigón"));
        QCOMPARE(Lines().GetItemText(Lines().GetFirstSelected(), Row::Codigo), QStringLiteral("H"));
        QCOMPARE(Rows(Lines(), Row::Codigo).mid(RowOf(Lines(), "C2#")), QStringList({"C2#", "C21#", "G", "H"}));
        QCOMPARE(Window().DescriptionBox()->isReadOnly(), false);
        // Nothing after H: asked, No stays; Yes starts again from the top.
        App().m_answer = QMessageBox::No;
        Window().FindNext(QStringLiteral("hormigón"));
        QCOMPARE(App().m_messages.last(), QStringLiteral("No encontrado, ¿buscar desde el principio?"));
        QCOMPARE(Lines().GetItemText(Lines().GetFirstSelected(), Row::Codigo), QStringLiteral("H"));
        App().m_answer = QMessageBox::Yes;
        Window().FindNext(QStringLiteral("hormigón"));
        QCOMPARE(Lines().GetItemText(Lines().GetFirstSelected(), Row::Codigo), QStringLiteral("F1"));
        // From the root, a text that is nowhere is simply not found.
        Lines().SelectAndFocus(0);
        Window().FindNext(QStringLiteral("pizarra"));
        QCOMPARE(App().m_messages.last(), QStringLiteral("No encontrado"));
    }

    void aPriceReachesEveryOccurrence()
    {
        Open();
        Lines().ExpandAll(1);
        const int first = RowOf(Lines(), "MAT01");
        const int second = RowOf(Lines(), "MAT01", first + 1);
        TypeIntoCell(Lines(), first, Row::Precio, "5");
        QCOMPARE(Lines().GetItemText(second, Row::Precio), QStringLiteral("5,00000"));
        QCOMPARE(Lines().GetItemText(second, Row::Importe), QStringLiteral("10,00000"));
        QCOMPARE(Lines().GetItemText(RowOf(Lines(), "F1"), Row::Precio), QStringLiteral("5,00000"));
        QCOMPARE(Lines().GetItemText(RowOf(Lines(), "F2"), Row::Importe), QStringLiteral("10,00000"));
        QCOMPARE(Field(App(), 5, "PRECIO"), QStringLiteral("10.00000"));
        // The chapter above carries no totals, and the other tariff keeps its prices.
        QCOMPARE(Field(App(), 2, "IMPORTE"), QStringLiteral("0"));
        QCOMPARE(Field(App(), 2, "PRECIO", "T2"), QStringLiteral("5"));
        // A concept right under the chapter changes no chapter either.
        TypeIntoCell(Lines(), RowOf(Lines(), "K"), Row::Precio, "7");
        QCOMPARE(Field(App(), 7, "IMPORTE"), QStringLiteral("7.00000"));
        QCOMPARE(Field(App(), 2, "PRECIO") + Field(App(), 2, "IMPORTE"), QStringLiteral("00"));
        CheckLineTree(Db(), CLineTable::ForTariff("BP", "T1"));
    }

    void renamingAChapterClearsItsAmounts()
    {
        Db().ExecuteSQL("UPDATE PRECIOS SET PRECIO = '9', IMPORTE = '9' WHERE ARTICULO = 'C1#'");
        Open();
        TypeIntoCell(Lines(), RowOf(Lines(), "C1#"), Row::Nombre, "Albanileria");
        QCOMPARE(Field(App(), 2, "NOMBRE"), QStringLiteral("Albanileria"));
        QCOMPARE(Field(App(), 2, "PRECIO") + "|" + Field(App(), 2, "RENDIMIENTO") + "|" + Field(App(), 2, "IMPORTE"),
                 QStringLiteral("0.0|0.0|0.0"));
        QCOMPARE(Lines().GetItemText(RowOf(Lines(), "C1#"), Row::Importe), QStringLiteral("0,00"));
    }

    void cellsAndColours()
    {
        Open();
        Lines().ExpandAll(1);
        const auto opens = [&](int row, int col) {
            Lines().BeginCellEdit(row, col);
            const bool open = Lines().IsEditing();
            Lines().CancelCellEdit();
            return open;
        };
        QVERIFY(!opens(RowOf(Lines(), "C1#"), Row::Rendimiento));
        QVERIFY(!opens(RowOf(Lines(), "F1"), Row::Precio));
        QVERIFY(opens(RowOf(Lines(), "F1"), Row::Rendimiento));
        QVERIFY(opens(RowOf(Lines(), "F1"), Row::Medida));
        QVERIFY(opens(RowOf(Lines(), "K"), Row::Precio));
        // Orange everywhere, the price of a decomposed line in blue, its amount in bold.
        Lines().GetCellColors(RowOf(Lines(), "F1"), Row::Precio);
        QCOMPARE(Lines().CurrentTextColor(), QColor(0, 0, 255));
        QCOMPARE(Lines().CurrentBkColor(), QColor(255, 196, 136));
        Lines().GetCellColors(RowOf(Lines(), "K"), Row::Precio);
        QCOMPARE(Lines().CurrentTextColor(), QColor(0, 0, 0));
        QCOMPARE(Lines().GetCellFontWeight(RowOf(Lines(), "F1"), Row::Importe), 700);
        QCOMPARE(Lines().GetCellFontWeight(RowOf(Lines(), "C1#"), Row::Importe), 700);
        QCOMPARE(Lines().GetCellFontWeight(RowOf(Lines(), "K"), Row::Importe), 400);
    }

    void insertUnderACollapsedChapter()
    {
        Open();
        const int chapter = RowOf(Lines(), "C1#");
        Lines().SelectAndFocus(chapter);
        Lines().OnCommand(ID_INSERTAR_CONCEPTO);
        // Marked open with only the new concept under it.
        QCOMPARE(Lines().GetItemStateImage(chapter), 2);
        QCOMPARE(Rows(Lines(), Row::Codigo), QStringList({"BP##", "C1#", "Nuevo", "C2#"}));
        QCOMPARE(Lines().GetItemText(2, CPreciosList::Tarifa), QStringLiteral("T1"));
        QCOMPARE(Field(App(), 3, "ARTICULO"), QStringLiteral("Nuevo"));
        // Closed and opened again, every child shows.
        Lines().OnItemClick(chapter, 0, 1);
        Lines().OnItemClick(chapter, 0, 1);
        QCOMPARE(Rows(Lines(), Row::Codigo), QStringList({"BP##", "C1#", "Nuevo", "F1", "F2", "K", "C2#"}));
        // A chapter or folder still opens the branch first.
        Lines().OnItemClick(chapter, 0, 1);
        Lines().SelectAndFocus(chapter);
        Lines().OnCommand(ID_INSERTAR_CARPETA);
        QCOMPARE(Rows(Lines(), Row::Codigo), QStringList({"BP##", "C1#", "Nueva carpeta", "Nuevo", "F1", "F2", "K", "C2#"}));
        CheckLineTree(Db(), CLineTable::ForTariff("BP", "T1"));
    }

    void importingTariffsFromTheWindow()
    {
        // Labels past the first 1000 bytes of the header are not offered.
        const QByteArray header = "~V||FIEBDC-3/2016||PRECIOS\\Norte\\Sur\\" + QByteArray(1000, 'x') + "\\Este|ANSI|\r\n";
        const QString withScopes = TestFile("Zonas de obra.bc3", header + "~C|Z##||Zonas|0|\r\n~D|Z##|K\\1\\1\\|\r\n"
                                                                           "~C|K|u|Grifo|3\\4\\|\r\n");
        const QString withoutScopes = TestFile("lisa.bc3", "~V||FIEBDC-3/2016|||ANSI|\r\n~C|L##||Lisa|0|\r\n");
        CImportarTarifaDlg dialog(Db());
        QVERIFY(!dialog.IsExpanded());
        dialog.accept();
        QCOMPARE(App().m_messages.last(), QStringLiteral("Elija fichero bc3"));

        dialog.SetFile(withoutScopes);
        QVERIFY(!dialog.IsExpanded());
        QCOMPARE(dialog.m_pScopes->count(), 1);
        QCOMPARE(dialog.m_pScopes->item(0)->text(), QStringLiteral("Sin especificar"));
        QVERIFY(dialog.m_pScopes->item(0)->isSelected());

        dialog.SetFile(withScopes);
        QVERIFY(dialog.IsExpanded());
        QCOMPARE(dialog.m_pScopes->count(), 3);
        QCOMPARE(dialog.m_pScopes->item(1)->text(), QStringLiteral("Sur"));
        QCOMPARE(dialog.Code(), QStringLiteral("Zonas de obra"));
        dialog.m_pScopes->clearSelection();
        dialog.accept();
        QCOMPARE(App().m_messages.last(), QStringLiteral("Seleccione uno o varios ambitos de precios"));
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(Count("SELECT count(*) FROM TARIFAS WHERE CODIGO = 'Zonas de obra'"), 0);

        // The window runs the dialog and shows the first tariff imported.
        Open();
        Window().m_runImportDialog = [&](QWidget*) {
            std::vector<std::pair<QString, QString>> imported;
            CImportarTarifaDlg run(Db(), &Window());
            run.SetFile(withScopes);
            run.m_pScopes->item(0)->setSelected(false);
            run.m_pScopes->item(1)->setSelected(true);
            run.accept();
            if (run.result() == QDialog::Accepted) {
                for (const auto& tariff : run.Outcome().m_tariffs)
                    imported.emplace_back(run.Outcome().m_strCode, tariff.name);
            }
            return imported;
        };
        Window().OnImportar();
        QCOMPARE(Window().Code() + "/" + Window().TariffName(), QStringLiteral("Zonas de obra/Sur"));
        QCOMPARE(Rows(Lines(), Row::Codigo), QStringList({"Z##", "K"}));
        QCOMPARE(Lines().GetItemText(1, Row::Precio), QStringLiteral("4,00000"));

        // A cancelled file choice ends the dialog.
        CImportarTarifaDlg cancelled(Db());
        cancelled.m_chooseFile = [](QWidget*) { return QString(); };
        cancelled.show();
        cancelled.OnCarpeta();
        QVERIFY(!cancelled.isVisible());
        QCOMPARE(cancelled.result(), 0);
    }

    void aBranchFromABudgetTakesTheTariff()
    {
        App().OpenBudget("B", {"0|B##|S", "1|C#|S", "2|F|S|0|2", "3|A|N|3|1"});
        App().AddMeasure("B", 3, 1, 2);
        App().List().SelectAndFocus(App().RowOf("C#"));
        App().List().OnCommand(ID_COPIAR);
        Open();
        const int chapter = RowOf(Lines(), "C2#");
        Lines().SelectAndFocus(chapter);
        Lines().OnCommand(ID_PEGAR);
        QVERIFY(App().View().Clipboard().IsEmpty());
        QCOMPARE(Count("SELECT count(*) FROM PRECIOS WHERE CODIGO = 'BP' AND TARIFA = 'T1'"), 14);
        QCOMPARE(Count("SELECT count(*) FROM PRECIOS WHERE ARTICULO IN ('C#', 'F', 'A') AND CODIGO = 'BP' "
                       "AND TARIFA = 'T1'"),
                 3);
        QCOMPARE(Count("SELECT count(*) FROM MEDIDAS"), 1);
        const int pasted = RowOf(Lines(), "C#");
        QCOMPARE(pasted, chapter + 1);
        QCOMPARE(Lines().GetItemText(pasted, Row::Presupuesto) + "/" + Lines().GetItemText(pasted, CPreciosList::Tarifa),
                 QStringLiteral("BP/T1"));
        CheckLineTree(Db(), CLineTable::ForTariff("BP", "T1"));

        // And back: a tariff's branch goes into the budget.
        Lines().SelectAndFocus(RowOf(Lines(), "C1#"));
        Lines().OnCommand(ID_COPIAR);
        App().List().SelectAndFocus(0);
        App().List().OnCommand(ID_PEGAR);
        QCOMPARE(Count("SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'B' AND ARTICULO = 'MAT01'"), 2);
        CheckLineTree(Db(), CLineTable::ForBudget("B"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBasePrecios>(argc, argv);
}

#include "test_baseprecios.moc"
