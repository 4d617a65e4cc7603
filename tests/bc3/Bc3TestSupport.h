#pragma once

#include "core/IProgress.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A BC3 text from its records, one per line as most programs write them.
inline QByteArray Bc3File(const QList<QByteArray>& records)
{
    QByteArray text;
    for (const QByteArray& record : records)
        text += record + "\r\n";
    return text;
}

// Remembers what an operation told its progress bar and status text.
class CRecordingProgress : public IProgress
{
public:
    void SetRange(int nLower, int nUpper) override { m_events << QStringLiteral("range %1 %2").arg(nLower).arg(nUpper); m_nPos = nLower; }
    void SetPos(int nPos) override { m_nPos = nPos; }
    void StepIt() override { ++m_nPos; }
    void SetBarText(const QString& strText) override { m_barTexts << strText; }
    void ShowBar(bool bShow) override { m_events << (bShow ? QStringLiteral("show bar") : QStringLiteral("hide bar")); }
    void SetStatusText(const QString& strText) override { m_statusTexts << strText; }
    void ShowStatus(bool bShow) override { m_events << (bShow ? QStringLiteral("show status") : QStringLiteral("hide status")); }
    void PumpMessages() override { ++m_nPumps; }

    QStringList m_events;
    QStringList m_barTexts;
    QStringList m_statusTexts;
    int m_nPos = 0;
    int m_nPumps = 0;
};
