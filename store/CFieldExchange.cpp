#include "store/CFieldExchange.h"

void CFieldExchange::Text(const char* column, QString& value)
{
    m_bindings.push_back({QString::fromLatin1(column), KindText, &value});
}

void CFieldExchange::Integer(const char* column, QString& value)
{
    m_bindings.push_back({QString::fromLatin1(column), KindInteger, &value});
}

void CFieldExchange::Date(const char* column, CDateValue& value)
{
    m_bindings.push_back({QString::fromLatin1(column), KindDate, &value});
}
