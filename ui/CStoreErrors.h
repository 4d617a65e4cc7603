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
    // What the user reads: what went wrong in their words, then the
    // driver's text as detail.
    static QString Message(const QString& strError);
    // The known causes in the user's words (a code that exists already, a
    // database in use, a full disk, a file that cannot be written); empty
    // for any other error.
    static QString Reason(const QString& strError);
};
