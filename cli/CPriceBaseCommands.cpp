#include "cli/CPriceBaseCommands.h"

#include "bc3/CBc3PriceBaseImport.h"
#include "bc3/CBc3Reader.h"
#include "cli/CBudgetListing.h"
#include "cli/CCommandContext.h"
#include "pricebase/CPriceBaseAdmin.h"
#include "store/CLineTable.h"
#include "store/CPreciosSet.h"

int CPriceBaseCommands::ListPriceBases(CCommandContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return context.Usage(2);
    if (!context.OpenStore())
        return 1;
    for (const CPriceBaseAdmin::Tariff& tariff : CPriceBaseAdmin::List(context.Database())) {
        context.Out() << CBudgetListing::Escaped(tariff.code) << '\t' << CBudgetListing::Escaped(tariff.tariff) << '\t'
                      << tariff.lines << '\n';
    }
    return 0;
}

int CPriceBaseCommands::ShowPriceBase(CCommandContext& context, const QStringList& arguments)
{
    if (arguments.size() != 2)
        return context.Usage(2);
    if (!context.OpenStore())
        return 1;
    const QString& code = arguments[0];
    const QString& tariff = arguments[1];
    if (!CPriceBaseAdmin::Exists(context.Database(), code, tariff)) {
        context.Err() << tr("No existe esta tarifa: %1/%2").arg(code, tariff) << '\n';
        return 1;
    }
    CPreciosSet lines(&context.Database());
    lines.FilterTree(CLineTable::ForTariff(code, tariff));
    lines.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    CBudgetListing::WriteLines(context.Out(), lines);
    return 0;
}

int CPriceBaseCommands::ImportPriceBase(CCommandContext& context, const QStringList& arguments)
{
    QStringList files;
    QStringList chosen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--scope") && i + 1 < arguments.size())
            chosen << arguments[++i];
        else if (arguments[i].startsWith(QStringLiteral("--")))
            return context.Usage(2);
        else
            files << arguments[i];
    }
    if (files.size() != 1)
        return context.Usage(2);
    if (!context.OpenStore())
        return 1;
    // Every scope the file offers when none is named.
    QByteArray text;
    QStringList scopes;
    if (CBc3Reader::ReadFile(files.first(), text) && Bc3PriceScopes(text, scopes) && chosen.isEmpty())
        chosen = scopes;
    const CBc3PriceImportOutcome outcome = ImportPriceBaseBc3(context.Database(), files.first(), scopes, chosen);
    if (!outcome.IsOk()) {
        context.Err() << files.first() << ": " << outcome.Message() << '\n';
        return outcome.m_status == CBc3PriceImportOutcome::UnknownScope ? 2 : 1;
    }
    context.Out() << CBudgetListing::Escaped(outcome.m_strCode) << '\n';
    for (const CBc3PriceImportOutcome::Tariff& tariff : outcome.m_tariffs)
        context.Out() << CBudgetListing::Escaped(tariff.name) << '\t' << tariff.lines << '\n';
    return 0;
}
