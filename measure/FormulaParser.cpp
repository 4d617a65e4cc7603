#include "measure/FormulaParser.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <exception>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

const QString kDivideByZero = QStringLiteral(" Divide by zero!");
const QString kNegativePower = QStringLiteral(" No SQRT from neg. values!");
const QString kDomainError = QStringLiteral(" General Parser Error blocked!");
const QString kSystemError = QStringLiteral("System Error: ");
constexpr qsizetype kMaxSystemErrorLength = 255;

// x = 0 would make formulas such as x/x or ln(x) fail, so a zero x is
// replaced by the smallest normal float.
constexpr double kZeroX = 1.1754943508222875e-38;

constexpr double kPi = 3.141592653589793;
constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kRadiansToDegrees = 57.29577951308232;

// The function names in search order; longer names stand before their
// prefixes ("SINH" before "SIN").
enum Function {
    Pi = 1, Abs, Sqrt, Sinh, Cosh, Tanh, Arctan, Ln, Log, Exp, Sin, Cos, Tan, Cot,
    Arcsin, Arccos, Int, Rad, Deg, Sign, Arsinh, Arcosh, Artanh, Kgv, Ggt
};
const char* const kFunctionNames[] = {
    "PI", "ABS", "SQRT", "SINH", "COSH", "TANH", "ARCTAN", "LN", "LOG", "EXP", "SIN", "COS", "TAN",
    "COT", "ARCSIN", "ARCCOS", "INT", "RAD", "DEG", "SIGN", "ARSINH", "ARCOSH", "ARTANH", "KGV", "GGT",
};
static_assert(std::size(kFunctionNames) == FormulaParser::FunctionCount);
static_assert(Ggt == FormulaParser::FunctionCount);

constexpr int kLastConstantIndex = 99;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
char16_t AsciiUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }
bool IsAsciiSpace(QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// Partner index of every parenthesis that has one, -1 elsewhere.
std::vector<qsizetype> MatchParentheses(const QString& text)
{
    std::vector<qsizetype> match(size_t(text.size()), -1);
    std::vector<qsizetype> open;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'(') {
            open.push_back(i);
        } else if (text[i] == u')' && !open.empty()) {
            match[size_t(i)] = open.back();
            match[size_t(open.back())] = i;
            open.pop_back();
        }
    }
    return match;
}

// Saturates instead of overflowing: INT of a huge value is the largest
// integer, not a wrapped-around negative one.
double TruncateToInt32(double v)
{
    if (std::isnan(v))
        return 0.0;
    const double t = std::trunc(v);
    if (t >= double(INT_MAX))
        return double(INT_MAX);
    if (t <= double(INT_MIN))
        return double(INT_MIN);
    return t;
}

} // namespace

FormulaParser::FormulaParser()
{
    m_astrNames.append(QString());
    for (const char* name : kFunctionNames)
        m_astrNames.append(QString::fromLatin1(name));
    for (int i = 1; i <= kLastConstantIndex; ++i) {
        const QString strName = m_constants.ConstantName(i);
        if (strName == ConstantTable::EndMarker)
            break;
        m_astrNames.append(strName);
    }
}

double FormulaParser::Evaluate(const QString& strFormula, double dX, int& nErrorPosition, QString& strErrorMessage,
                               bool bNormalize)
{
    if (strFormula.isEmpty()) {
        nErrorPosition = 0;
        strErrorMessage.clear();
        return 0.0;
    }
    try {
        m_strErrorText.clear();
        m_strExpression = bNormalize ? NormalizeFormula(strFormula) : strFormula;
        m_dX = dX == 0.0 ? kZeroX : dX;
        m_nPos = 0;
        m_nDepth = 0;
        NextToken();
        const double dValue = ParseExpression();
        if (AtEnd()) {
            nErrorPosition = 0;
            strErrorMessage = m_strErrorText;
        } else {
            nErrorPosition = int(std::min<qsizetype>(m_nPos, INT_MAX));
            strErrorMessage = QStringLiteral("Error found on position %1!").arg(nErrorPosition) + m_strErrorText;
        }
        return dValue;
    } catch (const std::exception& e) {
        nErrorPosition = 0;
        strErrorMessage = kSystemError + QString::fromLocal8Bit(e.what()).left(kMaxSystemErrorLength);
    } catch (...) {
        nErrorPosition = 0;
        strErrorMessage = kSystemError;
    }
    return 0.0;
}

QString FormulaParser::NormalizeFormula(QString strFormula)
{
    if (strFormula.isEmpty())
        return strFormula;

    static const std::pair<QLatin1String, QLatin1String> kReplacements[] = {
        {QLatin1String(" "), QLatin1String("")},
        {QLatin1String(","), QLatin1String(".")},
        {QLatin1String("["), QLatin1String("(")},
        {QLatin1String("]"), QLatin1String(")")},
        {QLatin1String("{"), QLatin1String("(")},
        {QLatin1String("}"), QLatin1String(")")},
        {QLatin1String("*(1)"), QLatin1String("")},
        {QLatin1String("(1)*"), QLatin1String("")},
        {QLatin1String("*(x)"), QLatin1String("*x")},
        {QLatin1String("((x)*"), QLatin1String("(x*")},
        {QLatin1String("+(x)*"), QLatin1String("+x*")},
        {QLatin1String("-(x)*"), QLatin1String("-x*")},
        {QLatin1String("*(x)*"), QLatin1String("*x*")},
        {QLatin1String("(sin(x))"), QLatin1String("sin(x)")},
        {QLatin1String("(cos(x))"), QLatin1String("cos(x)")},
        {QLatin1String("(cot(x))"), QLatin1String("cot(x)")},
        {QLatin1String("(tan(x))"), QLatin1String("tan(x)")},
        {QLatin1String("(exp(x))"), QLatin1String("exp(x)")},
        {QLatin1String("(log(x))"), QLatin1String("log(x)")},
        {QLatin1String("(ln(x))"), QLatin1String("ln(x)")},
    };
    for (const auto& [before, after] : kReplacements)
        strFormula.replace(before, after, Qt::CaseSensitive);

    // Enclosing pairs: removing the outer pair of a balanced text leaves the
    // pairing inside as it was, so one matching serves every round.
    {
        const std::vector<qsizetype> match = MatchParentheses(strFormula);
        const qsizetype n = strFormula.size();
        qsizetype k = 0;
        while (n - 2 * k >= 2 && strFormula[k] == u'(' && match[size_t(k)] == n - 1 - k)
            ++k;
        if (k > 0)
            strFormula = strFormula.mid(k, n - 2 * k);
    }

    qsizetype nFirst = 0;
    while (nFirst < strFormula.size() && (strFormula[nFirst] == u'+' || strFormula[nFirst] == u' '))
        ++nFirst;
    qsizetype nLast = strFormula.size();
    while (nLast > nFirst && IsAsciiSpace(strFormula[nLast - 1]))
        --nLast;
    strFormula = strFormula.mid(nFirst, nLast - nFirst);

    // Doubled pairs: an inner pair that opens right after its outer pair's
    // opening and closes right before its closing goes. In a chain every
    // inner pair goes and the outermost one stays.
    const std::vector<qsizetype> match = MatchParentheses(strFormula);
    std::vector<bool> remove(size_t(strFormula.size()), false);
    bool bAnyRemoved = false;
    for (qsizetype i = 1; i < strFormula.size(); ++i) {
        const qsizetype j = match[size_t(i)];
        if (strFormula[i] == u'(' && j > i && strFormula[i - 1] == u'(' && match[size_t(i - 1)] == j + 1) {
            remove[size_t(i)] = remove[size_t(j)] = true;
            bAnyRemoved = true;
        }
    }
    if (!bAnyRemoved)
        return strFormula;
    QString strReduced;
    strReduced.reserve(strFormula.size());
    for (qsizetype i = 0; i < strFormula.size(); ++i) {
        if (!remove[size_t(i)])
            strReduced.append(strFormula[i]);
    }
    return strReduced;
}

void FormulaParser::NextToken()
{
    const qsizetype nLength = m_strExpression.size();
    if (m_nPos > nLength)
        return;
    do {
        ++m_nPos;
    } while (m_nPos <= nLength && m_strExpression[m_nPos - 1] == u' ');
}

double FormulaParser::ParseExpression()
{
    double dValue = ParseTerm();
    while (TokenIs(u'+') || TokenIs(u'-')) {
        const bool bAdd = TokenIs(u'+');
        NextToken();
        const double dTerm = ParseTerm();
        dValue = bAdd ? dValue + dTerm : dValue - dTerm;
    }
    return dValue;
}

double FormulaParser::ParseTerm()
{
    double dValue = ParsePower();
    while (TokenIs(u'*') || TokenIs(u'/')) {
        const bool bMultiply = TokenIs(u'*');
        NextToken();
        const double dFactor = ParsePower();
        if (bMultiply)
            dValue *= dFactor;
        else if (dFactor == 0.0)
            m_strErrorText = kDivideByZero;
        else
            dValue /= dFactor;
    }
    return dValue;
}

double FormulaParser::ParsePower()
{
    double dBase = ParseUnary();
    while (TokenIs(u'^')) {
        NextToken();
        const double dExponent = ParseUnary();
        // A base of 0 or below only takes whole exponents beyond +-1.
        if (dBase > 0.0 || (std::trunc(dExponent) == dExponent && std::fabs(dExponent) > 1.0))
            dBase = std::pow(dBase, dExponent);
        else
            m_strErrorText = kNegativePower;
    }
    return dBase;
}

double FormulaParser::ParseUnary()
{
    if (TokenIs(u'-')) {
        NextToken();
        return -ParsePrimary();
    }
    return ParsePrimary();
}

double FormulaParser::ParsePrimary()
{
    if (AtEnd())
        return 0.0;
    const char16_t cToken = m_strExpression[m_nPos - 1].unicode();

    if (IsDigit(cToken) || cToken == u'.') {
        const qsizetype nStart = m_nPos;
        while (TokenIs(u'.') || (!AtEnd() && IsDigit(m_strExpression[m_nPos - 1].unicode())))
            NextToken();
        return NumberValue(QStringView(m_strExpression).mid(nStart - 1, m_nPos - nStart));
    }

    if (cToken == u'(') {
        if (m_nDepth >= MaxDepth)
            return 0.0;
        ++m_nDepth;
        NextToken();
        const double dValue = ParseExpression();
        if (TokenIs(u')'))
            NextToken();
        --m_nDepth;
        return dValue;
    }

    if (cToken == u'X' || cToken == u'x') {
        NextToken();
        return m_dX;
    }

    for (int i = 1; i < m_astrNames.size(); ++i) {
        const QString& strName = m_astrNames[i];
        if (!NameMatches(strName))
            continue;
        if (m_nDepth >= MaxDepth)
            return 0.0;
        ++m_nDepth;
        const QString strMatched = m_strExpression.mid(m_nPos - 1, strName.size());
        m_nPos += strName.size() - 1;
        NextToken();
        // Every name takes an argument, constants and PI included, which
        // then discard it.
        const double dArgument = ParsePrimary();
        --m_nDepth;
        bool bDomainError = false;
        const double dValue = ApplyName(i, strMatched, dArgument, bDomainError);
        if (bDomainError)
            m_strErrorText = kDomainError;
        return dValue;
    }

    const char16_t cUpper = AsciiUpper(cToken);
    if (cUpper >= u'A' && cUpper <= u'H') {
        NextToken();
        return m_adLetters[size_t(cUpper - u'A')];
    }

    // Nothing to read here: the token stays for the levels above.
    return 0.0;
}

double FormulaParser::ApplyName(int nIndex, const QString& strMatched, double v, bool& bDomainError)
{
    bDomainError = false;
    auto domainError = [&]() {
        bDomainError = true;
        return v;
    };
    switch (nIndex) {
    case Pi: return kPi;
    case Abs: return std::fabs(v);
    case Sqrt: return v < 0.0 ? domainError() : std::sqrt(v);
    case Sinh: return std::sinh(v);
    case Cosh: return std::cosh(v);
    case Tanh: return std::tanh(v);
    case Arctan: return std::atan(v);
    case Ln: return v < 0.0 ? domainError() : std::log(v);
    case Log: return v < 0.0 ? domainError() : std::log10(v);
    case Exp: return v > 41.0 ? domainError() : std::exp(v);
    case Sin: return std::sin(v);
    case Cos: return std::cos(v);
    case Tan: return std::cos(v) == 0.0 ? domainError() : std::tan(v);
    case Cot: return std::cos(v) / std::sin(v);
    case Arcsin: return std::fabs(v) >= 1.0 ? domainError() : std::asin(v);
    case Arccos: return std::fabs(v) > 1.0 ? domainError() : std::acos(v);
    case Int: return TruncateToInt32(v);
    case Rad: return v * kDegreesToRadians;
    case Deg: return v * kRadiansToDegrees;
    case Sign: return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0);
    case Arsinh:
        return v < 0.0 ? -std::log(std::sqrt(v * v + 1.0) - v) : std::log(v + std::sqrt(v * v + 1.0));
    case Arcosh: return std::fabs(v) < 1.0 ? domainError() : std::log(v + std::sqrt(v * v - 1.0));
    case Artanh: return std::fabs(v) > 1.0 ? domainError() : 0.5 * std::log((1.0 + v) / (1.0 - v));
    case Kgv:
    case Ggt: return v;
    default: break;
    }
    const double dConstant = m_constants.ConstantValue(strMatched);
    return dConstant != 0.0 ? dConstant : v;
}

bool FormulaParser::NameMatches(const QString& strName) const
{
    const qsizetype nStart = m_nPos - 1;
    if (strName.isEmpty() || nStart + strName.size() > m_strExpression.size())
        return false;
    for (qsizetype i = 0; i < strName.size(); ++i) {
        if (AsciiUpper(m_strExpression[nStart + i].unicode()) != AsciiUpper(strName[i].unicode()))
            return false;
    }
    return true;
}

// The C library's atof on a run of digits and points, free of the process
// locale: the longest leading number ("1.2.3" reads 1.2, "." reads 0), and
// infinity or 0 when it is out of the range of a double.
double FormulaParser::NumberValue(QStringView digits)
{
    const std::string text = digits.toLatin1().toStdString();
    const char* first = text.data();
    const char* last = first + text.size();
    double dValue = 0.0;
    const auto result = std::from_chars(first, last, dValue, std::chars_format::fixed);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    if (result.ec == std::errc::result_out_of_range) {
        for (const char* p = first; p < result.ptr && *p != '.'; ++p) {
            if (*p != '0')
                return std::numeric_limits<double>::infinity();
        }
        return 0.0;
    }
    return dValue;
}
