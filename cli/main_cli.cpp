#include "cli/CCommandLineTool.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CCommandLineTool tool(out, err);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tool.Run(arguments);
}
