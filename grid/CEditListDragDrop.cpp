#include "grid/CEditListDragDrop.h"

#include "grid/CEditList.h"
#include "grid/CEditListModel.h"
#include "grid/CEditListView.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int ScrollInterval = 100;
// The drag image shows at most this many rows.
constexpr int ImageRows = 8;
constexpr int ImageWidth = 420;

} // namespace

CEditListDragDrop::CEditListDragDrop(CEditList& list, CEditListView& view)
    : m_list(list)
    , m_view(view)
{
    m_scrollTimer.setInterval(ScrollInterval);
    QObject::connect(&m_scrollTimer, &QTimer::timeout, &m_list, [this] { OnScrollTimer(); });
}

CEditListDragDrop::~CEditListDragDrop()
{
    delete m_pDragImage;
}

void CEditListDragDrop::Begin(const QPoint& pt)
{
    const int nFirst = m_list.GetFirstSelected();
    // The first row is the root of the tree lists: it never moves.
    if (nFirst <= 0)
        return;
    m_nDragSource = nFirst;

    // The drag image: the selected rows as shown, faded.
    QWidget* viewport = m_view.viewport();
    const int nWidth = qMin(viewport->width(), ImageWidth);
    QList<QPixmap> strips;
    for (int nRow : m_list.GetSelectedRows()) {
        const QRect rcRow = m_view.visualRect(m_list.RowModel()->index(nRow, 0));
        const QRect rcStrip(0, rcRow.top(), nWidth, rcRow.height());
        if (rcStrip.intersects(viewport->rect()))
            strips << viewport->grab(rcStrip);
        if (strips.size() == ImageRows)
            break;
    }
    int nHeight = 0;
    for (const QPixmap& strip : std::as_const(strips))
        nHeight += strip.height();
    QPixmap image(qMax(nWidth, 1), qMax(nHeight, m_list.RowHeight()));
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setOpacity(0.6);
        int y = 0;
        for (const QPixmap& strip : std::as_const(strips)) {
            painter.drawPixmap(0, y, strip);
            y += strip.height();
        }
    }
    m_pDragImage = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    m_pDragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pDragImage->setAttribute(Qt::WA_ShowWithoutActivating);
    m_pDragImage->setAttribute(Qt::WA_TranslucentBackground);
    m_pDragImage->setPixmap(image);
    m_pDragImage->resize(image.size());
    m_ptDragHotSpot = QPoint(pt.x(), pt.y() - m_view.visualRect(m_list.RowModel()->index(nFirst, 0)).top());

    m_bDragging = true;
    m_nDropTarget = -1;
    m_pDragImage->show();
    Move(pt);
}

void CEditListDragDrop::Move(const QPoint& pt)
{
    if (m_pDragImage)
        m_pDragImage->move(m_view.viewport()->mapToGlobal(pt - m_ptDragHotSpot));

    const int nHeight = m_view.viewport()->height();
    if (pt.y() >= 0 && pt.y() < nHeight) {
        // Only the height of the pointer counts: the row is found at the
        // list's left edge, wherever the pointer is sideways.
        int nRow = m_view.indexAt(QPoint(8, pt.y())).row();
        if (nRow < 0)
            nRow = m_list.GetItemCount(); // below the last row
        SetDropTarget(nRow);
        m_list.m_nRow = qMin(nRow, m_list.GetItemCount() - 1);
    }

    const int nDirection = pt.y() < 0 ? -1 : (pt.y() >= nHeight ? 1 : 0);
    if (nDirection != m_nScrollDirection) {
        m_nScrollDirection = nDirection;
        if (nDirection == 0)
            m_scrollTimer.stop();
        else
            m_scrollTimer.start();
    }
}

void CEditListDragDrop::OnScrollTimer()
{
    if (!m_bDragging || m_nScrollDirection == 0) {
        m_scrollTimer.stop();
        return;
    }
    const int nCount = m_list.GetItemCount();
    if (nCount == 0)
        return;
    QScrollBar* bar = m_view.verticalScrollBar();
    bar->setValue(bar->value() + m_nScrollDirection);
    int nTarget = m_nDropTarget;
    if (m_nScrollDirection < 0)
        nTarget = (nTarget < 0 || nTarget >= nCount) ? m_list.GetTopIndex() : nTarget - 1;
    else
        nTarget = nTarget < 0 ? m_list.GetTopIndex() + m_list.GetCountPerPage() - 1 : nTarget + 1;
    SetDropTarget(qBound(0, nTarget, nCount - 1));
    m_list.m_nRow = m_nDropTarget;
}

void CEditListDragDrop::SetDropTarget(int nRow)
{
    if (nRow == m_nDropTarget)
        return;
    m_nDropTarget = nRow;
    m_view.viewport()->update();
}

void CEditListDragDrop::End(bool bDrop)
{
    m_scrollTimer.stop();
    m_nScrollDirection = 0;
    delete m_pDragImage;
    m_pDragImage = nullptr;
    m_bDragging = false;
    int nTarget = m_nDropTarget;
    SetDropTarget(-1);
    const int nSource = m_nDragSource;
    m_nDragSource = -1;
    // A pointer that never passed over the rows drops nothing.
    const int nCount = m_list.GetItemCount();
    if (!bDrop || nTarget < 0 || nCount == 0)
        return;
    if (nTarget >= nCount)
        nTarget = nCount - 1;
    m_list.MoveItem(nSource, nTarget);
}
