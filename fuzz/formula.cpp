// fuzz-sources: measure/FormulaParser.cpp measure/ConstantTable.cpp
//
// Feeds arbitrary text to FormulaParser::Evaluate. The first byte picks
// normalisation and the value of x; the rest is the formula in UTF-8.
// Besides the sanitizers, it checks what every caller relies on: the error
// position lies inside the text, a parse error always says so, and the same
// text gives the same result twice.
#include "measure/FormulaParser.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void Check(bool bCondition)
{
    if (!bCondition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool bNormalize = (data[0] & 1) == 0;
    static const double kX[] = {0.0123, 0.0, -1.5, 1e300};
    const double dX = kX[(data[0] >> 1) & 3];
    const QString strFormula = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    FormulaParser parser;
    int nPosition = 0;
    QString strMessage;
    const double dValue = parser.Evaluate(strFormula, dX, nPosition, strMessage, bNormalize);

    const QString strParsed = bNormalize ? FormulaParser::NormalizeFormula(strFormula) : strFormula;
    Check(nPosition >= 0 && nPosition <= strParsed.size());
    Check((nPosition != 0) == strMessage.startsWith(QStringLiteral("Error found on position ")));
    Check(!strMessage.startsWith(QStringLiteral("System Error")));
    if (strFormula.isEmpty())
        Check(dValue == 0.0 && nPosition == 0 && strMessage.isEmpty());

    // The same parser again, and a fresh one: nothing may carry over.
    int nPosition2 = -1;
    QString strMessage2;
    Check(SameBits(parser.Evaluate(strFormula, dX, nPosition2, strMessage2, bNormalize), dValue));
    Check(nPosition2 == nPosition && strMessage2 == strMessage);
    FormulaParser fresh;
    int nPosition3 = -1;
    QString strMessage3;
    Check(SameBits(fresh.Evaluate(strFormula, dX, nPosition3, strMessage3, bNormalize), dValue));
    Check(nPosition3 == nPosition && strMessage3 == strMessage);
    return 0;
}
