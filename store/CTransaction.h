#pragma once

class CDatabase;

// One unit of work on the shared connection: commits when Commit is called,
// rolls back when it goes out of scope without it (an exception on the way).
class CTransaction
{
public:
    explicit CTransaction(CDatabase& database);
    ~CTransaction();
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;

    void Commit();
    // Undoes the work now, as leaving the scope uncommitted would.
    void Rollback();

private:
    CDatabase& m_database;
    bool m_bOpen = true;
};
