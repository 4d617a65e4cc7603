#include "budget/CStoreSession.h"

#include "budget/CVelmoraDoc.h"
#include "store/CDBException.h"
#include "store/CDataSourceRegistry.h"
#include "store/CSchema.h"

CStoreSession::CStoreSession(CVelmoraDoc& doc)
    : m_doc(doc)
{
}

CStoreSession::~CStoreSession()
{
    Close();
}

void CStoreSession::Open(const QString& strPath)
{
    m_strPath = strPath;
    CSchema::CreateIfMissing(m_strPath);
    RegisterDataSource();
    m_doc.OpenStore();
}

void CStoreSession::Close(const QString& strBudget)
{
    if (m_strPath.isEmpty())
        return;
    try {
        m_doc.CloseStore(strBudget);
    } catch (const CDBException&) {
        // The run is ending; the scratch rows go at the next close.
    }
    RemoveDataSource();
    m_strPath.clear();
}

void CStoreSession::RegisterDataSource()
{
    CDataSourceRegistry::ConfigDataSource(CDataSourceRegistry::ODBC_ADD_DSN, CDataSourceRegistry::VelmoraDriver(),
                                          CDataSourceRegistry::Attributes(CDataSourceRegistry::VelmoraDsn(), m_strPath));
}

void CStoreSession::RemoveDataSource()
{
    CDataSourceRegistry::ConfigDataSource(CDataSourceRegistry::ODBC_REMOVE_DSN, CDataSourceRegistry::VelmoraDriver(),
                                          CDataSourceRegistry::Attributes(CDataSourceRegistry::VelmoraDsn(), m_strPath));
}
