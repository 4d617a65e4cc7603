#include "bc3/CBc3BudgetCheck.h"

#include "budget/CRollUp.h"
#include "store/CArticulosSet.h"
#include "store/NumberText.h"

namespace {

struct StoredLine {
    long numlin;
    int level;
    bool decomposed;
    CRollUp::Sibling values;
};

} // namespace

CBc3BudgetCheck CBc3BudgetCheck::Run(CDatabase& database, const QString& strBudget)
{
    std::vector<StoredLine> lines;
    CArticulosSet set(&database);
    set.FilterBudget(strBudget);
    set.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    for (; !set.IsEOF(); set.MoveNext()) {
        lines.push_back(StoredLine{set.m_NUMLIN.toLong(), set.m_NIVEL.toInt(), set.m_DESGLOSE == QStringLiteral("S"),
                                   CRollUp::Sibling{set.m_ARTICULO, set.m_RENDIMIENTO, set.m_PRECIO, set.m_IMPORTE}});
    }

    CBc3BudgetCheck check;
    std::vector<CRollUp::Sibling> children;
    for (size_t k = 0; k < lines.size(); ++k) {
        if (!lines[k].decomposed)
            continue;
        children.clear();
        const int level = lines[k].level;
        for (size_t i = k + 1; i < lines.size() && lines[i].level > level; ++i) {
            if (lines[i].level == level + 1)
                children.push_back(lines[i].values);
        }
        if (children.empty())
            continue;
        ++check.m_nDecompositions;
        const QString recomputed = CRollUp::RollSiblings(children);
        const QString stored = StoreFormat(StoreAtof(lines[k].values.price), 5);
        if (stored != recomputed)
            check.m_differences.push_back(Difference{lines[k].numlin, lines[k].values.code, stored, recomputed});
    }
    return check;
}
