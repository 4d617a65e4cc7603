#include "support/TestMain.h"

#include "measure/ConstantTable.h"
#include "measure/FormulaParser.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace {

struct Result {
    double value = 0.0;
    int position = 0;
    QString message;
};

Result Eval(const QString& formula, double x = 0.0123, bool normalize = true)
{
    FormulaParser parser;
    Result result;
    result.value = parser.Evaluate(formula, x, result.position, result.message, normalize);
    return result;
}

// Fails the evaluation on its way through SQRT, the way an allocation
// failure deep inside would.
class ThrowingParser : public FormulaParser
{
protected:
    double ApplyName(int nIndex, const QString& strMatched, double v, bool& bDomainError) override
    {
        if (strMatched.compare(QStringLiteral("SQRT"), Qt::CaseInsensitive) == 0)
            throw std::runtime_error(std::string(300, 'e'));
        return FormulaParser::ApplyName(nIndex, strMatched, v, bDomainError);
    }
};

const QString kDivide = QStringLiteral(" Divide by zero!");
const QString kNegative = QStringLiteral(" No SQRT from neg. values!");
const QString kDomain = QStringLiteral(" General Parser Error blocked!");

} // namespace

class TestFormulaParser : public QObject
{
    Q_OBJECT

private slots:
    void evaluate_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("message");

        // Precedence and association.
        QTest::newRow("product before sum") << "2+3*4" << 14.0 << 0 << "";
        QTest::newRow("parentheses") << "(2+3)*4" << 20.0 << 0 << "";
        QTest::newRow("power associates left") << "2^3^2" << 64.0 << 0 << "";
        QTest::newRow("sign binds tighter than power") << "-2^2" << 4.0 << 0 << "";
        QTest::newRow("subtraction associates left") << "10-4-3" << 3.0 << 0 << "";
        QTest::newRow("second sign reads as zero") << "--2" << -2.0 << 0 << "";

        // Evaluation errors skip the step and go on.
        QTest::newRow("divide by zero keeps the dividend") << "8/0" << 8.0 << 0 << kDivide;
        QTest::newRow("divide by zero, then more") << "8/0+1" << 9.0 << 0 << kDivide;
        QTest::newRow("root of a negative base") << "(-8)^(1/3)" << -8.0 << 0 << kNegative;
        QTest::newRow("whole power of a negative base") << "(-2)^3" << -8.0 << 0 << "";
        QTest::newRow("first power of a negative base") << "(-2)^1" << -2.0 << 0 << kNegative;
        QTest::newRow("zero to the first power") << "0^1" << 0.0 << 0 << kNegative;
        QTest::newRow("zero to a half") << "0^0.5" << 0.0 << 0 << kNegative;
        QTest::newRow("the last error is reported") << "8/0+(-8)^0.5" << 0.0 << 0 << kNegative;

        // Functions and their domains.
        QTest::newRow("sqrt of a negative") << "sqrt(-4)" << -4.0 << 0 << kDomain;
        QTest::newRow("sqrt in capitals") << "SQRT(16)" << 4.0 << 0 << "";
        QTest::newRow("arcsin refuses one") << "ARCSIN(1)" << 1.0 << 0 << kDomain;
        QTest::newRow("arccos accepts one") << "ARCCOS(1)" << 0.0 << 0 << "";
        QTest::newRow("arccos beyond one") << "ARCCOS(1.5)" << 1.5 << 0 << kDomain;
        QTest::newRow("exp beyond 41") << "EXP(42)" << 42.0 << 0 << kDomain;
        QTest::newRow("ln of a negative") << "LN(-1)" << -1.0 << 0 << kDomain;
        QTest::newRow("ln of zero") << "LN(0)" << -double(INFINITY) << 0 << "";
        QTest::newRow("sinh before sin") << "SINH(0)+COSH(0)" << 1.0 << 0 << "";
        QTest::newRow("int truncates toward zero") << "INT(-7.9)" << -7.0 << 0 << "";
        QTest::newRow("int saturates") << "INT(9999999999)" << 2147483647.0 << 0 << "";
        QTest::newRow("sign, degrees") << "SIGN(-3)*10+SIGN(0)+DEG(PI)" << 170.0 << 0 << "";
        QTest::newRow("arcosh inside one") << "ARCOSH(0.5)" << 0.5 << 0 << kDomain;
        QTest::newRow("artanh beyond one") << "ARTANH(2)" << 2.0 << 0 << kDomain;
        QTest::newRow("domain error inside a sum") << "1+sqrt(-4)*2" << -7.0 << 0 << kDomain;

        // Names take an argument and discard it when they need none.
        QTest::newRow("pi") << "2*PI" << 6.283185307179586 << 0 << "";
        QTest::newRow("pi discards its argument") << "PI(5)" << 3.141592653589793 << 0 << "";
        QTest::newRow("speed of light") << "_c" << 299792458.0 << 0 << "";
        QTest::newRow("constant then an operator") << "_g*2" << 19.6133 << 0 << "";
        QTest::newRow("longest constant first") << "_h_BAR_MeVs" << 6.582122e-22 << 0 << "";
        QTest::newRow("constant in another case") << "_H_bar" << 1.05457266e-34 << 0 << "";
        QTest::newRow("unassigned letters read zero") << "2+a*3+H" << 2.0 << 0 << "";

        // Normalisation.
        QTest::newRow("decimal comma") << "2,5*2" << 5.0 << 0 << "";
        QTest::newRow("brackets and braces") << "[2+3]*{2}" << 10.0 << 0 << "";
        QTest::newRow("outer pair removed once") << "((2+3)*(4+5))" << 45.0 << 0 << "";
        QTest::newRow("leading plus") << "+ +3" << 3.0 << 0 << "";
        QTest::newRow("spaces go") << " 1 2 + 3 " << 15.0 << 0 << "";

        // Where the parse stops.
        QTest::newRow("missing closing parenthesis") << "(2+3" << 5.0 << 0 << "";
        QTest::newRow("extra closing parenthesis") << "2+3)" << 5.0 << 4 << "Error found on position 4!";
        QTest::newRow("unknown letter after spaces") << "2 + Q" << 2.0 << 3 << "Error found on position 3!";
        QTest::newRow("no exponent notation") << "2E5" << 2.0 << 2 << "Error found on position 2!";
        QTest::newRow("position follows the error text")
            << "8/0)" << 8.0 << 4 << "Error found on position 4! Divide by zero!";
        QTest::newRow("a second point ends the number") << "1.2.3" << 1.2 << 0 << "";
        QTest::newRow("a lone point is zero") << ".+1" << 1.0 << 0 << "";
        QTest::newRow("trailing plus") << "2+" << 2.0 << 0 << "";
        QTest::newRow("trailing times") << "2*" << 0.0 << 0 << "";
        QTest::newRow("operator after operator") << "2*+3" << 3.0 << 0 << "";
        QTest::newRow("empty formula") << "" << 0.0 << 0 << "";
        QTest::newRow("only spaces") << "   " << 0.0 << 0 << "";
        QTest::newRow("non-ASCII letter is not a name") << QString::fromUtf8("\u017FQRT(4)") << 0.0 << 1
                                                       << "Error found on position 1!";
    }

    void evaluate()
    {
        QFETCH(QString, formula);
        QFETCH(double, value);
        QFETCH(int, position);
        QFETCH(QString, message);
        const Result result = Eval(formula);
        QCOMPARE(result.value, value);
        QCOMPARE(result.position, position);
        QCOMPARE(result.message, message);
    }

    void variableX()
    {
        QCOMPARE(Eval("x").value, 0.0123);
        QCOMPARE(Eval("X*2", 1.5).value, 3.0);
        QCOMPARE(Eval("x", 0.0).value, 1.1754943508222875e-38);
        QCOMPARE(Eval("x", -0.0).value, 1.1754943508222875e-38);
        QCOMPARE(Eval("LN(x)", 0.0).message, QString());
        QCOMPARE(Eval("2*(x)*3", 2.0).value, 12.0);
    }

    void withoutNormalisation()
    {
        // Spaces are skipped by the tokens, but a comma is not a decimal mark.
        Result result = Eval(" 2 + 3 ", 0.0123, false);
        QCOMPARE(result.value, 5.0);
        QCOMPARE(result.position, 0);
        result = Eval("2,5", 0.0123, false);
        QCOMPARE(result.value, 2.0);
        QCOMPARE(result.position, 2);
        // A number read across a space stops where atof would.
        QCOMPARE(Eval("1 2", 0.0123, false).value, 1.0);
    }

    void normalize_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("normalized");
        QTest::newRow("doubled pair") << "((a+b))" << "a+b";
        QTest::newRow("doubled pair after a factor") << "2*((3+4))" << "2*(3+4)";
        QTest::newRow("doubled pair in a call") << "sin((x))" << "sin(x)";
        QTest::newRow("chain of pairs") << "2*(((3)))" << "2*(3)";
        QTest::newRow("pair that is not doubled") << "((a+b)*c)+1" << "((a+b)*c)+1";
        QTest::newRow("two pairs side by side stay") << "((2+3)*(4+5))" << "(2+3)*(4+5)";
        QTest::newRow("enclosing pairs") << "(((1+2)))" << "1+2";
        QTest::newRow("first and last do not match") << "(1)+(2)" << "(1)+(2)";
        QTest::newRow("unbalanced") << "((1)" << "((1)";
        QTest::newRow("unit factors") << "a*(1)+(1)*b" << "a+b";
        QTest::newRow("x factors") << "2*(x)*3-(x)*4" << "2*x*3-x*4";
        QTest::newRow("wrapped function") << "2*(ln(x))" << "2*ln(x)";
        QTest::newRow("replacements are case-sensitive") << "2*(X)" << "2*(X)";
        QTest::newRow("leading plus after the pair") << "(+2)" << "2";
        QTest::newRow("trailing white space") << "2+3\t\n" << "2+3";
        QTest::newRow("empty") << "" << "";
    }

    void normalize()
    {
        QFETCH(QString, formula);
        QFETCH(QString, normalized);
        QCOMPARE(FormulaParser::NormalizeFormula(formula), normalized);
    }

    void deepNestingStopsTheParse()
    {
        // Far deeper than any formula: the parse stops at the opening that
        // would go past the limit instead of exhausting the stack.
        const Result open = Eval(QString(100000, u'(') + u'1');
        QCOMPARE(open.value, 0.0);
        QCOMPARE(open.position, FormulaParser::MaxDepth + 1);
        QCOMPARE(open.message, QStringLiteral("Error found on position %1!").arg(FormulaParser::MaxDepth + 1));

        QString calls;
        for (int i = 0; i < 100000; ++i)
            calls += QStringLiteral("SQRT");
        QCOMPARE(Eval(calls + "(4)").position, 4 * FormulaParser::MaxDepth + 1);

        // Up to the limit the formula evaluates.
        QString nested = QStringLiteral("1");
        for (int i = 0; i < FormulaParser::MaxDepth; ++i)
            nested = "2*(" + nested + ")";
        const Result deep = Eval(nested);
        QCOMPARE(deep.position, 0);
        QCOMPARE(deep.value, std::ldexp(1.0, FormulaParser::MaxDepth));
    }

    void exceptionBecomesSystemError()
    {
        ThrowingParser parser;
        int position = 0;
        QString message;
        const double value = parser.Evaluate("1+sqrt(4)", 0.0123, position, message, true);
        QCOMPARE(value, 0.0);
        QCOMPARE(position, 0);
        QCOMPARE(message, "System Error: " + QString(255, u'e'));

        // The parser is usable again afterwards.
        QCOMPARE(parser.Evaluate("2*3", 0.0123, position, message, true), 6.0);
        QCOMPARE(message, QString());
    }

    void constantTable()
    {
        const ConstantTable table;
        QCOMPARE(table.ConstantName(0), QString());
        QCOMPARE(table.ConstantName(1), QStringLiteral("_LAMBDA_BAR_e"));
        QCOMPARE(table.ConstantName(44), QStringLiteral("_g"));
        QCOMPARE(table.ConstantName(45), QStringLiteral("***"));
        QCOMPARE(table.ConstantValue("_n_a"), 6.0221367e+23);
        QCOMPARE(table.ConstantValue("_N_A "), 0.0);
        QCOMPARE(table.ConstantValue("_NOPE"), 0.0);

        // Names are matched by prefix in table order, so no name may come
        // after a name that is its prefix, and no two names may differ only
        // in case.
        for (int i = 1; i <= ConstantTable::Count(); ++i) {
            const QString later = table.ConstantName(i);
            QVERIFY(table.ConstantValue(later) != 0.0);
            for (int j = 1; j < i; ++j) {
                const QString earlier = table.ConstantName(j);
                QVERIFY2(!later.startsWith(earlier, Qt::CaseInsensitive), qPrintable(earlier + " shadows " + later));
            }
        }
    }

    void deterministic()
    {
        FormulaParser parser;
        int position = 0;
        QString message;
        parser.Evaluate("8/0+2)", 2.0, position, message, true);
        const double first = parser.Evaluate("SIN(x)^2+COS(x)^2", 0.7, position, message, true);
        QCOMPARE(position, 0);
        QCOMPARE(message, QString());
        QCOMPARE(first, Eval("SIN(x)^2+COS(x)^2", 0.7).value);
    }
};

int main(int argc, char** argv) { return RunTestObject<TestFormulaParser>(argc, argv); }

#include "test_formulaparser.moc"
