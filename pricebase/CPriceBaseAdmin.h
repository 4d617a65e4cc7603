#pragma once

#include "store/CDateValue.h"

#include <QString>
#include <utility>
#include <vector>

class CDatabase;

// The catalogue of price bases in the store: their tariffs, each a tree of
// lines in PRECIOS under the pair (price-base code, tariff name). Creating and
// deleting tariffs; each change runs in one transaction.
class CPriceBaseAdmin
{
public:
    struct Tariff {
        QString code;
        QString tariff;
        QString images;
        CDateValue date;
        long lines = 0;
    };
    using Key = std::pair<QString, QString>;

    // Every tariff of every price base, by code and tariff, with its number of lines.
    static std::vector<Tariff> List(CDatabase& database);
    static bool Exists(CDatabase& database, const QString& strCode, const QString& strTariff);
    static long LineCount(CDatabase& database, const QString& strCode, const QString& strTariff);

    // A new tariff dated now, with its root line: the price base's code
    // followed by "##". The pair must be new.
    static void Create(CDatabase& database, const QString& strCode, const QString& strTariff);
    // The row of a new tariff alone, without lines.
    static void AddTariff(CDatabase& database, const QString& strCode, const QString& strTariff,
                          const CDateValue& date);
    // Deletes tariffs with their lines, all or none.
    static void Delete(CDatabase& database, const std::vector<Key>& tariffs);
    // The folder of the pictures of a tariff's lines.
    static void SetImageFolder(CDatabase& database, const QString& strCode, const QString& strTariff,
                               const QString& strFolder);
};
