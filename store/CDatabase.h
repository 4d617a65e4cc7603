#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// The one connection to the store, opened on the file it is given. Every
// failure raises a CDBException with the driver's text.
class CDatabase
{
public:
    CDatabase();
    ~CDatabase();
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Opens an existing ordinary file and takes it for this connection alone
    // until Close: another copy of the program is refused while it is open.
    void OpenFile(const QString& strPath);
    // A private store that lives in memory until Close (fuzzing, scratch work).
    void OpenMemory();
    void Close();
    bool IsOpen() const;
    QString GetDatabasePath() const { return m_strPath; }

    // A statement that is not a query; values are bound to its "?" marks.
    void ExecuteSQL(const QString& strSQL, const QVariantList& params = {});

    // A prepared statement kept for the life of the connection, so that
    // statements run once per row are compiled once.
    QSqlQuery& PreparedQuery(const QString& strSQL);
    // Runs a prepared statement with its values; raises on failure.
    void Exec(QSqlQuery& query, const QVariantList& params);

    // Transactions nest: the outermost is a real transaction, inner ones are
    // savepoints, so an operation built of other operations commits or rolls
    // back as one.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    int TransactionDepth() const { return m_nTransDepth; }

    bool TableExists(const QString& strTable);

    QSqlDatabase& Connection() { return m_db; }

private:
    void ExecuteRaw(const QString& strSQL);
    void RaiseQueryError(const QSqlQuery& query) const;

    QString m_strConnectionName;
    QString m_strPath;
    QSqlDatabase m_db;
    QHash<QString, QSqlQuery> m_preparedQueries;
    int m_nTransDepth = 0;
};
