#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>
#include <vector>

// The command-line tool's editing commands, on the editing service the
// grids use: each opens the store, changes the lines of one budget, or of
// one tariff of a price base (written CODE/TARIFF), in one transaction and
// prints the lines that changed (as show-budget prints a line) and a
// budget's totals. Bad input is told on the error stream with exit status 2,
// and the store is left as it was; a store failure gives status 1.
class CCliEditCommands
{
    Q_DECLARE_TR_FUNCTIONS(CCliEditCommands)

public:
    // The usage lines of the commands, for the tool's help.
    static const std::vector<const char*>& Usages();
    // Runs an editing command; nothing when strName is not one.
    static std::optional<int> Run(const QString& strName, const QStringList& arguments, const QString& strDatabase,
                                  QTextStream& out, QTextStream& err);
};
