#include "app/CVelmoraApplication.h"

#include "store/CDBException.h"
#include "ui/CMessageBox.h"

CVelmoraApplication::CVelmoraApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool CVelmoraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const CDBException& e) {
        CMessageBox::Show(activeWindow(), e.m_strError, QMessageBox::Ok, QMessageBox::Critical);
    } catch (const std::exception& e) {
        CMessageBox::Show(activeWindow(), QString::fromUtf8(e.what()), QMessageBox::Ok, QMessageBox::Critical);
    }
    return false;
}
