#pragma once

#include <QString>
#include <vector>

class CDateValue;

// Collects a record set's column bindings: which member holds which column,
// in binding order, and how the column is kept in the store.
class CFieldExchange
{
public:
    enum Kind {
        KindText,    // text, exchanged unchanged
        KindInteger, // text member, kept as an integer so SQL orders it numerically
        KindDate     // date-time member
    };

    struct Binding {
        QString column;
        Kind kind;
        void* pValue;
    };

    void Text(const char* column, QString& value);
    void Integer(const char* column, QString& value);
    void Date(const char* column, CDateValue& value);

    const std::vector<Binding>& Bindings() const { return m_bindings; }

private:
    std::vector<Binding> m_bindings;
};
