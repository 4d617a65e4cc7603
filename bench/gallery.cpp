// Renders the program's windows to PNG files, so that they can be looked at
// as a user sees them: gallery OUTPUT_FOLDER
#include "admin/CDatosEmpresaDlg.h"
#include "app/CAboutDlg.h"
#include "app/CVelmoraApp.h"
#include "app/CMainFrame.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

void Save(QWidget& widget, const QString& folder, const QString& name)
{
    widget.show();
    widget.adjustSize();
    QApplication::processEvents();
    const QString path = folder + u'/' + name + QStringLiteral(".png");
    widget.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    CVelmoraApp app;
    if (!app.InitInstance())
        return 1;
    app.MainFrame()->resize(1100, 700);
    Save(*app.MainFrame(), folder, QStringLiteral("main"));

    CAboutDlg about;
    Save(about, folder, QStringLiteral("about"));

    CDatosEmpresaDlg empresa;
    empresa.m_pNombre->setText(QStringLiteral("Construcciones Pérez, S.L."));
    empresa.m_pCp->setText(QStringLiteral("08001"));
    Save(empresa, folder, QStringLiteral("datos-empresa"));
    return 0;
}
