#include "budget/CRollUp.h"

#include "store/NumberText.h"

QString CRollUp::RollSiblings(std::vector<Sibling>& siblings)
{
    // From the first line on, so that a percentage applying to an earlier
    // one ("%CI" after "%MA") counts it with its new amount.
    for (size_t i = 0; i < siblings.size(); ++i) {
        const qsizetype percent = siblings[i].code.indexOf(u'%');
        if (percent < 0)
            continue;
        const QStringView prefix = QStringView(siblings[i].code).left(percent);
        double sum = 0.0;
        for (size_t j = 0; j < i; ++j) {
            if (QStringView(siblings[j].code).left(percent) == prefix)
                sum += StoreAtof(siblings[j].amount);
        }
        siblings[i].price = StoreFormat(sum, 5);
        siblings[i].amount = StoreFormat(StoreAtof(siblings[i].quantity) * sum, 5);
        siblings[i].bChanged = true;
    }
    double sum = 0.0;
    for (const Sibling& sibling : siblings)
        sum += StoreAtof(sibling.amount);
    return StoreFormat(sum, 5);
}

QString CRollUp::Amount(const QString& strQuantity, const QString& strPrice)
{
    return StoreFormat(StoreAtof(strQuantity) * StoreAtof(strPrice), 5);
}
