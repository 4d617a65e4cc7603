#pragma once

#include <QApplication>

// The Qt application of the GUI. A database error that no handler caught
// ends in a message box carrying the driver's text, and the program goes on.
class CVelmoraApplication : public QApplication
{
    Q_OBJECT

public:
    CVelmoraApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
