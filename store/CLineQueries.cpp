#include "store/CLineQueries.h"

#include "store/CDatabase.h"

#include <QSqlQuery>

namespace {

long SingleNumber(CDatabase& database, const QString& sql, const QVariantList& params)
{
    QSqlQuery& query = database.PreparedQuery(sql);
    database.Exec(query, params);
    const long value = query.next() ? long(query.value(0).toLongLong()) : 0;
    query.finish();
    return value;
}

} // namespace

long CLineQueries::LastBefore(CDatabase& database, const QString& strBudget, long nLine, long nLevel)
{
    return SingleNumber(database,
                        QStringLiteral("SELECT NUMLIN FROM ARTICULOS WHERE CODIGO = ? AND NUMLIN < ? AND NIVEL < ? "
                                       "ORDER BY NUMLIN DESC LIMIT 1"),
                        {strBudget, qlonglong(nLine), qlonglong(nLevel)});
}

long CLineQueries::FirstAfterAtMost(CDatabase& database, const QString& strBudget, long nLine, long nLevel)
{
    return SingleNumber(database,
                        QStringLiteral("SELECT NUMLIN FROM ARTICULOS WHERE CODIGO = ? AND NUMLIN > ? AND NIVEL <= ? "
                                       "ORDER BY NUMLIN LIMIT 1"),
                        {strBudget, qlonglong(nLine), qlonglong(nLevel)});
}

std::vector<CLineQueries::Sibling> CLineQueries::LinesAtLevel(CDatabase& database, const QString& strBudget,
                                                              long nLevel, long nFirst, long nLast)
{
    QSqlQuery& query = database.PreparedQuery(
        QStringLiteral("SELECT NUMLIN, ARTICULO, RENDIMIENTO, PRECIO, IMPORTE FROM ARTICULOS WHERE CODIGO = ? AND NIVEL = ? "
                       "AND NUMLIN BETWEEN ? AND ? ORDER BY NUMLIN"));
    database.Exec(query, {strBudget, qlonglong(nLevel), qlonglong(nFirst), qlonglong(nLast)});
    std::vector<Sibling> lines;
    while (query.next())
        lines.push_back({long(query.value(0).toLongLong()), query.value(1).toString(), query.value(2).toString(),
                         query.value(3).toString(), query.value(4).toString()});
    query.finish();
    return lines;
}
