#include "cli/CCommandLineTool.h"

#include "app/CProfile.h"
#include "cli/CBc3Commands.h"
#include "cli/CBudgetCommands.h"
#include "cli/CCommandContext.h"
#include "cli/CEditCommands.h"
#include "cli/CExportCommands.h"
#include "cli/CFormulaCommand.h"
#include "cli/CPriceBaseCommands.h"
#include "cli/CPrintCommand.h"
#include "core/CLanguage.h"
#include "store/CDBException.h"
#include "store/CSchema.h"

#include <QFileInfo>
#include <optional>

CCommandLineTool::CCommandLineTool(QTextStream& out, QTextStream& err)
    : m_out(out)
    , m_err(err)
{
}

const std::vector<CCommandLineTool::Command>& CCommandLineTool::Commands()
{
    static const std::vector<Command> commands = {
        {"init", "init", &CBudgetCommands::Init},
        {"list-budgets", "list-budgets", &CBudgetCommands::ListBudgets},
        {"new-budget", "new-budget CODE [--name NAME]", &CBudgetCommands::NewBudget},
        {"copy-budget", "copy-budget SOURCE NEWCODE", &CBudgetCommands::CopyBudget},
        {"delete-budget", "delete-budget CODE", &CBudgetCommands::DeleteBudget},
        {"show-budget", "show-budget CODE", &CBudgetCommands::ShowBudget},
        {"formula", "formula EXPR [--x VALUE]", &CFormulaCommand::Formula},
        {"import-budget", "import-budget FILE.bc3 [--replace]", &CBc3Commands::ImportBudget},
        {"export-budget", "export-budget CODE FILE.bc3", &CBc3Commands::ExportBudget},
        {"check-budget", "check-budget CODE", &CBc3Commands::CheckBudget},
        {"edit-line", "edit-line CODE[/TARIFF] NUMLIN COLUMN TEXT", &CEditCommands::EditLine},
        {"insert-line", "insert-line CODE[/TARIFF] AFTER chapter|folder|concept", &CEditCommands::InsertLine},
        {"delete-line", "delete-line CODE[/TARIFF] NUMLIN", &CEditCommands::DeleteLine},
        {"move-branch", "move-branch CODE[/TARIFF] NUMLIN TARGET [--into]", &CEditCommands::MoveBranch},
        {"copy-branch", CEditCommands::kCopyBranchUsage, &CEditCommands::CopyBranch},
        {"add-measurement", CEditCommands::kAddMeasurementUsage, &CEditCommands::AddMeasurement},
        {"delete-measurement", "delete-measurement CODE NUMLIN LIN", &CEditCommands::DeleteMeasurement},
        {"list-pricebases", "list-pricebases", &CPriceBaseCommands::ListPriceBases},
        {"show-pricebase", "show-pricebase CODE TARIFF", &CPriceBaseCommands::ShowPriceBase},
        {"import-pricebase", CPriceBaseCommands::kImportUsage, &CPriceBaseCommands::ImportPriceBase},
        {"print", CPrintCommand::kUsage, &CPrintCommand::Print, true},
        {"export-rtf", "export-rtf CODE FILE.rtf [--catalan]", &CExportCommands::ExportRtf, true},
        {"export-xls", "export-xls CODE FILE.xls|FILE.xlsx [--catalan]", &CExportCommands::ExportXls},
    };
    return commands;
}

const CCommandLineTool::Command* CCommandLineTool::Find(const QString& strName)
{
    for (const Command& command : Commands()) {
        if (strName == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

bool CCommandLineTool::LaysOutText(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--database"))
            ++i;
        else if (!arguments[i].startsWith(QStringLiteral("--")))
            return Find(arguments[i]) && Find(arguments[i])->laysOutText;
    }
    return false;
}

int CCommandLineTool::Usage(QTextStream& stream, int nStatus)
{
    stream << tr("Uso: velmora-cli [--database RUTA] ORDEN [ARGUMENTOS]\nÓrdenes:\n");
    for (const Command& command : Commands())
        stream << "  " << command.usage << '\n';
    stream.flush();
    return nStatus;
}

int CCommandLineTool::Run(const QStringList& arguments)
{
    // Messages in the user's language, for this run.
    const CLanguage language(CProfile::Language());
    std::optional<QString> database;
    QStringList rest = arguments;
    while (!rest.isEmpty() && rest.first().startsWith(QStringLiteral("--"))) {
        const QString option = rest.takeFirst();
        if (option == QStringLiteral("--database") && !rest.isEmpty()) {
            database = rest.takeFirst();
        } else if (option.startsWith(QStringLiteral("--database="))) {
            database = option.mid(11);
        } else if (option == QStringLiteral("--help")) {
            return Usage(m_out, 0);
        } else {
            m_err << tr("Opción desconocida: %1\n").arg(option);
            return Usage(m_err, 2);
        }
    }
    if (rest.isEmpty())
        return Usage(m_err, 2);
    if (database && database->isEmpty()) {
        m_err << tr("--database necesita la ruta de un fichero") << '\n';
        return Usage(m_err, 2);
    }

    const QString name = rest.takeFirst();
    if (const Command* command = Find(name))
        return RunCommand(*command, rest,
                          database ? QFileInfo(*database).absoluteFilePath() : CSchema::DefaultDatabasePath());
    m_err << tr("Orden desconocida: %1\n").arg(name);
    return Usage(m_err, 2);
}

int CCommandLineTool::RunCommand(const Command& command, const QStringList& arguments, const QString& strDatabase)
{
    CCommandContext context(m_out, m_err, strDatabase);
    try {
        const int status = command.run(context, arguments);
        m_out.flush();
        m_err.flush();
        return status;
    } catch (const CDBException& e) {
        m_err << tr("Error de base de datos: %1\n").arg(e.m_strError);
        m_err.flush();
        return 1;
    }
}
