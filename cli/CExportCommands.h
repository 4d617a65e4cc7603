#pragma once

#include <QCoreApplication>
#include <QStringList>

class CCommandContext;

// The export commands:
//   export-rtf CODE FILE.rtf [--catalan]   the budget report as RTF
//   export-xls CODE FILE.xls|FILE.xlsx [--catalan]   the budget's lines as a workbook
// Labels and column names are in the user's language, as the program's
// exports are, or in Catalan with --catalan. export-rtf lays out text, so
// velmora-cli runs it in a QGuiApplication.
class CExportCommands
{
    Q_DECLARE_TR_FUNCTIONS(CExportCommands)

public:
    static int ExportRtf(CCommandContext& context, const QStringList& arguments);
    static int ExportXls(CCommandContext& context, const QStringList& arguments);

private:
    // Runs the export on the code and file of the arguments, in Catalan when
    // --catalan is given: after the store is opened and the budget found,
    // or with the usage when the command line does not read.
    static int Run(CCommandContext& context, const QStringList& arguments,
                   int (*exporter)(CCommandContext& context, const QString& strCode, const QString& strFile));
    static int WriteRtf(CCommandContext& context, const QString& strCode, const QString& strFile);
    static int WriteXls(CCommandContext& context, const QString& strCode, const QString& strFile);
};
