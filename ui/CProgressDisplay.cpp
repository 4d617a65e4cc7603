#include "ui/CProgressDisplay.h"

#include "ui/CProgressBarText.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>

CProgressDisplay::CProgressDisplay(CProgressBarText* pBar, QLabel* pText)
    : m_pBar(pBar)
    , m_pText(pText)
{
}

void CProgressDisplay::SetRange(int nLower, int nUpper)
{
    m_pBar->SetRange32(nLower, nUpper);
}

void CProgressDisplay::SetStep(int nStep)
{
    m_pBar->SetStep(nStep);
}

void CProgressDisplay::SetPos(int nPos)
{
    m_pBar->SetPos(nPos);
}

void CProgressDisplay::StepIt()
{
    m_pBar->StepIt();
}

void CProgressDisplay::SetBarText(const QString& strText)
{
    m_pBar->SetWindowText(strText);
}

void CProgressDisplay::ShowBar(bool bShow)
{
    m_pBar->setVisible(bShow);
}

void CProgressDisplay::SetStatusText(const QString& strText)
{
    if (m_pText->text() == strText)
        return;
    m_pText->setText(strText);
    m_pText->repaint();
}

void CProgressDisplay::ShowStatus(bool bShow)
{
    m_pText->setVisible(bShow);
}

void CProgressDisplay::PumpMessages()
{
    // A few times a second is enough for the window to repaint and stay
    // alive; the user's input waits until the work is done.
    static QElapsedTimer last;
    if (last.isValid() && last.elapsed() < 100)
        return;
    last.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
