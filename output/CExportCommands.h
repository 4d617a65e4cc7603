#pragma once

#include <QStringList>

class CCommandLineTool;

// velmora-cli's export commands:
//   export-rtf CODE FILE.rtf [--catalan]   the budget report as RTF
//   export-xls CODE FILE.xls|FILE.xlsx [--catalan]   the budget's lines as a workbook
// Labels and column names are Spanish unless --catalan is given.
class CExportCommands
{
public:
    // Adds the commands to the tool.
    static void Register();
    // Whether the command line runs a command that lays out text and so
    // needs a QGuiApplication.
    static bool NeedsGui(const QStringList& arguments);

private:
    static int ExportRtf(CCommandLineTool& tool, const QStringList& arguments);
    static int ExportXls(CCommandLineTool& tool, const QStringList& arguments);
    // CODE and FILE, and whether --catalan was given; false on a bad command line.
    static bool ParseArguments(const QStringList& arguments, QString& strCode, QString& strFile, bool& bCatalan);
    // Parses the arguments, opens the store and finds the budget: 0 when
    // ready, otherwise the exit status, reported.
    static int Begin(CCommandLineTool& tool, const QStringList& arguments, QString& strCode, QString& strFile,
                     bool& bCatalan);
};
