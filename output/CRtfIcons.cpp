#include "output/CRtfIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kInk(50, 50, 50);

QPixmap Canvas()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap Letter(const QString& strLetter, bool bBold, bool bItalic, bool bUnderline, const QColor& bar = QColor())
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(13);
    font.setBold(bBold);
    font.setItalic(bItalic);
    font.setUnderline(bUnderline);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRect(0, bar.isValid() ? -2 : 0, 16, 16), Qt::AlignCenter, strLetter);
    if (bar.isValid())
        p.fillRect(QRect(2, 12, 12, 3), bar);
    return pixmap;
}

// Lines of text: each entry is the line's left end and length.
QPixmap Lines(const std::initializer_list<std::pair<int, int>>& lines, int nTop = 2)
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setPen(kInk);
    int y = nTop;
    for (const auto& [x, length] : lines) {
        p.drawLine(x, y, x + length - 1, y);
        y += 3;
    }
    return pixmap;
}

QPixmap Bullets()
{
    QPixmap pixmap = Lines({{6, 9}, {6, 9}, {6, 9}, {6, 9}}, 3);
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int y = 2; y <= 11; y += 3)
        p.drawRect(2, y, 2, 2);
    return pixmap;
}

QPixmap Indent(bool bMore)
{
    QPixmap pixmap = Lines({{1, 14}, {7, 8}, {7, 8}, {7, 8}, {1, 14}}, 2);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 180));
    QPainterPath arrow;
    if (bMore) {
        arrow.moveTo(1, 5);
        arrow.lineTo(5, 8);
        arrow.lineTo(1, 11);
    } else {
        arrow.moveTo(5, 5);
        arrow.lineTo(1, 8);
        arrow.lineTo(5, 11);
    }
    arrow.closeSubpath();
    p.drawPath(arrow);
    return pixmap;
}

void Sheet(QPainter& p, int x, int y)
{
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(x, y, 8, 10);
    p.drawLine(x + 2, y + 3, x + 6, y + 3);
    p.drawLine(x + 2, y + 6, x + 6, y + 6);
}

QPixmap Copy()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    Sheet(p, 1, 1);
    Sheet(p, 6, 5);
    return pixmap;
}

QPixmap Paste()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setPen(QColor(110, 70, 20));
    p.setBrush(QColor(200, 150, 80));
    p.drawRect(1, 2, 10, 13);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(4, 0, 4, 3);
    Sheet(p, 6, 5);
    return pixmap;
}

QPixmap Cut()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(QPointF(4, 1), QPointF(10.5, 10));
    p.drawLine(QPointF(12, 1), QPointF(5.5, 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4, 12.5), 2.5, 2.5);
    p.drawEllipse(QPointF(12, 12.5), 2.5, 2.5);
    return pixmap;
}

QPixmap Undo()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 90, 180), 1.8));
    QPainterPath curve;
    curve.moveTo(4, 6);
    curve.cubicTo(9, 2, 15, 5, 13, 11);
    curve.lineTo(11, 14);
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 180));
    QPainterPath head;
    head.moveTo(1, 6);
    head.lineTo(7, 2);
    head.lineTo(7, 10);
    head.closeSubpath();
    p.drawPath(head);
    return pixmap;
}

QPixmap Save()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setPen(QColor(20, 40, 100));
    p.setBrush(QColor(60, 100, 190));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(3, 9, 9, 5);
    return pixmap;
}

} // namespace

QIcon CRtfIcons::Icon(Kind kind)
{
    switch (kind) {
    case Save:
        return QIcon(::Save());
    case Cut:
        return QIcon(::Cut());
    case Copy:
        return QIcon(::Copy());
    case Paste:
        return QIcon(::Paste());
    case Undo:
        return QIcon(::Undo());
    case Bold:
        return QIcon(Letter(QStringLiteral("N"), true, false, false));
    case Italic:
        return QIcon(Letter(QStringLiteral("K"), false, true, false));
    case Underline:
        return QIcon(Letter(QStringLiteral("S"), false, false, true));
    case AlignLeft:
        return QIcon(Lines({{1, 14}, {1, 9}, {1, 14}, {1, 9}, {1, 14}}));
    case AlignCenter:
        return QIcon(Lines({{1, 14}, {4, 8}, {1, 14}, {4, 8}, {1, 14}}));
    case AlignRight:
        return QIcon(Lines({{1, 14}, {6, 9}, {1, 14}, {6, 9}, {1, 14}}));
    case Color:
        return QIcon(Letter(QStringLiteral("A"), true, false, false, QColor(220, 30, 30)));
    case Bullets:
        return QIcon(::Bullets());
    case IndentMore:
        return QIcon(Indent(true));
    case IndentLess:
        return QIcon(Indent(false));
    }
    return {};
}
