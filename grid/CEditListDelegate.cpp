#include "grid/CEditListDelegate.h"

#include "grid/CEditList.h"
#include "ui/CToolbarIcons.h"

#include <QApplication>
#include <QPainter>

CEditListDelegate::CEditListDelegate(CEditList* pList)
    : QStyledItemDelegate(pList)
    , m_pList(pList)
{
    for (int i = 0; i < 3; ++i)
        m_images[i] = CToolbarIcons::ItemImage(i);
}

void CEditListDelegate::DrawStateMark(QPainter* painter, const QRect& rc, int nState, const QColor& color)
{
    if (nState != 1 && nState != 2)
        return;
    const QRect box(rc.center().x() - 4, rc.center().y() - 4, 8, 8);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QColor(128, 128, 128));
    painter->setBrush(Qt::white);
    painter->drawRect(box);
    painter->setPen(color);
    const int y = box.top() + 4;
    painter->drawLine(box.left() + 2, y, box.right() - 2, y);
    if (nState == 1) {
        const int x = box.left() + 4;
        painter->drawLine(x, box.top() + 2, x, box.bottom() - 2);
    }
    painter->restore();
}

void CEditListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int nRow = index.row();
    const int nCol = index.column();
    m_pList->GetCellColors(nRow, nCol);
    const int nWeight = m_pList->GetCellFontWeight(nRow, nCol);

    QColor crText = m_pList->CurrentTextColor();
    QColor crBack = m_pList->CurrentBkColor();
    const bool bHighlighted = (option.state & QStyle::State_Selected) || m_pList->DropTarget() == nRow;
    if (bHighlighted) {
        const QPalette::ColorGroup group = (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
        crBack = option.palette.color(group, QPalette::Highlight);
        crText = option.palette.color(group, QPalette::HighlightedText);
    }

    painter->save();
    painter->fillRect(option.rect, crBack);

    QRect rcText = option.rect.adjusted(TextMargin, 0, -TextMargin, 0);
    if (nCol == 0) {
        const int nIndent = m_pList->GetItemIndent(nRow);
        int x = option.rect.left() + nIndent * ImageSize;
        if (m_pList->HasTreeImages()) {
            const QRect rcState(x, option.rect.top(), ImageSize, option.rect.height());
            DrawStateMark(painter, rcState, m_pList->GetItemStateImage(nRow), QColor(0, 0, 0));
            x += ImageSize;
            const int nImage = m_pList->GetItemImage(nRow);
            if (nImage >= 0 && nImage < 3) {
                const int y = option.rect.top() + (option.rect.height() - ImageSize) / 2;
                painter->drawPixmap(x, y, m_images[nImage]);
            }
            x += ImageSize;
        }
        rcText.setLeft(x + TextMargin - 2);
    }

    const QString strText = m_pList->GetItemText(nRow, nCol);
    if (!strText.isEmpty() && rcText.width() > 0) {
        QFont font = option.font;
        font.setWeight(QFont::Weight(qBound(1, nWeight, 1000)));
        painter->setFont(font);
        painter->setPen(crText);
        Qt::Alignment align = Qt::AlignLeft;
        switch (m_pList->Column(nCol).nAlign) {
        case ColumnInfo::Right:
            align = Qt::AlignRight;
            break;
        case ColumnInfo::Center:
            align = Qt::AlignHCenter;
            break;
        default:
            break;
        }
        const QString strShown = painter->fontMetrics().elidedText(strText, Qt::ElideRight, rcText.width());
        painter->drawText(rcText, int(align | Qt::AlignVCenter | Qt::TextSingleLine), strShown);
    }
    // The current cell, which F2, Enter and typing edit, is framed.
    if (m_pList->IsEditEnabled() && nCol == m_pList->CurrentColumn() && nRow == m_pList->GetFocusItem()) {
        painter->setPen(QPen(crText, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize CEditListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QFontMetrics metrics(option.font);
    const int nHeight = qMax(metrics.height() + 4, ImageSize + 2);
    int nWidth = metrics.horizontalAdvance(m_pList->GetItemText(index.row(), index.column())) + 2 * TextMargin;
    if (index.column() == 0)
        nWidth += m_pList->TextOffset(index.row());
    return QSize(nWidth, nHeight);
}
