#include "store/CBulkInsert.h"

#include "store/CDBException.h"
#include "store/CDatabase.h"

#include <QSqlQuery>

namespace {

// Rows per statement: large enough to amortise a statement, small enough to
// stay far below the engine's limit on bound values.
constexpr int kBlockRows = 64;

} // namespace

CBulkInsert::CBulkInsert(CDatabase& database, const QString& strTable, const QStringList& columns)
    : m_database(database)
    , m_strTable(strTable)
    , m_columns(columns)
{
    m_values.reserve(kBlockRows * columns.size());
}

QString CBulkInsert::Statement(int nRows) const
{
    QString marks = QStringLiteral("(");
    for (qsizetype c = 0; c < m_columns.size(); ++c)
        marks += c == 0 ? QStringLiteral("?") : QStringLiteral(",?");
    marks += u')';
    QString sql = QStringLiteral("INSERT INTO ") + m_strTable + QStringLiteral(" (") + m_columns.join(u',')
        + QStringLiteral(") VALUES ") + marks;
    for (int r = 1; r < nRows; ++r)
        sql += u',' + marks;
    return sql;
}

void CBulkInsert::Add(std::initializer_list<QVariant> values)
{
    if (qsizetype(values.size()) != m_columns.size())
        throw CDBException(QStringLiteral("%1: %2 values for %3 columns").arg(m_strTable).arg(values.size()).arg(m_columns.size()));
    for (const QVariant& value : values)
        m_values.append(value);
    if (m_values.size() >= kBlockRows * m_columns.size())
        Flush();
}

void CBulkInsert::Run(int nRows, qsizetype nFirst)
{
    QSqlQuery& query = m_database.PreparedQuery(Statement(nRows));
    const qsizetype count = nRows * m_columns.size();
    for (qsizetype i = 0; i < count; ++i)
        query.bindValue(int(i), m_values[nFirst + i]);
    m_database.Exec(query, {});
    query.finish();
}

void CBulkInsert::Flush()
{
    const qsizetype columns = m_columns.size();
    const qsizetype rows = m_values.size() / columns;
    qsizetype first = 0;
    for (qsizetype r = 0; r + kBlockRows <= rows; r += kBlockRows, first += kBlockRows * columns)
        Run(kBlockRows, first);
    for (; first < m_values.size(); first += columns)
        Run(1, first);
    m_values.clear();
}
