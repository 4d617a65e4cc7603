#pragma once

#include "grid/CInPlaceEditor.h"

#include <QLineEdit>

// The text editor laid over a cell. Tab, Enter, the arrows and Ctrl+Home/End
// commit the text and move on; Escape and losing the focus give the cell its
// text back. In number columns only digits and one decimal comma get in
// ("." is typed as ","). The editor grows to the right as the text does.
class CInPlaceEdit : public QLineEdit, public CInPlaceEditor
{
    Q_OBJECT

public:
    CInPlaceEdit(CEditList* pList, int nRow, int nCol, const QString& strText, bool bNumber,
                 Qt::Alignment align, int nLimit);

    QWidget* Widget() override { return this; }
    QString EditorText() const override { return text(); }
    bool Validates() const override { return true; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Whether a typed character gets in, possibly as another character.
    virtual bool FilterChar(QChar& ch) const;

private:
    void InsertFiltered(const QString& strText);
    void Widen();

    bool m_bNumber;
};
