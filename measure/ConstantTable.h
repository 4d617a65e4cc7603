#pragma once

#include <QString>

// The named physical constants a formula may use ("_c", "_g", "_N_A", ...).
// Index 0 is empty, 1..Count() are the constants, and every index past them
// reads as the end marker "***".
class ConstantTable
{
public:
    static constexpr int Count() { return 44; }
    static inline const QString EndMarker = QStringLiteral("***");

    QString ConstantName(int nIndex) const;
    // The value of a name compared without regard to case against the whole
    // name; 0 for a name that is not in the table.
    double ConstantValue(const QString& strName) const;
};
