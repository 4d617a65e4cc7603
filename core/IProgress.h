#pragma once

#include <QString>

// What a long operation tells the window that shows its progress: a bar
// with a range, a position and a text drawn over it, and a static text
// beside the bar. The budget manager and the "Importar tarifa" dialog bind
// it to their progress controls; the command line and the tests use the
// silent defaults.
//
// Operations call these often (once per record or line); an implementation
// should keep each call cheap and repaint only what changed.
class IProgress
{
public:
    virtual ~IProgress() = default;

    virtual void SetRange(int nLower, int nUpper) {}
    virtual void SetStep(int nStep) {}
    virtual void SetPos(int nPos) {}
    virtual void StepIt() {}
    // The text drawn over the bar; empty shows the percentage.
    virtual void SetBarText(const QString& strText) {}
    virtual void ShowBar(bool bShow) {}
    // The static text beside the bar.
    virtual void SetStatusText(const QString& strText) {}
    virtual void ShowStatus(bool bShow) {}
    // Lets the window repaint and answer during a long run.
    virtual void PumpMessages() {}

    // The silent progress, for callers that show none.
    static IProgress& None()
    {
        static IProgress silent;
        return silent;
    }
};
