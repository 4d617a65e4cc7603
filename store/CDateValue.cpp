#include "store/CDateValue.h"

namespace {
const QString kStoreFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

CDateValue::CDateValue(const QDateTime& dateTime)
    : m_dateTime(dateTime)
{
}

CDateValue CDateValue::Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    // The store keeps whole seconds; so does the value, so that it compares
    // equal to what it reads back.
    return CDateValue(now.addMSecs(-now.time().msec()));
}

CDateValue CDateValue::Null()
{
    return CDateValue();
}

CDateValue CDateValue::FromStore(const QString& strText)
{
    const QString text = strText.trimmed();
    if (text.isEmpty())
        return CDateValue();
    QDateTime value = QDateTime::fromString(text, kStoreFormat);
    if (!value.isValid())
        value = QDateTime::fromString(text, Qt::ISODate);
    if (!value.isValid())
        value = QDateTime(QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return CDateValue(value);
}

QString CDateValue::ToStore() const
{
    return IsNull() ? QString() : m_dateTime.toString(kStoreFormat);
}

QString CDateValue::Format() const
{
    return IsNull() ? QString() : m_dateTime.toString(QStringLiteral("dd/MM/yyyy"));
}

bool CDateValue::operator==(const CDateValue& other) const
{
    if (IsNull() || other.IsNull())
        return IsNull() == other.IsNull();
    return m_dateTime == other.m_dateTime;
}
