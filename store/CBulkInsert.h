#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>
#include <vector>

class CDatabase;
struct sqlite3;
struct sqlite3_stmt;

// Adds many rows to one table through a prepared INSERT that carries a block
// of rows at a time, bound straight through the engine's own interface on the
// store's connection, so that an import of a large file costs a fraction of
// a microsecond per value instead of a statement per row. Values are always
// bound. Rows reach the table at each full block and at Flush; call Flush
// before relying on them. Made by CStoreStatements, which names the table
// and its columns.
class CBulkInsert
{
public:
    // One value of a row: text, an integer, or NULL. Empty text is stored as
    // NULL, the way a record set leaves a column it was given no value for.
    class Value
    {
    public:
        Value(std::nullptr_t) {}
        Value(const QString& strText)
            : m_kind(strText.isEmpty() ? Null : Text)
            , m_text(strText)
        {
        }
        Value(qint64 nValue)
            : m_kind(Integer)
            , m_nInteger(nValue)
        {
        }

    private:
        friend class CBulkInsert;
        enum Kind { Null, Text, Integer };
        Kind m_kind = Null;
        QString m_text;
        qint64 m_nInteger = 0;
    };

    CBulkInsert(CDatabase& database, const QString& strTable, const QStringList& columns);
    ~CBulkInsert();
    CBulkInsert(const CBulkInsert&) = delete;
    CBulkInsert& operator=(const CBulkInsert&) = delete;

    // One row: one value per column, in the order of the columns.
    void Add(std::initializer_list<Value> values);
    void Flush();

private:
    sqlite3_stmt* Prepare(int nRows);
    // Binds nRows buffered rows from nFirst on and runs the statement.
    void Run(sqlite3_stmt* pStatement, size_t nFirst, int nRows);
    [[noreturn]] void Raise() const;

    sqlite3* m_pHandle = nullptr;
    QString m_strTable;
    QStringList m_columns;
    sqlite3_stmt* m_pBlock = nullptr;
    sqlite3_stmt* m_pSingle = nullptr;
    // The values of the rows not yet inserted; they stay here while the
    // engine reads them.
    std::vector<Value> m_values;
};
