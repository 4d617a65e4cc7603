#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "app/CMainFrame.h"
#include "app/CVelmoraApp.h"
#include "app/CommandIds.h"
#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "grid/CNumberEdit.h"
#include "measure/CInsertarMedidaDlg.h"
#include "measure/CMeasurementLines.h"
#include "measure/CMedicionesDlg.h"
#include "measure/CMedicionesList.h"
#include "store/CSchema.h"
#include "ui/CMessageBox.h"

#include <QFile>
#include <QHeaderView>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

using ML = CMedicionesList;

namespace {

// Rows of the budget grid once the chapter is open.
enum GridRow { Root = 0, Chapter = 1, Folder = 2, Concept = 3 };

QPoint CellCenter(const CEditList& list, int nRow, int nCol)
{
    return list.visualRect(list.model()->index(nRow, nCol)).center();
}

// As a user's double click arrives: click, double click, release.
void DoubleClick(CEditList& list, int nRow, int nCol)
{
    const QPoint pt = CellCenter(list, nRow, nCol);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, pt);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, pt);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, pt);
}

QLineEdit* TextEditor(const CEditList& list)
{
    return qobject_cast<QLineEdit*>(list.Editor());
}

} // namespace

class TestMediciones : public QObject
{
    Q_OBJECT

    QStringList m_messages;
    std::unique_ptr<CVelmoraApp> m_pApp;

    CVelmoraView& View() { return *m_pApp->View(); }
    CMedicionesDlg& Window() { return *View().Mediciones(); }
    CMedicionesList& List() { return *Window().List(); }
    CArticulosList& Grid() { return *View().List(); }
    CDatabase& Db() { return m_pApp->Document()->Database(); }

    QVariant Scalar(const QString& strSQL) { return CTestStore::Scalar(Db(), strSQL); }
    QString Quantity() { return Scalar("SELECT RENDIMIENTO FROM ARTICULOS WHERE CODIGO = 'OBRA' AND NUMLIN = 3").toString(); }
    QString Amount(int nLine)
    {
        return Scalar(QStringLiteral("SELECT IMPORTE FROM ARTICULOS WHERE CODIGO = 'OBRA' AND NUMLIN = %1").arg(nLine)).toString();
    }
    // The folder's measurement lines in the store as "LIN:NOMBRE=TOTAL"
    // (the store holds the numbers as numbers).
    QString Stored()
    {
        return Scalar("SELECT GROUP_CONCAT(LIN || ':' || COALESCE(NOMBRE, '') || '=' || TOTAL, ' ') FROM "
                      "(SELECT * FROM MEDIDAS WHERE CODIGO = 'OBRA' AND NUMLIN = 3 ORDER BY LIN)")
            .toString();
    }
    QStringList Column(int nCol)
    {
        QStringList texts;
        for (int row = 0; row < List().GetItemCount(); ++row)
            texts << List().GetItemText(row, nCol);
        return texts;
    }

    // A budget whose chapter holds the folder F1 (one concept of 10 × 2, so
    // its price is 20) beside a concept K2 of 5; its folder gets the
    // measurement lines given as "NOMBRE|UNIDADES|LARGO|ANCHO|ALTO|TOTAL|TIPO".
    void OpenBudget(const QStringList& measures)
    {
        CTestStore::AddBudget(Db(), "OBRA",
                              {"0|OBRA##|S|25|1|25", "1|C01#|S|20|1|20", "2|F1|S|20|1|20", "3|K1|N|10|2|20",
                               "1|K2|N|5|1|5"});
        CMeasurementLines lines(m_pApp->Document()->m_medidasSet);
        lines.Load("OBRA", "3");
        for (const QString& measure : measures) {
            const QStringList f = measure.split(u'|');
            lines.Append("OBRA", "3", "F1", "C01#", lines.Count(), {f[0], f[1], f[2], f[3], f[4], f[5]},
                         f.value(6) == "3");
        }
        View().OpenBudget("OBRA");
        Grid().ExpandLine(Chapter, 2);
        QCOMPARE(Grid().GetItemText(Folder, CBudgetRow::Codigo), QStringLiteral("F1"));
    }

    void ClickGridRow(int nRow)
    {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCenter(Grid(), nRow, CBudgetRow::Nombre));
        QCOMPARE(Grid().GetFirstSelected(), nRow);
    }

    void ShowFolder()
    {
        m_pApp->MainFrame()->OnCommand(ID_MEDICIONES);
        QVERIFY(Window().isVisible());
        ClickGridRow(Folder);
        QVERIFY(List().isEnabled());
    }

    // Opens the editor on a cell, types over its text and presses Enter.
    void EditCell(int nRow, int nCol, const QString& strText)
    {
        DoubleClick(List(), nRow, nCol);
        QLineEdit* editor = TextEditor(List());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, strText);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    // The colour of the folder's quantity in the budget grid: purple while it has measurement lines.
    QColor QuantityColour()
    {
        Grid().GetCellColors(Folder, CBudgetRow::Rendimiento);
        return Grid().CurrentTextColor();
    }

    // Runs the measurement dialog the next call opens, as the user would.
    void WhenTheDialogOpens(std::function<void(CInsertarMedidaDlg&)> fill)
    {
        QTimer::singleShot(0, this, [fill] {
            auto* dialog = qobject_cast<CInsertarMedidaDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            fill(*dialog);
        });
    }

private slots:
    void init()
    {
        m_messages.clear();
        CMessageBox::SetResponder([this](const QString& text, QMessageBox::StandardButtons) {
            m_messages << text;
            return QMessageBox::Ok;
        });
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Velmora", "Velmora").clear();
        QFile::remove(CSchema::DefaultDatabasePath());
        m_pApp = std::make_unique<CVelmoraApp>();
        QVERIFY(m_pApp->InitInstance());
        m_pApp->MainFrame()->activateWindow();
    }

    void cleanup()
    {
        m_pApp.reset();
        CMessageBox::ClearResponder();
    }

    void theWindowFollowsTheSelectionAndTakesEditsOnlyForFolders()
    {
        QVERIFY(!Window().isVisible());
        // Nothing to measure without a budget.
        m_pApp->MainFrame()->OnCommand(ID_MEDICIONES);
        QVERIFY(!Window().isVisible());

        OpenBudget({"Muro|2|3.5|1|1|7", "Pilar|1|2|1|1|2"});
        m_pApp->MainFrame()->OnCommand(ID_MEDICIONES);
        QVERIFY(Window().isVisible());
        // No line selected: the root is followed, which has no measurements.
        QCOMPARE(List().GetItemCount(), 0);
        QVERIFY(!List().isEnabled());
        QVERIFY(!Window().InsertButton()->isEnabled());
        QCOMPARE(Window().TotalBox()->text(), QStringLiteral("0,00000"));

        // The keys stay out of sight.
        for (int col : {ML::Codigo, ML::NumLin, ML::Linea, ML::CodigoPadre, ML::CodigoHijo, ML::Posicion, ML::Tipo})
            QVERIFY(List().header()->isSectionHidden(col));

        ClickGridRow(Folder);
        QVERIFY(List().isEnabled());
        QVERIFY(Window().InsertButton()->isEnabled());
        QCOMPARE(Column(ML::Comentario), QStringList({"Muro", "Pilar"}));
        QCOMPARE(Column(ML::Largo), QStringList({"3,50000", "2,00000"}));
        QCOMPARE(Column(ML::Linea), QStringList({"1", "2"}));
        QCOMPARE(Window().TotalBox()->text(), QStringLiteral("9,00000"));

        for (int row : {Chapter, Concept, Root}) {
            ClickGridRow(row);
            QVERIFY(!List().isEnabled());
            QVERIFY(!Window().InsertButton()->isEnabled());
            QCOMPARE(List().GetItemCount(), 0);
        }

        // Closing the chapter's branch moves the rows: the window does not
        // follow a row number to another line.
        ClickGridRow(Folder);
        Grid().CollapseLine(Chapter);
        QCOMPARE(Window().BudgetRow(), -1);
        List().InsertMeasurement();
        QVERIFY(!List().isEnabled());
        QCOMPARE(Stored(), QStringLiteral("1:Muro=7 2:Pilar=2"));

        m_pApp->MainFrame()->OnCommand(ID_MEDICIONES);
        QVERIFY(!Window().isVisible());
        m_pApp->MainFrame()->OnCommand(ID_MEDICIONES);
        ClickGridRow(Root);
        Grid().ExpandLine(Chapter, 2);
        ClickGridRow(Folder);
        QCOMPARE(List().GetItemCount(), 2);
        // Closing the budget empties the window.
        m_pApp->MainFrame()->OnCommand(ID_CERRAR_PRESUPUESTO);
        QCOMPARE(List().GetItemCount(), 0);
        QVERIFY(!List().isEnabled());
        QVERIFY(m_messages.isEmpty());
    }

    void editedFactorsAndFormulasCarryTheSumIntoTheBudget()
    {
        OpenBudget({"Muro|1|3.5|||7", "(b*b * p) *d * a|2|2|1|3|0|3"});
        ShowFolder();

        // Empty factors count as nothing.
        EditCell(0, ML::Unidades, "2");
        QCOMPARE(List().GetItemText(0, ML::Unidades), QStringLiteral("2,00000"));
        QCOMPARE(List().GetItemText(0, ML::Total), QStringLiteral("0,00000"));
        QCOMPARE(Scalar("SELECT UNIDADES || '/' || TOTAL FROM MEDIDAS WHERE LIN = 1").toString(), QStringLiteral("2/0"));

        // Pi taken to 16 decimals: 1 × 2 × 2 × pi × 3.
        EditCell(1, ML::Unidades, "1");
        QCOMPARE(List().GetItemText(1, ML::Total), QStringLiteral("37,69911"));
        QCOMPARE(Window().TotalBox()->text(), QStringLiteral("37,69911"));

        // The folder takes the sum as its quantity, and the amounts follow.
        QCOMPARE(Grid().GetItemText(Folder, CBudgetRow::Rendimiento), QStringLiteral("37,69911"));
        QCOMPARE(Quantity(), QStringLiteral("37.69911"));
        QCOMPARE(Amount(3), QStringLiteral("753.98220"));
        QCOMPARE(Amount(2), QStringLiteral("753.98220"));
        QCOMPARE(Amount(1), QStringLiteral("758.98220"));
        QCOMPARE(Grid().GetItemText(Root, CBudgetRow::Importe), QStringLiteral("758,98"));
        QCOMPARE(View().TotalBox()->text(), QStringLiteral("758,98"));
        QCOMPARE(Scalar("SELECT TOTAL FROM PRESUPUESTOS WHERE CODIGO = 'OBRA'").toString(), QStringLiteral("758.98"));

        // Numbers open without their grouping points; a comment keeps its full stops.
        EditCell(0, ML::Largo, "1234,5");
        QTest::keyClick(TextEditor(List()), Qt::Key_Escape); // Enter left an editor open
        QCOMPARE(List().GetItemText(0, ML::Largo), QStringLiteral("1.234,50000"));
        DoubleClick(List(), 0, ML::Largo);
        QCOMPARE(TextEditor(List())->text(), QStringLiteral("1234,50000"));
        QTest::keyClick(TextEditor(List()), Qt::Key_Escape);
        QCOMPARE(List().GetItemText(0, ML::Largo), QStringLiteral("1.234,50000"));
        EditCell(0, ML::Comentario, "Muro N. 2");
        DoubleClick(List(), 0, ML::Comentario);
        QCOMPARE(TextEditor(List())->text(), QStringLiteral("Muro N. 2"));
        QTest::keyClick(TextEditor(List()), Qt::Key_Escape);
        QVERIFY(m_messages.isEmpty());
    }

    void aFormulaThatDoesNotParseIsRefused()
    {
        OpenBudget({"(b*b * p) *d * a|1|2||3|37.69911|3"});
        ShowFolder();
        const QString before = Stored();

        EditCell(0, ML::Comentario, "b*2)+a");
        // The editor stays open with the text to correct; nothing changed.
        QLineEdit* editor = TextEditor(List());
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("b*2)+a"));
        QCOMPARE(List().GetItemText(0, ML::Comentario), QStringLiteral("(b*b * p) *d * a"));
        QCOMPARE(List().GetItemText(0, ML::Total), QStringLiteral("37,69911"));
        QCOMPARE(Stored(), before);
        QCOMPARE(Quantity(), QStringLiteral("1"));
        // The user is told where, in the formula as typed.
        QCOMPARE(m_pApp->MainFrame()->statusBar()->currentMessage(), QStringLiteral("Error en fórmula: posición 4"));
        QCOMPARE(List().LastErrorPosition(), 4);

        // Corrected, it goes in.
        editor->setText("b*2+a");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(List().GetItemText(0, ML::Total), QStringLiteral("5,00000"));
        QCOMPARE(Stored(), QStringLiteral("1:b*2+a=5"));
        QCOMPARE(Quantity(), QStringLiteral("5.00000"));
        QVERIFY(m_messages.isEmpty());

        // Given up with Escape, the error goes with the editor.
        EditCell(0, ML::Comentario, "b*2)+a");
        QVERIFY(!m_pApp->MainFrame()->statusBar()->currentMessage().isEmpty());
        QTest::keyClick(TextEditor(List()), Qt::Key_Escape);
        QVERIFY(!TextEditor(List()));
        QCOMPARE(m_pApp->MainFrame()->statusBar()->currentMessage(), QStringLiteral("Preparado"));
        QCOMPARE(Stored(), QStringLiteral("1:b*2+a=5"));
    }

    void deletingRenumbersAndTheLastLeavesOne()
    {
        OpenBudget({"A|1|1|1|1|1", "B|1|2|1|1|2", "C|1|4|1|1|4"});
        ShowFolder();
        QCOMPARE(QuantityColour(), QColor(128, 0, 128));
        List().setFocus();
        List().SelectAndFocus(1);
        QTest::keyClick(&List(), Qt::Key_Delete);
        QCOMPARE(Stored(), QStringLiteral("1:A=1 2:C=4"));
        QCOMPARE(Column(ML::Linea), QStringList({"1", "2"}));
        QCOMPARE(List().GetFirstSelected(), 1);
        QCOMPARE(Window().TotalBox()->text(), QStringLiteral("5,00000"));
        QCOMPARE(Quantity(), QStringLiteral("5.00000"));
        QCOMPARE(Amount(3), QStringLiteral("100.00000"));

        List().DeleteMeasurement(1);
        QCOMPARE(List().GetFirstSelected(), 0);
        List().DeleteMeasurement(0);
        QCOMPARE(List().GetItemCount(), 0);
        QCOMPARE(Stored(), QString());
        QCOMPARE(Window().TotalBox()->text(), QStringLiteral("0,00000"));
        QCOMPARE(Quantity(), QStringLiteral("1.00000"));
        QCOMPARE(Amount(1), QStringLiteral("25.00000"));
        QCOMPARE(QuantityColour(), QColor(0, 0, 0));
        QVERIFY(m_messages.isEmpty());
    }

    void insertingThroughTheDialogAddsALineAndItsQuantity()
    {
        OpenBudget({});
        ShowFolder();

        // Cancelled, nothing happens.
        WhenTheDialogOpens([](CInsertarMedidaDlg& dialog) { dialog.reject(); });
        QTest::mouseClick(Window().InsertButton(), Qt::LeftButton);
        QCOMPARE(List().GetItemCount(), 0);
        QCOMPARE(Quantity(), QStringLiteral("1"));
        QCOMPARE(QuantityColour(), QColor(0, 0, 0));

        WhenTheDialogOpens([](CInsertarMedidaDlg& dialog) {
            QCOMPARE(dialog.m_strCodigoPadre, QStringLiteral("C01#"));
            QCOMPARE(dialog.m_nExisting, 0L);
            dialog.SizeField(CInsertarMedidaDlg::Linea, 0)->setText("3");
            dialog.UnitsField(CInsertarMedidaDlg::Linea)->setText("2");
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        QTest::mouseClick(Window().InsertButton(), Qt::LeftButton);
        QCOMPARE(Column(ML::Total), QStringList({"6,00000"}));
        QCOMPARE(Quantity(), QStringLiteral("6.00000"));
        QCOMPARE(Amount(3), QStringLiteral("120.00000"));
        QCOMPARE(Amount(1), QStringLiteral("125.00000"));
        QCOMPARE(View().TotalBox()->text(), QStringLiteral("125,00"));
        QCOMPARE(QuantityColour(), QColor(128, 0, 128));

        // A right click selects the row under the pointer and offers the
        // one command; from there the new line becomes the current one.
        List().DeselectAll();
        QStringList offered;
        QTimer::singleShot(0, this, [&offered] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    offered << action->text();
                menu->close();
            }
        });
        const QPoint pt = CellCenter(List(), 0, ML::Largo);
        QContextMenuEvent click(QContextMenuEvent::Mouse, pt, List().viewport()->mapToGlobal(pt));
        QApplication::sendEvent(List().viewport(), &click);
        QCOMPARE(offered, QStringList({"Insertar medida"}));
        QCOMPARE(List().GetFirstSelected(), 0);
        WhenTheDialogOpens([](CInsertarMedidaDlg& dialog) {
            QCOMPARE(dialog.m_nExisting, 1L);
            dialog.SetShape(CInsertarMedidaDlg::Triangulo);
            dialog.SizeField(CInsertarMedidaDlg::Triangulo, 0)->setText("4");
            dialog.SizeField(CInsertarMedidaDlg::Triangulo, 1)->setText("3");
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        QVERIFY(List().OnCommand(ID_INSERTAR_MEDIDA));
        QCOMPARE(Stored(), QStringLiteral("1:=6 2:(((b * c) / 2) * d) * a=6"));
        QCOMPARE(List().GetFirstSelected(), 1);
        QCOMPARE(Quantity(), QStringLiteral("12.00000"));
        // Grid cells of a formula line are recomputed by the formula.
        EditCell(1, ML::Alto, "2");
        QCOMPARE(Quantity(), QStringLiteral("18.00000"));
        QVERIFY(m_messages.isEmpty());
    }

    void aStoreErrorUndoesTheWholeChange()
    {
        OpenBudget({"A|1|1|1|1|1", "B|1|2|1|1|2"});
        ShowFolder();
        // The budget line refuses to change: the measurement line may not
        // change either.
        Db().ExecuteSQL("CREATE TRIGGER refuse BEFORE UPDATE ON ARTICULOS BEGIN SELECT RAISE(ABORT, 'bloqueado'); END");
        EditCell(0, ML::Unidades, "5");
        QCOMPARE(Stored(), QStringLiteral("1:A=1 2:B=2"));
        QCOMPARE(Quantity(), QStringLiteral("1"));
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].contains("bloqueado"), qPrintable(m_messages[0]));
        // The budget was reloaded: the window shows no line until one is chosen.
        QCOMPARE(List().GetItemCount(), 0);
        QVERIFY(!List().isEnabled());

        Grid().ExpandLine(Chapter, 2);
        ClickGridRow(Folder);
        QCOMPARE(Column(ML::Unidades), QStringList({"1,00000", "1,00000"}));
        List().DeleteMeasurement(0);
        QCOMPARE(Stored(), QStringLiteral("1:A=1 2:B=2"));
        QCOMPARE(m_messages.size(), 2);
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestMediciones>(argc, argv);
}

#include "test_mediciones.moc"
