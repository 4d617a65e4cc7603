#pragma once

#include <QLineEdit>

// A text field that never holds "|", the field separator of BC3 files:
// descriptions typed here always export intact.
class CNoSeparatorEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CNoSeparatorEdit(QWidget* parent = nullptr);
};
