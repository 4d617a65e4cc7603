#include "grid/CInPlaceEdit.h"

#include "grid/CEditList.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

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
        // Pasted or dropped text would bypass the character filter.
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
