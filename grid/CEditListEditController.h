#pragma once

#include "grid/CEditList.h"

class CEditListView;
class CInPlaceEditor;
class QWidget;

// The in-place editing of a CEditList: at most one editor, laid over one
// cell, that follows its row as rows come and go above it and goes away with
// it; the commit of its text through the list's ValidateCell and
// CellChanged; and the moves from cell to cell its keys ask for, through
// BeginCellEdit, EditNextCell and EditPrevCell. The list owns one.
class CEditListEditController
{
public:
    CEditListEditController(CEditList& list, CEditListView& view);

    bool IsEditing() const { return m_pEditor != nullptr; }
    QWidget* EditorWidget() const;

    // Opens the text or date editor on a cell without the list's rules.
    void Open(int nRow, int nCol);
    // Closes the editor: with bRestore a text editor's cell gets the text
    // it last accepted back.
    void Close(bool bRestore);
    // Drops the editor without a word to the list, which is going away.
    void Discard();

    void Commit(CInPlaceEditor* pEditor, CEditList::EditorMove move);
    void Page(CInPlaceEditor* pEditor, bool bUp);
    void Cancel(CInPlaceEditor* pEditor);
    void FocusLost(CInPlaceEditor* pEditor);
    void Widen(QWidget* pEditor, int nWantedWidth);

private:
    void PlaceLater();
    bool CommitCell(int nRow, int nCol, const QString& strText);
    void MoveAfterCommit(int nRow, int nCol, CEditList::EditorMove move);

    CEditList& m_list;
    CEditListView& m_view;
    CInPlaceEditor* m_pEditor = nullptr;
    bool m_bPlacePending = false;
};
