#pragma once

#include <QVector>

class CEditList;
class CEditListModel;
class CEditListView;
class QHeaderView;

// The widths of a CEditList's columns. The tables' figures are pixels of an
// 8-point MS Sans Serif: each column is drawn wider or narrower as the list
// font's letters and digits are, grows to the longest text its rows show (up
// to a third of the list's width), and one column may take the width the
// others leave. A column the user sized keeps its size. The list owns one.
class CEditListColumnSizer
{
public:
    CEditListColumnSizer(CEditList& list, CEditListView& view, CEditListModel& model, QHeaderView& header);
    CEditListColumnSizer(const CEditListColumnSizer&) = delete;
    CEditListColumnSizer& operator=(const CEditListColumnSizer&) = delete;

    double WidthScale() const;
    int ScaledWidth(int nWidth) const;

    // The table was shown anew: every column at its scaled width.
    void Reset();
    void SetStretchColumn(int nCol);
    void FitRows(int nFirst, int nLast);
    // The list was resized or its font changed.
    void OnResize();
    void OnFontChange();
    void OnSectionResized(int nCol);

private:
    int WantedWidth(int nCol, int nFirst, int nLast) const;
    // Grows each column to what its rows want, within the room the list has.
    void Grow();
    void Stretch();
    void Resize(int nCol, int nWidth);
    int Room() const;

    CEditList& m_list;
    CEditListView& m_view;
    CEditListModel& m_model;
    QHeaderView& m_header;
    int m_nStretchCol = -1;
    bool m_bStretchFrozen = false;
    QVector<bool> m_userSized;
    // The widest text seen in each column, whatever room there was for it.
    QVector<int> m_wanted;
    // Sections sized here, not by the user.
    bool m_bSizing = false;
};
