#include "ui/CSortHeaderCtrl.h"

#include <QPainter>

CSortHeaderCtrl::CSortHeaderCtrl(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    connect(this, &QHeaderView::sectionPressed, this, [this](int nSection) {
        m_nPressed = nSection;
        viewport()->update();
    });
}

void CSortHeaderCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    m_nPressed = -1;
    QHeaderView::mouseReleaseEvent(event);
    viewport()->update();
}

void CSortHeaderCtrl::SetSortImage(int nColumn, bool bAscending)
{
    m_nSortColumn = nColumn;
    m_bSortAscending = bAscending;
    viewport()->update();
}

QRect CSortHeaderCtrl::MarkRect(const QRect& rcItem)
{
    const int q = rcItem.height() / 4;
    return QRect(QPoint(rcItem.right() + 1 - 3 * q, rcItem.top() + q),
                 QPoint(rcItem.right() - q, rcItem.bottom() - q));
}

QRect CSortHeaderCtrl::TitleRect(const QRect& rcItem, bool bSortColumn, bool bPressed)
{
    QRect rc = rcItem;
    if (bPressed)
        rc.adjust(1, 2, 1, 0);
    const int q = rcItem.height() / 4;
    rc.adjust(q, 0, -q, 0);
    if (bSortColumn)
        rc.adjust(0, 0, -3 * q, 0);
    return rc;
}

void CSortHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    painter->save();
    painter->setClipRect(rect);
    const QPalette& pal = palette();
    painter->fillRect(rect, pal.button());

    // The raised edge of a header button.
    painter->setPen(pal.color(QPalette::Light));
    painter->drawLine(rect.topLeft(), rect.topRight());
    painter->drawLine(rect.topLeft(), rect.bottomLeft());
    painter->setPen(pal.color(QPalette::Dark));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());

    const bool bSortColumn = logicalIndex == m_nSortColumn;
    const bool bPressed = sectionsClickable() && logicalIndex == m_nPressed;
    const QRect rcText = TitleRect(rect, bSortColumn, bPressed);

    if (rcText.width() > 0 && model()) {
        const QString strTitle = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        const QVariant align = model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole);
        Qt::Alignment horizontal = Qt::AlignLeft;
        if (align.isValid())
            horizontal = Qt::Alignment(align.toInt()) & Qt::AlignHorizontal_Mask;
        if (!(horizontal & (Qt::AlignRight | Qt::AlignHCenter)))
            horizontal = Qt::AlignLeft;
        painter->setPen(pal.color(QPalette::ButtonText));
        painter->setFont(font());
        const QString strShown = painter->fontMetrics().elidedText(strTitle, Qt::ElideRight, rcText.width());
        painter->drawText(rcText, int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), strShown);
    }

    if (bSortColumn) {
        const QRect rcMark = MarkRect(rect);
        const QColor crLight = pal.color(QPalette::Light);
        // A touch darker than the edge shadow, so that the mark reads on every style.
        const QColor crShadow = pal.color(QPalette::Dark).darker(125);
        const int left = rcMark.left();
        const int right = rcMark.right();
        const int top = rcMark.top();
        const int bottom = rcMark.bottom();
        const int middle = (left + right) / 2;
        painter->setRenderHint(QPainter::Antialiasing, false);
        if (m_bSortAscending) {
            // Apex at the top: the lit side is the right one and the base.
            painter->setPen(QPen(crLight, 1));
            painter->drawLine(middle, top, right, bottom);
            painter->drawLine(right, bottom, left, bottom);
            painter->setPen(QPen(crShadow, 1));
            painter->drawLine(left, bottom, middle, top);
        } else {
            // Base at the top, in shadow with the left side.
            painter->setPen(QPen(crLight, 1));
            painter->drawLine(right, top, middle, bottom);
            painter->setPen(QPen(crShadow, 1));
            painter->drawLine(middle, bottom, left, top);
            painter->drawLine(left, top, right, top);
        }
    }
    painter->restore();
}
