#include "app/CCommandLineTool.h"
#include "app/CProfile.h"
#include "app/CTranslations.h"
#include "output/CExportCommands.h"

#include <QGuiApplication>
#include <QTranslator>
#include <cstdio>
#include <memory>

namespace {

// Whether the command lays out text with fonts (the printout, the report),
// which needs Qt's GUI layer.
bool NeedsFonts(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--database")
            ++i;
        else if (!argument.startsWith("--"))
            return argument == "print" || argument == "export-rtf";
    }
    return false;
}

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
    std::unique_ptr<QCoreApplication> application;
    if (NeedsFonts(argc, argv)) {
        // The tool never opens a window, so it needs no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        g_previousHandler = qInstallMessageHandler(QuietAboutRuntimeFolder);
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    // Messages and printed captions follow the user's language setting, as the program's do.
    QTranslator translator;
    if (CProfile::Language() == QStringLiteral("1") && CTranslations::LoadCatalan(translator))
        QCoreApplication::installTranslator(&translator);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CCommandLineTool::AddPrintCommand();
    CExportCommands::Register();
    CCommandLineTool tool(out, err);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tool.Run(arguments);
}
