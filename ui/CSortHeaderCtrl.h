#pragma once

#include <QHeaderView>

// The header of every grid. It draws the column titles itself and marks the
// column the grid is sorted by with a small two-tone triangle at the right
// end of its title: pointing up for ascending order, down for descending.
class CSortHeaderCtrl : public QHeaderView
{
    Q_OBJECT

public:
    explicit CSortHeaderCtrl(QWidget* parent = nullptr);

    // Marks nColumn (-1 for none) as the sort column and repaints.
    void SetSortImage(int nColumn, bool bAscending);
    int SortColumn() const { return m_nSortColumn; }
    bool IsSortAscending() const { return m_bSortAscending; }

    // The area the triangle of a sort column is drawn in, and the area left
    // to its title, both in section coordinates; the title area may be empty.
    static QRect MarkRect(const QRect& rcItem);
    static QRect TitleRect(const QRect& rcItem, bool bSortColumn, bool bPressed);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_nSortColumn = -1;
    bool m_bSortAscending = true;
    int m_nPressed = -1;
};
