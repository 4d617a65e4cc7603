#include "grid/CNumberEdit.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

bool IsComparison(QChar ch)
{
    return ch == u'<' || ch == u'=' || ch == u'>';
}

// Pasted and dropped text goes through the same limits as typed text.
class NumberValidator : public QValidator
{
public:
    explicit NumberValidator(CNumberEdit* pEdit)
        : QValidator(pEdit)
        , m_pEdit(pEdit)
    {
    }

    State validate(QString& input, int&) const override
    {
        input.replace(u'.', u',');
        return m_pEdit->Fits(input) ? Acceptable : Invalid;
    }

private:
    CNumberEdit* m_pEdit;
};

} // namespace

CNumberEdit::CNumberEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new NumberValidator(this));
}

void CNumberEdit::SetLimits(int nDigits, int nDecimals, bool bComparison)
{
    m_nDigits = qMax(0, nDigits);
    m_nDecimals = qMax(0, nDecimals);
    m_bComparison = bComparison;
}

bool CNumberEdit::Fits(const QString& strText) const
{
    qsizetype i = 0;
    if (i < strText.size() && IsComparison(strText[i])) {
        if (!m_bComparison)
            return false;
        ++i;
    }
    if (i < strText.size() && strText[i] == u'-')
        ++i;
    int nDigits = 0;
    int nDecimals = 0;
    bool bSeparator = false;
    for (; i < strText.size(); ++i) {
        const QChar ch = strText[i];
        if (ch.isDigit()) {
            ++nDigits;
            if (bSeparator)
                ++nDecimals;
        } else if (ch == u',' && !bSeparator && m_nDecimals > 0) {
            bSeparator = true;
        } else {
            return false;
        }
    }
    if (m_nDigits > 0 && nDigits > m_nDigits)
        return false;
    return nDecimals <= m_nDecimals;
}

bool CNumberEdit::AcceptChar(QChar& ch) const
{
    QString strRest = text();
    int nCaret = cursorPosition();
    if (hasSelectedText()) {
        nCaret = selectionStart();
        strRest.remove(nCaret, selectedText().size());
    }
    int nSigns = 0;
    while (nSigns < strRest.size() && IsComparison(strRest[nSigns]))
        ++nSigns;

    if (ch == u'.' || ch == u',') {
        if (m_nDecimals <= 0 || strRest.contains(u',') || strRest.contains(u'.'))
            return false;
        ch = u',';
    } else if (ch == u'-') {
        // Only at the start, or just after the comparison sign.
        return !strRest.contains(u'-') && (strRest.isEmpty() || nCaret == nSigns);
    } else if (IsComparison(ch)) {
        return m_bComparison && nSigns == 0 && nCaret == 0;
    } else if (!ch.isDigit()) {
        return false;
    }
    QString strResult = strRest;
    strResult.insert(nCaret, ch);
    return Fits(strResult);
}

void CNumberEdit::keyPressEvent(QKeyEvent* event)
{
    // A read-only field takes no typing: the line edit's own handling keeps out.
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString strTyped = event->text();
    if (strTyped.size() == 1 && strTyped[0].isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QChar ch = strTyped[0];
        if (AcceptChar(ch))
            insert(QString(ch));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
