#pragma once

#include "grid/CInPlaceEdit.h"

// The text editor of formula rows: it behaves as the standard one but takes
// every character, whatever the column's kind.
class CInPlaceFreeEdit : public CInPlaceEdit
{
    Q_OBJECT

public:
    CInPlaceFreeEdit(CEditList* pList, int nRow, int nCol, const QString& strText, Qt::Alignment align, int nLimit);

protected:
    bool FilterChar(QChar& ch) const override;
};
