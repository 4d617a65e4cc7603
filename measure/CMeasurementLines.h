#pragma once

#include "store/CMeasureRecord.h"

#include <QString>
#include <optional>
#include <vector>

class CMedidasSet;

// The measurement lines of one budget line on the store: numbered 1..n by
// LIN in display order, each reached by moving the set to the position
// equal to its LIN. Each change runs in one transaction.
class CMeasurementLines
{
public:
    // The columns of a measurement line as the measurement window numbers them.
    enum Column { Comentario = 6, Unidades = 7, Largo = 8, Ancho = 9, Alto = 10, Total = 11 };

    // One measurement line in store text.
    struct Values {
        QString nombre;
        QString unidades;
        QString largo;
        QString ancho;
        QString alto;
        QString total;
    };

    // The set must be filtered on the budget line, in LIN order.
    explicit CMeasurementLines(CMedidasSet& set);

    void Load(const QString& strBudget, const QString& strLine);
    long Count() const;
    double Sum();
    // Every line, in LIN order.
    std::vector<CMeasureRecord> Records();
    // The line numbered nLin; nothing when there is none.
    std::optional<CMeasureRecord> Record(long nLin);

    // Writes the comment (or formula), the four factors and the total of line nLin.
    void Save(long nLin, const Values& values);
    // Deletes line nLin and closes the gap in the numbering.
    void Delete(long nLin);
    // Appends a line after the nExisting ones. bFormula marks a formula line.
    void Append(const QString& strBudget, const QString& strLine, const QString& strLineCode,
                const QString& strParentCode, long nExisting, const Values& values, bool bFormula);

    // The sum of the lines' totals.
    static double SumOf(const std::vector<CMeasureRecord>& lines);
    // A formula line's formula with its letters replaced: a units, b length,
    // c width, d height (display texts) and p pi.
    static QString SubstituteLetters(const QString& strFormula, const QString& strUnits, const QString& strLength,
                                     const QString& strWidth, const QString& strHeight);
    // The total of a line from its stored values, as store text: the product
    // of its factors (an empty or non-numeric one counts as 0), or its
    // formula's value. Nothing when the formula does
    // not parse; *pErrorPosition then tells where it stops, counted in the
    // formula as written. An evaluation error (a division by zero) keeps the
    // stored total.
    static std::optional<QString> ComputeTotal(const Values& values, bool bFormula, int* pErrorPosition = nullptr);
    // Where a formula that does not parse stops, counted in the text the user
    // wrote; nFallback when that text reads to the end after all.
    static int FormulaErrorPosition(const QString& strFormula, int nFallback);

private:
    // The letters of a formula replaced by the factors' store texts and pi.
    static QString Substitute(const QString& strFormula, const QString& strUnits, const QString& strLength,
                              const QString& strWidth, const QString& strHeight);

    CMedidasSet& m_set;
};
