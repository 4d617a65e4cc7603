#pragma once

#include <QLineEdit>

// A number typed in a dialog: digits, one decimal comma ("." is typed as
// ","), a leading "-" and, when allowed, one leading comparison sign ("<",
// "=", ">"). The field holds at most a given number of digits in all and of
// decimals; a keystroke that would break a limit does nothing.
class CNumberEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CNumberEdit(QWidget* parent = nullptr);

    // nDigits: digits in all (0: no limit); nDecimals: digits after the
    // comma (0: no decimal comma at all).
    void SetLimits(int nDigits, int nDecimals, bool bComparison = false);
    int MaxDigits() const { return m_nDigits; }
    int MaxDecimals() const { return m_nDecimals; }
    bool AllowsComparison() const { return m_bComparison; }

    // Whether ch, typed now over the selection or at the caret, gets in, and
    // as which character.
    bool AcceptChar(QChar& ch) const;
    // Whether a whole text keeps to the limits (after "." becomes ",").
    bool Fits(const QString& strText) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_nDigits = 0;
    int m_nDecimals = 0;
    bool m_bComparison = false;
};
