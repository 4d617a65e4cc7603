#pragma once

#include <QPlainTextEdit>

// The multi-line counterpart of CNoSeparatorEdit, for long descriptions: "|"
// is never inserted, whether typed or pasted.
class CNoSeparatorMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CNoSeparatorMemo(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
