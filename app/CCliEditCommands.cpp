#include "app/CCliEditCommands.h"

#include "admin/CBudgetAdmin.h"
#include "budget/CBudgetRow.h"
#include "budget/CEditingService.h"
#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "pricebase/CPriceBaseAdmin.h"
#include "store/CArticulosSet.h"
#include "store/CDBException.h"
#include "store/CPreciosSet.h"
#include "store/CPresupuestosSet.h"

#include <map>
#include <memory>

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
    return CCliEditCommands::tr("Uso: velmora-cli %1").arg(QString::fromLatin1(szUsage));
}

CArguments::CArguments(const QStringList& arguments, const QStringList& valued, const QStringList& flags)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (valued.contains(argument)) {
            if (i + 1 >= arguments.size())
                throw CBadInput{CCliEditCommands::tr("Falta el valor de %1").arg(argument)};
            m_options[argument] = arguments[++i];
        } else if (flags.contains(argument)) {
            m_flags << argument;
        } else if (argument.startsWith(QStringLiteral("--"))) {
            throw CBadInput{CCliEditCommands::tr("Opción desconocida: %1").arg(argument)};
        } else {
            m_positional << argument;
        }
    }
}

QStringList CArguments::Positional(int nCount) const
{
    if (m_positional.size() != nCount)
        throw CBadInput{CCliEditCommands::tr("Número de argumentos incorrecto")};
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
        throw CBadInput{CCliEditCommands::tr("No es un número de línea: %1").arg(strText)};
    return number;
}

// One line tree open for editing: a budget by its code, or a tariff of a
// price base written CODE/TARIFF; the store, the tree's lines and its service.
class CTreeEdit
{
public:
    CTreeEdit(const QString& strDatabase, const QString& strTree);

    CEditingService& Service() { return *m_pService; }
    CDatabase& Database() { return m_doc.Database(); }
    // The changed and added lines, then a budget's totals.
    void Print(const CChangeSet& changes, QTextStream& out);

private:
    CVelmoraDoc m_doc;
    CStoreSession m_session;
    std::unique_ptr<CLineSet> m_pLines;
    std::unique_ptr<CEditingService> m_pService;
};

// The tree a command names: a budget when one has the whole text as its
// code, else the tariff CODE/TARIFF (codes may hold "/" themselves).
CLineTable FindTree(CDatabase& database, const QString& strTree)
{
    if (CBudgetAdmin::Exists(database, strTree))
        return CLineTable::ForBudget(strTree);
    for (qsizetype slash = strTree.indexOf(u'/'); slash >= 0; slash = strTree.indexOf(u'/', slash + 1)) {
        const QString code = strTree.left(slash);
        const QString tariff = strTree.mid(slash + 1);
        if (CPriceBaseAdmin::Exists(database, code, tariff))
            return CLineTable::ForTariff(code, tariff);
    }
    if (strTree.contains(u'/'))
        throw CBadInput{CCliEditCommands::tr("No existe esta tarifa: %1").arg(strTree)};
    throw CBadInput{CCliEditCommands::tr("No existe este presupuesto: %1").arg(strTree)};
}

CTreeEdit::CTreeEdit(const QString& strDatabase, const QString& strTree)
    : m_session(m_doc)
{
    m_session.Open(strDatabase);
    const CLineTable table = FindTree(Database(), strTree);
    if (table.IsTariff())
        m_pLines = std::make_unique<CPreciosSet>(&Database());
    else
        m_pLines = std::make_unique<CArticulosSet>(&Database());
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
    for (const auto& [number, line] : lines) {
        const QString indent(int(std::clamp(line.Level(), 0L, 40L)) * 2, u' ');
        out << line.numlin << '\t' << line.nivel << '\t' << indent + line.articulo << '\t' << line.medida << '\t'
            << line.nombre << '\t' << line.precio << '\t' << line.rendimiento << '\t' << line.importe << '\n';
    }
    if (m_pService->Table().IsTariff())
        return;
    CPresupuestosSet header(&Database());
    header.FilterBudget(m_pService->Table().Code());
    header.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    const std::pair<const char*, const QString*> totals[] = {
        {"GGEN", &header.m_GGEN},       {"BIND", &header.m_BIND},       {"IVA", &header.m_IVA},
        {"IMPGGEN", &header.m_IMPGGEN}, {"IMPBIND", &header.m_IMPBIND}, {"BASE", &header.m_BASE},
        {"IMPIVA", &header.m_IMPIVA},   {"TOTAL", &header.m_TOTAL},
    };
    for (const auto& [name, value] : totals)
        out << name << '\t' << *value << '\n';
}

using Handler = CChangeSet (*)(const QStringList& arguments, const QString& strDatabase,
                               std::unique_ptr<CTreeEdit>& edit);

struct Command {
    const char* name;
    const char* usage;
    Handler handler;
};

// Opens the tree named by an argument.
CTreeEdit& Open(std::unique_ptr<CTreeEdit>& edit, const QString& strDatabase, const QString& strTree)
{
    edit = std::make_unique<CTreeEdit>(strDatabase, strTree);
    return *edit;
}

CChangeSet EditLine(const QStringList& arguments, const QString& strDatabase, std::unique_ptr<CTreeEdit>& edit)
{
    const QStringList args = CArguments(arguments, {}, {}).Positional(4);
    const long line = LineNumber(args[1]);
    const int column = CBudgetRow::ColumnNamed(args[2]);
    if (column < 0)
        throw CBadInput{CCliEditCommands::tr("No existe la columna %1").arg(args[2])};
    return Open(edit, strDatabase, args[0]).Service().EditCell(line, column, args[3]);
}

CChangeSet InsertLine(const QStringList& arguments, const QString& strDatabase, std::unique_ptr<CTreeEdit>& edit)
{
    const QStringList args = CArguments(arguments, {}, {}).Positional(3);
    const long after = LineNumber(args[1]);
    const std::map<QString, CLineTree::Kind> kinds = {{QStringLiteral("chapter"), CLineTree::Kind::Chapter},
                                                      {QStringLiteral("folder"), CLineTree::Kind::Folder},
                                                      {QStringLiteral("concept"), CLineTree::Kind::Concept}};
    const auto kind = kinds.find(args[2]);
    if (kind == kinds.end())
        throw CBadInput{CCliEditCommands::tr("Tipo de línea desconocido: %1").arg(args[2])};
    CEditingService& service = Open(edit, strDatabase, args[0]).Service();
    // As in the grid's menu, a chapter goes only in or after a chapter.
    const std::optional<CLineRecord> selected = service.Tree().Line(after);
    if (kind->second == CLineTree::Kind::Chapter && selected && !selected->IsChapter())
        throw CBadInput{CCliEditCommands::tr("Un capítulo solo se inserta en un capítulo")};
    return service.InsertLine(after, kind->second);
}

CChangeSet DeleteLine(const QStringList& arguments, const QString& strDatabase, std::unique_ptr<CTreeEdit>& edit)
{
    const QStringList args = CArguments(arguments, {}, {}).Positional(2);
    const long line = LineNumber(args[1]);
    return Open(edit, strDatabase, args[0]).Service().DeleteLine(line);
}

// A chapter does not go inside a folder, as the grid's "Pegar" does not offer it.
void RequirePasteAllowed(CEditingService& service, long nTarget, const CLineClipboard& clipboard)
{
    if (!service.Tree().AcceptsPaste(nTarget, clipboard))
        throw CBadInput{CCliEditCommands::tr("Un capítulo no puede ir dentro de una partida")};
}

CChangeSet MoveBranch(const QStringList& arguments, const QString& strDatabase, std::unique_ptr<CTreeEdit>& edit)
{
    const CArguments parsed(arguments, {}, {QStringLiteral("--into")});
    const QStringList args = parsed.Positional(3);
    const long line = LineNumber(args[1]);
    const long target = LineNumber(args[2]);
    CEditingService& service = Open(edit, strDatabase, args[0]).Service();
    CLineClipboard clipboard;
    if (service.Tree().Line(line))
        service.CopyBranch(line, clipboard);
    if (service.Tree().Line(target) && !clipboard.IsEmpty())
        RequirePasteAllowed(service, target, clipboard);
    return service.MoveBranch(line, target, parsed.Flag(QStringLiteral("--into")), clipboard);
}

CChangeSet CopyBranch(const QStringList& arguments, const QString& strDatabase, std::unique_ptr<CTreeEdit>& edit)
{
    const CArguments parsed(arguments, {QStringLiteral("--to")}, {QStringLiteral("--into")});
    const QStringList args = parsed.Positional(3);
    const std::optional<QString> to = parsed.Option(QStringLiteral("--to"));
    if (!to)
        throw CBadInput{Usage("copy-branch CODE[/TARIFF] NUMLIN --to CODE2[/TARIFF2] TARGET [--into]")};
    const long line = LineNumber(args[1]);
    const long target = LineNumber(args[2]);
    CLineClipboard clipboard;
    {
        CTreeEdit source(strDatabase, args[0]);
        if (!source.Service().Tree().Line(line))
            throw CBadInput{CEditingService::tr("No existe la línea %1").arg(line)};
        source.Service().CopyBranch(line, clipboard);
    }
    CEditingService& service = Open(edit, strDatabase, *to).Service();
    if (service.Tree().Line(target))
        RequirePasteAllowed(service, target, clipboard);
    return service.PasteBranch(target, parsed.Flag(QStringLiteral("--into")), clipboard);
}

CChangeSet AddMeasurement(const QStringList& arguments, const QString& strDatabase, std::unique_ptr<CTreeEdit>& edit)
{
    const QStringList factors = {QStringLiteral("--units"), QStringLiteral("--length"), QStringLiteral("--width"),
                                 QStringLiteral("--height")};
    const CArguments parsed(arguments, factors + QStringList{QStringLiteral("--formula"), QStringLiteral("--comment")}, {});
    const QStringList args = parsed.Positional(2);
    const long line = LineNumber(args[1]);
    const std::optional<QString> formula = parsed.Option(QStringLiteral("--formula"));
    const std::optional<QString> comment = parsed.Option(QStringLiteral("--comment"));
    if (formula && comment)
        throw CBadInput{CCliEditCommands::tr("Una línea de fórmula guarda la fórmula en lugar del comentario")};
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
        throw CBadInput{Usage("add-measurement CODE NUMLIN --units U --length L --width W --height H | --formula F")};
    const CMeasurementLines::Values measure{formula.value_or(comment.value_or(QString())), values[0], values[1],
                                            values[2], values[3], QString()};
    return Open(edit, strDatabase, args[0]).Service().AddMeasurement(line, measure, formula.has_value());
}

CChangeSet DeleteMeasurement(const QStringList& arguments, const QString& strDatabase,
                             std::unique_ptr<CTreeEdit>& edit)
{
    const QStringList args = CArguments(arguments, {}, {}).Positional(3);
    const long line = LineNumber(args[1]);
    const long lin = LineNumber(args[2]);
    return Open(edit, strDatabase, args[0]).Service().DeleteMeasurement(line, lin);
}

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"edit-line", "edit-line CODE[/TARIFF] NUMLIN COLUMN TEXT", &EditLine},
        {"insert-line", "insert-line CODE[/TARIFF] AFTER chapter|folder|concept", &InsertLine},
        {"delete-line", "delete-line CODE[/TARIFF] NUMLIN", &DeleteLine},
        {"move-branch", "move-branch CODE[/TARIFF] NUMLIN TARGET [--into]", &MoveBranch},
        {"copy-branch", "copy-branch CODE[/TARIFF] NUMLIN --to CODE2[/TARIFF2] TARGET [--into]", &CopyBranch},
        {"add-measurement",
         "add-measurement CODE NUMLIN --units U --length L --width W --height H | --formula F [--comment TEXT]",
         &AddMeasurement},
        {"delete-measurement", "delete-measurement CODE NUMLIN LIN", &DeleteMeasurement},
    };
    return commands;
}

} // namespace

const std::vector<const char*>& CCliEditCommands::Usages()
{
    static const std::vector<const char*> usages = [] {
        std::vector<const char*> list;
        for (const Command& command : Commands())
            list.push_back(command.usage);
        return list;
    }();
    return usages;
}

std::optional<int> CCliEditCommands::Run(const QString& strName, const QStringList& arguments,
                                         const QString& strDatabase, QTextStream& out, QTextStream& err)
{
    for (const Command& command : Commands()) {
        if (strName != QLatin1String(command.name))
            continue;
        std::unique_ptr<CTreeEdit> edit;
        int status = 0;
        try {
            const CChangeSet changes = command.handler(arguments, strDatabase, edit);
            edit->Print(changes, out);
        } catch (const CBadInput& e) {
            err << e.m_strMessage << '\n';
            status = 2;
        } catch (const CEditRefused& e) {
            err << e.m_strMessage << '\n';
            status = 2;
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
