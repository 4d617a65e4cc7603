#include "grid/CNoSeparatorMemo.h"

#include <QKeyEvent>
#include <QMimeData>

CNoSeparatorMemo::CNoSeparatorMemo(QWidget* parent)
    : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, &CNoSeparatorMemo::CutToMaxLength);
}

void CNoSeparatorMemo::CutToMaxLength()
{
    if (m_nMaxLength <= 0)
        return;
    QString text = toPlainText();
    if (text.size() <= m_nMaxLength)
        return;
    text.truncate(m_nMaxLength);
    const QSignalBlocker blocker(this);
    setPlainText(text);
    moveCursor(QTextCursor::End);
}

void CNoSeparatorMemo::keyPressEvent(QKeyEvent* event)
{
    if (event->text().contains(u'|')) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CNoSeparatorMemo::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText())
        return;
    QString strText = source->text();
    strText.remove(u'|');
    insertPlainText(strText);
}
