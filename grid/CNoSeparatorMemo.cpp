#include "grid/CNoSeparatorMemo.h"

#include <QKeyEvent>
#include <QMimeData>

CNoSeparatorMemo::CNoSeparatorMemo(QWidget* parent)
    : QPlainTextEdit(parent)
{
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
