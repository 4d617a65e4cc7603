#include "cli/CCommandContext.h"

#include "admin/CBudgetAdmin.h"
#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "cli/CCommandLineTool.h"
#include "store/CDBException.h"

CCommandContext::CCommandContext(QTextStream& out, QTextStream& err, const QString& strDatabase)
    : m_out(out)
    , m_err(err)
    , m_strDatabase(strDatabase)
{
}

CCommandContext::~CCommandContext()
{
    m_pSession.reset();
    m_pDoc.reset();
}

bool CCommandContext::OpenStore()
{
    m_pDoc = std::make_unique<CVelmoraDoc>();
    m_pSession = std::make_unique<CStoreSession>(*m_pDoc);
    try {
        m_pSession->Open(m_strDatabase);
    } catch (const CDBException& e) {
        m_err << tr("No se puede abrir la base de datos %1: %2\n").arg(m_strDatabase, e.m_strError);
        m_err.flush();
        m_pSession.reset();
        m_pDoc.reset();
        return false;
    }
    // What the store warns about (codes found twice in an older file, a
    // configuration folder that cannot be written) does not stop the command.
    for (const QString& notice : m_pSession->Notices())
        m_err << tr("Aviso: %1").arg(notice) << '\n';
    m_err.flush();
    return true;
}

CDatabase& CCommandContext::Database()
{
    return m_pDoc->Database();
}

bool CCommandContext::RequireBudget(const QString& strCode)
{
    if (CBudgetAdmin::Exists(Database(), strCode))
        return true;
    m_err << tr("No existe este presupuesto: %1\n").arg(strCode);
    return false;
}

int CCommandContext::Usage(int nStatus)
{
    return CCommandLineTool::Usage(nStatus == 0 ? m_out : m_err, nStatus);
}
