#include "budget/CStoreSession.h"

#include "budget/CVelmoraDoc.h"
#include "store/CDBException.h"
#include "store/CDataSourceRegistry.h"
#include "store/CSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

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
    Close();
    m_notices.clear();
    CSchema::CreateIfMissing(strPath);
    m_database.OpenFile(strPath);
    try {
        m_notices << CSchema::Prepare(m_database);
        m_doc.OpenStore(m_database);
    } catch (const CDBException&) {
        m_doc.CloseStore();
        m_database.Close();
        throw;
    }
    m_strPath = m_database.GetDatabasePath();
    RegisterDataSource();
}

void CStoreSession::Close(const QString& strBudget)
{
    if (!m_database.IsOpen())
        return;
    try {
        m_doc.CloseStore(strBudget);
    } catch (const CDBException&) {
        // The run is ending; the scratch rows go at the next close.
    }
    m_database.Close();
    RemoveDataSource();
    m_strPath.clear();
}

void CStoreSession::RegisterDataSource()
{
    // The registration is written for other programs; this run has its file
    // open already and never reads it back.
    const QString owner = QString::number(QCoreApplication::applicationPid()) + u'-'
                          + QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (CDataSourceRegistry::ConfigDataSource(
            CDataSourceRegistry::ODBC_ADD_DSN, CDataSourceRegistry::VelmoraDriver(),
            CDataSourceRegistry::Attributes(CDataSourceRegistry::VelmoraDsn(), m_strPath, owner))) {
        m_strOwner = owner;
        return;
    }
    const QString folder = QDir::toNativeSeparators(QFileInfo(CDataSourceRegistry::FileName()).absolutePath());
    m_notices << tr("No se puede escribir en la carpeta de configuración %1: el origen de datos Velmora no queda "
                    "registrado.")
                     .arg(folder);
}

void CStoreSession::RemoveDataSource()
{
    if (m_strOwner.isEmpty())
        return;
    CDataSourceRegistry::ConfigDataSource(
        CDataSourceRegistry::ODBC_REMOVE_DSN, CDataSourceRegistry::VelmoraDriver(),
        CDataSourceRegistry::Attributes(CDataSourceRegistry::VelmoraDsn(), m_strPath, m_strOwner));
    m_strOwner.clear();
}
