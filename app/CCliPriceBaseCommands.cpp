#include "app/CCliPriceBaseCommands.h"

#include "app/CCommandLineTool.h"
#include "app/CProfile.h"
#include "bc3/CBc3PriceBaseImport.h"
#include "bc3/CBc3Reader.h"
#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "pricebase/CPriceBaseAdmin.h"
#include "store/CDBException.h"
#include "store/CLineTable.h"
#include "store/CPreciosSet.h"

namespace {

// What a command needs: its arguments, the store and the two streams.
struct CContext {
    const QStringList& arguments;
    const QString& strDatabase;
    QTextStream& out;
    QTextStream& err;
    CVelmoraDoc doc;
    std::optional<CStoreSession> session;

    CDatabase& Open()
    {
        session.emplace(doc);
        session->Open(strDatabase);
        return doc.Database();
    }
};

struct Command {
    const char* name;
    const char* usage;
    int (*run)(CContext& context);
};

int Usage(CContext& context, const char* szUsage)
{
    context.err << CCliPriceBaseCommands::tr("Uso: velmora-cli %1").arg(QString::fromLatin1(szUsage)) << '\n';
    return 2;
}

int ListPriceBases(CContext& context)
{
    if (!context.arguments.isEmpty())
        return Usage(context, "list-pricebases");
    for (const CPriceBaseAdmin::Tariff& tariff : CPriceBaseAdmin::List(context.Open())) {
        context.out << CCommandLineTool::Escaped(tariff.code) << '\t' << CCommandLineTool::Escaped(tariff.tariff)
                    << '\t' << tariff.lines << '\n';
    }
    return 0;
}

int ShowPriceBase(CContext& context)
{
    if (context.arguments.size() != 2)
        return Usage(context, "show-pricebase CODE TARIFF");
    const QString& code = context.arguments[0];
    const QString& tariff = context.arguments[1];
    CDatabase& database = context.Open();
    if (!CPriceBaseAdmin::Exists(database, code, tariff)) {
        context.err << CCliPriceBaseCommands::tr("No existe esta tarifa: %1/%2").arg(code, tariff) << '\n';
        return 1;
    }
    CPreciosSet lines(&database);
    lines.FilterTree(CLineTable::ForTariff(code, tariff));
    lines.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    CCommandLineTool::WriteLines(lines, context.out);
    return 0;
}

int ImportPriceBase(CContext& context)
{
    constexpr const char* kUsage = "import-pricebase FILE.bc3 [--scope LABEL]...";
    QStringList files;
    QStringList chosen;
    for (qsizetype i = 0; i < context.arguments.size(); ++i) {
        const QString& argument = context.arguments[i];
        if (argument == QStringLiteral("--scope")) {
            if (++i >= context.arguments.size())
                return Usage(context, kUsage);
            chosen << context.arguments[i];
        } else if (argument.startsWith(QStringLiteral("--"))) {
            return Usage(context, kUsage);
        } else {
            files << argument;
        }
    }
    if (files.size() != 1)
        return Usage(context, kUsage);
    // Every scope the file offers when none is named.
    QByteArray text;
    QStringList scopes;
    if (CBc3Reader::ReadFile(files.first(), text) && Bc3PriceScopes(text, scopes) && chosen.isEmpty())
        chosen = scopes;
    const CBc3PriceImportOutcome outcome = ImportPriceBaseBc3(context.Open(), files.first(), scopes, chosen);
    if (!outcome.IsOk()) {
        context.err << files.first() << ": " << outcome.Message(CProfile::Language()) << '\n';
        return outcome.m_status == CBc3PriceImportOutcome::UnknownScope ? 2 : 1;
    }
    context.out << CCommandLineTool::Escaped(outcome.m_strCode) << '\n';
    for (const CBc3PriceImportOutcome::Tariff& tariff : outcome.m_tariffs)
        context.out << CCommandLineTool::Escaped(tariff.name) << '\t' << tariff.lines << '\n';
    return 0;
}

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"list-pricebases", "list-pricebases", &ListPriceBases},
        {"show-pricebase", "show-pricebase CODE TARIFF", &ShowPriceBase},
        {"import-pricebase", "import-pricebase FILE.bc3 [--scope LABEL]...", &ImportPriceBase},
    };
    return commands;
}

} // namespace

const std::vector<const char*>& CCliPriceBaseCommands::Usages()
{
    static const std::vector<const char*> usages = [] {
        std::vector<const char*> list;
        for (const Command& command : Commands())
            list.push_back(command.usage);
        return list;
    }();
    return usages;
}

std::optional<int> CCliPriceBaseCommands::Run(const QString& strName, const QStringList& arguments,
                                              const QString& strDatabase, QTextStream& out, QTextStream& err)
{
    for (const Command& command : Commands()) {
        if (strName != QLatin1String(command.name))
            continue;
        int status = 0;
        try {
            CContext context{arguments, strDatabase, out, err, {}, {}};
            status = command.run(context);
        } catch (const CDBException& e) {
            err << tr("Error de base de datos: %1").arg(e.m_strError) << '\n';
            status = 1;
        }
        out.flush();
        err.flush();
        return status;
    }
    return std::nullopt;
}
