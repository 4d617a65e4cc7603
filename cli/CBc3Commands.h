#pragma once

#include <QCoreApplication>
#include <QStringList>

class CCommandContext;

// The FIEBDC-3 commands: import-budget and export-budget.
class CBc3Commands
{
    Q_DECLARE_TR_FUNCTIONS(CBc3Commands)

public:
    static int ImportBudget(CCommandContext& context, const QStringList& arguments);
    static int ExportBudget(CCommandContext& context, const QStringList& arguments);
};
