#include "grid/CNoSeparatorEdit.h"

#include "grid/CCharFilterValidator.h"

CNoSeparatorEdit::CNoSeparatorEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new CCharFilterValidator(CCharFilterValidator::AllBut, QStringLiteral("|"), this));
}
