#include "bc3/CBc3RollUp.h"

#include <QStringList>

QString SettledRollUp(std::vector<CRollUp::Sibling>& siblings)
{
    QStringList before;
    QString price;
    // Each round settles at least one more percentage line of a chain.
    for (size_t round = 0; round <= siblings.size(); ++round) {
        QStringList prices;
        for (const CRollUp::Sibling& sibling : siblings)
            prices << sibling.price;
        if (round > 0 && prices == before)
            break;
        before = prices;
        price = CRollUp::RollSiblings(siblings);
    }
    return price;
}
