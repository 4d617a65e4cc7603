#include "ui/CToolbarIcons.h"

#include "app/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap Canvas(int size = 16)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void Sheet(QPainter& p, const QColor& fill)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(fill);
    p.drawRect(QRectF(2.5, 1.5, 11, 13));
}

QPixmap Letter(const QString& text, const QColor& background)
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(background.darker(140));
    p.setBrush(background);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 1 ? 8 : 11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
    return pixmap;
}

QPixmap Folder(bool open, const QString& badge = {})
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
    if (open) {
        QPainterPath flap;
        flap.moveTo(3.5, 7.5);
        flap.lineTo(15.5, 7.5);
        flap.lineTo(13.5, 13.5);
        flap.lineTo(1.5, 13.5);
        flap.closeSubpath();
        p.setBrush(QColor(250, 225, 140));
        p.drawPath(flap);
    }
    if (!badge.isEmpty()) {
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(8);
        p.setFont(font);
        p.setPen(QColor(120, 60, 0));
        p.drawText(QRect(1, 5, 14, 9), Qt::AlignCenter, badge);
    }
    return pixmap;
}

QPixmap Concept()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    Sheet(p, Qt::white);
    p.setPen(QColor(90, 120, 200));
    for (int y = 5; y <= 11; y += 3)
        p.drawLine(5, y, 11, y);
    return pixmap;
}

QPixmap Printer()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 5);
    p.setBrush(QColor(180, 180, 180));
    p.drawRect(1, 6, 14, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 8, 5);
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(13, 8);
    return pixmap;
}

QPixmap Ruler()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setPen(QColor(120, 90, 20));
    p.setBrush(QColor(250, 220, 110));
    p.drawRect(1, 5, 14, 6);
    for (int x = 3; x < 15; x += 2)
        p.drawLine(x, 5, x, x % 4 == 3 ? 9 : 7);
    return pixmap;
}

QPixmap Building()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(200, 170, 140));
    p.drawRect(3, 2, 10, 13);
    p.setBrush(QColor(120, 170, 230));
    for (int y = 4; y < 12; y += 3)
        for (int x = 5; x < 12; x += 4)
            p.drawRect(x, y, 2, 2);
    return pixmap;
}

QPixmap Totals()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    Sheet(p, QColor(255, 255, 210));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QColor(0, 100, 0));
    p.drawText(QRect(2, 1, 12, 14), Qt::AlignCenter, QStringLiteral("Σ"));
    return pixmap;
}

QPixmap Magnifier()
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(14.5, 14.5));
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    return pixmap;
}

} // namespace

QIcon CToolbarIcons::SearchIcon()
{
    return QIcon(Magnifier());
}

QIcon CToolbarIcons::FolderIcon()
{
    return QIcon(Folder(true));
}

QIcon CToolbarIcons::Icon(int nCommandId)
{
    switch (nCommandId) {
    case ID_FILE_PRINT:
        return QIcon(Printer());
    case ID_DATOS_TOTALES:
        return QIcon(Totals());
    case ID_EXPORTAR_EXCEL:
        return QIcon(Letter(QStringLiteral("X"), QColor(30, 120, 60)));
    case ID_EXPORTAR_RTF:
        return QIcon(Letter(QStringLiteral("W"), QColor(40, 80, 170)));
    case ID_DATOS_EMPRESA:
        return QIcon(Building());
    case ID_MEDICIONES:
        return QIcon(Ruler());
    case ID_TB_INSERTAR_CAPITULO:
        return QIcon(Folder(false, QStringLiteral("C")));
    case ID_TB_INSERTAR_CARPETA:
        return QIcon(Folder(false));
    case ID_TB_INSERTAR_CONCEPTO:
        return QIcon(Concept());
    case ID_APP_ABOUT:
        return QIcon(Letter(QStringLiteral("?"), QColor(70, 110, 180)));
    default:
        return {};
    }
}

QPixmap CToolbarIcons::ApplicationImage(int nSize)
{
    // Drawn on a 32-unit square and scaled, so that every size is sharp: a
    // house with its roof over a budget sheet.
    QPixmap pixmap = Canvas(nSize);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(nSize / 32.0, nSize / 32.0);
    QPen outline(QColor(120, 40, 20), 1.0);
    outline.setJoinStyle(Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(QColor(200, 80, 40));
    QPainterPath roof;
    roof.moveTo(1.5, 15.5);
    roof.lineTo(16, 2.5);
    roof.lineTo(30.5, 15.5);
    roof.closeSubpath();
    p.drawPath(roof);
    p.setBrush(QColor(245, 235, 210));
    p.drawRect(QRectF(5.5, 14.5, 21, 16));
    p.setPen(QPen(QColor(150, 150, 150), 0.8));
    for (double y = 24.5; y < 30; y += 2.5)
        p.drawLine(QPointF(8, y), QPointF(24, y));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(40, 60, 120));
    p.drawText(QRectF(5.5, 13.5, 21, 11), Qt::AlignCenter, QStringLiteral("V"));
    return pixmap;
}

QIcon CToolbarIcons::ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(ApplicationImage(size));
    return icon;
}

QPixmap CToolbarIcons::ItemImage(int nImage)
{
    switch (nImage) {
    case 0:
        return Folder(false);
    case 1:
        return Folder(true);
    default:
        return Concept();
    }
}
