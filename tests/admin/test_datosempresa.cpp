#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "admin/CDatosEmpresaDlg.h"
#include "store/CParametrosSet.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

class TestDatosEmpresa : public QObject
{
    Q_OBJECT

    static void PrepareRow(CTestStore& store)
    {
        store.Db().ExecuteSQL("UPDATE PARAMETROS SET LISTA = 'PB', IMAGENES = '/img', TARIFA = 'T1', NOMBRE = 'Antigua'");
        store.Doc().m_parametrosSet.Requery();
    }

private slots:
    void acceptStoresTheElevenFields()
    {
        CTestStore store;
        PrepareRow(store);
        CDatosEmpresaDlg dialog;
        QCOMPARE(dialog.m_pCp->maxLength(), 5);
        QTimer::singleShot(0, &dialog, [&] {
            QCOMPARE(dialog.m_pNombre->text(), QStringLiteral("Antigua"));
            const QList<QLineEdit*> edits = {dialog.m_pNombre, dialog.m_pDireccion, dialog.m_pPoblacion,
                                             dialog.m_pProvincia, dialog.m_pTelefono, dialog.m_pFax,
                                             dialog.m_pEmail, dialog.m_pNif, dialog.m_pLogo, dialog.m_pRegFac};
            for (QLineEdit* edit : edits) {
                edit->clear();
                QTest::keyClicks(edit, edit->objectName() + "'s");
            }
            QTest::keyClicks(dialog.m_pCp, "0800199");
            QTest::mouseClick(dialog.findChild<QPushButton*>("aceptar"), Qt::LeftButton);
        });
        QVERIFY(dialog.Edit(store.Doc().m_parametrosSet));
        QCOMPARE(store.Scalar("SELECT NOMBRE || '|' || DIRECCION || '|' || POBLACION || '|' || CP || '|' || PROVINCIA "
                              "|| '|' || TELEFONO || '|' || FAX || '|' || EMAIL || '|' || NIF || '|' || LOGO || '|' || "
                              "REGFAC FROM PARAMETROS")
                     .toString(),
                 QStringLiteral("nombre's|direccion's|poblacion's|08001|provincia's|telefono's|fax's|email's|nif's|"
                                "logo's|regfac's"));
        QCOMPARE(store.Scalar("SELECT LISTA || IMAGENES || TARIFA FROM PARAMETROS").toString(), QStringLiteral("PB/imgT1"));
        QCOMPARE(store.Scalar("SELECT count(*) FROM PARAMETROS").toInt(), 1);
    }

    void cancelStoresNothingEvenAfterChoosingALogo()
    {
        CTestStore store;
        PrepareRow(store);
        CDatosEmpresaDlg dialog;
        dialog.m_chooseLogo = [](QWidget*) { return QStringLiteral("/home/u/logo.png"); };
        QTimer::singleShot(0, &dialog, [&] {
            QTest::mouseClick(dialog.findChild<QWidget*>("logoButton"), Qt::LeftButton);
            QCOMPARE(dialog.m_pLogo->text(), QStringLiteral("/home/u/logo.png"));
            QTest::keyClicks(dialog.m_pNombre, " Nueva");
            QTest::mouseClick(dialog.findChild<QPushButton*>("cancelar"), Qt::LeftButton);
        });
        QVERIFY(!dialog.Edit(store.Doc().m_parametrosSet));
        QCOMPARE(store.Scalar("SELECT NOMBRE || '|' || coalesce(LOGO, '') FROM PARAMETROS").toString(),
                 QStringLiteral("Antigua|"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestDatosEmpresa>(argc, argv);
}

#include "test_datosempresa.moc"
