#include "grid/CEditListColumnSizer.h"

#include "grid/CEditList.h"
#include "grid/CEditListDelegate.h"
#include "grid/CEditListModel.h"
#include "grid/CEditListView.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <vector>

namespace {

// The width of a letter (averaged over the alphabet, as dialog units are
// reckoned) and of a digit in the 8-point MS Sans Serif the column tables
// were drawn for.
constexpr double SansSerifLetter = 6.0;
constexpr double SansSerifDigit = 6.0;

} // namespace

CEditListColumnSizer::CEditListColumnSizer(CEditList& list, CEditListView& view, CEditListModel& model,
                                           QHeaderView& header)
    : m_list(list), m_view(view), m_model(model), m_header(header)
{
}

double CEditListColumnSizer::WidthScale() const
{
    const QFontMetricsF metrics(m_view.font());
    const double letter = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
    const double digit = metrics.horizontalAdvance(QStringLiteral("0123456789")) / 10.0;
    return std::max(letter / SansSerifLetter, digit / SansSerifDigit);
}

int CEditListColumnSizer::ScaledWidth(int nWidth) const
{
    return nWidth <= 0 ? 0 : qRound(nWidth * WidthScale());
}

void CEditListColumnSizer::Resize(int nCol, int nWidth)
{
    m_bSizing = true;
    m_header.resizeSection(nCol, nWidth);
    m_bSizing = false;
}

void CEditListColumnSizer::Reset()
{
    const int nCount = m_list.GetColumnCount();
    for (int i = 0; i < nCount; ++i)
        Resize(i, ScaledWidth(m_list.Column(i).nWidth));
    m_userSized.fill(false, nCount);
    m_wanted.fill(0, nCount);
    FitRows(0, m_model.Count() - 1);
    Stretch();
}

void CEditListColumnSizer::SetStretchColumn(int nCol)
{
    m_nStretchCol = nCol;
    m_bStretchFrozen = false;
    Stretch();
}

int CEditListColumnSizer::Room() const
{
    return m_list.width() - 2 * m_view.frameWidth();
}

void CEditListColumnSizer::Stretch()
{
    if (m_nStretchCol < 0 || m_bStretchFrozen || m_nStretchCol >= m_header.count()
        || m_header.isSectionHidden(m_nStretchCol))
        return;
    int nOthers = 0;
    for (int i = 0; i < m_header.count(); ++i) {
        if (i != m_nStretchCol && !m_header.isSectionHidden(i))
            nOthers += m_header.sectionSize(i);
    }
    // Reckoned as if the vertical scroll bar were there, so that it coming
    // and going with the rows never resizes a column under an editor. When
    // the others grew to their texts it gives up to half its own width
    // before the list scrolls sideways: its texts are elided, theirs are not.
    const int nRoom = Room() - m_view.verticalScrollBar()->sizeHint().width() - nOthers;
    const int nWidth = std::max(ScaledWidth(m_list.Column(m_nStretchCol).nWidth) / 2, nRoom);
    if (nWidth != m_header.sectionSize(m_nStretchCol))
        Resize(m_nStretchCol, nWidth);
}

void CEditListColumnSizer::OnSectionResized(int nCol)
{
    if (m_bSizing)
        return;
    // The user sized a column: it keeps what it was given, and the
    // stretching one takes the room that remains.
    if (nCol >= 0 && nCol < m_userSized.size())
        m_userSized[nCol] = true;
    if (nCol == m_nStretchCol)
        m_bStretchFrozen = true;
    else
        Stretch();
}

int CEditListColumnSizer::WantedWidth(int nCol, int nFirst, int nLast) const
{
    // Measuring every text would cost a large list dearly: the longest text
    // of each indent stands for the others.
    std::vector<int> longest;
    for (int nRow = nFirst; nRow <= nLast; ++nRow) {
        const CEditListModel::Row& row = m_model.At(nRow);
        const size_t nIndent = nCol == 0 ? size_t(qMax(0, row.nIndent)) : 0;
        if (longest.size() <= nIndent)
            longest.resize(nIndent + 1, -1);
        const qsizetype nSize = row.cells.value(nCol).size();
        if (nSize > 0 && (longest[nIndent] < 0 || nSize > m_model.At(longest[nIndent]).cells[nCol].size()))
            longest[nIndent] = nRow;
    }
    int nWanted = 0;
    for (const int nRow : longest) {
        if (nRow < 0)
            continue;
        QFont font = m_view.font();
        font.setWeight(QFont::Weight(qBound(1, m_list.GetCellFontWeight(nRow, nCol), 1000)));
        const int nText = QFontMetrics(font).horizontalAdvance(m_model.At(nRow).cells[nCol]);
        nWanted = qMax(nWanted, nText + 2 * CEditListDelegate::TextMargin + 2 + (nCol == 0 ? m_list.TextOffset(nRow) : 0));
    }
    return nWanted;
}

void CEditListColumnSizer::FitRows(int nFirst, int nLast)
{
    nFirst = qMax(0, nFirst);
    nLast = qMin(m_model.Count() - 1, nLast);
    if (nFirst > nLast)
        return;
    const int nCount = std::min(int(m_wanted.size()), m_header.count());
    for (int nCol = 0; nCol < nCount; ++nCol) {
        if (nCol != m_nStretchCol && !m_header.isSectionHidden(nCol) && m_header.sectionSize(nCol) > 0
            && !m_userSized.value(nCol))
            m_wanted[nCol] = qMax(m_wanted[nCol], WantedWidth(nCol, nFirst, nLast));
    }
    Grow();
}

void CEditListColumnSizer::Grow()
{
    const int nLimit = qMax(1, Room() / 3);
    bool bGrown = false;
    const int nCount = std::min(int(m_wanted.size()), m_header.count());
    for (int nCol = 0; nCol < nCount; ++nCol) {
        if (nCol == m_nStretchCol || m_header.isSectionHidden(nCol) || m_userSized.value(nCol))
            continue;
        const int nWidth = qMin(m_wanted[nCol], qMax(nLimit, ScaledWidth(m_list.Column(nCol).nWidth)));
        if (nWidth > m_header.sectionSize(nCol)) {
            Resize(nCol, nWidth);
            bGrown = true;
        }
    }
    if (bGrown)
        Stretch();
}

void CEditListColumnSizer::OnResize()
{
    // A column held back to a third of a narrow list gets its texts' width
    // once the list is wide enough.
    Grow();
    Stretch();
}

void CEditListColumnSizer::OnFontChange()
{
    const int nCount = std::min(m_list.GetColumnCount(), m_header.count());
    for (int i = 0; i < nCount; ++i) {
        if (!m_header.isSectionHidden(i) && !m_userSized.value(i))
            Resize(i, ScaledWidth(m_list.Column(i).nWidth));
    }
    m_wanted.fill(0, m_list.GetColumnCount());
    FitRows(0, m_model.Count() - 1);
    Stretch();
}
