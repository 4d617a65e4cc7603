#pragma once

#include "measure/ConstantTable.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

// Evaluates the formula of a measurement line in one pass of recursive
// descent, in double precision. It knows numbers, the variable x, a fixed
// list of functions and the named constants of ConstantTable; callers put
// their own letters (a, b, c, d, p) into the text before they call it.
//
// Errors never stop the evaluation: a faulty step (a division by zero, a
// function outside its domain) is skipped and reported, and a character no
// rule accepts ends the parse where it stands. Nothing is shown to the user:
// the caller decides what to do with the two out values.
class FormulaParser
{
public:
    FormulaParser();
    virtual ~FormulaParser() = default;

    // Value of the formula with x bound to dX. nErrorPosition is 0 when the
    // whole text was read, otherwise the 1-based position, in the normalised
    // text, of the first character not read. strErrorMessage is empty, the
    // text of the last evaluation error, or "Error found on position N!"
    // followed by that text.
    double Evaluate(const QString& strFormula, double dX, int& nErrorPosition, QString& strErrorMessage,
                    bool bNormalize);

    // Cleans up a typed formula: no spaces, decimal commas to points, any
    // bracket to parentheses, redundant "(1)" and "(x)" factors dropped, and
    // redundant enclosing or doubled parentheses removed.
    static QString NormalizeFormula(QString strFormula);

    // Parentheses and function calls nest at most this deep; the parse
    // stops at an opening that would go deeper, as at any character it
    // cannot read, so no text can exhaust the stack.
    static constexpr int MaxDepth = 256;

    static constexpr int FunctionCount = 25;

protected:
    // Applies the name at nIndex of the search list (1..FunctionCount are
    // the functions, then the constants) to the argument v. Sets bDomainError
    // and gives v back when v is outside the function's domain.
    virtual double ApplyName(int nIndex, const QString& strMatched, double v, bool& bDomainError);

private:
    double ParseExpression();
    double ParseTerm();
    double ParsePower();
    double ParseUnary();
    double ParsePrimary();
    void NextToken();

    bool AtEnd() const { return m_nPos > m_strExpression.size(); }
    bool TokenIs(char16_t c) const { return !AtEnd() && m_strExpression[m_nPos - 1].unicode() == c; }
    bool NameMatches(const QString& strName) const;
    static double NumberValue(QStringView digits);

    ConstantTable m_constants;
    QString m_strExpression;
    QString m_strErrorText;
    double m_dX = 0.0;
    std::array<double, 8> m_adLetters{}; // A..H: never assigned, read as 0
    QStringList m_astrNames;
    qsizetype m_nPos = 0; // 1-based position of the current token
    int m_nDepth = 0;
};
