// velmora-cli check-budget CODE: the decompositions whose stored price
// differs from the roll-up of their children, and a count at the end.
#include "app/CCommandLineTool.h"

#include "bc3/CBc3BudgetCheck.h"
#include "budget/CVelmoraDoc.h"

int CCommandLineTool::CheckBudget(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return Usage(2);
    if (!OpenStore() || !RequireBudget(arguments[0]))
        return 1;
    const CBc3BudgetCheck check = CBc3BudgetCheck::Run(Doc().Database(), arguments[0]);
    for (const CBc3BudgetCheck::Difference& line : check.m_differences)
        m_out << line.numlin << '\t' << line.code << '\t' << line.stored << '\t' << line.recomputed << '\n';
    m_out << Text("%1 descomposiciones, %2 difieren del recálculo\n", "%1 descomposicions, %2 difereixen del recàlcul\n")
                 .arg(check.m_nDecompositions)
                 .arg(long(check.m_differences.size()));
    return 0;
}
