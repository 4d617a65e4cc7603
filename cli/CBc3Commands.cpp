#include "cli/CBc3Commands.h"

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
    context.Out() << tr("Presupuesto %1: %2 líneas, %3 líneas de medición\n")
                         .arg(outcome.m_strBudget)
                         .arg(outcome.m_nLines)
                         .arg(outcome.m_nMeasurements);
    return 0;
}

int CBc3Commands::ExportBudget(CCommandContext& context, const QStringList& arguments)
{
    if (arguments.size() != 2)
        return context.Usage(2);
    if (!context.OpenStore())
        return 1;
    const QString path = CBc3BudgetExport::FileNameWithExtension(arguments[1]);
    const CBc3BudgetExport::Status status = ExportBudgetBc3(context.Doc(), arguments[0], path);
    if (status != CBc3BudgetExport::Ok) {
        context.Err() << arguments[0] << ": " << CBc3BudgetExport::Message(status) << '\n';
        return 1;
    }
    context.Out() << path << '\n';
    return 0;
}
