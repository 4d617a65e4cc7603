#pragma once

#include <QString>

// One column of an editable list: what its header says, how its cells are
// edited, sorted and aligned, and how wide it is (0 hides it; a hidden column
// still holds the row's data).
struct ColumnInfo
{
    enum Kind { Text = 0, Number = 1, Date = 2 };
    enum Align { Left = 0, Right = 1, Center = 2 };

    QString strTitle;
    int nLimit = 0;      // characters the editor accepts; 0 or less: no limit
    int nKind = Text;
    int nAlign = Left;
    int nWidth = 0;      // pixels
    int nEditable = 0;   // 1: a double click or Tab may open an editor

    Qt::Alignment Alignment() const
    {
        switch (nAlign) {
        case Right:
            return Qt::AlignRight;
        case Center:
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft;
        }
    }
};

// A column as a grid declares it. The title is the Spanish source text,
// declared with QT_TRANSLATE_NOOP("CEditList", ...): the list shows it in the
// user's language.
struct ColumnSpec
{
    const char* szTitle;
    int nWidth;
    int nAlign;
    int nKind;
    int nLimit;
    int nEditable;
};
