#include "store/CLineTable.h"

CLineTable::CLineTable(Kind kind, const QString& strCode, const QString& strTariff)
    : m_kind(kind)
    , m_strCode(strCode)
    , m_strTariff(strTariff)
{
}

CLineTable CLineTable::ForBudget(const QString& strBudget)
{
    return CLineTable(Budget, strBudget, {});
}

CLineTable CLineTable::ForTariff(const QString& strCode, const QString& strTariff)
{
    return CLineTable(Tariff, strCode, strTariff);
}

QString CLineTable::Table() const
{
    return m_kind == Tariff ? QStringLiteral("PRECIOS") : QStringLiteral("ARTICULOS");
}

QString CLineTable::KeyFilter() const
{
    return m_kind == Tariff ? QStringLiteral("CODIGO = ? AND TARIFA = ?") : QStringLiteral("CODIGO = ?");
}

QVariantList CLineTable::KeyValues() const
{
    if (m_kind == Tariff)
        return {m_strCode, m_strTariff};
    return {m_strCode};
}

QString CLineTable::LineOrder() const
{
    return m_kind == Tariff ? QStringLiteral("CODIGO,TARIFA,NUMLIN") : QStringLiteral("CODIGO,NUMLIN");
}
