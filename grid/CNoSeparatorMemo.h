#pragma once

#include <QPlainTextEdit>

// The multi-line counterpart of CNoSeparatorEdit, for long descriptions: "|"
// is never inserted, whether typed or pasted.
class CNoSeparatorMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CNoSeparatorMemo(QWidget* parent = nullptr);

    // The longest text the box keeps (0: no limit): what goes past it is cut
    // before anyone connected to textChanged after the box reads the text.
    void SetMaxLength(int nMaxLength) { m_nMaxLength = nMaxLength; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void CutToMaxLength();

    int m_nMaxLength = 0;
};
