#include "ui/CMessageBox.h"

#include <QApplication>

namespace {

CMessageBox::Responder& CurrentResponder()
{
    static CMessageBox::Responder responder;
    return responder;
}

} // namespace

QMessageBox::StandardButton CMessageBox::Show(QWidget* parent, const QString& strText,
                                              QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    if (CurrentResponder())
        return CurrentResponder()(strText, buttons);
    QMessageBox box(icon, QStringLiteral("Velmora"), strText, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

bool CMessageBox::AskYesNo(QWidget* parent, const QString& strText)
{
    return Show(parent, strText, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) == QMessageBox::Yes;
}

void CMessageBox::SetResponder(Responder responder)
{
    CurrentResponder() = std::move(responder);
}

void CMessageBox::ClearResponder()
{
    CurrentResponder() = nullptr;
}
