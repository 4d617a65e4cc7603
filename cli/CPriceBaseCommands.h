#pragma once

#include <QCoreApplication>
#include <QStringList>

class CCommandContext;

// The price-base commands: listing the tariffs of every price base with
// their line counts, showing a tariff's lines as show-budget shows a
// budget's, and importing a price base from a BC3 file, one tariff per
// scope. A command line that is not understood, or a scope the file does not
// offer, gives exit status 2; a tariff or a file that is not there status 1.
class CPriceBaseCommands
{
    Q_DECLARE_TR_FUNCTIONS(CPriceBaseCommands)

public:
    static constexpr const char* kImportUsage = "import-pricebase FILE.bc3 [--scope LABEL]...";

    static int ListPriceBases(CCommandContext& context, const QStringList& arguments);
    static int ShowPriceBase(CCommandContext& context, const QStringList& arguments);
    static int ImportPriceBase(CCommandContext& context, const QStringList& arguments);
};
