#pragma once

#include <QApplication>
#include <QTest>

// Gives the test process a home of its own before anything reads it: the
// XDG data and configuration folders (database, settings, data sources) in a
// temporary folder, and the Spanish number conventions pinned.
void InitTestEnvironment();

// The folder the test process uses as its home.
QString TestHome();

// A test executable's main: the environment, a QApplication, the test object.
template <class TestObject>
int RunTestObject(int argc, char** argv)
{
    InitTestEnvironment();
    QApplication application(argc, argv);
    TestObject test;
    return QTest::qExec(&test, argc, argv);
}
