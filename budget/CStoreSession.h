#pragma once

#include <QString>

class CVelmoraDoc;

// One run's hold on the store: the data source registered for the database
// file, and the document's sets open on it. The GUI's view and the
// command-line tool start and end their runs through it.
class CStoreSession
{
public:
    explicit CStoreSession(CVelmoraDoc& doc);
    ~CStoreSession();
    CStoreSession(const CStoreSession&) = delete;
    CStoreSession& operator=(const CStoreSession&) = delete;

    // Creates the file when it is missing, registers the data source for it
    // and opens the document's sets. Raises CDBException on failure; the data
    // source stays registered until Close or destruction.
    void Open(const QString& strPath);
    // Closes the document's sets (deleting the budget's scratch rows) and
    // removes the data source. Never raises.
    void Close(const QString& strBudget = {});

    const QString& DatabasePath() const { return m_strPath; }

private:
    void RegisterDataSource();
    void RemoveDataSource();

    CVelmoraDoc& m_doc;
    QString m_strPath;
};
