#include "app/CVelmoraApplication.h"

#include "store/CDBException.h"
#include "ui/CMessageBox.h"
#include "ui/CStoreErrors.h"

CVelmoraApplication::CVelmoraApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool CVelmoraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const CDBException& e) {
        // The handlers catch the store's errors themselves; this is the last net.
        CStoreErrors::Report(activeWindow(), e);
    } catch (const std::exception& e) {
        CMessageBox::Show(activeWindow(), QString::fromUtf8(e.what()), QMessageBox::Ok, QMessageBox::Critical);
    }
    return false;
}
