#include "store/CLineQueries.h"

#include "store/CDatabase.h"
#include "store/CLineTable.h"

#include <QSqlQuery>

namespace {

// "SELECT <columns> FROM <table> WHERE <key> AND <condition>": the table
// name is one of two fixed names, every value is bound.
QString Select(const CLineTable& table, const QString& strColumns, const QString& strCondition)
{
    return QStringLiteral("SELECT ") + strColumns + QStringLiteral(" FROM ") + table.Table() + QStringLiteral(" WHERE ")
        + table.KeyFilter() + QStringLiteral(" AND ") + strCondition;
}

long SingleNumber(CDatabase& database, const QString& sql, const QVariantList& params)
{
    QSqlQuery& query = database.PreparedQuery(sql);
    database.Exec(query, params);
    const long value = query.next() ? long(query.value(0).toLongLong()) : 0;
    query.finish();
    return value;
}

} // namespace

long CLineQueries::LineCount(CDatabase& database, const CLineTable& table)
{
    return SingleNumber(database, Select(table, QStringLiteral("count(*)"), QStringLiteral("1 = 1")), table.KeyValues());
}

long CLineQueries::LastBefore(CDatabase& database, const CLineTable& table, long nLine, long nLevel)
{
    return SingleNumber(database,
                        Select(table, QStringLiteral("NUMLIN"),
                               QStringLiteral("NUMLIN < ? AND NIVEL < ? ORDER BY NUMLIN DESC LIMIT 1")),
                        table.KeyValues() << qlonglong(nLine) << qlonglong(nLevel));
}

long CLineQueries::FirstAfterAtMost(CDatabase& database, const CLineTable& table, long nLine, long nLevel)
{
    return SingleNumber(database,
                        Select(table, QStringLiteral("NUMLIN"), QStringLiteral("NUMLIN > ? AND NIVEL <= ? ORDER BY NUMLIN LIMIT 1")),
                        table.KeyValues() << qlonglong(nLine) << qlonglong(nLevel));
}

std::vector<CLineQueries::Sibling> CLineQueries::LinesAtLevel(CDatabase& database, const CLineTable& table, long nLevel,
                                                              long nFirst, long nLast)
{
    QSqlQuery& query = database.PreparedQuery(Select(table, QStringLiteral("NUMLIN, ARTICULO, RENDIMIENTO, PRECIO, IMPORTE"),
                                                     QStringLiteral("NIVEL = ? AND NUMLIN BETWEEN ? AND ? ORDER BY NUMLIN")));
    database.Exec(query, table.KeyValues() << qlonglong(nLevel) << qlonglong(nFirst) << qlonglong(nLast));
    std::vector<Sibling> lines;
    while (query.next())
        lines.push_back({long(query.value(0).toLongLong()), query.value(1).toString(), query.value(2).toString(),
                         query.value(3).toString(), query.value(4).toString()});
    query.finish();
    return lines;
}

std::vector<long> CLineQueries::LinesUpToLevel(CDatabase& database, const CLineTable& table, long nLevel)
{
    QSqlQuery& query =
        database.PreparedQuery(Select(table, QStringLiteral("NUMLIN"), QStringLiteral("NIVEL <= ? ORDER BY NUMLIN")));
    database.Exec(query, table.KeyValues() << qlonglong(nLevel));
    std::vector<long> lines;
    while (query.next())
        lines.push_back(long(query.value(0).toLongLong()));
    query.finish();
    return lines;
}

std::vector<long> CLineQueries::LinesWithCode(CDatabase& database, const CLineTable& table, const QString& strCode)
{
    QSqlQuery& query =
        database.PreparedQuery(Select(table, QStringLiteral("NUMLIN"), QStringLiteral("ARTICULO = ? ORDER BY NUMLIN")));
    database.Exec(query, table.KeyValues() << strCode);
    std::vector<long> lines;
    while (query.next())
        lines.push_back(long(query.value(0).toLongLong()));
    query.finish();
    return lines;
}

long CLineQueries::FirstWithText(CDatabase& database, const CLineTable& table, long nLine, const QString& strText)
{
    // The store's own upper() knows only ASCII letters: the lines are read
    // in order and compared here, up to the first that holds the text.
    QSqlQuery& query = database.PreparedQuery(
        Select(table, QStringLiteral("NUMLIN, NOMBRE, DESCRIPCION"), QStringLiteral("NUMLIN > ? ORDER BY NUMLIN")));
    database.Exec(query, table.KeyValues() << qlonglong(nLine));
    long found = 0;
    while (found == 0 && query.next()) {
        if (query.value(1).toString().contains(strText, Qt::CaseInsensitive)
            || query.value(2).toString().contains(strText, Qt::CaseInsensitive))
            found = long(query.value(0).toLongLong());
    }
    query.finish();
    return found;
}
