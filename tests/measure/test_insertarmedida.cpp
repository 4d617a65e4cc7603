#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "grid/CNumberEdit.h"
#include "core/CLanguage.h"
#include "measure/CInsertarMedidaDlg.h"
#include "measure/CMeasurementLines.h"
#include "store/CMedidasSet.h"
#include "ui/CMessageBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using Dlg = CInsertarMedidaDlg;

class TestInsertarMedida : public QObject
{
    Q_OBJECT

    QStringList m_messages;
    std::unique_ptr<CTestStore> m_pStore;

    // A dialog on screen for the third line of budget B, which has two
    // measurement lines already.
    std::unique_ptr<Dlg> Open()
    {
        CMeasurementLines(m_pStore->Doc().m_medidasSet).Load("B", "3");
        auto dialog = std::make_unique<Dlg>(m_pStore->Doc().m_medidasSet);
        dialog->m_strCodigo = "B";
        dialog->m_strNumLin = "3";
        dialog->m_strCodigoHijo = "F1";
        dialog->m_strCodigoPadre = "C01#";
        dialog->m_nExisting = 2;
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("the dialog did not become active");
        return dialog;
    }

    static void Choose(Dlg& dialog, int nShape)
    {
        QTest::mouseClick(dialog.ShapeButton(nShape), Qt::LeftButton);
        QCOMPARE(dialog.CurrentShape(), nShape);
    }

    static void Type(QLineEdit* pField, const QString& strText)
    {
        pField->setFocus();
        pField->selectAll();
        QTest::keyClicks(pField, strText);
    }

    // The stored third line (numbers as the store holds them), or an empty
    // text when there is none.
    QString Stored()
    {
        return m_pStore
            ->Scalar("SELECT CODIGO || '|' || NUMLIN || '|' || CODIGOHIJO || '|' || CODIGOPADRE || '|' || "
                     "LARGO || '|' || ANCHO || '|' || ALTO || '|' || UNIDADES || '|' || TOTAL || '|' || "
                     "COALESCE(TIPO, '') || '|' || COALESCE(NOMBRE, '') || '|' || COALESCE(POSICION, 'null') "
                     "FROM MEDIDAS WHERE CODIGO = 'B' AND NUMLIN = 3 AND LIN = 3")
            .toString();
    }

private slots:
    void init()
    {
        m_messages.clear();
        CMessageBox::SetResponder([this](const QString& text, QMessageBox::StandardButtons) {
            m_messages << text;
            return QMessageBox::Ok;
        });
        m_pStore = std::make_unique<CTestStore>();
        CMeasurementLines lines(m_pStore->Doc().m_medidasSet);
        lines.Load("B", "3");
        lines.Append("B", "3", "F1", "C01#", 0, {"Muro", "1", "2", "1", "1", "2"}, false);
        lines.Append("B", "3", "F1", "C01#", 1, {"Muro", "1", "3", "1", "1", "3"}, false);
    }

    void cleanup()
    {
        CMessageBox::ClearResponder();
        m_pStore.reset();
    }

    void startsOnTheLineWithOnlyItsFieldsEnabled()
    {
        auto dialog = Open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Insertar medida"));
        QVERIFY(dialog->ShapeButton(Dlg::Linea)->isChecked());
        for (int shape = 0; shape < Dlg::ShapeCount; ++shape) {
            QCOMPARE(dialog->UnitsField(shape)->text(), QStringLiteral("1"));
            QCOMPARE(dialog->TotalField(shape)->text(), QStringLiteral("0"));
            QCOMPARE(dialog->UnitsField(shape)->isEnabled(), shape == Dlg::Linea);
        }
        QVERIFY(dialog->TextField(Dlg::Linea)->isEnabled());
        QVERIFY(!dialog->TextField(Dlg::Cuadrado)->isEnabled());

        Choose(*dialog, Dlg::Triangulo);
        QVERIFY(dialog->SizeField(Dlg::Triangulo, 2)->isEnabled());
        QVERIFY(!dialog->SizeField(Dlg::Linea, 0)->isEnabled());
        QVERIFY(!dialog->TextField(Dlg::Linea)->isEnabled());
        // The fixed formulas only show: never editable, never switched off.
        QVERIFY(dialog->TextField(Dlg::Triangulo)->isReadOnly());
        QVERIFY(dialog->TextField(Dlg::Circulo)->isEnabled());
        QVERIFY(!dialog->TextField(Dlg::Personalizado)->isEnabled());
    }

    void aLineWithoutLengthCountsOnce()
    {
        auto dialog = Open();
        Type(dialog->TextField(Dlg::Linea), "Zocalo | norte");
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->SizeField(Dlg::Linea, 0)->text(), QStringLiteral("1,0"));
        QCOMPARE(dialog->TotalField(Dlg::Linea)->text(), QStringLiteral("1,00000"));
        // A comment never holds the BC3 field separator.
        QCOMPARE(Stored(), QStringLiteral("B|3|F1|C01#|1|1|1|1|1||Zocalo  norte|null"));
        QVERIFY(m_messages.isEmpty());
    }

    void triangleAndCircleBecomeFormulaLines()
    {
        auto dialog = Open();
        Choose(*dialog, Dlg::Triangulo);
        Type(dialog->SizeField(Dlg::Triangulo, 0), "4");
        Type(dialog->SizeField(Dlg::Triangulo, 1), "3");
        Type(dialog->SizeField(Dlg::Triangulo, 2), "2");
        QTest::mouseClick(dialog->CalcularButton(), Qt::LeftButton);
        QCOMPARE(dialog->TotalField(Dlg::Triangulo)->text(), QStringLiteral("12,00000"));
        QCOMPARE(dialog->TextField(Dlg::Triangulo)->text(), QStringLiteral("(((b * c) / 2) * d) * a"));
        QVERIFY(dialog->isVisible());
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(Stored(), QStringLiteral("B|3|F1|C01#|4|3|2|1|12|3|(((b * c) / 2) * d) * a|null"));

        // The circle as the dialog shows it (pi to 7 decimals) and as the
        // list will recompute it (the full pi): the same to 5 decimals.
        m_pStore->Doc().Database().ExecuteSQL("DELETE FROM MEDIDAS WHERE LIN = 3");
        dialog = Open();
        Choose(*dialog, Dlg::Circulo);
        Type(dialog->SizeField(Dlg::Circulo, 0), "1");
        Type(dialog->SizeField(Dlg::Circulo, 2), "1");
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(dialog->TotalField(Dlg::Circulo)->text(), QStringLiteral("3,14159"));
        QCOMPARE(Stored(), QStringLiteral("B|3|F1|C01#|1|1|1|1|3.14159|3|(b*b * p) *d * a|null"));
    }

    void customFormulaAndItsPrompt()
    {
        auto dialog = Open();
        QLineEdit* formula = dialog->TextField(Dlg::Personalizado);
        QCOMPARE(formula->text(), QStringLiteral("Entre aquí una fórmula"));
        Choose(*dialog, Dlg::Personalizado);
        Type(dialog->SizeField(Dlg::Personalizado, 0), "2");
        Type(dialog->SizeField(Dlg::Personalizado, 1), "3");

        // The prompt is no formula: the product of the sizes stays.
        QTest::mouseClick(dialog->CalcularButton(), Qt::LeftButton);
        QCOMPARE(m_messages, QStringList({"Error en fórmula"}));
        QCOMPARE(dialog->TotalField(Dlg::Personalizado)->text(), QStringLiteral("6,00000"));
        QCOMPARE(dialog->SizeField(Dlg::Personalizado, 2)->text(), QStringLiteral("1,0"));
        // Nor is it stored: the dialog stays for the user to write one.
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(dialog->isVisible());
        QVERIFY(Stored().isEmpty());

        // Entering the field removes the prompt; only formula characters get in.
        formula->setFocus();
        QVERIFY(formula->text().isEmpty());
        QTest::keyClicks(formula, "b*c*2x^Q");
        QCOMPARE(formula->text(), QStringLiteral("b*c*2"));
        QTest::mouseClick(dialog->CalcularButton(), Qt::LeftButton);
        QCOMPARE(dialog->TotalField(Dlg::Personalizado)->text(), QStringLiteral("12,00000"));
        // A typed formula stays when the field is entered again.
        dialog->UnitsField(Dlg::Personalizado)->setFocus();
        formula->setFocus();
        QCOMPARE(formula->text(), QStringLiteral("b*c*2"));

        // OK computes the total first.
        Type(dialog->SizeField(Dlg::Personalizado, 1), "4");
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(Stored(), QStringLiteral("B|3|F1|C01#|2|4|1|1|16|3|b*c*2|null"));
        QCOMPARE(m_messages.size(), 2);
    }

    void aDivisionByZeroKeepsTheProductAndCatalanHasItsPrompt()
    {
        const CLanguage catalan(QStringLiteral("1"));
        auto dialog = Open();
        QLineEdit* formula = dialog->TextField(Dlg::Personalizado);
        QCOMPARE(formula->text(), QStringLiteral("Entri aquí la seva fórmula"));
        QVERIFY(Dlg::IsPrompt(formula->text()));
        Choose(*dialog, Dlg::Personalizado);
        Type(dialog->UnitsField(Dlg::Personalizado), "5");
        Type(formula, "b/0");
        QTest::mouseClick(dialog->CalcularButton(), Qt::LeftButton);
        QCOMPARE(dialog->TotalField(Dlg::Personalizado)->text(), QStringLiteral("5,00000"));
        QVERIFY(m_messages.isEmpty());
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestInsertarMedida>(argc, argv);
}

#include "test_insertarmedida.moc"
