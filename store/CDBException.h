#pragma once

#include <QString>
#include <stdexcept>

// A database error. Carries the driver's own text, as the user is shown it.
class CDBException : public std::runtime_error
{
public:
    explicit CDBException(const QString& strError);

    QString m_strError;
};
