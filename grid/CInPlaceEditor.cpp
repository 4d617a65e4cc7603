#include "grid/CInPlaceEditor.h"

#include "grid/CEditList.h"

CInPlaceEditor::CInPlaceEditor(CEditList* pList, int nRow, int nCol)
    : m_pList(pList)
    , m_index(pList->model()->index(nRow, 0))
    , m_nCol(nCol)
{
}
