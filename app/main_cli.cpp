#include "app/CCommandLineTool.h"
#include "app/CProfile.h"
#include "app/CTranslations.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    // Messages follow the user's language setting, as the program's do.
    QTranslator catalan;
    if (CProfile::Language() == QStringLiteral("1") && CTranslations::LoadCatalan(catalan))
        QCoreApplication::installTranslator(&catalan);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CCommandLineTool tool(out, err);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tool.Run(arguments);
}
