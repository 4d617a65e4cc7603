#pragma once

#include <QPoint>

class CEditList;
class CEditListView;
class QContextMenuEvent;
class QEvent;
class QKeyEvent;
class QMouseEvent;

// The keys and the mouse of a CEditList, as its view hands them on: Insert
// and Delete act once when let go, Up and Down click the row they reach,
// F2, Enter and typing edit the current cell and Left and Right move it; a
// press on a row becomes a click or, moved far enough, a drag of the rows;
// a double click edits the cell. What they do to the rows is the list's
// virtual operations. The list owns one.
class CEditListInput
{
public:
    CEditListInput(CEditList& list, CEditListView& view);
    CEditListInput(const CEditListInput&) = delete;
    CEditListInput& operator=(const CEditListInput&) = delete;

    // Whether an event that reached the list goes further up unanswered.
    bool PassesUp(QEvent* event);
    // A key the view left unaccepted travels on to the list, which has
    // handled it already (see CEditListView).
    void LetPass(QEvent* event) { m_pPassingKey = event; }

    void KeyPress(QKeyEvent* event);
    void KeyRelease(QKeyEvent* event);
    void MousePress(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    void MouseRelease(QMouseEvent* event);
    void MouseDoubleClick(QMouseEvent* event);
    void ContextMenu(QContextMenuEvent* event);

    int CurrentColumn() const { return m_nCursorCol; }
    void SetCurrentColumn(int nCol);
    bool EditCurrentCell();
    void EnsureColumnVisible(int nCol);

private:
    // The event handlers' work, inside their catch of store errors.
    void HandleKey(QKeyEvent* event);
    void HandleKeyRelease(QKeyEvent* event);
    bool HandleEditingKey(QKeyEvent* event);
    void MoveCurrentColumn(int nStep);
    void HandleRelease(QMouseEvent* event);
    void HandleDoubleClick(QMouseEvent* event);

    CEditList& m_list;
    CEditListView& m_view;

    // A press that may become a click or a drag.
    bool m_bPressed = false;
    bool m_bNoClick = false;
    QPoint m_ptPress;
    QEvent* m_pPassingKey = nullptr;
    // Insert and Delete act when the key is let go, once however long it
    // was held: the key pressed on the list itself, not in an editor.
    int m_nPressedKey = 0;
    int m_nCursorCol = -1;
};
