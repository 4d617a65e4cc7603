#include "ui/CPictureBox.h"

#include "ui/CImagenDlg.h"

#include <QMouseEvent>
#include <QPainter>

CPictureBox::CPictureBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
}

void CPictureBox::SetPath(const QString& strPath)
{
    m_strPath = strPath;
    m_image = strPath.isEmpty() ? QImage() : QImage(strPath);
    update();
}

void CPictureBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        const QRect rc = contentsRect();
        painter.fillRect(rc, Qt::white);
        if (!m_image.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rc, m_image);
        }
    }
    QFrame::paintEvent(event);
}

void CPictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseDoubleClickEvent(event);
        return;
    }
    CImagenDlg dlg(this);
    dlg.SetPath(m_strPath);
    dlg.exec();
}
