#include "ui/CStoreErrors.h"

#include "store/CDBException.h"
#include "ui/CMessageBox.h"

bool CStoreErrors::Catch(QWidget* pParent, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const CDBException& e) {
        Report(pParent, e);
        return false;
    }
}

void CStoreErrors::Report(QWidget* pParent, const CDBException& error)
{
    CMessageBox::Show(pParent, Message(error.m_strError), QMessageBox::Ok, QMessageBox::Critical);
}

QString CStoreErrors::Message(const QString& strError)
{
    return tr("La operación no se ha podido completar por un error de la base de datos.\n\n%1").arg(strError);
}
