#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>
#include <string_view>
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
    // One value of a row: text, an integer, a number written as store text,
    // or NULL. Empty text is stored as NULL, the way a record set leaves a
    // column it was given no value for. UTF-8 text is bound as it is, which
    // spares the engine a conversion; the bytes must stay where they are
    // until the row has been inserted (at a full block or at Flush).
    class Value
    {
    public:
        Value(std::nullptr_t) {}
        Value(const QString& strText)
            : m_kind(strText.isEmpty() ? Null : Text)
            , m_text(strText)
        {
        }
        Value(std::string_view utf8)
            : m_kind(utf8.empty() ? Null : Utf8)
            , m_utf8(utf8)
        {
        }
        Value(qint64 nValue)
            : m_kind(Integer)
            , m_nInteger(nValue)
        {
        }
        // The number with nDecimals decimals, as StoreFormat writes it.
        static Value Fixed(double dValue, int nDecimals);
        // UTF-8 text that the value keeps a copy of.
        static Value Copy(std::string_view utf8);

    private:
        friend class CBulkInsert;
        enum Kind : char { Null, Text, Utf8, Integer, Number };
        Kind m_kind = Null;
        char m_nLength = 0;
        char m_number[30] = {};
        std::string_view m_utf8;
        qint64 m_nInteger = 0;
        QString m_text;
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
