#pragma once

#include "store/CArticulosSet.h"
#include "store/CMedidasSet.h"
#include "store/CParametrosSet.h"
#include "store/CPreciosSet.h"
#include "store/CPresupuestosSet.h"
#include "store/CTarifasSet.h"

class CDatabase;

// The document: the six long-lived record sets of a run, all on the one
// connection the run opened; the company-data set is opened first.
class CVelmoraDoc
{
public:
    CVelmoraDoc() = default;
    ~CVelmoraDoc();
    CVelmoraDoc(const CVelmoraDoc&) = delete;
    CVelmoraDoc& operator=(const CVelmoraDoc&) = delete;

    // Opens the sets in start-up order on the connection, creating MEDIDAS
    // when the store lacks it.
    void OpenStore(CDatabase& database);
    // Deletes the open budget's scratch rows and closes the sets, which then
    // hold no connection.
    void CloseStore(const QString& strBudget = {});
    bool IsStoreOpen() const;

    CDatabase& Database();

    CParametrosSet m_parametrosSet;
    CPresupuestosSet m_presupuestosSet;
    CArticulosSet m_articulosSet;
    CTarifasSet m_tarifasSet;
    CPreciosSet m_preciosSet;
    CMedidasSet m_medidasSet;
};
