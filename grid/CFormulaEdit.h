#pragma once

#include <QLineEdit>

// A custom measurement formula: digits, the four operators, brackets, the
// separators, spaces, the factors a, b, c, d and p for pi. Nothing else gets in.
class CFormulaEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CFormulaEdit(QWidget* parent = nullptr);

    static const QString& AllowedCharacters();
};
