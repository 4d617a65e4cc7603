#pragma once

#include <QDateTime>
#include <QString>

// A date-time column value with its validity: a NULL date reads as null.
class CDateValue
{
public:
    CDateValue() = default;
    explicit CDateValue(const QDateTime& dateTime);

    static CDateValue Now();
    static CDateValue Null();
    static CDateValue FromStore(const QString& strText);

    bool IsNull() const { return !m_dateTime.isValid(); }
    const QDateTime& DateTime() const { return m_dateTime; }
    void SetDateTime(const QDateTime& dateTime) { m_dateTime = dateTime; }
    void SetNull() { m_dateTime = QDateTime(); }

    // "yyyy-MM-dd HH:mm:ss", the form the store keeps; empty when null.
    QString ToStore() const;
    // "%d/%m/%Y" as the grids show it; empty when null.
    QString Format() const;

    bool operator==(const CDateValue& other) const;

private:
    QDateTime m_dateTime;
};
