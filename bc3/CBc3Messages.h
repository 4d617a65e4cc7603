#pragma once

#include <QCoreApplication>
#include <QString>

// The messages of the BC3 import and export, in the user's language (the
// translation the caller installed). The windows show them as they are.
class CBc3Messages
{
    Q_DECLARE_TR_FUNCTIONS(CBc3Messages)

public:
    enum Id {
        FileError,           // the file cannot be opened, read or written
        UnknownFormat,       // not a FIEBDC-3 file
        ReplaceQuestion,     // the budget code exists: replace it?
        ChooseBudget,        // nothing selected in the budget list
        NoSuchBudget,        // the selected budget has no header
        EmptyBudget,         // the selected budget has no lines
        StagingTableBudget,  // the staging table failed during a budget import
        StagingTablePrice,   // the staging table failed during a price-base import
        ChooseFile,          // "Importar tarifa" without a file
        ChooseScopes,        // "Importar tarifa" without a selected price scope
        TooManyLines,        // the decompositions unfold into more lines than a budget can hold
        StagingWriteFailed,  // writing to the staging table failed
        BudgetWriteFailed,   // writing the imported budget failed
        Unencodable,         // characters an export's code page cannot hold
        UnencodableLine,     // one line holding them: %1 line, %2 code, %3 characters
        NoPriceBaseCode,     // the file name gives no price-base code
        UnknownScope,        // a price scope the file does not offer: %1 the scope
        PriceBaseWriteFailed, // writing the imported price base failed
    };

    static QString Text(Id id);
    // What failed, followed by the store's own text; a full disk and a
    // read-only store are named in the user's language.
    static QString StoreError(Id id, const QString& strDriverText);
    // "Error fichero .bc3", followed by the system's reason when there is one.
    static QString FileErrorText(const QString& strReason);

    // The scope shown when a file's header names none. It becomes the name
    // of the tariff, which is data: the same in both languages.
    static QString UnspecifiedScope() { return QStringLiteral("Sin especificar"); }

    // Progress texts. Percent is how far nDone of nCount is, as they show it.
    static int Percent(long nDone, long nCount);
    static QString StagingProgress(int nPercent);   // over the bar while records are staged
    static QString CreatingBudget();                 // beside the bar while the lines are laid out
    static QString CreatingBudget(long nLine);
    static QString UpdatingConcepts(int nPercent);   // over the bar while lines get their concepts
    // The price-base import, tariff by tariff.
    static QString CreatingTariff(const QString& strTariff);              // beside the bar while the lines are laid out
    static QString CreatingTariff(const QString& strTariff, long nLine);
    static QString TariffPrices(const QString& strTariff, int nPercent);  // over the bar while lines get their prices
    static QString TariffTexts(const QString& strTariff, int nPercent);   // over the bar while lines get their texts
    static QString Recalculating();                                       // beside the bar while items are summed
};
