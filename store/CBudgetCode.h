#pragma once

#include <QCoreApplication>
#include <QString>

// The rule for budget codes, one for every way a code comes in: typed for a
// new budget or a copy, or taken from the name of an imported file. A code
// holds at most kMaxLength UTF-16 units, as the code field takes them, made of
// whole characters, and is never empty.
class CBudgetCode
{
    Q_DECLARE_TR_FUNCTIONS(CBudgetCode)

public:
    static constexpr int kMaxLength = 20;

    // The text as a code: without halves of characters left by an earlier
    // cut, then cut to kMaxLength at the end of a whole character (an emoji,
    // a letter with its accents), never inside one.
    static QString Cut(const QString& strText);
    // The code of an imported file: its name without folder and extension, cut.
    static QString FromFileName(const QString& strPath);
    // Why the code cannot be used, in the user's language; empty when it can.
    static QString Problem(const QString& strCode);
};
