#include "grid/CFormulaEdit.h"

#include "grid/CCharFilterValidator.h"

CFormulaEdit::CFormulaEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new CCharFilterValidator(CCharFilterValidator::OnlyThese, AllowedCharacters(), this));
}

const QString& CFormulaEdit::AllowedCharacters()
{
    static const QString chars = QStringLiteral(" ()*+,-./0123456789abcdp");
    return chars;
}
