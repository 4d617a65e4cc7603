#pragma once

#include <QString>
#include <QVariantList>

// Which line tree a set of lines forms: the lines of one budget (table
// ARTICULOS, keyed by the budget's CODIGO, folders with measurement lines) or
// the lines of one tariff of a price base (table PRECIOS, keyed by CODIGO and
// TARIFA, no measurement lines). Every query and statement on a tree takes
// its table and key from here.
class CLineTable
{
public:
    enum Kind { Budget, Tariff };

    static CLineTable ForBudget(const QString& strBudget);
    static CLineTable ForTariff(const QString& strCode, const QString& strTariff);

    Kind GetKind() const { return m_kind; }
    bool IsTariff() const { return m_kind == Tariff; }
    bool HasMeasurements() const { return m_kind == Budget; }
    // CODIGO of every line of the tree, and TARIFA of a tariff's lines.
    const QString& Code() const { return m_strCode; }
    const QString& TariffName() const { return m_strTariff; }

    // The table name, one of two fixed names: safe to place in SQL text.
    QString Table() const;
    // The condition that selects the tree's lines, with its values.
    QString KeyFilter() const;
    QVariantList KeyValues() const;
    // The sort that puts the lines in tree order, so that a line's number is its row.
    QString LineOrder() const;

private:
    CLineTable(Kind kind, const QString& strCode, const QString& strTariff);

    Kind m_kind;
    QString m_strCode;
    QString m_strTariff;
};
