#include "store/CDBException.h"

CDBException::CDBException(const QString& strError)
    : std::runtime_error(strError.toStdString())
    , m_strError(strError)
{
}
