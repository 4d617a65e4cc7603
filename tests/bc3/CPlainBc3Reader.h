#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// A FIEBDC-3 reader written from the format's rules alone, apart from the
// program's own, to see what another program makes of a file: records
// start at "~", fields are cut at "|" and subfields at "\", and blanks, tabs
// and line ends in front of a separator do not count. The tree is rebuilt
// from "~C" (the concept whose code ends in "##" is the root), "~D" (a later
// one for the same concept replaces the earlier) and "~M" (the measurement
// of the entry its parent\child code and its position path name). A code is
// the same concept with or without its "#" marks. A code holding "%" is a
// percentage: its price is the sum of the amounts (price x factor x
// quantity) of the earlier entries of the same decomposition whose codes
// begin as its code does before the "%".
class CPlainBc3Reader
{
public:
    // One occurrence of a concept in the tree, in pre-order.
    struct Node {
        QString code;     // as "~C" writes it
        int level = 0;
        QString price;    // the first price of "~C", or a percentage's sum
        bool factored = false; // that sum counts a factor other than 1
        QString factor;   // of the parent's "~D" entry, "1" when it has none
        QString yield;
        bool measured = false;
        QString total;    // of its "~M"
        int rows = 0;     // measurement lines
        double rowSum = 0.0; // what the lines add up to, each the product of the numbers it has
        bool formulas = false; // some line has an expression, which this reader does not evaluate
    };

    explicit CPlainBc3Reader(const QByteArray& text);

    std::vector<Node> m_nodes;
    QStringList m_problems;

private:
    struct Measurement {
        QString path;
        QString total;
        QStringList list;
    };

    static QString Key(QString code);
    void Walk(const QString& key, int level, const QString& path, const QString& parentKey);
    void Measure(Node& node, const QString& parentKey, const QString& key, const QString& path) const;
    void PricePercentages();

    QHash<QString, QStringList> m_concepts;                 // key: the fields of "~C"
    QHash<QString, QStringList> m_decompositions;           // key: the subfields of "~D"
    QHash<QString, std::vector<Measurement>> m_measurements; // "parent\child" keys
};
