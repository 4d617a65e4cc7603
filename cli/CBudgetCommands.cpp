#include "cli/CBudgetCommands.h"

#include "admin/CBudgetAdmin.h"
#include "admin/CBudgetHeader.h"
#include "budget/CVelmoraDoc.h"
#include "cli/CBudgetListing.h"
#include "cli/CCommandContext.h"
#include "store/CArticulosSet.h"
#include "store/CBudgetCode.h"
#include "store/CDatabase.h"
#include "store/CLineRecord.h"
#include "store/CPresupuestosSet.h"

#include <algorithm>

int CBudgetCommands::Init(CCommandContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return context.Usage(2);
    if (!context.OpenStore())
        return 1;
    context.Out() << context.DatabasePath() << '\n';
    return 0;
}

int CBudgetCommands::ListBudgets(CCommandContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return context.Usage(2);
    if (!context.OpenStore())
        return 1;
    for (const CBudgetAdmin::Entry& entry : CBudgetAdmin::List(context.Database()))
        context.Out() << CBudgetListing::Escaped(entry.code) << '\t' << CBudgetListing::Escaped(entry.name) << '\n';
    return 0;
}

bool CBudgetCommands::AcceptCode(CCommandContext& context, const QString& strCode)
{
    const QString problem = CBudgetCode::Problem(strCode);
    if (problem.isEmpty())
        return true;
    context.Err() << problem << '\n';
    return false;
}

bool CBudgetCommands::RefuseNewCode(CCommandContext& context, const QString& strCode)
{
    if (CBudgetAdmin::Exists(context.Database(), strCode)) {
        context.Err() << tr("Ya existe este presupuesto: %1\n").arg(strCode);
        return true;
    }
    return false;
}

int CBudgetCommands::NewBudget(CCommandContext& context, const QStringList& arguments)
{
    QStringList rest = arguments;
    QString name;
    const qsizetype option = rest.indexOf(QStringLiteral("--name"));
    if (option >= 0) {
        if (option + 1 >= rest.size())
            return context.Usage(2);
        name = rest.at(option + 1);
        rest.remove(option, 2);
    }
    if (rest.size() != 1)
        return context.Usage(2);
    const QString code = rest.first();
    if (!AcceptCode(context, code) || !context.OpenStore() || RefuseNewCode(context, code))
        return 1;
    CBudgetHeader header = CBudgetHeader::New();
    header.m_strCodigo = code;
    header.m_strNombre = name;
    CBudgetAdmin::Create(context.Database(), header);
    context.Out() << code << '\n';
    return 0;
}

int CBudgetCommands::CopyBudget(CCommandContext& context, const QStringList& arguments)
{
    if (arguments.size() != 2)
        return context.Usage(2);
    const QString& source = arguments[0];
    const QString& code = arguments[1];
    if (!AcceptCode(context, code))
        return 1;
    if (!context.OpenStore() || !context.RequireBudget(source) || RefuseNewCode(context, code))
        return 1;
    CPresupuestosSet set(&context.Database());
    set.FilterBudget(source);
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    CBudgetHeader header;
    header.Load(set);
    header.m_strCodigo = code;
    header.m_fecEnt = header.m_fecMod = CDateValue::Now();
    CBudgetAdmin::Copy(context.Database(), source, header);
    context.Out() << code << '\n';
    return 0;
}

int CBudgetCommands::DeleteBudget(CCommandContext& context, const QStringList& arguments)
{
    if (arguments.size() != 1)
        return context.Usage(2);
    if (!context.OpenStore() || !context.RequireBudget(arguments[0]))
        return 1;
    CBudgetAdmin::Delete(context.Database(), arguments[0]);
    return 0;
}

int CBudgetCommands::ShowBudget(CCommandContext& context, const QStringList& arguments)
{
    if (arguments.size() != 1)
        return context.Usage(2);
    if (!context.OpenStore() || !context.RequireBudget(arguments[0]))
        return 1;
    CArticulosSet lines(&context.Database());
    lines.FilterBudget(arguments[0]);
    lines.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    CBudgetListing::WriteLines(context.Out(), lines);
    CBudgetListing::WriteTotals(context.Out(), context.Database(), arguments[0]);
    return 0;
}
