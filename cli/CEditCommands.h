#pragma once

#include <QCoreApplication>
#include <QStringList>

class CCommandContext;

// The editing commands, on the editing service the grids use: each changes
// the lines of one budget, or of one tariff of a price base (written
// CODE/TARIFF), in one transaction and prints the lines that changed (as
// show-budget prints a line) and a budget's totals. Bad input is told on
// the error stream with exit status 2, and the store is left as it was; a
// store failure gives status 1.
class CEditCommands
{
    Q_DECLARE_TR_FUNCTIONS(CEditCommands)

public:
    static constexpr const char* kCopyBranchUsage =
        "copy-branch CODE[/TARIFF] NUMLIN --to CODE2[/TARIFF2] TARGET [--into]";
    static constexpr const char* kAddMeasurementUsage =
        "add-measurement CODE NUMLIN --units U --length L --width W --height H | --formula F [--comment TEXT]";

    static int EditLine(CCommandContext& context, const QStringList& arguments);
    static int InsertLine(CCommandContext& context, const QStringList& arguments);
    static int DeleteLine(CCommandContext& context, const QStringList& arguments);
    static int MoveBranch(CCommandContext& context, const QStringList& arguments);
    static int CopyBranch(CCommandContext& context, const QStringList& arguments);
    static int AddMeasurement(CCommandContext& context, const QStringList& arguments);
    static int DeleteMeasurement(CCommandContext& context, const QStringList& arguments);
};
