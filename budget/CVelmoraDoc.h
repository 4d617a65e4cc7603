#pragma once

#include "store/CArticulosSet.h"
#include "store/CMedidasSet.h"
#include "store/CParametrosSet.h"
#include "store/CPreciosSet.h"
#include "store/CPresupuestosSet.h"
#include "store/CTarifasSet.h"

class CDatabase;

// The document: the six long-lived record sets of a run. The company-data set
// opens the one shared connection; the others join it.
class CVelmoraDoc
{
public:
    CVelmoraDoc() = default;
    ~CVelmoraDoc();
    CVelmoraDoc(const CVelmoraDoc&) = delete;
    CVelmoraDoc& operator=(const CVelmoraDoc&) = delete;

    // Opens the sets in start-up order on the data source the company set
    // names, creating MEDIDAS when the store lacks it.
    void OpenStore();
    // Deletes the open budget's scratch rows and closes the sets.
    void CloseStore(const QString& strBudget);
    bool IsStoreOpen() const;

    CDatabase& Database();

    // Declared first so that it, and with it the connection, goes last.
    CParametrosSet m_parametrosSet;
    CPresupuestosSet m_presupuestosSet;
    CArticulosSet m_articulosSet;
    CTarifasSet m_tarifasSet;
    CPreciosSet m_preciosSet;
    CMedidasSet m_medidasSet;
};
