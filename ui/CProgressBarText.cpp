#include "ui/CProgressBarText.h"

#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

int Saturate(qint64 nValue)
{
    return int(std::clamp<qint64>(nValue, INT_MIN, INT_MAX));
}

} // namespace

CProgressBarText::CProgressBarText(QWidget* pParent)
    : QProgressBar(pParent)
{
}

void CProgressBarText::SetRange(quint16 nLower, quint16 nUpper)
{
    SetRange32(nLower, nUpper);
}

void CProgressBarText::SetRange32(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
}

int CProgressBarText::GetRange(bool bLow, Range* pRange) const
{
    if (pRange) {
        pRange->iLow = m_nLower;
        pRange->iHigh = m_nUpper;
    }
    return bLow ? m_nLower : m_nUpper;
}

int CProgressBarText::SetPos(int nPos)
{
    if (!testAttribute(Qt::WA_WState_Created)) {
        m_nPos = nPos;
        return -1;
    }
    const int nOld = m_nPos;
    m_nPos = nPos;
    const int nFilled = FilledLength(BarLength());
    if (nFilled != m_nFilledExtent) {
        m_nFilledExtent = nFilled;
        repaint();
    }
    return nOld;
}

int CProgressBarText::OffsetPos(int nDelta)
{
    return SetPos(Saturate(qint64(m_nPos) + nDelta));
}

int CProgressBarText::StepIt()
{
    return SetPos(Saturate(qint64(m_nPos) + m_nStep));
}

int CProgressBarText::SetStep(int nStep)
{
    return std::exchange(m_nStep, nStep);
}

QColor CProgressBarText::Repaint(QColor& member, const QColor& colour)
{
    const QColor old = std::exchange(member, colour);
    repaint();
    return old;
}

QColor CProgressBarText::SetBarColour(const QColor& colour)
{
    return Repaint(m_clrBar, colour);
}

QColor CProgressBarText::SetBkColour(const QColor& colour)
{
    return Repaint(m_clrBk, colour);
}

QColor CProgressBarText::SetTextColour(const QColor& colour)
{
    return Repaint(m_clrText, colour);
}

void CProgressBarText::ShowText(bool bShow)
{
    if (bShow == m_bShowText)
        return;
    m_bShowText = bShow;
    repaint();
}

void CProgressBarText::SetWindowText(const QString& strText)
{
    if (strText == m_strText || (strText.isEmpty() && m_strText.isEmpty()))
        return;
    m_strText = strText;
    repaint();
}

int CProgressBarText::GetWindowText(QString& strText, int nMaxCount) const
{
    const int nCount = int(std::clamp<qsizetype>(m_strText.size(), 0, std::max(nMaxCount, 0)));
    strText = m_strText.left(nCount);
    return nCount;
}

QString CProgressBarText::text() const
{
    if (!m_strText.isEmpty())
        return m_strText;
    if (m_nLower >= m_nUpper)
        return QString();
    // Exact integer arithmetic: in floating point 29 of 100 would show 28%.
    const qint64 nPercent = (qint64(m_nPos) - m_nLower) * 100 / (qint64(m_nUpper) - m_nLower);
    return QStringLiteral("%1%").arg(nPercent);
}

int CProgressBarText::FilledLength(int nLength) const
{
    if (m_nLower >= m_nUpper)
        return 0;
    return Saturate((qint64(m_nPos) - m_nLower) * nLength / (qint64(m_nUpper) - m_nLower));
}

int CProgressBarText::BarLength() const
{
    return orientation() == Qt::Vertical ? height() : width();
}

void CProgressBarText::resizeEvent(QResizeEvent* pEvent)
{
    QProgressBar::resizeEvent(pEvent);
    m_nFilledExtent = -1;
}

void CProgressBarText::paintEvent(QPaintEvent*)
{
    const QRect client = rect();
    if (m_nLower >= m_nUpper || client.isEmpty())
        return;

    const QColor clrBar = m_clrBar.isValid() ? m_clrBar : palette().color(QPalette::Highlight);
    const QColor clrBk = m_clrBk.isValid() ? m_clrBk : palette().color(QPalette::Base);
    const bool bVertical = orientation() == Qt::Vertical;

    // Past the upper end the filled part runs beyond the bar and is cut
    // at its edge; below the lower end there is none.
    QRect filled;
    QRect empty;
    if (bVertical) {
        const int nFilled = std::clamp(FilledLength(client.height()), 0, client.height());
        filled = QRect(0, client.height() - nFilled, client.width(), nFilled);
        empty = QRect(0, 0, client.width(), client.height() - nFilled);
    } else {
        const int nFilled = std::clamp(FilledLength(client.width()), 0, client.width());
        filled = QRect(0, 0, nFilled, client.height());
        empty = QRect(nFilled, 0, client.width() - nFilled, client.height());
    }

    // Drawn off screen and copied in one go, so the text never flickers
    // over a half-painted bar.
    const qreal dRatio = devicePixelRatioF();
    QPixmap buffer(client.size() * dRatio);
    buffer.setDevicePixelRatio(dRatio);
    {
        QPainter painter(&buffer);
        painter.setFont(parentWidget() ? parentWidget()->font() : font());
        painter.fillRect(filled, clrBar);
        painter.fillRect(empty, clrBk);
        if (m_bShowText && !bVertical) {
            const QString strText = text();
            if (!filled.isEmpty()) {
                painter.setClipRect(filled);
                painter.setPen(m_clrText.isValid() ? m_clrText : clrBk);
                painter.drawText(client, m_nTextFormat, strText);
            }
            if (!empty.isEmpty()) {
                painter.setClipRect(empty);
                painter.setPen(m_clrText.isValid() ? m_clrText : clrBar);
                painter.drawText(client, m_nTextFormat, strText);
            }
        }
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}
