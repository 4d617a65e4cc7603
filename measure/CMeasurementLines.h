#pragma once

#include <QString>

class CMedidasSet;

// The measurement lines of one budget line on the store: numbered 1..n by
// LIN in display order, each reached by moving the set to the position
// equal to its LIN. Each change runs in one transaction.
class CMeasurementLines
{
public:
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

    // Writes the comment (or formula), the four factors and the total of line nLin.
    void Save(long nLin, const Values& values);
    // Deletes line nLin and closes the gap in the numbering.
    void Delete(long nLin);
    // Appends a line after the nExisting ones. bFormula marks a formula line.
    void Append(const QString& strBudget, const QString& strLine, const QString& strLineCode,
                const QString& strParentCode, long nExisting, const Values& values, bool bFormula);

    // u × l × w × h of display texts; an empty or non-numeric factor counts as 0.
    static double FactorTotal(const QString& strUnits, const QString& strLength, const QString& strWidth,
                              const QString& strHeight);
    // A formula line's formula with its letters replaced: a units, b length,
    // c width, d height (display texts) and p pi.
    static QString SubstituteLetters(const QString& strFormula, const QString& strUnits, const QString& strLength,
                                     const QString& strWidth, const QString& strHeight);

private:
    CMedidasSet& m_set;
};
