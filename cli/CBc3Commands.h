#pragma once

#include <QCoreApplication>
#include <QStringList>

class CCommandContext;

// The FIEBDC-3 commands: import-budget, export-budget, and check-budget,
// which lists the decompositions whose stored price differs from the roll-up
// of their children (a budget that came from another program), without
// writing anything.
class CBc3Commands
{
    Q_DECLARE_TR_FUNCTIONS(CBc3Commands)

public:
    static int ImportBudget(CCommandContext& context, const QStringList& arguments);
    static int ExportBudget(CCommandContext& context, const QStringList& arguments);
    static int CheckBudget(CCommandContext& context, const QStringList& arguments);
};
