#include "cli/CPrintCommand.h"

#include "cli/CCommandContext.h"
#include "output/CBudgetPrintout.h"
#include "output/CPrintData.h"
#include "output/CPrintJob.h"
#include "output/CPrintOptions.h"
#include "store/CPresupuestosSet.h"

#include <QFileInfo>

namespace {

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

struct PrintArguments {
    CPrintOptions options;
    QString code, pdf, number, date, level;
};

// False when the command line does not read as the usage says.
bool ParsePrintArguments(const QStringList& arguments, PrintArguments& parsed)
{
    CPrintOptions& options = parsed.options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString argument = arguments[i];
        bool missing = false;
        const bool valued = TakeValue(arguments, i, QStringLiteral("--pdf"), parsed.pdf, missing)
                            || TakeValue(arguments, i, QStringLiteral("--level"), parsed.level, missing)
                            || TakeValue(arguments, i, QStringLiteral("--date"), parsed.date, missing)
                            || TakeValue(arguments, i, QStringLiteral("--number"), parsed.number, missing);
        if (missing)
            return false;
        if (valued)
            continue;
        if (argument == QStringLiteral("--invoice"))
            options.m_nDocumentKind = CPrintOptions::Invoice;
        else if (argument == QStringLiteral("--no-codes"))
            options.m_bCodes = false;
        else if (argument == QStringLiteral("--no-amounts"))
            options.m_bAmounts = false;
        else if (argument == QStringLiteral("--measurements"))
            options.m_bMeasurements = true;
        else if (argument == QStringLiteral("--short-descriptions"))
            options.m_nDescription = CPrintOptions::ShortDescription;
        else if (argument.startsWith(QStringLiteral("--")) || !parsed.code.isEmpty())
            return false;
        else
            parsed.code = argument;
    }
    return !parsed.code.isEmpty() && !parsed.pdf.isEmpty();
}

} // namespace

int CPrintCommand::Print(CCommandContext& context, const QStringList& arguments)
{
    PrintArguments parsed;
    if (!ParsePrintArguments(arguments, parsed))
        return context.Usage(2);
    CPrintOptions& options = parsed.options;
    const QString& code = parsed.code;
    if (parsed.number.size() > CPrintOptions::kNumberLimit) {
        context.Err() << tr("El número tiene más de 10 caracteres: %1\n").arg(parsed.number);
        return 2;
    }
    QDate day = QDate::currentDate();
    if (!parsed.date.isEmpty()) {
        day = QDate::fromString(parsed.date, QStringLiteral("d/M/yyyy"));
        if (!day.isValid()) {
            context.Err() << tr("Fecha no válida (DD/MM/AAAA): %1\n").arg(parsed.date);
            return 2;
        }
    }
    if (!parsed.level.isEmpty())
        options.m_strBudgetLevel = options.m_strInvoiceLevel = parsed.level;
    (options.IsInvoice() ? options.m_strInvoiceNumber : options.m_strBudgetNumber) = parsed.number;
    (options.IsInvoice() ? options.m_invoiceDate : options.m_budgetDate) = day;

    if (!context.OpenStore() || !context.RequireBudget(code))
        return 1;
    CPrintJob job(options);
    CPrintData data;
    data.Load(context.Database(), code, job.m_nLevelLimit, options.m_bMeasurements && !options.IsInvoice());
    const QString path = QFileInfo(parsed.pdf).absoluteFilePath();
    const int pages = CBudgetPrintout::PrintToPdf(job, data, path);
    if (pages < 0) {
        context.Err() << tr("No se puede escribir el fichero %1\n").arg(path);
        return 1;
    }
    // Only an invoice that was written keeps its number and date.
    if (options.IsInvoice()) {
        CPresupuestosSet header(&context.Database());
        header.FilterBudget(code);
        header.Open();
        options.StoreInvoiceData(header);
    }
    context.Out() << tr("%1: %2 páginas\n").arg(path, QString::number(pages));
    return 0;
}
