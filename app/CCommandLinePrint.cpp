// velmora-cli print: the budget or invoice printout as a PDF file. It draws
// with QtGui, so it is built into the output library, not the core.

#include "app/CCommandLineTool.h"

#include "budget/CVelmoraDoc.h"
#include "output/CBudgetPrintout.h"
#include "output/CPrintData.h"
#include "output/CPrintJob.h"
#include "output/CPrintOptions.h"
#include "store/CPresupuestosSet.h"

#include <QFileInfo>

namespace {

const char* const kPrintUsage = "print CODE --pdf FILE [--invoice] [--level N] [--no-codes] [--no-amounts] "
                                "[--measurements] [--short-descriptions] [--number TEXT] [--date DD/MM/YYYY]";

// "--name VALUE" or "--name=VALUE"; false when the argument is not that option.
bool TakeValue(const QStringList& arguments, qsizetype& i, const QString& strName, QString& strValue, bool& bMissing)
{
    const QString& argument = arguments[i];
    if (argument == strName) {
        if (i + 1 >= arguments.size()) {
            bMissing = true;
            return true;
        }
        strValue = arguments[++i];
        return true;
    }
    if (argument.startsWith(strName + u'=')) {
        strValue = argument.mid(strName.size() + 1);
        return true;
    }
    return false;
}

} // namespace

void CCommandLineTool::AddPrintCommand()
{
    std::vector<Command>& commands = CommandTable();
    for (const Command& command : commands) {
        if (qstrcmp(command.name, "print") == 0)
            return;
    }
    commands.push_back({"print", kPrintUsage, &CCommandLineTool::Print});
}

int CCommandLineTool::Print(const QStringList& arguments)
{
    CPrintOptions options;
    QString code, pdf, number, date, level;
    bool haveNumber = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        bool missing = false;
        if (TakeValue(arguments, i, QStringLiteral("--pdf"), pdf, missing)
            || TakeValue(arguments, i, QStringLiteral("--level"), level, missing)
            || TakeValue(arguments, i, QStringLiteral("--date"), date, missing)) {
        } else if (TakeValue(arguments, i, QStringLiteral("--number"), number, missing)) {
            haveNumber = true;
        } else if (argument == QStringLiteral("--invoice")) {
            options.m_nDocumentKind = CPrintOptions::Invoice;
        } else if (argument == QStringLiteral("--no-codes")) {
            options.m_bCodes = false;
        } else if (argument == QStringLiteral("--no-amounts")) {
            options.m_bAmounts = false;
        } else if (argument == QStringLiteral("--measurements")) {
            options.m_bMeasurements = true;
        } else if (argument == QStringLiteral("--short-descriptions")) {
            options.m_nDescription = CPrintOptions::ShortDescription;
        } else if (argument.startsWith(QStringLiteral("--")) || !code.isEmpty()) {
            return Usage(2);
        } else {
            code = argument;
        }
        if (missing)
            return Usage(2);
    }
    if (code.isEmpty() || pdf.isEmpty())
        return Usage(2);
    if (number.size() > CPrintOptions::kNumberLimit) {
        m_err << Text("El número tiene más de 10 caracteres: %1\n", "El número té més de 10 caràcters: %1\n").arg(number);
        return 2;
    }
    QDate day = QDate::currentDate();
    if (!date.isEmpty()) {
        day = QDate::fromString(date, QStringLiteral("d/M/yyyy"));
        if (!day.isValid()) {
            m_err << Text("Fecha no válida (DD/MM/AAAA): %1\n", "Data no vàlida (DD/MM/AAAA): %1\n").arg(date);
            return 2;
        }
    }
    if (!level.isEmpty())
        options.m_strBudgetLevel = options.m_strInvoiceLevel = level;
    if (haveNumber)
        (options.IsInvoice() ? options.m_strInvoiceNumber : options.m_strBudgetNumber) = number;
    (options.IsInvoice() ? options.m_invoiceDate : options.m_budgetDate) = day;

    if (!OpenStore() || !RequireBudget(code))
        return 1;
    if (options.IsInvoice()) {
        CPresupuestosSet header(&Doc().Database());
        header.FilterBudget(code);
        header.Open();
        options.StoreInvoiceData(header);
    }
    CPrintJob job(options);
    CPrintData data;
    data.Load(Doc().Database(), code, job.m_nLevelLimit, options.m_bMeasurements && !options.IsInvoice());
    const QString path = QFileInfo(pdf).absoluteFilePath();
    const int pages = CBudgetPrintout::PrintToPdf(job, data, path);
    if (pages < 0) {
        m_err << Text("No se puede escribir el fichero %1\n", "No es pot escriure el fitxer %1\n").arg(path);
        return 1;
    }
    m_out << Text("%1: %2 páginas\n", "%1: %2 pàgines\n").arg(path).arg(pages);
    return 0;
}
