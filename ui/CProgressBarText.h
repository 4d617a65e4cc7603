#pragma once

#include <QColor>
#include <QProgressBar>
#include <QString>

// A progress bar that paints itself and writes over the bar either the
// percentage reached or a caller's own text ("Importando desglose 37%").
// Without a text colour the text shows in inverse colours: in the
// background colour where the bar has passed, in the bar colour elsewhere.
//
// It is driven through the operations below, the way the long imports and
// the budget manager drive their progress; QProgressBar's own value and
// range are not used. Every change that shows is painted at once, because
// those operations run on the GUI thread without returning to the event
// loop. A position that does not change the filled length in pixels is not
// painted again.
class CProgressBarText : public QProgressBar
{
    Q_OBJECT

public:
    struct Range {
        int iLow = 0;
        int iHigh = 0;
    };

    explicit CProgressBarText(QWidget* pParent = nullptr);

    // 16-bit range, each end in 0..65535.
    void SetRange(quint16 nLower, quint16 nUpper);
    void SetRange32(int nLower, int nUpper);
    // The lower end when bLow is set, otherwise the upper; fills pRange
    // when one is given.
    int GetRange(bool bLow, Range* pRange = nullptr) const;

    // Each returns the previous position, or -1 while the control has no
    // window yet (the position is kept for when it gets one). Positions
    // saturate instead of wrapping around.
    int SetPos(int nPos);
    int OffsetPos(int nDelta);
    int StepIt();
    int SetStep(int nStep); // returns the previous step
    int GetPos() const { return m_nPos; }

    // An invalid colour is the default: the palette's highlight for the
    // bar, its base colour for the background, inverse colours for the text.
    // Each returns the previous colour.
    QColor SetBarColour(const QColor& colour);
    QColor SetBkColour(const QColor& colour);
    QColor SetTextColour(const QColor& colour);

    void ShowText(bool bShow);
    bool IsTextShown() const { return m_bShowText; }

    // A text that replaces the percentage; an empty one brings it back.
    void SetWindowText(const QString& strText);
    QString GetWindowText() const { return m_strText; }
    // Copies at most nMaxCount characters; returns how many were copied.
    int GetWindowText(QString& strText, int nMaxCount) const;

    // The text written over the bar: the window text or the percentage.
    QString text() const override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    // Filled part along an extent of nLength pixels, truncated toward zero;
    // beyond nLength when the position is past the upper end.
    int FilledLength(int nLength) const;
    int BarLength() const;
    QColor Repaint(QColor& member, const QColor& colour);

    int m_nPos = 0;
    int m_nStep = 1;
    int m_nUpper = 100;
    int m_nLower = 0;
    bool m_bShowText = true;
    QString m_strText;
    QColor m_clrBar;
    QColor m_clrBk;
    QColor m_clrText;
    int m_nTextFormat = Qt::AlignCenter | Qt::TextSingleLine;
    int m_nFilledExtent = -1; // last painted filled length, -1 until painted and after a resize
};
