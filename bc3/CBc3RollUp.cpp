#include "bc3/CBc3RollUp.h"

#include <QStringList>
#include <algorithm>

QString SettledRollUp(std::vector<CRollUp::Sibling>& siblings)
{
    // Each round settles at least one more percentage line of a chain, so
    // there are at most as many rounds as percentage lines, and one when
    // there is a single one or none.
    const auto percentages = std::count_if(siblings.begin(), siblings.end(),
                                           [](const CRollUp::Sibling& s) { return CRollUp::IsPercentage(s.code); });
    QString price = CRollUp::RollSiblings(siblings);
    QStringList before;
    for (qsizetype round = 1; round < percentages; ++round) {
        QStringList prices;
        for (const CRollUp::Sibling& sibling : siblings)
            prices << sibling.price;
        if (prices == before)
            break;
        before = prices;
        price = CRollUp::RollSiblings(siblings);
    }
    return price;
}
