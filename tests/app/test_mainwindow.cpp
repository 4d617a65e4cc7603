#include "support/CTestApp.h"
#include "support/CTestStore.h"
#include "support/PdfText.h"
#include "support/TestMain.h"

#include "app/CLockIndicators.h"
#include "app/CMainFrame.h"
#include "app/CProfile.h"
#include "app/CommandIds.h"
#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CVelmoraView.h"
#include "measure/CMedicionesDlg.h"
#include "measure/CMedicionesList.h"
#include "output/CExcelExportCommand.h"
#include "pricebase/CBasePreciosDlg.h"
#include "pricebase/CPreciosList.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// A budget with a chapter, a folder and a concept.
const QStringList kBudget = {"0|B##|S", "1|C1#|S", "2|P1|S|0|2", "3|K1|N|10|1.5"};

// The items of a menu as "text(id)", "-" for a separator and
// "text[...]" for a submenu.
QString Describe(const QMenu* menu)
{
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            items << QStringLiteral("-");
        else if (action->menu())
            items << action->text() + u'[' + Describe(action->menu()) + u']';
        else
            items << action->text() + u'(' + action->data().toString() + u')';
    }
    return items.join(QStringLiteral(", "));
}

// Every action a menu reaches, submenus included.
QList<QAction*> CommandActions(const QList<QAction*>& actions)
{
    QList<QAction*> commands;
    for (QAction* action : actions) {
        if (action->menu())
            commands << CommandActions(action->menu()->actions());
        else if (!action->isSeparator())
            commands << action;
    }
    return commands;
}

void SetLanguage(const char* idioma)
{
    CProfile::WriteProfileString("Settings", "idioma", QString::fromLatin1(idioma));
}

// Records the files the program hands to the desktop to open.
class CUrlRecorder : public QObject
{
    Q_OBJECT

public:
    CUrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~CUrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QStringList m_opened;

public slots:
    void Open(const QUrl& url) { m_opened << url.toLocalFile(); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguage("0"); }

    void menuBarAndToolBar()
    {
        CTestApp app;
        const QList<QAction*> menus = app.Frame().menuBar()->actions();
        QStringList described;
        for (const QAction* menu : menus)
            described << menu->text() + QStringLiteral(": ") + Describe(menu->menu());
        const QStringList expected = {
            "&Archivo: Gestión de presupuestos(32775), Cerrar presupuesto(32777), -, Base de Precios(32785), -, "
            "&Imprimir...(57607), &Presentación preliminar(57609), Con&figurar impresora...(57606), -, "
            "Idiomas[Castellano(40001), Català(40002)], -, &Salir(57665)",
            "Utilidades: Mediciones(32813), Exportar a .rtf(32814), Exportar a Excel(32804), Renumerar(32808)",
            "Empresa: Datos de la empresa(32807)",
            "&Ver: Barra de &herramientas(59392), Barra de &estado(59393)",
            "Ay&uda: &Acerca de Velmora...(57664), Manual(32792)",
        };
        QCOMPARE(described, expected);
        QCOMPARE(app.Frame().Action(ID_FILE_PRINT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

        QToolBar* bar = app.Frame().ToolBar();
        QStringList buttons;
        for (const QAction* action : bar->actions()) {
            buttons << (action->isSeparator() ? QStringLiteral("|") : action->data().toString());
            if (action->isSeparator())
                continue;
            // Our own image, a tooltip and a prompt on every button.
            QVERIFY(!action->icon().pixmap(16, 16).isNull());
            QVERIFY(!action->toolTip().isEmpty());
            QVERIFY(!action->statusTip().isEmpty());
        }
        QCOMPARE(buttons.join(u' '), QStringLiteral("57607 | 32801 | 32804 32814 | 32807 | 32813 | 32815 32816 32817 | 57664"));

        // The toolbar and the status bar are shown and hidden from "Ver".
        app.Frame().Action(ID_VIEW_TOOLBAR)->trigger();
        QVERIFY(bar->isHidden());
        QVERIFY(!app.Frame().Action(ID_VIEW_TOOLBAR)->isChecked());
        app.Frame().Action(ID_VIEW_TOOLBAR)->trigger();
        QVERIFY(!bar->isHidden());
        app.Frame().Action(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(app.Frame().statusBar()->isHidden());
        QVERIFY(!app.Frame().Action(ID_VIEW_STATUS_BAR)->isChecked());
    }

    void popupMenus()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        CArticulosList& list = app.List();
        QCOMPARE(Describe(list.PopupMenu()),
                 QStringLiteral("Insertar Capítulo(32781), Insertar Carpeta(32802), Insertar Concepto(32783), "
                                "Copiar(32787), Pegar(32788), -, Expandir todo(32793)"));
        QCOMPARE(list.PopupMenu()->title(), QStringLiteral("Insertar"));
        app.View().Mediciones()->ToggleMeasurements();
        QCOMPARE(Describe(app.View().Mediciones()->List()->PopupMenu()), QStringLiteral("Insertar medida(32810)"));

        // The items are enabled for the row clicked.
        auto enabled = [&](int nRow) {
            QStringList items;
            QTimer::singleShot(0, [] {
                if (QWidget* popup = QApplication::activePopupWidget())
                    popup->close();
            });
            list.OnContextMenu(nRow, 0, list.mapToGlobal(QPoint(10, 10)));
            for (const QAction* action : list.PopupMenu()->actions()) {
                if (action->isEnabled() && !action->isSeparator())
                    items << action->data().toString();
            }
            return items.join(u' ');
        };
        list.ExpandAll(0);
        QCOMPARE(enabled(app.RowOf("B##")), QStringLiteral("32781 32802 32783 32793"));
        QCOMPARE(enabled(app.RowOf("P1")), QStringLiteral("32802 32783 32787 32793"));
        list.OnCommand(ID_COPIAR);
        QCOMPARE(enabled(app.RowOf("C1#")), QStringLiteral("32781 32802 32783 32787 32788 32793"));
    }

    // The prompt of the command under the pointer shows in the status bar,
    // from the toolbar and from the budget grid's popup menu alike.
    void promptsShowInTheStatusBar()
    {
        CTestApp app;
        app.OpenBudget("B", kBudget);
        QStatusBar* status = app.Frame().statusBar();
        QCOMPARE(status->currentMessage(), QStringLiteral("Preparado"));
        auto* button = qobject_cast<QToolButton*>(app.Frame().ToolBar()->widgetForAction(app.Frame().Action(ID_EXPORTAR_RTF)));
        QVERIFY(button);
        // The pointer comes into the window over the button, then moves
        // within the window as the system tells it.
        QTest::mouseMove(button);
        QTRY_COMPARE(status->currentMessage(), QStringLiteral("Exportar a formato rtf"));
        QTest::mouseMove(app.Frame().windowHandle(), app.View().TotalBox()->mapTo(&app.Frame(), QPoint(5, 5)));
        QTRY_COMPARE(status->currentMessage(), QStringLiteral("Preparado"));

        QMenu* popup = app.List().PopupMenu();
        QString shown;
        QTimer::singleShot(0, [&] {
            QAction* expand = popup->actions().constLast();
            QTest::mouseMove(popup, popup->actionGeometry(expand).center());
            QTRY_VERIFY(popup->activeAction() == expand);
            shown = status->currentMessage();
            popup->close();
        });
        app.List().OnContextMenu(0, 0, app.List().mapToGlobal(QPoint(20, 20)));
        QCOMPARE(shown, QStringLiteral("Expandir todo este capítulo"));
    }

    // Every caption of the main window and the measurements window has the
    // room its text needs, in both languages.
    void captionsFit_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::newRow("Spanish") << "0";
        QTest::newRow("Catalan") << "1";
    }

    void captionsFit()
    {
        QFETCH(QString, idioma);
        SetLanguage(qPrintable(idioma));
        CTestApp app;
        app.OpenBudget("B", kBudget);
        app.List().SelectAndFocus(app.RowOf("C1#"));
        app.Frame().OnCommand(ID_MEDICIONES);
        QVERIFY(app.View().Mediciones()->isVisible());
        for (QWidget* window : {static_cast<QWidget*>(&app.Frame()), static_cast<QWidget*>(app.View().Mediciones())}) {
            QList<QWidget*> captions;
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                captions << button;
            for (QLabel* label : window->findChildren<QLabel*>())
                captions << label;
            for (QWidget* caption : captions) {
                if (caption->isVisible())
                    QVERIFY2(caption->width() >= caption->sizeHint().width(), qPrintable(caption->property("text").toString()));
            }
        }
    }

    // Walks every command of the menus and the toolbar, as the user would
    // choose it, with a budget open and a chapter selected (so that no
    // handler's guard stops it), and every item of the grids' popup menus:
    // each is carried out by some part of the program.
    void everyCommandIsRouted()
    {
        CTestApp app;
        CUrlRecorder urls;
        CTestStore::AddTariff(app.Doc().Database(), "BP", "T1", {"0|BP##|S|0|1|0", "1|C1#|S|0|1|0", "2|K|N|5|1|5"});
        app.Doc().Database().ExecuteSQL("UPDATE PARAMETROS SET LISTA = 'BP', TARIFA = 'T1'");
        app.OpenBudget("B", kBudget);
        app.List().SelectAndFocus(app.RowOf("C1#"));
        CMainFrame& frame = app.Frame();
        QSignalSpy routed(&frame, &CMainFrame::CommandRouted);
        // The dialogs the commands open are cancelled as they come up.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        closer.start(20);

        QList<QAction*> actions = CommandActions(frame.menuBar()->actions());
        for (QAction* action : frame.ToolBar()->actions()) {
            if (!action->isSeparator() && !actions.contains(action))
                actions << action;
        }
        QAction* exit = frame.Action(ID_APP_EXIT);
        actions.removeOne(exit);
        actions << exit;
        QCOMPARE(actions.size(), 22);
        for (QAction* action : actions) {
            const int id = action->data().toInt();
            frame.UpdateCommandUI();
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));
            routed.clear();
            action->trigger();
            QVERIFY2(routed.size() == 1 && routed[0][0].toInt() == id && routed[0][1].toBool(), qPrintable(action->text()));
            if (id == ID_BASE_PRECIOS) {
                QVERIFY(app.View().BasePrecios()->isVisible());
                app.View().BasePrecios()->hide();
            }
            // Back to the budget and the chapter for the next command.
            if (!app.View().IsBudgetOpen())
                app.View().OpenBudget("B");
            app.List().DeselectAll();
            app.List().SelectAndFocus(app.RowOf("C1#"));
        }
        QVERIFY(!frame.isVisible());
        // Of the files handed to the desktop, the manual; the cancelled
        // dialogs wrote and opened nothing.
        QCOMPARE(urls.m_opened.size(), 1);
        QVERIFY(urls.m_opened[0].endsWith(QStringLiteral("ManualCas.pdf")));

        for (QAction* action : app.List().PopupMenu()->actions()) {
            if (!action->isSeparator())
                QVERIFY2(app.List().OnCommand(action->data().toInt()), qPrintable(action->text()));
        }
        CMedicionesList* measurements = app.View().Mediciones()->List();
        for (QAction* action : measurements->PopupMenu()->actions())
            QVERIFY2(measurements->OnCommand(action->data().toInt()), qPrintable(action->text()));
        closer.stop();

        // The price-base grid shows the budget grid's popup menu, and what is
        // chosen there is carried out on the tariff's lines.
        frame.OnCommand(ID_BASE_PRECIOS);
        CPreciosList* prices = app.View().BasePrecios()->Lines();
        QCOMPARE(Describe(prices->PopupMenu()), Describe(app.List().PopupMenu()));
        const int chapter = 1;
        QCOMPARE(prices->GetItemText(chapter, CBudgetRow::Codigo), QStringLiteral("C1#"));
        QTimer::singleShot(0, [&] {
            QMenu* popup = prices->PopupMenu();
            for (QAction* action : popup->actions()) {
                if (action->data().toInt() == ID_INSERTAR_CONCEPTO)
                    popup->setActiveAction(action);
            }
            QTest::keyClick(popup, Qt::Key_Return);
        });
        prices->OnContextMenu(chapter, 0, prices->mapToGlobal(QPoint(10, 10)));
        QCOMPARE(CTestStore::Scalar(app.Doc().Database(), "SELECT COUNT(*) FROM PRECIOS WHERE CODIGO = 'BP'").toInt(), 4);
        for (QAction* action : prices->PopupMenu()->actions()) {
            if (!action->isSeparator())
                QVERIFY2(prices->OnCommand(action->data().toInt()), qPrintable(action->text()));
        }
    }

    void ctrlPPrintsOnlyWithLines()
    {
        CTestApp app;
        int shown = 0;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&shown] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++shown;
                dialog->reject();
            }
        });
        closer.start(20);
        QApplication::setActiveWindow(&app.Frame());
        QVERIFY(QTest::qWaitForWindowActive(&app.Frame()));
        QTest::keyClick(&app.Frame(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(shown, 0);
        app.OpenBudget("B", kBudget);
        app.Frame().UpdateCommandUI();
        QTest::keyClick(&app.Frame(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(shown, 1);
        QVERIFY(app.m_messages.isEmpty());
    }

    void lockIndicatorsFollowTheKeyboardLights()
    {
        const QString leds = TestHome() + QStringLiteral("/leds");
        auto light = [&](const QString& name, const char* value) {
            QDir().mkpath(leds + u'/' + name);
            QFile file(leds + u'/' + name + QStringLiteral("/brightness"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(value);
        };
        light("input3::capslock", "1\n");
        light("input3::numlock", "0\n");
        light("input5::numlock", "1\n");
        light("input3::scrolllock", "0\n");
        QStatusBar bar;
        CLockIndicators locks(&bar, leds);
        QCOMPARE(locks.Indicator(CLockIndicators::Caps)->text(), QStringLiteral("MAYÚS"));
        QCOMPARE(locks.Indicator(CLockIndicators::Num)->text(), QStringLiteral("NÚM"));
        QCOMPARE(locks.Indicator(CLockIndicators::Scroll)->text(), QString());
        // A blank indicator keeps its room.
        QVERIFY(locks.Indicator(CLockIndicators::Scroll)->minimumWidth() > 0);

        light("input3::capslock", "0\n");
        QTest::keyRelease(&bar, Qt::Key_CapsLock);
        QVERIFY(!locks.IsOn(CLockIndicators::Caps));
        QCOMPARE(locks.Indicator(CLockIndicators::Caps)->text(), QString());

        // Without the lights (no such folder) every indicator is blank.
        CLockIndicators none(&bar, leds + QStringLiteral("/none"));
        QVERIFY(!none.IsOn(CLockIndicators::Caps) && !none.IsOn(CLockIndicators::Num));
    }

    // "Exportar a Excel" through the save dialog: a name typed without
    // extension gets ".xls", the dialog asks before replacing the file, and
    // the dialog, Qt's own, speaks the user's language, as the printer's does.
    void excelSaveDialog_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("save");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("print");
        QTest::newRow("Spanish") << "0" << "Ficheros Excel (*.xls)" << "&Guardar" << "ya existe" << "Configurar impresora|Aceptar";
        QTest::newRow("Catalan") << "1" << "Fitxers Excel (*.xls)" << "De&sa" << "ja existeix" << "Configura la impressora|Acceptar";
    }

    void excelSaveDialog()
    {
        QFETCH(QString, idioma);
        QFETCH(QString, filter);
        QFETCH(QString, save);
        QFETCH(QString, question);
        QFETCH(QString, print);
        SetLanguage(qPrintable(idioma));
        CTestApp app;
        app.OpenBudget("B", kBudget);
        const QString folder = TestHome() + QStringLiteral("/excel-") + idioma;
        QDir().mkpath(folder);
        QFile old(folder + QStringLiteral("/presupuesto.xls"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();

        QStringList opened;
        CExcelExportCommand::SetOpener([&](const QString& path) { opened << path; });
        QString asked;
        QStringList filters;
        QString saveText;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            filters = dialog->nameFilters();
            if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
                saveText = buttons->button(QDialogButtonBox::Save) ? buttons->button(QDialogButtonBox::Save)->text()
                                                                   : buttons->buttons().value(0)->text();
            dialog->setDirectory(folder);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("presupuesto"));
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                asked = box->text();
                box->button(QMessageBox::Yes)->click();
            });
            QMetaObject::invokeMethod(dialog, "accept");
        });
        app.Frame().OnCommand(ID_EXPORTAR_EXCEL);
        CExcelExportCommand::SetOpener({});

        QCOMPARE(filters.value(0), filter);
        QCOMPARE(filters.size(), 3);
        QCOMPARE(saveText, save);
        QVERIFY2(asked.contains(question), qPrintable(asked));
        QCOMPARE(opened, QStringList{folder + QStringLiteral("/presupuesto.xls")});
        QFile written(opened.value(0));
        QVERIFY(written.open(QIODevice::ReadOnly));
        // An Excel 97 workbook (an OLE compound file), not the old bytes.
        QCOMPARE(written.read(4), QByteArray("\xD0\xCF\x11\xE0", 4));
        QVERIFY(app.m_messages.isEmpty());

        // With the .xlsx type chosen, a bare name becomes an .xlsx workbook.
        opened.clear();
        CExcelExportCommand::SetOpener([&](const QString& path) { opened << path; });
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setDirectory(folder);
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QTest::keyClick(types, Qt::Key_Down);
            QCOMPARE(types->currentIndex(), 1);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("hoja"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        app.Frame().OnCommand(ID_EXPORTAR_EXCEL);
        CExcelExportCommand::SetOpener({});
        QCOMPARE(opened, QStringList{folder + QStringLiteral("/hoja.xlsx")});

        // The printer set-up is Qt's print dialog in the same language, read
        // as a set-up: its title and its button do not say "print".
        QString title;
        QTimer::singleShot(0, [&title] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            title = dialog->windowTitle();
            if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
                title += u'|' + buttons->button(QDialogButtonBox::Ok)->text();
            dialog->close();
        });
        app.Frame().OnCommand(ID_FILE_PRINT_SETUP);
        QCOMPARE(title, print);
    }

    void manualOfTheLanguage_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("Spanish") << "0" << "ManualCas.pdf" << "Manual de usuario";
        QTest::newRow("Catalan") << "1" << "ManualCat.pdf" << "Manual d'usuari";
    }

    void manualOfTheLanguage()
    {
        QFETCH(QString, idioma);
        QFETCH(QString, file);
        QFETCH(QString, title);
        SetLanguage(qPrintable(idioma));
        CTestApp app;
        CUrlRecorder urls;
        app.Frame().OnCommand(ID_MANUAL);
        QCOMPARE(urls.m_opened.size(), 1);
        QCOMPARE(QFileInfo(urls.m_opened[0]).fileName(), file);
        QVERIFY2(PdfText(urls.m_opened[0]).contains(title), qPrintable(urls.m_opened[0]));
        QVERIFY(app.m_messages.isEmpty());
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestMainWindow>(argc, argv);
}

#include "test_mainwindow.moc"
