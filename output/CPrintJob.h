#pragma once

#include "output/CPrintOptions.h"
#include "output/PrintPage.h"
#include "output/TextBlock.h"

#include <QFont>
#include <QHash>
#include <QPageLayout>
#include <QPoint>
#include <QRgb>
#include <QSize>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// The state of one print, preview or PDF run, and the page engine it draws
// with. Everything is placed in one coordinate system whatever the device:
// tenths of a millimetre from the paper's edge. The printable area's place on
// the paper comes from the device's page layout, and every primitive takes
// its offset off, so that a page lands on the same place of the paper on
// every printer.
//
// Text is laid out with the font's design metrics, device-independently, so
// that what was measured while laying the pages out is what gets drawn.
class CPrintJob
{
public:
    explicit CPrintJob(const CPrintOptions& options = CPrintOptions());

    CPrintOptions m_options;
    int m_nLevelLimit = 0;
    int m_nDocumentKind = CPrintOptions::Budget;
    std::vector<PrintPage> m_pages;

    // The printable area's offset from the paper's left and top edges, the
    // unprintable strips at the right and bottom, and its size (all 0.1 mm).
    int m_nOffsetX = 0;
    int m_nOffsetY = 0;
    int m_nMarginRight = 0;
    int m_nMarginBottom = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;

    static constexpr int kMinimumHeight = 50;

    // The device a run draws on and the painter open on it; neither is owned.
    // A job without them can lay pages out on the page layout it was given.
    void Attach(QPagedPaintDevice* pDevice, QPainter* pPainter);
    void SetPageLayout(const QPageLayout& layout);

    // Reads the printable area from the page layout and maps the painter so
    // that one unit is 0.1 mm with the origin at the printable area's corner.
    void SetupPage();
    void SetOrientation(bool bLandscape);

    // Draws (or only measures) the text in its block; returns how many of
    // its characters fit (0 for a block drawn at a point) and leaves in
    // block.height the height used, never less than kMinimumHeight. Only
    // whole lines are shown: text beyond the last line that fits is cut.
    int DrawTextBlock(const QString& strText, TextBlock& block, bool bMeasureOnly);
    void DrawHLine(QPoint point, int nLength, float fPenWidth, QRgb colour);
    void DrawVLine(QPoint point, int nLength, float fPenWidth, QRgb colour);
    void DrawRect(QPoint point, QSize size, float fPenWidth, QRgb colour);
    // An image file that cannot be read draws nothing.
    void DrawImageFile(int x, int y, int nWidth, int nHeight, const QString& strPath);

    int PageRight() const { return m_nWidth + m_nOffsetX; }
    // The lowest y content may use: 8 mm above the printable area's bottom.
    int PageBottom() const { return m_nHeight + m_nOffsetY - 80; }
    int PageTop() const { return m_nOffsetY; }

    int PageCount() const { return int(m_pages.size()); }
    // Draws page n (counted from 1) of the laid-out pages.
    void DrawPage(int nPage);

private:
    QPageLayout CurrentLayout() const;
    const QFont& BlockFont(const TextBlock& block);
    void DrawItem(PrintItem& item);
    void DrawLine(QPointF from, QPointF to, float fPenWidth, QRgb colour);

    QPagedPaintDevice* m_pDevice = nullptr;
    QPainter* m_pPainter = nullptr;
    QPageLayout m_layout;
    // The fonts of one family by size and style.
    QString m_strFontsFamily;
    QHash<quint64, QFont> m_fonts;
};
