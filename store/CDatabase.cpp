#include "store/CDatabase.h"

#include "store/CDBException.h"
#include "store/CFileAccess.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QSqlError>

namespace {

QString ConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("velmora-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString ErrorText(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

} // namespace

CDatabase::CDatabase() = default;

CDatabase::~CDatabase()
{
    Close();
}

void CDatabase::OpenFile(const QString& strPath)
{
    Close();
    const QFileInfo info(strPath);
    if (strPath.isEmpty() || !info.exists())
        throw CDBException(QStringLiteral("unable to open database file: %1 does not exist").arg(strPath));
    if (!CFileAccess::IsRegularFile(strPath))
        throw CDBException(QStringLiteral("unable to open database file: %1 is not a regular file").arg(strPath));
    if (!info.isReadable())
        throw CDBException(QStringLiteral("unable to open database file: permission denied"));

    m_strConnectionName = ConnectionName();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_strConnectionName);
    m_db.setDatabaseName(strPath);
    // A second running copy must not write behind this one's back: the busy
    // timeout is short and the lock taken below is held until Close.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=250"));
    if (!m_db.open()) {
        const QString text = ErrorText(m_db.lastError());
        Close();
        throw CDBException(text);
    }
    m_strPath = info.absoluteFilePath();
    try {
        ExecuteRaw(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
        ExecuteRaw(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        ExecuteRaw(QStringLiteral("BEGIN EXCLUSIVE"));
        ExecuteRaw(QStringLiteral("COMMIT"));
    } catch (const CDBException&) {
        Close();
        throw;
    }
}

void CDatabase::OpenMemory()
{
    Close();
    m_strConnectionName = ConnectionName();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_strConnectionName);
    m_db.setDatabaseName(QStringLiteral(":memory:"));
    if (!m_db.open()) {
        const QString text = ErrorText(m_db.lastError());
        Close();
        throw CDBException(text);
    }
    m_strPath = QStringLiteral(":memory:");
}

void CDatabase::Close()
{
    m_preparedQueries.clear();
    m_nTransDepth = 0;
    if (m_strConnectionName.isEmpty())
        return;
    if (m_db.isOpen())
        m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_strConnectionName);
    m_strConnectionName.clear();
    m_strPath.clear();
}

bool CDatabase::IsOpen() const
{
    return !m_strConnectionName.isEmpty() && m_db.isOpen();
}

void CDatabase::ExecuteRaw(const QString& strSQL)
{
    QSqlQuery query(m_db);
    if (!query.exec(strSQL))
        RaiseQueryError(query);
}

void CDatabase::RaiseQueryError(const QSqlQuery& query) const
{
    throw CDBException(ErrorText(query.lastError()));
}

QSqlQuery& CDatabase::PreparedQuery(const QString& strSQL)
{
    if (!IsOpen())
        throw CDBException(QStringLiteral("the database is not open"));
    auto it = m_preparedQueries.find(strSQL);
    if (it == m_preparedQueries.end()) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.prepare(strSQL))
            RaiseQueryError(query);
        it = m_preparedQueries.insert(strSQL, query);
    }
    return it.value();
}

void CDatabase::Exec(QSqlQuery& query, const QVariantList& params)
{
    for (qsizetype i = 0; i < params.size(); ++i)
        query.bindValue(int(i), params[i]);
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        query.finish();
        throw CDBException(ErrorText(error));
    }
}

void CDatabase::ExecuteSQL(const QString& strSQL, const QVariantList& params)
{
    QSqlQuery& query = PreparedQuery(strSQL);
    Exec(query, params);
    query.finish();
}

void CDatabase::BeginTrans()
{
    if (m_nTransDepth == 0)
        ExecuteRaw(QStringLiteral("BEGIN IMMEDIATE"));
    else
        ExecuteRaw(QStringLiteral("SAVEPOINT velmora_%1").arg(m_nTransDepth));
    ++m_nTransDepth;
}

void CDatabase::CommitTrans()
{
    if (m_nTransDepth == 0)
        return;
    if (m_nTransDepth == 1)
        ExecuteRaw(QStringLiteral("COMMIT"));
    else
        ExecuteRaw(QStringLiteral("RELEASE SAVEPOINT velmora_%1").arg(m_nTransDepth - 1));
    --m_nTransDepth;
}

void CDatabase::Rollback()
{
    if (m_nTransDepth == 0)
        return;
    --m_nTransDepth;
    if (m_nTransDepth == 0) {
        ExecuteRaw(QStringLiteral("ROLLBACK"));
    } else {
        const QString name = QStringLiteral("velmora_%1").arg(m_nTransDepth);
        ExecuteRaw(QStringLiteral("ROLLBACK TO SAVEPOINT ") + name);
        ExecuteRaw(QStringLiteral("RELEASE SAVEPOINT ") + name);
    }
}

bool CDatabase::TableExists(const QString& strTable)
{
    QSqlQuery& query = PreparedQuery(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"));
    Exec(query, {strTable});
    const bool exists = query.next();
    query.finish();
    return exists;
}
