#include "app/CCommandLineTool.h"

#include "app/CCliEditCommands.h"
#include "app/CCliPriceBaseCommands.h"
#include "app/CLanguage.h"
#include "admin/CBudgetAdmin.h"
#include "admin/CBudgetHeader.h"
#include "app/CProfile.h"
#include "bc3/CBc3BudgetExport.h"
#include "bc3/CBc3BudgetImport.h"
#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "measure/FormulaParser.h"
#include "store/CDBException.h"
#include "store/CArticulosSet.h"
#include "store/CBudgetCode.h"
#include "store/CDatabase.h"
#include "store/CPresupuestosSet.h"
#include "store/CSchema.h"

#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>
#include <string>

CCommandLineTool::CCommandLineTool(QTextStream& out, QTextStream& err)
    : m_out(out)
    , m_err(err)
{
}

CCommandLineTool::~CCommandLineTool()
{
    m_pSession.reset();
    m_pDoc.reset();
}

const std::vector<CCommandLineTool::Command>& CCommandLineTool::Commands()
{
    return CommandTable();
}

std::vector<CCommandLineTool::Command>& CCommandLineTool::CommandTable()
{
    static std::vector<Command> commands = {
        {"init", "init", &CCommandLineTool::Init},
        {"list-budgets", "list-budgets", &CCommandLineTool::ListBudgets},
        {"new-budget", "new-budget CODE [--name NAME]", &CCommandLineTool::NewBudget},
        {"copy-budget", "copy-budget SOURCE NEWCODE", &CCommandLineTool::CopyBudget},
        {"delete-budget", "delete-budget CODE", &CCommandLineTool::DeleteBudget},
        {"show-budget", "show-budget CODE", &CCommandLineTool::ShowBudget},
        {"formula", "formula EXPR [--x VALUE]", &CCommandLineTool::Formula},
        {"import-budget", "import-budget FILE.bc3 [--replace]", &CCommandLineTool::ImportBudget},
        {"export-budget", "export-budget CODE FILE.bc3", &CCommandLineTool::ExportBudget},
        {"check-budget", "check-budget CODE", &CCommandLineTool::CheckBudget},
    };
    return commands;
}

std::vector<CCommandLineTool::ExtraCommand>& CCommandLineTool::ExtraCommands()
{
    static std::vector<ExtraCommand> commands;
    return commands;
}

void CCommandLineTool::AddCommand(const char* szName, const char* szUsage, Handler handler)
{
    for (const ExtraCommand& command : ExtraCommands()) {
        if (qstrcmp(command.name, szName) == 0)
            return;
    }
    ExtraCommands().push_back({szName, szUsage, handler});
}

QString CCommandLineTool::Text(const char* szSpanish, const char* szCatalan) const
{
    return CLanguage::Text(m_strIdioma, szSpanish, szCatalan);
}

int CCommandLineTool::Usage(int nStatus)
{
    QTextStream& stream = nStatus == 0 ? m_out : m_err;
    stream << Text("Uso: velmora-cli [--database RUTA] ORDEN [ARGUMENTOS]\nÓrdenes:\n",
                   "Ús: velmora-cli [--database RUTA] ORDRE [ARGUMENTS]\nOrdres:\n");
    for (const Command& command : Commands())
        stream << "  " << command.usage << '\n';
    for (const ExtraCommand& command : ExtraCommands())
        stream << "  " << command.usage << '\n';
    for (const char* usage : CCliEditCommands::Usages())
        stream << "  " << usage << '\n';
    for (const char* usage : CCliPriceBaseCommands::Usages())
        stream << "  " << usage << '\n';
    stream.flush();
    return nStatus;
}

int CCommandLineTool::Run(const QStringList& arguments)
{
    m_strIdioma = CProfile::Language();
    QStringList rest = arguments;
    std::optional<QString> database;
    while (!rest.isEmpty() && rest.first().startsWith(QStringLiteral("--"))) {
        const QString option = rest.takeFirst();
        if (option == QStringLiteral("--database") && !rest.isEmpty()) {
            database = rest.takeFirst();
        } else if (option.startsWith(QStringLiteral("--database="))) {
            database = option.mid(11);
        } else if (option == QStringLiteral("--help")) {
            return Usage(0);
        } else {
            m_err << Text("Opción desconocida: %1\n", "Opció desconeguda: %1\n").arg(option);
            return Usage(2);
        }
    }
    if (rest.isEmpty())
        return Usage(2);
    if (database && database->isEmpty()) {
        m_err << tr("--database necesita la ruta de un fichero") << '\n';
        return Usage(2);
    }
    m_strDatabase = database ? QFileInfo(*database).absoluteFilePath() : CSchema::DefaultDatabasePath();

    const QString name = rest.takeFirst();
    std::function<int()> handler;
    for (const Command& command : Commands()) {
        if (name == QLatin1String(command.name))
            handler = [this, &rest, command] { return (this->*command.handler)(rest); };
    }
    for (const ExtraCommand& command : ExtraCommands()) {
        if (name == QLatin1String(command.name))
            handler = [this, &rest, command] { return command.handler(*this, rest); };
    }
    if (!handler) {
        if (const std::optional<int> status = CCliEditCommands::Run(name, rest, m_strDatabase, m_out, m_err))
            return *status;
        if (const std::optional<int> status = CCliPriceBaseCommands::Run(name, rest, m_strDatabase, m_out, m_err))
            return *status;
        m_err << Text("Orden desconocida: %1\n", "Ordre desconeguda: %1\n").arg(name);
        return Usage(2);
    }
    try {
        const int status = handler();
        m_out.flush();
        return status;
    } catch (const CDBException& e) {
        m_err << Text("Error de base de datos: %1\n", "Error de base de dades: %1\n").arg(e.m_strError);
        m_err.flush();
        return 1;
    }
}

bool CCommandLineTool::OpenStore()
{
    m_pDoc = std::make_unique<CVelmoraDoc>();
    m_pSession = std::make_unique<CStoreSession>(*m_pDoc);
    try {
        m_pSession->Open(m_strDatabase);
    } catch (const CDBException& e) {
        m_err << Text("No se puede abrir la base de datos %1: %2\n", "No es pot obrir la base de dades %1: %2\n")
                     .arg(m_strDatabase, e.m_strError);
        m_err.flush();
        m_pSession.reset();
        m_pDoc.reset();
        return false;
    }
    for (const QString& notice : m_pSession->Notices())
        m_err << tr("Aviso: %1").arg(notice) << '\n';
    m_err.flush();
    return true;
}

int CCommandLineTool::Init(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return Usage(2);
    if (!OpenStore())
        return 1;
    m_out << m_strDatabase << '\n';
    return 0;
}

bool CCommandLineTool::AcceptCode(const QString& strCode)
{
    const QString problem = CBudgetCode::Problem(strCode);
    if (problem.isEmpty())
        return true;
    m_err << problem << '\n';
    return false;
}

QString CCommandLineTool::Escaped(const QString& strText)
{
    QString text;
    text.reserve(strText.size());
    for (const QChar c : strText) {
        switch (c.unicode()) {
        case u'\\': text += QStringLiteral("\\\\"); break;
        case u'\t': text += QStringLiteral("\\t"); break;
        case u'\n': text += QStringLiteral("\\n"); break;
        case u'\r': text += QStringLiteral("\\r"); break;
        default: text += c;
        }
    }
    return text;
}

void CCommandLineTool::WriteLines(CLineSet& lines, QTextStream& out)
{
    // A line lies at most one level below the line before it; a level past
    // that (a damaged store) is indented as that deepest one, so the output
    // stays in proportion to the tree.
    long depth = -1;
    for (; !lines.IsEOF(); lines.MoveNext()) {
        depth = std::clamp(lines.m_NIVEL.toLong(), 0L, depth + 1);
        out << Escaped(lines.m_NUMLIN) << '\t' << Escaped(lines.m_NIVEL) << '\t' << QString(qsizetype(depth) * 2, u' ')
            << Escaped(lines.m_ARTICULO) << '\t' << Escaped(lines.m_MEDIDA) << '\t' << Escaped(lines.m_NOMBRE) << '\t'
            << Escaped(lines.m_PRECIO) << '\t' << Escaped(lines.m_RENDIMIENTO) << '\t' << Escaped(lines.m_IMPORTE)
            << '\n';
    }
}

bool CCommandLineTool::RequireBudget(const QString& strCode)
{
    if (CBudgetAdmin::Exists(Doc().Database(), strCode))
        return true;
    m_err << Text("No existe este presupuesto: %1\n", "No existeix aquest pressupost: %1\n").arg(strCode);
    return false;
}

int CCommandLineTool::ListBudgets(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return Usage(2);
    if (!OpenStore())
        return 1;
    for (const CBudgetAdmin::Entry& entry : CBudgetAdmin::List(Doc().Database()))
        m_out << Escaped(entry.code) << '\t' << Escaped(entry.name) << '\n';
    return 0;
}

int CCommandLineTool::NewBudget(const QStringList& arguments)
{
    QStringList rest = arguments;
    QString name;
    const qsizetype option = rest.indexOf(QStringLiteral("--name"));
    if (option >= 0) {
        if (option + 1 >= rest.size())
            return Usage(2);
        name = rest.at(option + 1);
        rest.remove(option, 2);
    }
    if (rest.size() != 1)
        return Usage(2);
    const QString code = rest.first();
    if (!AcceptCode(code))
        return 1;
    if (!OpenStore())
        return 1;
    if (CBudgetAdmin::Exists(Doc().Database(), code)) {
        m_err << Text("Ya existe este presupuesto: %1\n", "Ja existeix aquest pressupost: %1\n").arg(code);
        return 1;
    }
    CBudgetHeader header = CBudgetHeader::New();
    header.m_strCodigo = code;
    header.m_strNombre = name;
    CBudgetAdmin::Create(Doc().Database(), header);
    m_out << code << '\n';
    return 0;
}

int CCommandLineTool::CopyBudget(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return Usage(2);
    const QString& source = arguments[0];
    const QString& code = arguments[1];
    if (!AcceptCode(code))
        return 1;
    if (!OpenStore() || !RequireBudget(source))
        return 1;
    if (CBudgetAdmin::Exists(Doc().Database(), code)) {
        m_err << Text("Ya existe este presupuesto: %1\n", "Ja existeix aquest pressupost: %1\n").arg(code);
        return 1;
    }
    CPresupuestosSet set(&Doc().Database());
    set.FilterBudget(source);
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    CBudgetHeader header;
    header.Load(set);
    header.m_strCodigo = code;
    header.m_fecEnt = header.m_fecMod = CDateValue::Now();
    CBudgetAdmin::Copy(Doc().Database(), source, header);
    m_out << code << '\n';
    return 0;
}

int CCommandLineTool::DeleteBudget(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return Usage(2);
    if (!OpenStore() || !RequireBudget(arguments[0]))
        return 1;
    CBudgetAdmin::Delete(Doc().Database(), arguments[0]);
    return 0;
}

int CCommandLineTool::ShowBudget(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return Usage(2);
    if (!OpenStore() || !RequireBudget(arguments[0]))
        return 1;
    CArticulosSet lines(&Doc().Database());
    lines.FilterBudget(arguments[0]);
    lines.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    WriteLines(lines, m_out);
    CPresupuestosSet header(&Doc().Database());
    header.FilterBudget(arguments[0]);
    header.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    const std::pair<const char*, const QString*> totals[] = {
        {"GGEN", &header.m_GGEN},       {"BIND", &header.m_BIND}, {"IVA", &header.m_IVA},
        {"IMPGGEN", &header.m_IMPGGEN}, {"IMPBIND", &header.m_IMPBIND}, {"BASE", &header.m_BASE},
        {"IMPIVA", &header.m_IMPIVA},   {"TOTAL", &header.m_TOTAL},
    };
    for (const auto& [name, value] : totals)
        m_out << name << '\t' << *value << '\n';
    return 0;
}

namespace {

// A C-notation number that fills the whole text, whatever the process locale.
bool ParseDouble(const QString& strText, double& dValue)
{
    const std::string text = strText.toStdString();
    const char* first = text.data();
    const char* last = first + text.size();
    if (first < last && *first == '+')
        ++first;
    const auto result = std::from_chars(first, last, dValue, std::chars_format::general);
    return first < last && result.ec == std::errc() && result.ptr == last;
}

// "%.17g" in the C locale: enough digits to read the same double back.
QString FormatFullPrecision(double dValue)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, dValue, std::chars_format::general, 17);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

int CCommandLineTool::Formula(const QStringList& arguments)
{
    // The measurement window and dialog evaluate with this x.
    double dX = 0.0123;
    QString strFormula;
    bool bHaveFormula = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString strX;
        bool bX = false;
        if (argument == QStringLiteral("--x")) {
            if (i + 1 >= arguments.size())
                return Usage(2);
            strX = arguments[++i];
            bX = true;
        } else if (argument.startsWith(QStringLiteral("--x="))) {
            strX = argument.mid(4);
            bX = true;
        }
        if (bX) {
            if (!ParseDouble(strX, dX)) {
                m_err << Text("El valor de x no es un número: %1\n", "El valor de x no és un nombre: %1\n").arg(strX);
                m_err.flush();
                return 2;
            }
        } else if (!bHaveFormula) {
            strFormula = argument;
            bHaveFormula = true;
        } else {
            return Usage(2);
        }
    }
    if (!bHaveFormula)
        return Usage(2);

    int nErrorPosition = 0;
    QString strErrorMessage;
    FormulaParser parser;
    const double dValue = parser.Evaluate(strFormula, dX, nErrorPosition, strErrorMessage, true);
    m_out << FormatFullPrecision(dValue) << '\n' << nErrorPosition << '\n' << strErrorMessage << '\n';
    return 0;
}

int CCommandLineTool::ImportBudget(const QStringList& arguments)
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
        return Usage(2);
    if (!OpenStore())
        return 1;
    const CBc3ImportOutcome outcome = ImportBudgetBc3(Doc().Database(), files.first(), replace);
    if (outcome.m_status == CBc3ImportOutcome::Exists) {
        m_err << Text("Ya existe el presupuesto %1; --replace lo reemplaza\n",
                      "Ja existeix el pressupost %1; --replace el reemplaça\n")
                     .arg(outcome.m_strBudget);
        return 1;
    }
    if (!outcome.IsOk()) {
        m_err << files.first() << ": " << outcome.Message(m_strIdioma) << '\n';
        return 1;
    }
    m_out << Text("Presupuesto %1: %2 líneas, %3 líneas de medición\n",
                  "Pressupost %1: %2 línies, %3 línies d'amidament\n")
                 .arg(outcome.m_strBudget, QString::number(outcome.m_nLines), QString::number(outcome.m_nMeasurements));
    return 0;
}

int CCommandLineTool::ExportBudget(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return Usage(2);
    if (!OpenStore())
        return 1;
    const QString path = CBc3BudgetExport::FileNameWithExtension(arguments[1]);
    std::vector<CBc3BudgetExport::Unencodable> unencodables;
    const CBc3BudgetExport::Status status = ExportBudgetBc3(Doc(), arguments[0], path, &unencodables);
    if (status != CBc3BudgetExport::Ok) {
        m_err << arguments[0] << ": " << CBc3BudgetExport::Message(status, m_strIdioma) << '\n';
        return 1;
    }
    // The file is written all the same: a warning, not a failure.
    if (!unencodables.empty())
        m_err << path << ": " << CBc3BudgetExport::UnencodableWarning(unencodables, m_strIdioma, true) << '\n';
    m_out << path << '\n';
    return 0;
}
