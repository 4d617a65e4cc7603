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
    const QString reason = Reason(strError);
    if (reason.isEmpty())
        return tr("La operación no se ha podido completar por un error de la base de datos.\n\n%1").arg(strError);
    return reason + u' ' + tr("No se ha cambiado nada.") + QStringLiteral("\n\n") + strError;
}

QString CStoreErrors::Reason(const QString& strError)
{
    // The engine's own texts, which its versions keep.
    const auto says = [&strError](const char* szText) {
        return strError.contains(QLatin1String(szText), Qt::CaseInsensitive);
    };
    if (says("UNIQUE constraint failed: PRESUPUESTOS"))
        return tr("Ya existe un presupuesto con ese código.");
    if (says("UNIQUE constraint failed"))
        return tr("Ya existe un registro con ese código.");
    if (says("database is locked") || says("database table is locked"))
        return tr("Otro programa está usando la base de datos; inténtelo de nuevo en un momento.");
    if (says("database or disk is full"))
        return tr("El disco está lleno; libere espacio e inténtelo de nuevo.");
    if (says("readonly database"))
        return tr("La base de datos es de solo lectura.");
    return QString();
}
