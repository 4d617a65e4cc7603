#pragma once

#include "store/CDateValue.h"

#include <QDateTimeEdit>

// A date (and time) field that may be empty. An empty field shows a single
// blank. Delete empties it; Insert, on an empty field, fills in the current
// date with as much of the time as its format shows; stepping an empty field
// fills in the current date the same way.
class CDateField : public QDateTimeEdit
{
    Q_OBJECT

public:
    explicit CDateField(QWidget* parent = nullptr);

    // The Qt display format used while the field holds a date.
    void SetFormat(const QString& strFormat);
    const QString& Format() const { return m_strFormat; }

    bool IsEmpty() const;
    void SetEmpty();
    void SetValue(const QDateTime& dateTime);
    void SetDateValue(const CDateValue& value);
    CDateValue DateValue() const;

    // Now, without the parts of the time the format does not show.
    QDateTime NowForFormat() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Insert on an empty field.
    virtual void FillNow();

private:
    void OnDateTimeChanged(const QDateTime& dateTime);

    QString m_strFormat;
    bool m_bWasEmpty = false;
    bool m_bSetting = false;
};
