#include "grid/CDateField.h"

#include <QKeyEvent>

namespace {

// The lowest value of the field stands for "no date"; the field shows it as
// a blank.
QDateTime EmptyValue()
{
    return QDateTime(QDate(1752, 9, 14), QTime(0, 0));
}

} // namespace

CDateField::CDateField(QWidget* parent)
    : QDateTimeEdit(parent)
{
    setMinimumDateTime(EmptyValue());
    setSpecialValueText(QStringLiteral(" "));
    SetFormat(QStringLiteral("dd/MM/yyyy"));
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &CDateField::OnDateTimeChanged);
    SetEmpty();
}

void CDateField::SetFormat(const QString& strFormat)
{
    m_strFormat = strFormat;
    setDisplayFormat(strFormat);
}

bool CDateField::IsEmpty() const
{
    return dateTime() <= EmptyValue();
}

void CDateField::SetEmpty()
{
    SetValue(EmptyValue());
}

void CDateField::SetValue(const QDateTime& dateTime)
{
    m_bSetting = true;
    setDateTime(dateTime.isValid() ? dateTime : EmptyValue());
    m_bWasEmpty = IsEmpty();
    m_bSetting = false;
}

void CDateField::SetDateValue(const CDateValue& value)
{
    SetValue(value.IsNull() ? EmptyValue() : value.DateTime());
}

CDateValue CDateField::DateValue() const
{
    return IsEmpty() ? CDateValue::Null() : CDateValue(dateTime());
}

QDateTime CDateField::NowForFormat() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QTime time = now.time();
    const bool bHours = m_strFormat.contains(u'H') || m_strFormat.contains(u'h');
    const QTime kept(bHours ? time.hour() : 0,
                     m_strFormat.contains(u'm') ? time.minute() : 0,
                     m_strFormat.contains(u's') ? time.second() : 0);
    return QDateTime(now.date(), kept);
}

void CDateField::FillNow()
{
    SetValue(NowForFormat());
}

void CDateField::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        if (!IsEmpty())
            SetEmpty();
        return;
    case Qt::Key_Insert:
        if (IsEmpty())
            FillNow();
        return;
    default:
        QDateTimeEdit::keyPressEvent(event);
    }
}

void CDateField::OnDateTimeChanged(const QDateTime&)
{
    if (m_bSetting)
        return;
    // Stepping away from the blank starts from today, not from 1752.
    if (m_bWasEmpty && !IsEmpty()) {
        SetValue(NowForFormat());
        return;
    }
    m_bWasEmpty = IsEmpty();
}
