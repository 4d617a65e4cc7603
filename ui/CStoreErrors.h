#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class CDBException;
class QWidget;

// The edge of a slot or event handler that reaches the store: a database
// error raised there is shown to the user in their language, with the
// driver's text, and goes no further. Qt's signal and event delivery is not
// written for exceptions, so none may travel through it.
class CStoreErrors
{
    Q_DECLARE_TR_FUNCTIONS(CStoreErrors)

public:
    // Runs an action of the user's; false when it ended on a database error,
    // which the user has been shown.
    static bool Catch(QWidget* pParent, const std::function<void()>& action);
    static void Report(QWidget* pParent, const CDBException& error);
    static QString Message(const QString& strError);
};
