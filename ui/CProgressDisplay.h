#pragma once

#include "core/IProgress.h"

class CProgressBarText;
class QLabel;

// Shows a long operation's progress on a window's bar and the static text
// beside it, both repainted as they change.
class CProgressDisplay : public IProgress
{
public:
    CProgressDisplay(CProgressBarText* pBar, QLabel* pText);

    void SetRange(int nLower, int nUpper) override;
    void SetStep(int nStep) override;
    void SetPos(int nPos) override;
    void StepIt() override;
    void SetBarText(const QString& strText) override;
    void ShowBar(bool bShow) override;
    void SetStatusText(const QString& strText) override;
    void ShowStatus(bool bShow) override;
    void PumpMessages() override;

private:
    CProgressBarText* m_pBar;
    QLabel* m_pText;
};
