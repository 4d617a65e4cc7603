#include "output/CRtfEdit.h"

#include <QImage>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

CRtfEdit::CRtfEdit(QWidget* parent)
    : QTextEdit(parent)
{
}

void CRtfEdit::InsertImage(const QImage& image)
{
    if (image.isNull())
        return;
    const QString name = QStringLiteral("velmora-imagen-%1").arg(++m_nImages);
    document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    if (image.width() > kMaxImageWidth) {
        format.setWidth(kMaxImageWidth);
        format.setHeight(qreal(image.height()) * kMaxImageWidth / image.width());
    }
    textCursor().insertImage(format);
}

bool CRtfEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

void CRtfEdit::insertFromMimeData(const QMimeData* source)
{
    // An image from an image program comes as an image; a picture copied
    // from a page or a document comes with its text and is pasted with it.
    if (source->hasImage() && !source->hasHtml()) {
        InsertImage(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    QTextEdit::insertFromMimeData(source);
}
