#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

class CDatabase;

// Adds many rows to one table through a prepared INSERT that carries a block
// of rows at a time, so that an import of a large file costs one statement
// per block instead of one per row. Values are always bound. The rows reach
// the table at each full block and at Flush; call Flush before relying on
// them. Made by CStoreStatements, which names the table and its columns.
class CBulkInsert
{
public:
    CBulkInsert(CDatabase& database, const QString& strTable, const QStringList& columns);
    CBulkInsert(const CBulkInsert&) = delete;
    CBulkInsert& operator=(const CBulkInsert&) = delete;

    // One row: one value per column, in the order of the columns. A null
    // QVariant stores NULL.
    void Add(std::initializer_list<QVariant> values);
    void Flush();

    qsizetype ColumnCount() const { return m_columns.size(); }

    // Text stored as NULL when empty, the way a record set leaves a column
    // it was given no value for.
    static QVariant Nullable(const QString& strValue)
    {
        return strValue.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(strValue);
    }

private:
    QString Statement(int nRows) const;
    void Run(int nRows, qsizetype nFirst);

    CDatabase& m_database;
    QString m_strTable;
    QStringList m_columns;
    QVariantList m_values;
};
