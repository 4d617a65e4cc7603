#include "ui/CImagenDlg.h"

#include <QPainter>

CImagenDlg::CImagenDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Imagen"));
    setSizeGripEnabled(true);
    resize(480, 360);
    // The whole image is stretched again at every size, so nothing painted
    // before a resize stays valid.
    setAttribute(Qt::WA_StaticContents, false);
}

void CImagenDlg::SetPath(const QString& strPath)
{
    m_strPath = strPath;
    // The file is read once here rather than at every paint: stretching a
    // large photograph while the window is dragged bigger stays smooth.
    m_image = strPath.isEmpty() ? QImage() : QImage(strPath);
    update();
}

void CImagenDlg::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_image);
}
