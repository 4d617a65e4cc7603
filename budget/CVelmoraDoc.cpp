#include "budget/CVelmoraDoc.h"

#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CSchema.h"
#include "store/CStoreStatements.h"

CVelmoraDoc::~CVelmoraDoc()
{
    m_medidasSet.Close();
    m_preciosSet.Close();
    m_tarifasSet.Close();
    m_articulosSet.Close();
    m_presupuestosSet.Close();
    m_parametrosSet.Close();
}

CDatabase& CVelmoraDoc::Database()
{
    if (!m_parametrosSet.m_pDatabase)
        throw CDBException(QStringLiteral("the store is not open"));
    return *m_parametrosSet.m_pDatabase;
}

bool CVelmoraDoc::IsStoreOpen() const
{
    return m_parametrosSet.IsOpen();
}

void CVelmoraDoc::OpenStore(CDatabase& database)
{
    m_parametrosSet.m_pDatabase = &database;
    m_parametrosSet.Open();

    m_presupuestosSet.m_pDatabase = &database;
    m_presupuestosSet.FilterNone();
    m_presupuestosSet.Open();

    m_articulosSet.m_pDatabase = &database;
    m_articulosSet.FilterNone();
    m_articulosSet.Open();

    m_tarifasSet.m_pDatabase = &database;
    m_tarifasSet.FilterAll();
    m_tarifasSet.Open();

    m_preciosSet.m_pDatabase = &database;
    m_preciosSet.FilterTariff(m_parametrosSet.m_LISTA, m_parametrosSet.m_TARIFA);
    m_preciosSet.Open();

    m_medidasSet.m_pDatabase = &database;
    m_medidasSet.FilterNone();
    try {
        m_medidasSet.Open();
    } catch (const CDBException&) {
        CSchema::CreateMedidas(database);
        m_medidasSet.Open();
    }
}

void CVelmoraDoc::CloseStore(const QString& strBudget)
{
    if (m_parametrosSet.m_pDatabase && m_parametrosSet.m_pDatabase->IsOpen())
        CStoreStatements::DeleteTemporal(*m_parametrosSet.m_pDatabase, strBudget);
    m_presupuestosSet.Close();
    m_articulosSet.Close();
    m_tarifasSet.Close();
    m_preciosSet.Close();
    m_medidasSet.Close();
    m_parametrosSet.Close();
    m_parametrosSet.m_pDatabase = nullptr;
}
