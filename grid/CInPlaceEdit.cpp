#include "grid/CInPlaceEdit.h"

#include "grid/CEditList.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace {

// However text gets into a number cell (typed, pasted, the selection pasted
// with the middle button, dropped, composed by an input method) only a
// number stays: digits and one decimal comma. Points are grouping when the
// text has a comma or more than one of them, else the decimal mark. A
// leading minus sign stays, as a stored negative number shows it.
class CNumberCellValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        const bool pointsGroup = input.contains(u',') || input.count(u'.') > 1;
        QString kept;
        kept.reserve(input.size());
        int nPos = pos;
        bool comma = false;
        for (qsizetype i = 0; i < input.size(); ++i) {
            QChar c = input[i];
            if (c == u'.' && !pointsGroup)
                c = u',';
            const bool keep = (c >= u'0' && c <= u'9') || (c == u',' && !comma) || (c == u'-' && i == 0);
            if (keep) {
                kept += c;
                comma = comma || c == u',';
            } else if (i < pos) {
                --nPos;
            }
        }
        input = kept;
        pos = qMax(0, nPos);
        return Acceptable;
    }
};

} // namespace

CInPlaceEdit::CInPlaceEdit(CEditList* pList, int nRow, int nCol, const QString& strText, bool bNumber,
                           Qt::Alignment align, int nLimit)
    : QLineEdit(pList->viewport())
    , CInPlaceEditor(pList, nRow, nCol)
    , m_bNumber(bNumber)
{
    setFrame(true);
    setAlignment(align | Qt::AlignVCenter);
    if (nLimit > 0)
        setMaxLength(nLimit);
    setText(strText);
    selectAll();
    if (m_bNumber) {
        setValidator(new CNumberCellValidator(this));
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
    }
}

bool CInPlaceEdit::FilterChar(QChar& ch) const
{
    if (!m_bNumber)
        return true;
    if (ch.isDigit())
        return true;
    if (ch != u'.' && ch != u',')
        return false;
    ch = u',';
    // One decimal comma at most, counting only the text that stays.
    QString strRest = text();
    if (hasSelectedText())
        strRest.remove(selectionStart(), selectedText().size());
    return !strRest.contains(u',');
}

void CInPlaceEdit::InsertFiltered(const QString& strText)
{
    for (QChar ch : strText) {
        if (ch.isPrint() && FilterChar(ch))
            insert(QString(ch));
    }
    Widen();
}

void CInPlaceEdit::Widen()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int nFrame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const QMargins margins = textMargins();
    const int nWanted = fontMetrics().horizontalAdvance(text()) + 5 + 2 * nFrame + 4 + margins.left() + margins.right();
    m_pList->WidenEditor(this, nWanted);
}

bool CInPlaceEdit::event(QEvent* event)
{
    // Tab and Shift+Tab move between cells, not between the window's widgets.
    if (event->type() == QEvent::KeyPress && HandleTab(static_cast<QKeyEvent*>(event), false))
        return true;
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    if (HandleNavigationKey(event))
        return;
    if (event == QKeySequence::Paste) {
        InsertFiltered(QGuiApplication::clipboard()->text());
        return;
    }
    const QString strTyped = event->text();
    if (!strTyped.isEmpty() && strTyped[0].isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        InsertFiltered(strTyped);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The line edit's own context menu takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        m_pList->EditorFocusLost(this);
}
