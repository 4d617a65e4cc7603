#include "support/CTestApp.h"
#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "admin/CDatosPresupuestoDlg.h"
#include "admin/CPresupuestosDlg.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "core/CLanguage.h"
#include "grid/CEditList.h"
#include "grid/CNumberEdit.h"
#include "store/CDatabase.h"
#include "store/CPresupuestosSet.h"
#include "store/NumberText.h"
#include "ui/CProgressBarText.h"

#include <QFile>
#include <QRegularExpression>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTimer>

namespace {

QVariant Scalar(CTestApp& app, const QString& sql)
{
    QSqlQuery query(app.Doc().Database().Connection());
    if (!query.exec(sql) || !query.next())
        return {};
    return query.value(0);
}

// Runs the next modal dialog's work once it is showing.
void WhenShown(const std::function<void(QWidget*)>& work)
{
    QTimer::singleShot(0, [work] { work(QApplication::activeModalWidget()); });
}

} // namespace

class TestManager : public QObject
{
    Q_OBJECT

private slots:
    void initialSelection()
    {
        CTestApp app;
        app.OpenBudget("ZZZ", {"0|ZZZ##|S"});
        app.Doc().Database().ExecuteSQL("UPDATE PRESUPUESTOS SET NOMBRE = 'Almacén' WHERE CODIGO = 'ZZZ'");
        app.OpenBudget("AAA", {"0|AAA##|S"});
        app.Doc().Database().ExecuteSQL("UPDATE PRESUPUESTOS SET NOMBRE = 'Vivienda' WHERE CODIGO = 'AAA'");
        {
            CPresupuestosDlg manager(app.View(), "");
            QCOMPARE(manager.List()->GetItemText(0, 1), QStringLiteral("ZZZ"));
            QCOMPARE(manager.List()->GetFirstSelected(), 0);
        }
        {
            CPresupuestosDlg manager(app.View(), "aaa");
            QCOMPARE(manager.List()->GetFirstSelected(), 1);
        }
        {
            CPresupuestosDlg manager(app.View(), "GONE");
            QCOMPARE(manager.List()->GetFirstSelected(), -1);
            // Closing the window opens nothing.
            manager.show();
            manager.reject();
            QCOMPARE(manager.m_strCodigo, QString());
        }
    }

    void newBudgetFromTheManager()
    {
        CTestApp app;
        app.OpenBudget("P1", {"0|P1##|S"});
        CPresupuestosDlg manager(app.View(), "P1");
        manager.m_runDataDialog = [](CDatosPresupuestoDlg& dialog) {
            dialog.m_pCodigo->setText("P1");
            return true;
        };
        manager.OnNuevo();
        QCOMPARE(app.m_messages, QStringList({"Ya existe este presupuesto"}));
        QCOMPARE(Scalar(app, "SELECT count(*) FROM PRESUPUESTOS").toInt(), 1);

        manager.m_runDataDialog = [](CDatosPresupuestoDlg& dialog) {
            dialog.m_pCodigo->setText("P2");
            dialog.m_pNombre->setText("Nave industrial");
            dialog.m_pIva->setText("21");
            return true;
        };
        manager.OnNuevo();
        QCOMPARE(manager.m_strCodigo, QStringLiteral("P2"));
        QCOMPARE(manager.result(), int(QDialog::Accepted));
        QCOMPARE(Scalar(app, "SELECT IVA FROM PRESUPUESTOS WHERE CODIGO = 'P2'").toString(), QStringLiteral("21"));
    }

    void newDialogWantsACode()
    {
        CTestApp app;
        CDatosPresupuestoDlg dialog(true);
        WhenShown([&](QWidget*) {
            QTest::mouseClick(dialog.findChild<QPushButton*>("aceptar"), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            dialog.m_pCodigo->setText("X1");
            QTest::mouseClick(dialog.findChild<QPushButton*>("aceptar"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(app.m_messages, QStringList({"Falta código de presupuesto"}));

        const CLanguage language(QStringLiteral("1"));
        CDatosPresupuestoDlg catalan(true);
        WhenShown([&](QWidget*) {
            catalan.accept();
            catalan.reject();
        });
        catalan.exec();
        QCOMPARE(app.m_messages.last(), QStringLiteral("Falta codi pressupost"));
    }

    void copyAndDelete()
    {
        CTestApp app;
        app.OpenBudget("SRC", {"0|SRC##|S", "1|C1#|S", "2|F|S|0|2", "3|A|N|5|1"});
        app.AddMeasure("SRC", 3, 1, 2);
        CPresupuestosDlg manager(app.View(), "SRC");
        manager.List()->DeselectAll();
        manager.OnCopiar();
        QCOMPARE(app.m_messages, QStringList({"Elija un presupuesto"}));

        manager.List()->SelectAndFocus(0);
        manager.m_runDataDialog = [](CDatosPresupuestoDlg& dialog) {
            dialog.m_pCodigo->setText("DST");
            return true;
        };
        manager.OnCopiar();
        QCOMPARE(manager.m_strCodigo, QStringLiteral("DST"));
        QCOMPARE(Scalar(app, "SELECT group_concat(ARTICULO, ',') FROM (SELECT ARTICULO FROM ARTICULOS "
                             "WHERE CODIGO = 'DST' ORDER BY NUMLIN)").toString(),
                 QStringLiteral("DST##,C1#,F,A"));

        // Deleting the open budget closes it in the view.
        app.View().OpenBudget("SRC");
        CPresupuestosDlg second(app.View(), "SRC");
        QCOMPARE(second.List()->GetItemText(second.List()->GetFirstSelected(), 1), QStringLiteral("SRC"));
        app.m_answer = QMessageBox::Yes;
        second.OnBorrar();
        QVERIFY(!app.View().IsBudgetOpen());
        QCOMPARE(app.View().List()->GetItemCount(), 0);
        QCOMPARE(second.List()->GetItemCount(), 1);
        QCOMPARE(second.List()->GetFirstSelected(), 0);
        QCOMPARE(Scalar(app, "SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'SRC'").toInt(), 0);
    }

    void openingFromTheMenu()
    {
        CTestApp app;
        app.OpenBudget("A", {"0|A##|S", "1|X|N|2|3"});
        app.View().CloseBudget();
        WhenShown([](QWidget* dialog) { QTest::mouseClick(dialog->findChild<QPushButton*>("abrir"), Qt::LeftButton); });
        app.Frame().OnCommand(ID_GESTION_PRESUPUESTOS);
        QVERIFY(app.View().IsBudgetOpen());
        QCOMPARE(app.View().m_strCodigo, QStringLiteral("A"));
        QCOMPARE(app.List().GetItemCount(), 2);
        // Closing the manager keeps the budget that was open.
        WhenShown([](QWidget* dialog) { dialog->close(); });
        app.Frame().OnCommand(ID_GESTION_PRESUPUESTOS);
        QCOMPARE(app.View().m_strCodigo, QStringLiteral("A"));
    }

    void totalsAndIncreaseInTheDataDialog()
    {
        CTestApp app;
        app.OpenBudget("B", {"0|B##|S", "1|C#|S", "2|A|N|600|1", "2|B|N|400|1"});
        app.List().ExpandAll(1);
        const QString fecent = Scalar(app, "SELECT FECENT FROM PRESUPUESTOS").toString();
        WhenShown([&](QWidget* widget) {
            auto* dialog = qobject_cast<CDatosPresupuestoDlg*>(widget);
            QVERIFY(dialog);
            dialog->m_pGgen->setText("13");
            dialog->m_pBind->setText("6");
            dialog->m_pIva->setText("21");
            dialog->OnLeavePercentage();
            QCOMPARE(dialog->m_pImpGgen->text(), QStringLiteral("130,00"));
            QCOMPARE(dialog->m_pImpBind->text(), QStringLiteral("60,00"));
            QCOMPARE(dialog->m_pBase->text(), QStringLiteral("1.190,00"));
            QCOMPARE(dialog->m_pImpIva->text(), QStringLiteral("249,90"));
            QCOMPARE(dialog->m_pTotal->text(), QStringLiteral("1.439,90"));
            // The custom increase re-prices the budget when the field is left...
            dialog->m_pCper->setText("10");
            dialog->OnLeavePercentage();
            QCOMPARE(dialog->m_pBase->text(), QStringLiteral("1.309,00"));
            dialog->reject();
        });
        app.Frame().OnCommand(ID_DATOS_TOTALES);
        // ...and cancelling afterwards undoes nothing.
        QCOMPARE(Scalar(app, "SELECT PRECIO FROM ARTICULOS WHERE ARTICULO = 'A'").toString(), QStringLiteral("660.00000"));
        QCOMPARE(Scalar(app, "SELECT IMPGGEN || '/' || BASE || '/' || TOTAL || '/' || CPER FROM PRESUPUESTOS").toString(),
                 QStringLiteral("143.00/1309.00/1583.89/10"));
        QCOMPARE(app.View().TotalBox()->text(), QStringLiteral("1.100,00"));
        QCOMPARE(app.List().GetItemText(app.RowOf("A"), CBudgetRow::Precio), QStringLiteral("660,00000"));
        QVERIFY(Scalar(app, "SELECT FECMOD FROM PRESUPUESTOS").toString() <= fecent);

        // Back to no increase, and Aceptar stamps the modification date.
        QTest::qWait(1100);
        WhenShown([&](QWidget* widget) {
            auto* dialog = qobject_cast<CDatosPresupuestoDlg*>(widget);
            QCOMPARE(dialog->m_pCper->text(), QStringLiteral("10,00"));
            dialog->m_pCper->setText("0");
            dialog->m_pNombre->setText("Reforma");
            QTest::mouseClick(dialog->findChild<QPushButton*>("aceptar"), Qt::LeftButton);
        });
        app.Frame().OnCommand(ID_DATOS_TOTALES);
        QCOMPARE(Scalar(app, "SELECT PRECIO FROM ARTICULOS WHERE ARTICULO = 'A'").toString(), QStringLiteral("600.00000"));
        QCOMPARE(Scalar(app, "SELECT NOMBRE FROM PRESUPUESTOS").toString(), QStringLiteral("Reforma"));
        QCOMPARE(Scalar(app, "SELECT FECENT FROM PRESUPUESTOS").toString(), fecent);
        QVERIFY(Scalar(app, "SELECT FECMOD FROM PRESUPUESTOS").toString() > fecent);
    }

    void aFailedIncreaseChangesNothing()
    {
        CTestApp app;
        app.OpenBudget("B", {"0|B##|S", "1|A|N|100|1"});
        app.Doc().Database().ExecuteSQL("CREATE TRIGGER fail BEFORE UPDATE OF PRECIO ON ARTICULOS "
                                        "BEGIN SELECT RAISE(ABORT, 'bloqueado'); END");
        WhenShown([&](QWidget* widget) {
            auto* dialog = qobject_cast<CDatosPresupuestoDlg*>(widget);
            dialog->m_pCper->setText("10");
            dialog->OnLeavePercentage();
            // The prices stand as they were, and so do the field and CPER.
            QCOMPARE(dialog->m_pCper->text(), QString());
            app.Doc().Database().ExecuteSQL("DROP TRIGGER fail");
            QTest::mouseClick(dialog->findChild<QPushButton*>("aceptar"), Qt::LeftButton);
        });
        app.Frame().OnCommand(ID_DATOS_TOTALES);
        QCOMPARE(app.m_messages.size(), 1);
        QVERIFY(app.m_messages[0].contains("bloqueado"));
        QCOMPARE(Scalar(app, "SELECT CPER FROM PRESUPUESTOS").toDouble(), 0.0);
        QCOMPARE(Scalar(app, "SELECT PRECIO FROM ARTICULOS WHERE ARTICULO = 'A'").toString(), QStringLiteral("100.00000"));
        // The next increase starts from the prices as they are.
        WhenShown([&](QWidget* widget) {
            auto* dialog = qobject_cast<CDatosPresupuestoDlg*>(widget);
            dialog->m_pCper->setText("10");
            QTest::mouseClick(dialog->findChild<QPushButton*>("aceptar"), Qt::LeftButton);
        });
        app.Frame().OnCommand(ID_DATOS_TOTALES);
        QCOMPARE(Scalar(app, "SELECT PRECIO FROM ARTICULOS WHERE ARTICULO = 'A'").toString(), QStringLiteral("110.00000"));
        QCOMPARE(app.View().TotalBox()->text(), QStringLiteral("110,00"));
    }

    void importAndExportFromTheManager()
    {
        if (CorpusDir().isEmpty())
            QSKIP(NoCorpusMessage());
        CTestApp app;
        const QString source = CorpusDir() + "/presto23_budget_jbar.bc3";
        const QString file = TestHome() + "/OBRA J.bc3";
        QFile::remove(file);
        QVERIFY(QFile::copy(source, file));
        {
            CPresupuestosDlg manager(app.View(), "");
            manager.m_chooseImportFile = [&](QWidget*) { return file; };
            manager.OnImportar();
            QCOMPARE(manager.m_strCodigo, QStringLiteral("OBRA J"));
            QVERIFY(manager.ProgressBar()->isHidden());
            QVERIFY(app.m_messages.isEmpty());
        }
        const int lines = Scalar(app, "SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'OBRA J'").toInt();
        QVERIFY(lines > 50);
        QCOMPARE(Scalar(app, "SELECT count(*) FROM IMPORTAR").toInt(), 0);

        // The same file again asks first; No leaves the budget alone.
        app.View().OpenBudget("OBRA J");
        app.List().ExpandAll(0);
        app.Doc().Database().ExecuteSQL("UPDATE ARTICULOS SET NOMBRE = 'editado φ' WHERE CODIGO = 'OBRA J' AND NUMLIN = 2");
        CPresupuestosDlg manager(app.View(), "OBRA J");
        manager.m_chooseImportFile = [&](QWidget*) { return file; };
        app.m_answer = QMessageBox::No;
        manager.OnImportar();
        QCOMPARE(app.m_messages, QStringList({"Ya existe, desea reemplazarlo ? "}));
        QCOMPARE(Scalar(app, "SELECT NOMBRE FROM ARTICULOS WHERE CODIGO = 'OBRA J' AND NUMLIN = 2").toString(),
                 QStringLiteral("editado φ"));

        // Export writes the selected budget; a name without extension gets ".bc3".
        const QString target = TestHome() + "/exportado";
        QFile::remove(target + ".bc3");
        QString suggestion;
        manager.m_chooseExportFile = [&](QWidget*, const QString& suggested) {
            suggestion = suggested;
            return target;
        };
        manager.OnExportar();
        QCOMPARE(suggestion, QStringLiteral("OBRA J.bc3"));
        QFile written(target + ".bc3");
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes.startsWith("~V|") && bytes.contains("|ANSI||2|||\r\n~K|"));
        // The "φ" that Windows-1252 lacks is written as "?", and the user is told where.
        QVERIFY(app.m_messages.last().startsWith("El fichero se ha escrito, pero el juego de caracteres ANSI no admite"));
        QVERIFY2(app.m_messages.last().contains(QRegularExpression("\nlínea 2 \\(.*\\): φ \\(U\\+03C6\\)$")),
                 qPrintable(app.m_messages.last()));
        manager.List()->DeselectAll();
        manager.OnExportar();
        QCOMPARE(app.m_messages.last(), QStringLiteral("Elija un presupuesto"));

        // Yes replaces it, and what was edited is gone.
        app.m_answer = QMessageBox::Yes;
        manager.OnImportar();
        QCOMPARE(manager.m_strCodigo, QStringLiteral("OBRA J"));
        QCOMPARE(Scalar(app, "SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'OBRA J'").toInt(), lines);
        QVERIFY(!Scalar(app, "SELECT NOMBRE FROM ARTICULOS WHERE CODIGO = 'OBRA J' AND NUMLIN = 2").toString().startsWith("editado"));

        // A file that is not BC3 changes nothing and says why.
        QFile bad(TestHome() + "/NADA.bc3");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("esto no es un fichero de intercambio");
        bad.close();
        manager.m_chooseImportFile = [&](QWidget*) { return bad.fileName(); };
        manager.OnImportar();
        QCOMPARE(app.m_messages.last(), QStringLiteral("Formato desconocido"));
        QCOMPARE(Scalar(app, "SELECT count(*) FROM PRESUPUESTOS WHERE CODIGO = 'NADA'").toInt(), 0);
    }

    void exportingAnotherBudgetLeavesTheOpenOneAlone()
    {
        CTestApp app;
        app.OpenBudget("OTRO", {"0|OTRO##|S", "1|Z|N|1|1"});
        app.OpenBudget("ABIERTO", {"0|ABIERTO##|S", "1|A|N|2|1", "1|B|N|3|1"});
        const QString target = TestHome() + "/otro.bc3";
        WhenShown([&](QWidget* widget) {
            auto* manager = qobject_cast<CPresupuestosDlg*>(widget);
            manager->List()->DeselectAll();
            manager->List()->SelectAndFocus(1);
            QCOMPARE(manager->List()->GetItemText(1, 1), QStringLiteral("OTRO"));
            manager->m_chooseExportFile = [&](QWidget*, const QString&) { return target; };
            manager->OnExportar();
            manager->reject();
        });
        app.Frame().OnCommand(ID_GESTION_PRESUPUESTOS);
        QVERIFY(QFile::exists(target));
        // An edit in the open budget lands in the open budget.
        app.List().SelectAndFocus(app.RowOf("B"));
        app.List().DeleteLine(app.RowOf("B"), 0);
        QCOMPARE(Scalar(app, "SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'ABIERTO'").toInt(), 2);
        QCOMPARE(Scalar(app, "SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'OTRO'").toInt(), 2);
    }

    // A store error stops at the manager's button: the user reads it in
    // their language, with the driver's text, and the manager stays.
    void storeErrorsStopAtTheButtons()
    {
        CTestApp app;
        app.OpenBudget("B", {"0|B##|S", "1|F|S|0|2", "2|A|N|5|1"});
        app.AddMeasure("B", 2, 1, 2);
        CPresupuestosDlg manager(app.View(), "B");
        manager.m_chooseExportFile = [](QWidget*, const QString&) { return TestHome() + "/never.bc3"; };
        Scalar(app, "ALTER TABLE MEDIDAS RENAME TO GONE");
        manager.OnExportar();
        app.m_answer = QMessageBox::Yes;
        manager.OnBorrar();
        Scalar(app, "ALTER TABLE GONE RENAME TO MEDIDAS");
        QCOMPARE(app.m_messages.size(), 3);
        app.m_messages.removeAt(1); // the question before deleting
        for (const QString& message : std::as_const(app.m_messages)) {
            QVERIFY2(message.startsWith("La operación no se ha podido completar por un error de la base de datos.")
                         && message.contains("MEDIDAS"),
                     qPrintable(message));
        }
        QVERIFY(!QFile::exists(TestHome() + "/never.bc3"));
        QCOMPARE(Scalar(app, "SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'B'").toInt(), 3);
    }

    // The Delete key does what "Borrar" does, after a question that names
    // the budget and what goes with it; Enter opens the budget selected.
    void deleteKeyAsksAndEnterOpens()
    {
        CTestApp app;
        app.OpenBudget("OBRA", {"0|OBRA##|S", "1|C1#|S", "2|A|N|5|1"});
        app.Doc().Database().ExecuteSQL("UPDATE PRESUPUESTOS SET NOMBRE = 'Reforma cocina'");
        app.OpenBudget("OTRA", {"0|OTRA##|S"});
        CPresupuestosDlg manager(app.View(), "OBRA");
        manager.show();
        QVERIFY(QTest::qWaitForWindowExposed(&manager));
        manager.List()->setFocus();
        QWidget* list = QApplication::focusWidget();
        QVERIFY(list && manager.List()->isAncestorOf(list));

        app.m_answer = QMessageBox::No;
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(app.m_messages, QStringList({"¿Borrar el presupuesto OBRA, «Reforma cocina», con sus 3 líneas y sus "
                                              "mediciones?\n\nEl borrado no se puede deshacer."}));
        QCOMPARE(Scalar(app, "SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'OBRA'").toInt(), 3);
        QCOMPARE(manager.List()->GetItemCount(), 2);

        app.m_answer = QMessageBox::Yes;
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(Scalar(app, "SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'OBRA'").toInt(), 0);
        QCOMPARE(Scalar(app, "SELECT count(*) FROM PRESUPUESTOS WHERE CODIGO = 'OBRA'").toInt(), 0);
        QCOMPARE(manager.List()->GetItemCount(), 1);
        QCOMPARE(app.View().m_strCodigo, QStringLiteral("OTRA"));
        // Its code is free again.
        manager.m_runDataDialog = [](CDatosPresupuestoDlg& dialog) {
            dialog.m_pCodigo->setText("OBRA");
            return true;
        };
        manager.OnNuevo();
        QCOMPARE(manager.m_strCodigo, QStringLiteral("OBRA"));
        QCOMPARE(manager.result(), int(QDialog::Accepted));

        CPresupuestosDlg second(app.View(), "OTRA");
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        second.List()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(second.result(), int(QDialog::Accepted));
        QCOMPARE(second.m_strCodigo, QStringLiteral("OTRA"));
    }

    // The store's known failures are told in the user's words, with the
    // driver's text after them.
    void knownStoreErrorsInTheUsersWords()
    {
        CTestApp app;
        app.OpenBudget("A", {"0|A##|S"});
        CPresupuestosDlg manager(app.View(), "A");
        // Another copy created the code since the list was filled.
        CTestStore::AddBudget(app.Doc().Database(), "B", {"0|B##|S"});
        manager.m_runDataDialog = [](CDatosPresupuestoDlg& dialog) {
            dialog.m_pCodigo->setText("B");
            return true;
        };
        manager.OnNuevo();
        QCOMPARE(app.m_messages.size(), 1);
        QVERIFY2(app.m_messages[0].startsWith("Ya existe un presupuesto con ese código. No se ha cambiado nada.\n\n")
                     && app.m_messages[0].contains("UNIQUE constraint failed"),
                 qPrintable(app.m_messages[0]));
        QCOMPARE(manager.result(), int(QDialog::Rejected));

        app.m_messages.clear();
        app.m_answer = QMessageBox::Yes;
        app.Doc().Database().ExecuteSQL("CREATE TRIGGER full BEFORE DELETE ON PRESUPUESTOS "
                                        "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
        manager.FillList();
        manager.List()->SelectAndFocus(0);
        manager.OnBorrar();
        QCOMPARE(app.m_messages.size(), 2);
        QVERIFY2(app.m_messages[1].startsWith("El disco está lleno; libere espacio e inténtelo de nuevo. "
                                              "No se ha cambiado nada.\n\ndatabase or disk is full"),
                 qPrintable(app.m_messages[1]));
        QCOMPARE(Scalar(app, "SELECT count(*) FROM ARTICULOS WHERE CODIGO = 'A'").toInt(), 1);
    }

    void percentFieldsKeepTheirLimits()
    {
        CDatosPresupuestoDlg dialog(true);
        dialog.m_pIva->clear();
        QTest::keyClicks(dialog.m_pIva, "123456");
        QCOMPARE(dialog.m_pIva->text(), QStringLiteral("12345"));
        dialog.m_pIva->clear();
        QTest::keyClicks(dialog.m_pIva, "12.567");
        QCOMPARE(dialog.m_pIva->text(), QStringLiteral("12,56"));
        QVERIFY(dialog.m_pTotal->isReadOnly());
        QVERIFY(!dialog.m_pCodigo->isReadOnly());
        // The amounts are computed: typing does not reach them, nor the header.
        for (CNumberEdit* amount : {dialog.m_pBase, dialog.m_pImpIva, dialog.m_pTotal}) {
            const QString before = amount->text();
            QTest::keyClicks(amount, "123,4");
            QCOMPARE(amount->text(), before);
        }
        QCOMPARE(dialog.Header().m_strTotal, NormalizeNumberText(dialog.m_pTotal->text()));
        CDatosPresupuestoDlg edit(false);
        QVERIFY(edit.m_pCodigo->isReadOnly());
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestManager>(argc, argv);
}

#include "test_manager.moc"
