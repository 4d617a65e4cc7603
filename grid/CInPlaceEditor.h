#pragma once

#include <QPersistentModelIndex>
#include <QString>

class CEditList;
class QKeyEvent;
class QWidget;

// What the list needs of an editor laid over one of its cells. The cell is
// held as a persistent index, so an editor still finds its row after rows
// above it were inserted or deleted, and knows when its row is gone.
class CInPlaceEditor
{
public:
    CInPlaceEditor(CEditList* pList, int nRow, int nCol);
    virtual ~CInPlaceEditor() = default;

    virtual QWidget* Widget() = 0;
    // The text the editor would put into the cell.
    virtual QString EditorText() const = 0;
    // Text editors hand their text to the row's validation before it stays
    // in the cell, and put the text before editing back when they are left
    // without a commit; the date editor does neither.
    virtual bool Validates() const = 0;

    int Row() const { return m_index.isValid() ? m_index.row() : -1; }
    int Col() const { return m_nCol; }

protected:
    // Tab and Shift+Tab: commit and move to the next or previous editable
    // cell (bInRow: of the same row). True when the event was such a key.
    bool HandleTab(QKeyEvent* event, bool bInRow);
    // Enter, Escape, the arrows, Page Up and Down and Ctrl+Home/End, as every
    // editor answers them. True when the key was one of them.
    bool HandleNavigationKey(QKeyEvent* event);

    CEditList* m_pList;
    QPersistentModelIndex m_index;
    int m_nCol;
};
