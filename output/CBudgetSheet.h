#pragma once

#include "output/CSheet.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CDatabase;

// The budget's lines as the worksheet EXCEL: a header row with the column
// names in the user's language, then one row per line in line order, the root
// included. A chapter gives its code, short name and amount; any other line
// its code, long description (or short name when it has none), quantity,
// unit, price and amount. Numbers are
// numeric cells that show the decimals of the budget grid.
class CBudgetSheet
{
    Q_DECLARE_TR_FUNCTIONS(CBudgetSheet)

public:
    static QString SheetName() { return QStringLiteral("EXCEL"); }
    static QStringList ColumnNames();

    // Reads the lines with a set of its own; raises CDBException.
    static CSheet Build(CDatabase& db, const QString& strBudget);
};
