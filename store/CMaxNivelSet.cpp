#include "store/CMaxNivelSet.h"

CMaxNivelSet::CMaxNivelSet(CDatabase* pDatabase)
    : CRecordset(pDatabase)
{
}

QString CMaxNivelSet::GetDefaultSQL() const
{
    return QStringLiteral("SELECT MAX(NIVEL) FROM PRECIOS");
}

void CMaxNivelSet::DoFieldExchange(CFieldExchange& fx)
{
    fx.Integer("[MAX(NIVEL)]", m_MAXNIVEL);
}
