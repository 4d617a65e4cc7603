#include "cli/CExportCommands.h"

#include "cli/CCommandContext.h"
#include "core/CLanguage.h"
#include "output/CBudgetReport.h"
#include "output/CExcelExport.h"
#include "output/CRtfWriter.h"

#include <QTextDocument>
#include <optional>

int CExportCommands::ExportRtf(CCommandContext& context, const QStringList& arguments)
{
    return Run(context, arguments, &WriteRtf);
}

int CExportCommands::ExportXls(CCommandContext& context, const QStringList& arguments)
{
    return Run(context, arguments, &WriteXls);
}

int CExportCommands::Run(CCommandContext& context, const QStringList& arguments,
                         int (*exporter)(CCommandContext& context, const QString& strCode, const QString& strFile))
{
    QStringList rest = arguments;
    const bool catalan = rest.removeAll(QStringLiteral("--catalan")) > 0;
    if (rest.size() != 2 || rest[0].isEmpty() || rest[1].isEmpty())
        return context.Usage(2);
    if (!context.OpenStore() || !context.RequireBudget(rest[0]))
        return 1;
    // Catalan above the user's language for the rest of the command.
    std::optional<CLanguage> language;
    if (catalan)
        language.emplace(QStringLiteral("1"));
    return exporter(context, rest[0], rest[1]);
}

int CExportCommands::WriteRtf(CCommandContext& context, const QString& strCode, const QString& strFile)
{
    QTextDocument document;
    CBudgetReport::PrepareDocument(document);
    CBudgetReport(document).WriteReport(context.Database(), strCode);
    const QString path = CRtfWriter::WithExtension(strFile);
    QString error;
    if (!CRtfWriter::Save(document, path, CBudgetReport::ReportPage(), error)) {
        context.Err() << tr("No se ha podido escribir %1: %2\n").arg(path, error);
        return 1;
    }
    context.Out() << path << '\n';
    return 0;
}

int CExportCommands::WriteXls(CCommandContext& context, const QString& strCode, const QString& strFile)
{
    const QString path = CExcelExport::WithDefaultExtension(strFile);
    const CExcelExport::Result result = CExcelExport::Export(context.Database(), strCode, path);
    if (!result.IsOk()) {
        context.Err() << CExcelExport::Message(result, path) << '\n';
        return 1;
    }
    context.Out() << path << '\n';
    return 0;
}
