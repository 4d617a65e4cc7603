#pragma once

#include "grid/CDateField.h"
#include "grid/CInPlaceEditor.h"

// The editor of date cells: "dd/MM/yyyy", blank for an empty date. Tab,
// Enter, the arrows and Ctrl+Home/End put its text into the cell and move
// on; Escape and losing the focus leave the cell as it was.
class CInPlaceDate : public CDateField, public CInPlaceEditor
{
    Q_OBJECT

public:
    CInPlaceDate(CEditList* pList, int nRow, int nCol, const QString& strCellText);

    QWidget* Widget() override { return this; }
    QString EditorText() const override { return text(); }
    bool Validates() const override { return false; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void FillNow() override;
};
