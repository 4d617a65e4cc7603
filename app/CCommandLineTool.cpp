#include "app/CCommandLineTool.h"

#include "app/CLanguage.h"
#include "app/CProfile.h"
#include "bc3/CBc3BudgetExport.h"
#include "bc3/CBc3BudgetImport.h"
#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "store/CDBException.h"
#include "store/CSchema.h"

#include <QFileInfo>

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
    static const std::vector<Command> commands = {
        {"init", "init", &CCommandLineTool::Init},
        {"import-budget", "import-budget FILE.bc3 [--replace]", &CCommandLineTool::ImportBudget},
        {"export-budget", "export-budget CODE FILE.bc3", &CCommandLineTool::ExportBudget},
    };
    return commands;
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
    stream.flush();
    return nStatus;
}

int CCommandLineTool::Run(const QStringList& arguments)
{
    m_strIdioma = CProfile::Language();
    QStringList rest = arguments;
    while (!rest.isEmpty() && rest.first().startsWith(QStringLiteral("--"))) {
        const QString option = rest.takeFirst();
        if (option == QStringLiteral("--database") && !rest.isEmpty()) {
            m_strDatabase = QFileInfo(rest.takeFirst()).absoluteFilePath();
        } else if (option.startsWith(QStringLiteral("--database="))) {
            m_strDatabase = QFileInfo(option.mid(11)).absoluteFilePath();
        } else if (option == QStringLiteral("--help")) {
            return Usage(0);
        } else {
            m_err << Text("Opción desconocida: %1\n", "Opció desconeguda: %1\n").arg(option);
            return Usage(2);
        }
    }
    if (rest.isEmpty())
        return Usage(2);
    if (m_strDatabase.isEmpty())
        m_strDatabase = CSchema::DefaultDatabasePath();

    const QString name = rest.takeFirst();
    for (const Command& command : Commands()) {
        if (name == QLatin1String(command.name)) {
            try {
                const int status = (this->*command.handler)(rest);
                m_out.flush();
                return status;
            } catch (const CDBException& e) {
                m_err << Text("Error de base de datos: %1\n", "Error de base de dades: %1\n").arg(e.m_strError);
                m_err.flush();
                return 1;
            }
        }
    }
    m_err << Text("Orden desconocida: %1\n", "Ordre desconeguda: %1\n").arg(name);
    return Usage(2);
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
                 .arg(outcome.m_strBudget)
                 .arg(outcome.m_nLines)
                 .arg(outcome.m_nMeasurements);
    return 0;
}

int CCommandLineTool::ExportBudget(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return Usage(2);
    if (!OpenStore())
        return 1;
    const QString path = CBc3BudgetExport::FileNameWithExtension(arguments[1]);
    const CBc3BudgetExport::Status status = ExportBudgetBc3(Doc(), arguments[0], path);
    if (status != CBc3BudgetExport::Ok) {
        m_err << arguments[0] << ": " << CBc3BudgetExport::Message(status, m_strIdioma) << '\n';
        return 1;
    }
    m_out << path << '\n';
    return 0;
}
