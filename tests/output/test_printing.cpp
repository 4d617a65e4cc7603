#include "support/CTestApp.h"
#include "support/PdfText.h"
#include "support/TestMain.h"

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "core/CLanguage.h"
#include "output/CLangPrintPreview.h"
#include "output/CPrintOptionsDlg.h"
#include "output/CPrintRun.h"
#include "store/CDatabase.h"
#include "store/CPresupuestosSet.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

namespace {

template <class T>
T* Child(QWidget& parent, const char* szName)
{
    T* child = parent.findChild<T*>(QString::fromLatin1(szName));
    if (!child)
        qFatal("no child %s", szName);
    return child;
}

// Clicks a check box or radio button on its indicator: a button wider than
// its text takes no click in its middle.
void Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Answers the next modal dialog of the given class when it shows.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("the expected dialog is not showing");
        answer(*dialog);
    });
}

QString Numfac(CTestApp& app)
{
    CPresupuestosSet set(&app.Doc().Database());
    set.FilterBudget("OBRA");
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    return set.m_NUMFAC + u'|' + set.m_FECFAC.DateTime().date().toString(Qt::ISODate);
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void optionControlsFollowTheDocument()
    {
        CPrintOptionsDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* invoice = Child<QRadioButton>(dialog, "factura");
        auto* budget = Child<QRadioButton>(dialog, "presupuesto");
        auto* observations = Child<QCheckBox>(dialog, "observaciones");
        const char* budgetSide[] = {"nivelPresupuesto", "verNumPresupuesto", "numPresupuesto", "verFechaPresupuesto",
                                    "fechaPresupuesto", "codigoPresupuesto", "mediciones", "neto"};
        const char* invoiceSide[] = {"nivelFactura", "verNumFactura", "numFactura", "verFechaFactura",
                                     "fechaFactura", "datosFiscales"};
        auto check = [&](bool bInvoice) {
            for (const char* name : budgetSide)
                QVERIFY2(Child<QWidget>(dialog, name)->isEnabled() == !bInvoice, name);
            for (const char* name : invoiceSide)
                QVERIFY2(Child<QWidget>(dialog, name)->isEnabled() == bInvoice, name);
            QVERIFY(Child<QWidget>(dialog, "datosCliente")->isEnabled());
            QVERIFY(Child<QWidget>(dialog, "datosEmpresa")->isEnabled());
            QCOMPARE(observations->text(), bInvoice ? "Forma de pago" : "Observaciones");
        };
        QVERIFY(budget->isChecked());
        QCOMPARE(Child<QLineEdit>(dialog, "nivelPresupuesto")->text(), "99999");
        QVERIFY(!Child<QCheckBox>(dialog, "codigoPresupuesto")->isChecked());
        QVERIFY(!Child<QCheckBox>(dialog, "mediciones")->isChecked());
        QVERIFY(Child<QRadioButton>(dialog, "clienteDerecha")->isChecked());
        check(false);
        Click(invoice);
        check(true);

        // The number follows its check box.
        auto* showNumber = Child<QCheckBox>(dialog, "verNumFactura");
        Click(showNumber);
        QVERIFY(!Child<QLineEdit>(dialog, "numFactura")->isEnabled());
        Click(showNumber);
        QVERIFY(Child<QLineEdit>(dialog, "numFactura")->isEnabled());
        QTest::keyClicks(Child<QLineEdit>(dialog, "numFactura"), "F-2024-0017-extra");
        Child<QLineEdit>(dialog, "nivelFactura")->setText("2");
        const CPrintOptions options = dialog.Options();
        QVERIFY(options.IsInvoice());
        QCOMPARE(options.m_strInvoiceNumber, "F-2024-001");
        QCOMPARE(options.LevelLimit(), 2);

        Click(budget);
        check(false);

        const CLanguage catalan(QStringLiteral("1"));
        CPrintOptionsDlg catalanDialog;
        QCOMPARE(Child<QCheckBox>(catalanDialog, "observaciones")->text(), "Observacions");
        Child<QRadioButton>(catalanDialog, "factura")->click();
        QCOMPARE(Child<QCheckBox>(catalanDialog, "observaciones")->text(), "Forma de pagament");
    }

    void previewCaptionsAndTheOneTwoPagesButton()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        auto check = [&](const QStringList& captions, const QString& strOne, const QString& strTwo) {
            CLangPrintPreview preview(&printer);
            QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [](QPrinter* target) {
                QPainter painter(target);
                target->newPage();
            });
            preview.show();
            const QList<QAction*> actions = {preview.PrintAction(),  preview.NextAction(),    preview.PreviousAction(),
                                             preview.CloseAction(),  preview.ZoomInAction(), preview.ZoomOutAction()};
            for (qsizetype i = 0; i < actions.size(); ++i) {
                QVERIFY(actions[i]);
                QCOMPARE(actions[i]->text(), captions[i]);
            }
            QAction* pages = preview.OneTwoPagesAction();
            QCOMPARE(pages->text(), strTwo);
            pages->trigger();
            QCOMPARE(preview.PreviewWidget()->viewMode(), QPrintPreviewWidget::FacingPagesView);
            QCOMPARE(pages->text(), strOne);
            pages->trigger();
            QCOMPARE(preview.PreviewWidget()->viewMode(), QPrintPreviewWidget::SinglePageView);
            QCOMPARE(pages->text(), strTwo);
            preview.CloseAction()->trigger();
            QVERIFY(!preview.isVisible());
        };
        check({"Imprimir", "Siguiente", "Anterior", "Cerrar", "Acercar", "Alejar"}, "Una página", "Dos páginas");
        const CLanguage catalan(QStringLiteral("1"));
        check({"Imprimir", "Següent", "Anterior", "Tancar", "Acostar", "Allunyar"}, "Una pàgina", "Dues pàgines");
    }

    void printingFromTheView()
    {
        CTestApp app;
        auto action = [&](int nID) { return app.Frame().Action(nID); };
        app.Frame().UpdateCommandUI();
        QVERIFY(!action(ID_FILE_PRINT)->isEnabled());
        QVERIFY(!action(ID_FILE_PRINT_PREVIEW)->isEnabled());
        QVERIFY(action(ID_FILE_PRINT_SETUP)->isEnabled());
        app.OpenBudget("OBRA", {"0|OBRA##|S", "1|C01#|S", "2|DEM010|N|12.5|4"}, "13", "6", "21");
        app.Frame().UpdateCommandUI();
        QVERIFY(action(ID_FILE_PRINT)->isEnabled());
        QVERIFY(action(ID_FILE_PRINT_PREVIEW)->isEnabled());
        const QString before = Numfac(app);

        // Cancelling the options prints nothing and stores nothing.
        WhenShown<CPrintOptionsDlg>([](CPrintOptionsDlg& dialog) {
            Child<QRadioButton>(dialog, "factura")->click();
            Child<QLineEdit>(dialog, "numFactura")->setText("X-1");
            QTest::mouseClick(Child<QPushButton>(dialog, "cancelar"), Qt::LeftButton);
        });
        action(ID_FILE_PRINT)->trigger();
        QCOMPARE(Numfac(app), before);
        QVERIFY(!app.View().PrintRun());

        // An invoice previewed keeps its number and date in the budget.
        int previewPages = 0;
        WhenShown<CPrintOptionsDlg>([&previewPages](CPrintOptionsDlg& dialog) {
            Child<QRadioButton>(dialog, "factura")->click();
            Child<QLineEdit>(dialog, "numFactura")->setText("F-7");
            Child<QDateEdit>(dialog, "fechaFactura")->setDate(QDate(2024, 3, 5));
            WhenShown<CLangPrintPreview>([&previewPages](CLangPrintPreview& preview) {
                previewPages = preview.PreviewWidget()->pageCount();
                preview.CloseAction()->trigger();
            });
            QTest::mouseClick(Child<QPushButton>(dialog, "aceptar"), Qt::LeftButton);
        });
        action(ID_FILE_PRINT_PREVIEW)->trigger();
        QCOMPARE(previewPages, 1);
        QCOMPARE(Numfac(app), "F-7|2024-03-05");
        QVERIFY(!app.View().PrintRun());

        // Printing to a file is one of the printers.
        const QString path = TestHome() + "/factura.pdf";
        app.App().Printer().setOutputFileName(path);
        WhenShown<CPrintOptionsDlg>([](CPrintOptionsDlg& dialog) {
            Child<QRadioButton>(dialog, "factura")->click();
            Child<QLineEdit>(dialog, "numFactura")->setText("F-8");
            WhenShown<QPrintDialog>([](QPrintDialog& printDialog) { printDialog.accept(); });
            QTest::mouseClick(Child<QPushButton>(dialog, "aceptar"), Qt::LeftButton);
        });
        action(ID_FILE_PRINT)->trigger();
        const QString text = PdfText(path);
        QVERIFY2(text.contains("FACTURA: F-8"), qPrintable(text));
        QVERIFY(text.contains("TOTAL FACTURA"));
        QVERIFY(text.contains("50,00"));
        QVERIFY(app.m_messages.isEmpty());
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestPrinting>(argc, argv);
}

#include "test_printing.moc"
