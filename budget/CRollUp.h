#pragma once

#include <QString>
#include <vector>

// The roll-up rule, on values alone: a decomposed line's price is the sum of
// its children's amounts, and a percentage line (a code holding "%" at
// position p) is priced at the sum of the amounts of the earlier siblings
// whose codes begin with the same p characters. Every figure is store text
// written with five decimals. The tree engine applies it to stored lines;
// the BC3 import and the consistency report apply it to lines in memory.
class CRollUp
{
public:
    struct Sibling {
        QString code;     // ARTICULO
        QString quantity; // RENDIMIENTO
        QString price;    // PRECIO
        QString amount;   // IMPORTE
        bool bChanged = false;
    };

    static bool IsPercentage(const QString& strCode) { return strCode.contains(u'%'); }

    // Re-prices the percentage lines among the children of one parent, the
    // earlier before the later, marking those it rewrote, and returns the
    // parent's new price.
    static QString RollSiblings(std::vector<Sibling>& siblings);

    // A line's amount from its stored quantity and price.
    static QString Amount(const QString& strQuantity, const QString& strPrice);
};
