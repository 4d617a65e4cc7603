#pragma once

#include "app/CVelmoraApp.h"

#include <QApplication>
#include <QTemporaryDir>

// The whole program, as a bench drives it: settings and database in a
// throw-away home, offscreen unless told otherwise, and every message box
// printed and answered with OK instead of waiting for a click.
class CBenchApp
{
public:
    CBenchApp(int& argc, char** argv);

    // False when the program could not start (InitInstance failed).
    bool Init() { return m_app.InitInstance(); }
    CVelmoraApp& App() { return m_app; }
    const QTemporaryDir& Home() const { return m_home; }

private:
    // Sets the environment before QApplication reads it.
    struct CEnvironment
    {
        explicit CEnvironment(const QTemporaryDir& home);
    };

    QTemporaryDir m_home;
    CEnvironment m_environment{m_home};
    QApplication m_application;
    CVelmoraApp m_app;
};
