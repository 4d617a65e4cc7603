#pragma once

#include <QCoreApplication>
#include <QStringList>

class CCommandContext;

// The commands on the store and its budgets as a whole: init, list-budgets,
// new-budget, copy-budget, delete-budget and show-budget.
class CBudgetCommands
{
    Q_DECLARE_TR_FUNCTIONS(CBudgetCommands)

public:
    static int Init(CCommandContext& context, const QStringList& arguments);
    static int ListBudgets(CCommandContext& context, const QStringList& arguments);
    static int NewBudget(CCommandContext& context, const QStringList& arguments);
    static int CopyBudget(CCommandContext& context, const QStringList& arguments);
    static int DeleteBudget(CCommandContext& context, const QStringList& arguments);
    static int ShowBudget(CCommandContext& context, const QStringList& arguments);

private:
    // Reports a code that cannot be a budget's; false when it cannot.
    static bool AcceptCode(CCommandContext& context, const QString& strCode);
    // Reports a new code that is taken; true when it is.
    static bool RefuseNewCode(CCommandContext& context, const QString& strCode);
};
