#include "support/TestMain.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CProfile.h"
#include "app/CVelmoraApp.h"
#include "app/CommandIds.h"
#include "budget/CVelmoraView.h"
#include "store/CDBException.h"
#include "store/CDataSourceRegistry.h"
#include "store/CDatabase.h"
#include "store/CSchema.h"
#include "ui/CMessageBox.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <sys/stat.h>

class TestStartup : public QObject
{
    Q_OBJECT

    QStringList m_messages;

    void ResetProfile()
    {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Velmora", "Velmora").clear();
    }

    static QString FirstMenuTitle(CMainFrame* frame)
    {
        return frame->menuBar()->actions().value(0)->text();
    }

private slots:
    // With no budget open, the view names the menu and the command that
    // open or create one, as the menu bar shows them.
    static void CheckEmptyHint(CVelmoraApp& app)
    {
        auto* hint = app.View()->findChild<QLabel*>("emptyHint");
        QVERIFY(hint);
        QVERIFY(hint->isVisibleTo(app.View()));
        QVERIFY2(hint->text().contains(FirstMenuTitle(app.MainFrame()).remove(u'&') + " › "
                                       + app.MainFrame()->Action(ID_GESTION_PRESUPUESTOS)->text()),
                 qPrintable(hint->text()));
    }

    void init()
    {
        m_messages.clear();
        CMessageBox::SetResponder([this](const QString& text, QMessageBox::StandardButtons) {
            m_messages << text;
            return QMessageBox::Ok;
        });
        QFile::remove(CSchema::DefaultDatabasePath());
    }

    void cleanup() { CMessageBox::ClearResponder(); }

    void firstRunWritesSpanishAndCreatesTheStore()
    {
        ResetProfile();
        QVERIFY(!CProfile::HasEntry("Settings", "idioma"));
        {
            CVelmoraApp app;
            QVERIFY(app.InitInstance());
            QCOMPARE(CProfile::Language(), QStringLiteral("0"));
            QCOMPARE(app.View()->m_strIdioma, QStringLiteral("0"));
            QVERIFY(!app.IsCatalanLoaded());

            CMainFrame* frame = app.MainFrame();
            QCOMPARE(frame->windowTitle(), QStringLiteral("Velmora - Presupuestos y Facturación"));
            QVERIFY(frame->windowState() & Qt::WindowMaximized);
            QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Preparado"));
            QCOMPARE(FirstMenuTitle(frame), QStringLiteral("&Archivo"));
            CheckEmptyHint(app);

            // The data source exists while the program runs...
            QVERIFY(CDataSourceRegistry::Exists("Velmora"));
            QCOMPARE(CDataSourceRegistry::DatabasePath("Velmora"), CSchema::DefaultDatabasePath());
            QVERIFY(QFile::exists(CSchema::DefaultDatabasePath()));
            app.ExitInstance();
            // ...and not after.
            QVERIFY(!CDataSourceRegistry::Exists("Velmora"));
        }
        QVERIFY(m_messages.isEmpty());
    }

    void catalanTakesEffectAtTheNextStart()
    {
        ResetProfile();
        {
            CVelmoraApp app;
            QVERIFY(app.InitInstance());
            CMainFrame* frame = app.MainFrame();
            frame->OnCommand(ID_IDIOMA_CATALA);
            QCOMPARE(m_messages, QStringList({"Ha de reiniciar el programa"}));
            QCOMPARE(CProfile::Language(), QStringLiteral("1"));
            QCOMPARE(app.View()->m_strIdioma, QStringLiteral("0"));
            QCOMPARE(FirstMenuTitle(frame), QStringLiteral("&Archivo"));
            QVERIFY(frame->Action(ID_IDIOMA_CATALA)->isChecked());
            QVERIFY(!frame->Action(ID_IDIOMA_CASTELLANO)->isChecked());
        }
        {
            CVelmoraApp app;
            QVERIFY(app.InitInstance());
            QVERIFY(app.IsCatalanLoaded());
            QCOMPARE(app.View()->m_strIdioma, QStringLiteral("1"));
            QCOMPARE(FirstMenuTitle(app.MainFrame()), QStringLiteral("&Arxiu"));
            QCOMPARE(app.MainFrame()->Action(ID_GESTION_PRESUPUESTOS)->text(), QStringLiteral("Gestió de pressupostos"));
            CheckEmptyHint(app);

            // Back to Spanish: the other item takes the mark.
            app.MainFrame()->OnCommand(ID_IDIOMA_CASTELLANO);
            QVERIFY(app.MainFrame()->Action(ID_IDIOMA_CASTELLANO)->isChecked());
            QVERIFY(!app.MainFrame()->Action(ID_IDIOMA_CATALA)->isChecked());
        }
    }

    void otherValuesCheckNeitherLanguage()
    {
        CProfile::WriteProfileString("Settings", "idioma", "7");
        CVelmoraApp app;
        QVERIFY(app.InitInstance());
        QCOMPARE(CProfile::Language(), QStringLiteral("7"));
        QVERIFY(!app.View()->IsCatalan());
        QVERIFY(!app.MainFrame()->Action(ID_IDIOMA_CATALA)->isChecked());
        QVERIFY(!app.MainFrame()->Action(ID_IDIOMA_CASTELLANO)->isChecked());
    }

    void unreadableStoreEndsTheProgramCleanly_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("message");
        QTest::newRow("Spanish") << "0" << "No se puede abrir la base de datos";
        QTest::newRow("Catalan") << "1" << "No es pot obrir la base de dades";
    }

    void unreadableStoreEndsTheProgramCleanly()
    {
        QFETCH(QString, idioma);
        QFETCH(QString, message);
        ResetProfile();
        CProfile::WriteProfileString("Settings", "idioma", idioma);
        const QString path = CSchema::DefaultDatabasePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        }
        const QByteArray before = QCryptographicHash::hash(QByteArray(4096, 'x'), QCryptographicHash::Sha256);
        {
            CVelmoraApp app;
            QVERIFY(!app.InitInstance());
            QVERIFY(!app.MainFrame());
        }
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].startsWith(message), qPrintable(m_messages[0]));
        QVERIFY2(m_messages[0].contains(path), qPrintable(m_messages[0]));
        QVERIFY2(m_messages[0].contains("not a database"), qPrintable(m_messages[0]));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256), before);
        QVERIFY(!CDataSourceRegistry::Exists("Velmora"));
    }

    // Every command goes through the frame, where a store error the command
    // raises stops: the user is told, and the frame goes on.
    void aCommandsStoreErrorStopsAtTheFrame()
    {
        struct CFailingTarget : CCommandTarget {
            bool OnCommand(int) override { throw CDBException(QStringLiteral("database is locked")); }
            bool OnUpdateCommand(int, QAction&) override { return false; }
        } target;
        CMainFrame frame;
        frame.SetView(new QWidget, &target);
        frame.Action(ID_RENUMERAR)->trigger();
        QCOMPARE(m_messages, QStringList({"Otro programa está usando la base de datos; inténtelo de nuevo en un "
                                          "momento. No se ha cambiado nada.\n\ndatabase is locked"}));
        QVERIFY(frame.Action(ID_RENUMERAR)->isEnabled());
    }

    void storeNoticesAreShownAtStartAndTheProgramRuns()
    {
        ResetProfile();
        const QString path = CSchema::DefaultDatabasePath();
        CSchema::CreateIfMissing(path);
        {
            // An older store that holds a budget code twice.
            CDatabase database;
            database.OpenFile(path);
            CSchema::Prepare(database);
            database.ExecuteSQL("DROP INDEX PRESUPUESTOS_CODIGO");
            database.ExecuteSQL("INSERT INTO PRESUPUESTOS (CODIGO) VALUES ('A'), ('A')");
            database.ExecuteSQL("PRAGMA user_version = 1");
        }
        for (int start = 0; start < 2; ++start) {
            CVelmoraApp app;
            QVERIFY(app.InitInstance());
            QVERIFY(app.MainFrame()->isVisible());
        }
        QCOMPARE(m_messages, QStringList({"Hay varios presupuestos con el mismo código: A"}));
    }

    void settingsFolderIsPrivate()
    {
        const QString folder = QFileInfo(CDataSourceRegistry::FileName()).absolutePath();
        QDir(folder).removeRecursively();
        CProfile::WriteProfileString("Settings", "idioma", "0");
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(folder).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0700);
    }

    void aboutBox()
    {
        CAboutDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Acerca de Velmora"));
        bool productLine = false;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            productLine |= label->text() == QStringLiteral("Velmora - Presupuestos y Facturación Versión 2.0");
        QVERIFY(productLine);
        auto* ok = dialog.findChild<QPushButton*>("aceptar");
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("Aceptar"));
        dialog.show();
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestStartup>(argc, argv);
}

#include "test_startup.moc"
