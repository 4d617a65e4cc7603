#include "app/CCommandLineTool.h"
#include "app/CProfile.h"
#include "app/CTranslations.h"

#include <QGuiApplication>
#include <QTranslator>
#include <cstdio>

int main(int argc, char** argv)
{
    // The printout draws its PDF with QtGui's fonts; the tool never opens a
    // window, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    // The printout's captions follow the language setting.
    QTranslator translator;
    if (CProfile::Language() == QStringLiteral("1") && CTranslations::LoadCatalan(translator))
        QCoreApplication::installTranslator(&translator);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CCommandLineTool::AddPrintCommand();
    CCommandLineTool tool(out, err);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tool.Run(arguments);
}
