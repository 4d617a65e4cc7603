#pragma once

#include "store/CDatabase.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CVelmoraDoc;

// One run's hold on the store: the connection to the database file it was
// given, the document's sets open on it, and the data source registered for
// that file. The GUI's view and the command-line tool start and end their
// runs through it.
class CStoreSession
{
    Q_DECLARE_TR_FUNCTIONS(CStoreSession)

public:
    explicit CStoreSession(CVelmoraDoc& doc);
    ~CStoreSession();
    CStoreSession(const CStoreSession&) = delete;
    CStoreSession& operator=(const CStoreSession&) = delete;

    // Creates the file when it is missing, opens exactly that file, gives it
    // the tables it lacks, opens the document's sets on it and registers the
    // data source for it. Raises CDBException on failure, with nothing left
    // open or registered.
    void Open(const QString& strPath);
    // Closes the document's sets (deleting the budget's scratch rows) and the
    // connection, and removes the data source while it is still the entry
    // this run wrote. Never raises.
    void Close(const QString& strBudget = {});

    const QString& DatabasePath() const { return m_strPath; }
    // What the user is to be told after opening, in the user's language: the
    // data source could not be registered, budget codes found twice, ...
    const QStringList& Notices() const { return m_notices; }

private:
    void RegisterDataSource();
    void RemoveDataSource();

    CVelmoraDoc& m_doc;
    CDatabase m_database;
    QString m_strPath;
    // The mark of the registration this run wrote; empty when it wrote none.
    QString m_strOwner;
    QStringList m_notices;
};
