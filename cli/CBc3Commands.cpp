#include "cli/CBc3Commands.h"

#include "bc3/CBc3BudgetCheck.h"
#include "bc3/CBc3BudgetExport.h"
#include "bc3/CBc3BudgetImport.h"
#include "cli/CCommandContext.h"

int CBc3Commands::ImportBudget(CCommandContext& context, const QStringList& arguments)
{
    QStringList files;
    bool replace = false;
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--replace"))
            replace = true;
        else
            files << argument;
    }
    if (files.size() != 1)
        return context.Usage(2);
    if (!context.OpenStore())
        return 1;
    const CBc3ImportOutcome outcome = ImportBudgetBc3(context.Database(), files.first(), replace);
    if (outcome.m_status == CBc3ImportOutcome::Exists) {
        context.Err() << tr("Ya existe el presupuesto %1; --replace lo reemplaza\n").arg(outcome.m_strBudget);
        return 1;
    }
    if (!outcome.IsOk()) {
        context.Err() << files.first() << ": " << outcome.Message() << '\n';
        return 1;
    }
    // One arg() for all, so that a "%" in the code is not read as a placeholder.
    context.Out() << tr("Presupuesto %1: %2 líneas, %3 líneas de medición\n")
                         .arg(outcome.m_strBudget, QString::number(outcome.m_nLines),
                              QString::number(outcome.m_nMeasurements));
    return 0;
}

int CBc3Commands::ExportBudget(CCommandContext& context, const QStringList& arguments)
{
    if (arguments.size() != 2)
        return context.Usage(2);
    if (!context.OpenStore())
        return 1;
    const QString path = CBc3BudgetExport::FileNameWithExtension(arguments[1]);
    std::vector<CBc3BudgetExport::Unencodable> unencodables;
    const CBc3BudgetExport::Status status = ExportBudgetBc3(context.Doc(), arguments[0], path, &unencodables);
    if (status != CBc3BudgetExport::Ok) {
        context.Err() << arguments[0] << ": " << CBc3BudgetExport::Message(status) << '\n';
        return 1;
    }
    // The file is written all the same: a warning, not a failure.
    if (!unencodables.empty())
        context.Err() << path << ": " << CBc3BudgetExport::UnencodableWarning(unencodables, true) << '\n';
    context.Out() << path << '\n';
    return 0;
}

int CBc3Commands::CheckBudget(CCommandContext& context, const QStringList& arguments)
{
    if (arguments.size() != 1)
        return context.Usage(2);
    if (!context.OpenStore() || !context.RequireBudget(arguments[0]))
        return 1;
    const CBc3BudgetCheck check = CBc3BudgetCheck::Run(context.Database(), arguments[0]);
    for (const CBc3BudgetCheck::Difference& line : check.m_differences)
        context.Out() << line.numlin << '\t' << line.code << '\t' << line.stored << '\t' << line.recomputed << '\n';
    context.Out() << tr("%1 descomposiciones, %2 difieren del recálculo\n")
                         .arg(check.m_nDecompositions)
                         .arg(long(check.m_differences.size()));
    return 0;
}
