#include "cli/CCommandLineTool.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace {

// Without a session (a script, cron, ssh) the platform reports a missing
// runtime folder it never uses here; standard error stays for our messages.
QtMessageHandler g_previousHandler = nullptr;

void QuietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& strMessage)
{
    if (type == QtWarningMsg && strMessage.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, strMessage);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, strMessage)));
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Only the commands that lay out text with fonts (the printout, the
    // report) need Qt's GUI layer.
    std::unique_ptr<QCoreApplication> application;
    if (CCommandLineTool::LaysOutText(arguments)) {
        // The tool never opens a window, so it needs no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        g_previousHandler = qInstallMessageHandler(QuietAboutRuntimeFolder);
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CCommandLineTool tool(out, err);
    arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tool.Run(arguments);
}
