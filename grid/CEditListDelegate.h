#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

class CEditList;

// Paints the cells of an editable list: the row's own colours and font
// weight per cell, and in the first column the indent, the state mark and
// the item image before the text.
class CEditListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CEditListDelegate(CEditList* pList);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Horizontal padding between a cell's edge and its text.
    static constexpr int TextMargin = 6;
    // Width of the indent step, the state mark and the item image.
    static constexpr int ImageSize = 16;

    static void DrawStateMark(QPainter* painter, const QRect& rc, int nState, const QColor& color);

private:
    CEditList* m_pList;
    QPixmap m_images[3];
};
