#include "output/CPrintJob.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

// Paper coordinates are 0.1 mm; a font's em is its size in points × 3.5 of
// them (10 points: 3.5 mm).
constexpr double kUnitsPerPoint = 3.5;
// Slack for the sums of fractional line heights.
constexpr qreal kFitSlack = 0.01;

int Tenths(double dMillimetres)
{
    return int(std::lround(dMillimetres * 10.0));
}

Qt::Alignment HorizontalAlignment(int nAlignment)
{
    switch (nAlignment) {
    case TextBlock::Centre:
        return Qt::AlignHCenter;
    case TextBlock::Right:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

// Line breaks in the text are line separators to the layout; one character
// for one, so that counts of characters stay those of the text.
QString LayoutText(const QString& strText)
{
    QString text = strText;
    for (QChar& c : text) {
        if (c == u'\n' || c == u'\r')
            c = QChar::LineSeparator;
    }
    return text;
}

struct LaidOut {
    int nLines = 0;
    int nChars = 0;
    qreal height = 0;
};

// Lays the text out in lines of the width (0: no wrapping) and keeps the
// whole lines that fit within dMaxHeight (negative: no limit).
LaidOut LayOut(QTextLayout& layout, qreal dWidth, qreal dMaxHeight, Qt::Alignment alignment)
{
    QTextOption option;
    option.setUseDesignMetrics(true);
    option.setWrapMode(dWidth > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    option.setAlignment(dWidth > 0 ? alignment : Qt::AlignLeft);
    layout.setTextOption(option);
    LaidOut result;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(dWidth > 0 ? dWidth : 1.0e7);
        if (dMaxHeight >= 0 && result.height + line.height() > dMaxHeight + kFitSlack)
            break;
        line.setPosition(QPointF(0, result.height));
        result.height += line.height();
        result.nChars = line.textStart() + line.textLength();
        ++result.nLines;
    }
    layout.endLayout();
    return result;
}

} // namespace

CPrintJob::CPrintJob(const CPrintOptions& options)
    : m_options(options)
    , m_nLevelLimit(options.LevelLimit())
    , m_nDocumentKind(options.m_nDocumentKind)
    , m_layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF())
{
}

void CPrintJob::Attach(QPagedPaintDevice* pDevice, QPainter* pPainter)
{
    m_pDevice = pDevice;
    m_pPainter = pPainter;
}

void CPrintJob::SetPageLayout(const QPageLayout& layout)
{
    m_layout = layout;
}

QPageLayout CPrintJob::CurrentLayout() const
{
    return m_pDevice ? m_pDevice->pageLayout() : m_layout;
}

void CPrintJob::SetupPage()
{
    const QPageLayout layout = CurrentLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    m_nWidth = Tenths(printable.width());
    m_nHeight = Tenths(printable.height());
    m_nOffsetX = Tenths(printable.left() - paper.left());
    m_nOffsetY = Tenths(printable.top() - paper.top());
    m_nMarginRight = Tenths(paper.width()) - m_nWidth - m_nOffsetX;
    m_nMarginBottom = Tenths(paper.height()) - m_nHeight - m_nOffsetY;
    if (m_pPainter && m_pDevice) {
        // The painter's origin is the printable area's corner; one unit 0.1 mm.
        m_pPainter->setWorldTransform(
            QTransform::fromScale(m_pDevice->logicalDpiX() / 254.0, m_pDevice->logicalDpiY() / 254.0));
    }
}

void CPrintJob::SetOrientation(bool bLandscape)
{
    const QPageLayout::Orientation orientation = bLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (m_pDevice) {
        if (m_pDevice->pageLayout().orientation() != orientation)
            m_pDevice->setPageOrientation(orientation);
    } else {
        m_layout.setOrientation(orientation);
    }
}

const QFont& CPrintJob::BlockFont(const TextBlock& block)
{
    const quint32 style = (quint32(block.bold) << 2) | (quint32(block.italic) << 1) | quint32(block.underline);
    const quint64 key = (quint64(quint32(block.size)) << 3) | style;
    if (block.fontName != m_strFontsFamily) {
        m_fonts.clear();
        m_strFontsFamily = block.fontName;
    }
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) {
        QFont font(block.fontName);
        font.setPixelSize(std::max(1, int(block.size * kUnitsPerPoint)));
        font.setBold(block.bold);
        font.setItalic(block.italic);
        font.setUnderline(block.underline);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setKerning(false);
        it = m_fonts.insert(key, font);
    }
    return *it;
}

int CPrintJob::DrawTextBlock(const QString& strText, TextBlock& block, bool bMeasureOnly)
{
    const QPointF origin(block.left != 0 ? block.left - m_nOffsetX : 0, block.top != 0 ? block.top - m_nOffsetY : 0);
    const bool atPoint = block.width == 0 && block.height == 0;
    const bool draw = !bMeasureOnly && m_pPainter && !strText.isEmpty();
    QTextLayout layout(LayoutText(strText), BlockFont(block));
    layout.setCacheEnabled(draw);
    // Vertical text is laid out as if horizontal, then turned a quarter right.
    const int lineWidth = block.vertical ? block.height : block.width;
    const int stackHeight = block.vertical ? block.width : block.height;
    // A block with a width but no height grows as its text needs.
    const LaidOut laidOut = LayOut(layout, atPoint ? 0 : lineWidth, stackHeight > 0 ? stackHeight : -1,
                                   HorizontalAlignment(block.alignment));
    if (draw) {
        const QColor colour = QColor::fromRgb(block.colour);
        if (m_pPainter->pen().color() != colour || m_pPainter->pen().style() != Qt::SolidLine)
            m_pPainter->setPen(colour);
        if (block.vertical) {
            m_pPainter->save();
            m_pPainter->translate(origin);
            m_pPainter->rotate(90);
        }
        // Turned text keeps its lines on the right of the point.
        const QPointF start = block.vertical ? QPointF(0, -laidOut.height) : origin;
        for (int i = 0; i < laidOut.nLines; ++i) {
            const QTextLine line = layout.lineAt(i);
            qreal dx = 0;
            // At a point, the alignment places the text around the point.
            if (atPoint && block.alignment == TextBlock::Centre)
                dx = -line.naturalTextWidth() / 2;
            else if (atPoint && block.alignment == TextBlock::Right)
                dx = -line.naturalTextWidth();
            line.draw(m_pPainter, start + QPointF(dx, 0));
        }
        if (block.vertical)
            m_pPainter->restore();
    }
    const int measured = atPoint ? 0 : int(std::ceil(laidOut.height - kFitSlack));
    block.height = std::max(kMinimumHeight, measured);
    return atPoint ? 0 : laidOut.nChars;
}

void CPrintJob::DrawLine(QPointF from, QPointF to, float fPenWidth, QRgb colour)
{
    if (!m_pPainter)
        return;
    m_pPainter->setPen(QPen(QColor::fromRgb(colour), fPenWidth, Qt::SolidLine, Qt::FlatCap));
    m_pPainter->drawLine(from, to);
}

void CPrintJob::DrawHLine(QPoint point, int nLength, float fPenWidth, QRgb colour)
{
    const QPointF from(point.x() - m_nOffsetX, point.y() - m_nOffsetY);
    DrawLine(from, from + QPointF(nLength, 0), fPenWidth, colour);
}

void CPrintJob::DrawVLine(QPoint point, int nLength, float fPenWidth, QRgb colour)
{
    const QPointF from(point.x() - m_nOffsetX, point.y() - m_nOffsetY);
    DrawLine(from, from + QPointF(0, nLength), fPenWidth, colour);
}

void CPrintJob::DrawRect(QPoint point, QSize size, float fPenWidth, QRgb colour)
{
    if (!m_pPainter)
        return;
    m_pPainter->setPen(QPen(QColor::fromRgb(colour), fPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_pPainter->setBrush(Qt::NoBrush);
    m_pPainter->drawRect(QRectF(point.x() - m_nOffsetX, point.y() - m_nOffsetY, size.width(), size.height()));
}

void CPrintJob::DrawImageFile(int x, int y, int nWidth, int nHeight, const QString& strPath)
{
    if (!m_pPainter || strPath.isEmpty())
        return;
    const QImage image(strPath);
    if (image.isNull() || nWidth <= 0 || nHeight <= 0)
        return;
    // Scaled to fit the box without distorting it, centred in it.
    QSizeF size = image.size();
    size.scale(nWidth, nHeight, Qt::KeepAspectRatio);
    const QRectF target(x - m_nOffsetX + (nWidth - size.width()) / 2, y - m_nOffsetY + (nHeight - size.height()) / 2,
                        size.width(), size.height());
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_pPainter->drawImage(target, image);
    m_pPainter->restore();
}

void CPrintJob::DrawItem(PrintItem& item)
{
    const TextBlock& b = item.block;
    switch (item.kind) {
    case PrintItem::Text:
        DrawTextBlock(item.text, item.block, false);
        break;
    case PrintItem::HLine:
        DrawHLine(QPoint(b.left, b.top), b.width, item.penWidth, b.colour);
        break;
    case PrintItem::VLine:
        DrawVLine(QPoint(b.left, b.top), b.height, item.penWidth, b.colour);
        break;
    case PrintItem::Rect:
        DrawRect(QPoint(b.left, b.top), QSize(b.width, b.height), item.penWidth, b.colour);
        break;
    case PrintItem::Image:
        DrawImageFile(b.left, b.top, b.width, b.height, item.text);
        break;
    case PrintItem::Erase:
        if (m_pPainter)
            m_pPainter->fillRect(QRectF(b.left - m_nOffsetX, b.top - m_nOffsetY, b.width, b.height), Qt::white);
        break;
    }
}

void CPrintJob::DrawPage(int nPage)
{
    if (nPage < 1 || nPage > PageCount())
        return;
    SetOrientation(false);
    SetupPage();
    // Drawing a text block leaves its height in it; the page keeps its own.
    for (PrintItem item : m_pages[size_t(nPage - 1)].items)
        DrawItem(item);
}
