#include "cli/CFormulaCommand.h"

#include "cli/CCommandContext.h"
#include "measure/FormulaParser.h"

#include <charconv>
#include <string>

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

int CFormulaCommand::Formula(CCommandContext& context, const QStringList& arguments)
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
                return context.Usage(2);
            strX = arguments[++i];
            bX = true;
        } else if (argument.startsWith(QStringLiteral("--x="))) {
            strX = argument.mid(4);
            bX = true;
        }
        if (bX) {
            if (!ParseDouble(strX, dX)) {
                context.Err() << tr("El valor de x no es un número: %1\n").arg(strX);
                context.Err().flush();
                return 2;
            }
        } else if (!bHaveFormula) {
            strFormula = argument;
            bHaveFormula = true;
        } else {
            return context.Usage(2);
        }
    }
    if (!bHaveFormula)
        return context.Usage(2);

    int nErrorPosition = 0;
    QString strErrorMessage;
    FormulaParser parser;
    const double dValue = parser.Evaluate(strFormula, dX, nErrorPosition, strErrorMessage, true);
    context.Out() << FormatFullPrecision(dValue) << '\n' << nErrorPosition << '\n' << strErrorMessage << '\n';
    return 0;
}
