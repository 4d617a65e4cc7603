#include "store/CTransaction.h"

#include "store/CDBException.h"
#include "store/CDatabase.h"

CTransaction::CTransaction(CDatabase& database)
    : m_database(database)
{
    m_database.BeginTrans();
}

CTransaction::~CTransaction()
{
    if (!m_bOpen)
        return;
    try {
        m_database.Rollback();
    } catch (const CDBException&) {
        // Nothing more can be done from a destructor; the connection reports
        // the next failure to whoever uses it.
    }
}

void CTransaction::Commit()
{
    if (!m_bOpen)
        return;
    m_database.CommitTrans();
    m_bOpen = false;
}

void CTransaction::Rollback()
{
    if (!m_bOpen)
        return;
    m_bOpen = false;
    m_database.Rollback();
}
