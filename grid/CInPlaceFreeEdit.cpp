#include "grid/CInPlaceFreeEdit.h"

CInPlaceFreeEdit::CInPlaceFreeEdit(CEditList* pList, int nRow, int nCol, const QString& strText, Qt::Alignment align, int nLimit)
    : CInPlaceEdit(pList, nRow, nCol, strText, false, align, nLimit)
{
}

bool CInPlaceFreeEdit::FilterChar(QChar&) const
{
    return true;
}
