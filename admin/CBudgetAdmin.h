#pragma once

#include <QString>
#include <utility>
#include <vector>

class CBudgetHeader;
class CDatabase;

// The catalogue of budgets in the store: listing, creating, copying and
// deleting whole budgets. Each change runs in one transaction.
class CBudgetAdmin
{
public:
    struct Entry {
        QString code;
        QString name;
    };

    // Every budget, by name as a Spanish or Catalan reader orders names:
    // capitals and accents make no difference; equal names by code.
    static std::vector<Entry> List(CDatabase& database);
    // The number of lines of a budget.
    static long LineCount(CDatabase& database, const QString& strCode);
    static bool Exists(CDatabase& database, const QString& strCode);

    // A new budget: its header and its root line. The code must be new.
    static void Create(CDatabase& database, const CBudgetHeader& header);
    // A copy of a budget under the header's code: the header's values, every
    // line (the root renamed after the new code) and every measurement line.
    static void Copy(CDatabase& database, const QString& strSource, const CBudgetHeader& header);
    // Deletes a budget's measurement lines, lines and header.
    static void Delete(CDatabase& database, const QString& strCode);
};
