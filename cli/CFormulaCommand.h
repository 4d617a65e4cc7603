#pragma once

#include <QCoreApplication>
#include <QStringList>

class CCommandContext;

// formula EXPR [--x VALUE]: evaluates a measurement formula the way the
// measurement window does and prints the value, the error position and the
// error message. Needs no store.
class CFormulaCommand
{
    Q_DECLARE_TR_FUNCTIONS(CFormulaCommand)

public:
    static int Formula(CCommandContext& context, const QStringList& arguments);
};
