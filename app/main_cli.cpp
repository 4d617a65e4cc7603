#include "app/CCommandLineTool.h"
#include "app/CProfile.h"
#include "app/CTranslations.h"
#include "output/CExportCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    CExportCommands::Register();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    std::unique_ptr<QCoreApplication> application;
    if (CExportCommands::NeedsGui(arguments)) {
        // The report is laid out with fonts, which need the GUI application;
        // a command-line job shows no window, so no display is needed either.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    // Messages follow the user's language setting, as the program's do.
    QTranslator catalan;
    if (CProfile::Language() == QStringLiteral("1") && CTranslations::LoadCatalan(catalan))
        QCoreApplication::installTranslator(&catalan);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CCommandLineTool tool(out, err);
    arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tool.Run(arguments);
}
