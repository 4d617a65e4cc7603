#include "output/CExportCommands.h"

#include "app/CCommandLineTool.h"
#include "budget/CVelmoraDoc.h"
#include "output/CBudgetReport.h"
#include "output/CExcelExport.h"
#include "output/CRtfWriter.h"

#include <QTextDocument>

void CExportCommands::Register()
{
    CCommandLineTool::AddCommand("export-rtf", "export-rtf CODE FILE.rtf [--catalan]", &CExportCommands::ExportRtf);
    CCommandLineTool::AddCommand("export-xls", "export-xls CODE FILE.xls|FILE.xlsx [--catalan]",
                                 &CExportCommands::ExportXls);
}

bool CExportCommands::NeedsGui(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--database"))
            ++i;
        else if (!arguments[i].startsWith(QStringLiteral("--")))
            return arguments[i] == QStringLiteral("export-rtf");
    }
    return false;
}

bool CExportCommands::ParseArguments(const QStringList& arguments, QString& strCode, QString& strFile, bool& bCatalan)
{
    QStringList rest;
    bCatalan = false;
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--catalan"))
            bCatalan = true;
        else
            rest << argument;
    }
    if (rest.size() != 2 || rest[0].isEmpty() || rest[1].isEmpty())
        return false;
    strCode = rest[0];
    strFile = rest[1];
    return true;
}

int CExportCommands::Begin(CCommandLineTool& tool, const QStringList& arguments, QString& strCode, QString& strFile,
                           bool& bCatalan)
{
    if (!ParseArguments(arguments, strCode, strFile, bCatalan))
        return tool.Usage(2);
    if (!tool.OpenStore() || !tool.RequireBudget(strCode))
        return 1;
    return 0;
}

int CExportCommands::ExportRtf(CCommandLineTool& tool, const QStringList& arguments)
{
    QString code;
    QString file;
    bool catalan = false;
    if (const int status = Begin(tool, arguments, code, file, catalan))
        return status;
    QTextDocument document;
    CBudgetReport::PrepareDocument(document);
    CBudgetReport(document, catalan).WriteReport(tool.Doc().Database(), code);
    const QString path = CRtfWriter::WithExtension(file);
    QString error;
    if (!CRtfWriter::Save(document, path, CBudgetReport::ReportPage(), error)) {
        tool.m_err << tool.Text("No se ha podido escribir %1: %2\n", "No s'ha pogut escriure %1: %2\n").arg(path, error);
        return 1;
    }
    tool.m_out << path << '\n';
    return 0;
}

int CExportCommands::ExportXls(CCommandLineTool& tool, const QStringList& arguments)
{
    QString code;
    QString file;
    bool catalan = false;
    if (const int status = Begin(tool, arguments, code, file, catalan))
        return status;
    const QString path = CExcelExport::WithDefaultExtension(file);
    const CExcelExport::Result result = CExcelExport::Export(tool.Doc().Database(), code, path, catalan);
    if (!result.IsOk()) {
        tool.m_err << CExcelExport::Message(result, path, tool.m_strIdioma) << '\n';
        return 1;
    }
    tool.m_out << path << '\n';
    return 0;
}
