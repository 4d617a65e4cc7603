#include "cli/CEditCommands.h"

#include "admin/CBudgetAdmin.h"
#include "budget/CBudgetRow.h"
#include "budget/CEditingService.h"
#include "cli/CBudgetListing.h"
#include "cli/CCommandContext.h"
#include "pricebase/CPriceBaseAdmin.h"
#include "store/CArticulosSet.h"
#include "store/CPreciosSet.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace {

// Bad input on the command line: told with exit status 2.
struct CBadInput {
    QString m_strMessage;
};

// The arguments of one command: the positional ones in order, and the
// options that take a value or stand alone.
class CArguments
{
public:
    CArguments(const QStringList& arguments, const QStringList& valued, const QStringList& flags);
    // The positional arguments, exactly nCount of them.
    QStringList Positional(int nCount) const;
    std::optional<QString> Option(const QString& strName) const;
    bool Flag(const QString& strName) const { return m_flags.contains(strName); }

private:
    QStringList m_positional;
    std::map<QString, QString> m_options;
    QStringList m_flags;
};

QString Usage(const char* szUsage)
{
    return CEditCommands::tr("Uso: velmora-cli %1").arg(QString::fromLatin1(szUsage));
}

CArguments::CArguments(const QStringList& arguments, const QStringList& valued, const QStringList& flags)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (valued.contains(argument)) {
            if (i + 1 >= arguments.size())
                throw CBadInput{CEditCommands::tr("Falta el valor de %1").arg(argument)};
            m_options[argument] = arguments[++i];
        } else if (flags.contains(argument)) {
            m_flags << argument;
        } else if (argument.startsWith(QStringLiteral("--"))) {
            throw CBadInput{CEditCommands::tr("Opción desconocida: %1").arg(argument)};
        } else {
            m_positional << argument;
        }
    }
}

QStringList CArguments::Positional(int nCount) const
{
    if (m_positional.size() != nCount)
        throw CBadInput{CEditCommands::tr("Número de argumentos incorrecto")};
    return m_positional;
}

std::optional<QString> CArguments::Option(const QString& strName) const
{
    const auto found = m_options.find(strName);
    return found == m_options.end() ? std::nullopt : std::optional<QString>(found->second);
}

long LineNumber(const QString& strText)
{
    bool ok = false;
    const long number = strText.toLong(&ok);
    if (!ok || number < 1)
        throw CBadInput{CEditCommands::tr("No es un número de línea: %1").arg(strText)};
    return number;
}

// One line tree open for editing, a budget or a tariff: its lines and its service.
class CTreeEdit
{
public:
    CTreeEdit(CDatabase& db, const QString& strTree);

    CEditingService& Service() { return *m_pService; }
    // The changed and added lines, then a budget's totals.
    void Print(const CChangeSet& changes, QTextStream& out);

private:
    CDatabase& m_db;
    std::unique_ptr<CLineSet> m_pLines;
    std::unique_ptr<CEditingService> m_pService;
};

// The tree a command names: a budget when one has the whole text as its
// code, else the tariff CODE/TARIFF (codes may hold "/" themselves).
CLineTable FindTree(CDatabase& db, const QString& strTree)
{
    if (CBudgetAdmin::Exists(db, strTree))
        return CLineTable::ForBudget(strTree);
    for (qsizetype slash = strTree.indexOf(u'/'); slash >= 0; slash = strTree.indexOf(u'/', slash + 1)) {
        const QString code = strTree.left(slash);
        const QString tariff = strTree.mid(slash + 1);
        if (CPriceBaseAdmin::Exists(db, code, tariff))
            return CLineTable::ForTariff(code, tariff);
    }
    if (strTree.contains(u'/'))
        throw CBadInput{CEditCommands::tr("No existe esta tarifa: %1").arg(strTree)};
    throw CBadInput{CEditCommands::tr("No existe este presupuesto: %1").arg(strTree)};
}

CTreeEdit::CTreeEdit(CDatabase& db, const QString& strTree)
    : m_db(db)
{
    const CLineTable table = FindTree(db, strTree);
    if (table.IsTariff())
        m_pLines = std::make_unique<CPreciosSet>(&db);
    else
        m_pLines = std::make_unique<CArticulosSet>(&db);
    m_pLines->FilterTree(table);
    m_pLines->Open();
    m_pService = std::make_unique<CEditingService>(*m_pLines, table);
}

void CTreeEdit::Print(const CChangeSet& changes, QTextStream& out)
{
    std::map<long, CLineRecord> lines = changes.m_lines;
    for (long n = changes.m_nAddedFirst; n > 0 && n < changes.m_nAddedFirst + changes.m_nAddedCount; ++n) {
        if (const std::optional<CLineRecord> line = m_pService->Tree().Line(n))
            lines[n] = *line;
    }
    for (const auto& [number, line] : lines)
        CBudgetListing::WriteLine(out, line, std::clamp(line.Level(), 0L, 40L));
    if (!m_pService->Table().IsTariff())
        CBudgetListing::WriteTotals(out, m_db, m_pService->Table().Code());
}

// The tree a command opens for its change.
using EditPtr = std::unique_ptr<CTreeEdit>;

// Opens the tree the change is made in.
CTreeEdit& Open(EditPtr& edit, CCommandContext& context, const QString& strTree)
{
    edit = std::make_unique<CTreeEdit>(context.Database(), strTree);
    return *edit;
}

// A chapter does not go inside a folder, as the grid's "Pegar" does not offer it.
void RequirePasteAllowed(CEditingService& service, long nTarget, const CLineClipboard& clipboard)
{
    if (!service.Tree().AcceptsPaste(nTarget, clipboard))
        throw CBadInput{CEditCommands::tr("Un capítulo no puede ir dentro de una partida")};
}

// Opens the store, makes the command's change and prints it; bad input and
// a refused edit are told with status 2.
int Run(CCommandContext& context, const std::function<CChangeSet(EditPtr& edit)>& change)
{
    if (!context.OpenStore())
        return 1;
    EditPtr edit;
    try {
        const CChangeSet changes = change(edit);
        edit->Print(changes, context.Out());
        return 0;
    } catch (const CBadInput& e) {
        context.Err() << e.m_strMessage << '\n';
    } catch (const CEditRefused& e) {
        context.Err() << e.m_strMessage << '\n';
    }
    return 2;
}

} // namespace

int CEditCommands::EditLine(CCommandContext& context, const QStringList& arguments)
{
    return Run(context, [&](EditPtr& edit) {
        const QStringList args = CArguments(arguments, {}, {}).Positional(4);
        const long line = LineNumber(args[1]);
        const int column = CBudgetRow::ColumnNamed(args[2]);
        if (column < 0)
            throw CBadInput{CEditCommands::tr("No existe la columna %1").arg(args[2])};
        return Open(edit, context, args[0]).Service().EditCell(line, column, args[3]);
    });
}

int CEditCommands::InsertLine(CCommandContext& context, const QStringList& arguments)
{
    return Run(context, [&](EditPtr& edit) {
        const QStringList args = CArguments(arguments, {}, {}).Positional(3);
        const long after = LineNumber(args[1]);
        const std::map<QString, CLineTree::Kind> kinds = {{QStringLiteral("chapter"), CLineTree::Kind::Chapter},
                                                          {QStringLiteral("folder"), CLineTree::Kind::Folder},
                                                          {QStringLiteral("concept"), CLineTree::Kind::Concept}};
        const auto kind = kinds.find(args[2]);
        if (kind == kinds.end())
            throw CBadInput{CEditCommands::tr("Tipo de línea desconocido: %1").arg(args[2])};
        CEditingService& service = Open(edit, context, args[0]).Service();
        // As in the grid's menu, a chapter goes only in or after a chapter.
        const std::optional<CLineRecord> selected = service.Tree().Line(after);
        if (kind->second == CLineTree::Kind::Chapter && selected && !selected->IsChapter())
            throw CBadInput{CEditCommands::tr("Un capítulo solo se inserta en un capítulo")};
        return service.InsertLine(after, kind->second);
    });
}

int CEditCommands::DeleteLine(CCommandContext& context, const QStringList& arguments)
{
    return Run(context, [&](EditPtr& edit) {
        const QStringList args = CArguments(arguments, {}, {}).Positional(2);
        const long line = LineNumber(args[1]);
        return Open(edit, context, args[0]).Service().DeleteLine(line);
    });
}

int CEditCommands::MoveBranch(CCommandContext& context, const QStringList& arguments)
{
    return Run(context, [&](EditPtr& edit) {
        const CArguments parsed(arguments, {}, {QStringLiteral("--into")});
        const QStringList args = parsed.Positional(3);
        const long line = LineNumber(args[1]);
        const long target = LineNumber(args[2]);
        CEditingService& service = Open(edit, context, args[0]).Service();
        CLineClipboard clipboard;
        if (service.Tree().Line(line))
            service.CopyBranch(line, clipboard);
        if (service.Tree().Line(target) && !clipboard.IsEmpty())
            RequirePasteAllowed(service, target, clipboard);
        return service.MoveBranch(line, target, parsed.Flag(QStringLiteral("--into")), clipboard);
    });
}

int CEditCommands::CopyBranch(CCommandContext& context, const QStringList& arguments)
{
    return Run(context, [&](EditPtr& edit) {
        const CArguments parsed(arguments, {QStringLiteral("--to")}, {QStringLiteral("--into")});
        const QStringList args = parsed.Positional(3);
        const std::optional<QString> to = parsed.Option(QStringLiteral("--to"));
        if (!to)
            throw CBadInput{Usage(CEditCommands::kCopyBranchUsage)};
        const long line = LineNumber(args[1]);
        const long target = LineNumber(args[2]);
        CLineClipboard clipboard;
        {
            CTreeEdit source(context.Database(), args[0]);
            if (!source.Service().Tree().Line(line))
                throw CBadInput{CEditingService::tr("No existe la línea %1").arg(line)};
            source.Service().CopyBranch(line, clipboard);
        }
        CEditingService& service = Open(edit, context, *to).Service();
        if (service.Tree().Line(target))
            RequirePasteAllowed(service, target, clipboard);
        return service.PasteBranch(target, parsed.Flag(QStringLiteral("--into")), clipboard);
    });
}

int CEditCommands::AddMeasurement(CCommandContext& context, const QStringList& arguments)
{
    return Run(context, [&](EditPtr& edit) {
        const QStringList factors = {QStringLiteral("--units"), QStringLiteral("--length"), QStringLiteral("--width"),
                                     QStringLiteral("--height")};
        const QStringList texts = {QStringLiteral("--formula"), QStringLiteral("--comment")};
        const CArguments parsed(arguments, factors + texts, {});
        const QStringList args = parsed.Positional(2);
        const long line = LineNumber(args[1]);
        const std::optional<QString> formula = parsed.Option(QStringLiteral("--formula"));
        const std::optional<QString> comment = parsed.Option(QStringLiteral("--comment"));
        if (formula && comment)
            throw CBadInput{CEditCommands::tr("Una línea de fórmula guarda la fórmula en lugar del comentario")};
        // A factor left out counts once, as in the measurement entry dialog.
        QStringList values;
        bool anyFactor = false;
        for (const QString& option : factors) {
            const std::optional<QString> text = parsed.Option(option);
            anyFactor = anyFactor || text.has_value();
            const std::optional<QString> number = CEditingService::NumberText(text.value_or(QStringLiteral("1")));
            if (!number || number->isEmpty())
                throw CBadInput{CEditingService::tr("«%1» no es un número").arg(*text)};
            values << *number;
        }
        if (!anyFactor && !formula)
            throw CBadInput{Usage(CEditCommands::kAddMeasurementUsage)};
        const CMeasurementLines::Values measure{formula.value_or(comment.value_or(QString())), values[0], values[1],
                                                values[2], values[3], QString()};
        return Open(edit, context, args[0]).Service().AddMeasurement(line, measure, formula.has_value());
    });
}

int CEditCommands::DeleteMeasurement(CCommandContext& context, const QStringList& arguments)
{
    return Run(context, [&](EditPtr& edit) {
        const QStringList args = CArguments(arguments, {}, {}).Positional(3);
        const long line = LineNumber(args[1]);
        const long lin = LineNumber(args[2]);
        return Open(edit, context, args[0]).Service().DeleteMeasurement(line, lin);
    });
}
