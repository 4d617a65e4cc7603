#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>
#include <vector>

// The command-line tool's price-base commands: listing the tariffs of every
// price base, showing a tariff's lines, and importing a price base from a
// BC3 file. A command line that is not understood gives exit status 2, a
// tariff or file that is not there status 1.
class CCliPriceBaseCommands
{
    Q_DECLARE_TR_FUNCTIONS(CCliPriceBaseCommands)

public:
    // The usage lines of the commands, for the tool's help.
    static const std::vector<const char*>& Usages();
    // Runs a price-base command; nothing when strName is not one.
    static std::optional<int> Run(const QString& strName, const QStringList& arguments, const QString& strDatabase,
                                  QTextStream& out, QTextStream& err);
};
