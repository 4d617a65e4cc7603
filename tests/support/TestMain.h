#pragma once

#include <QCoreApplication>
#include <QTest>
#include <memory>

// Gives the test process a home of its own before anything reads it: the
// XDG data and configuration folders (database, settings, data sources) in a
// temporary folder, and the Spanish number conventions pinned.
void InitTestEnvironment();

// The folder the test process uses as its home.
QString TestHome();
// A folder below the home, made when missing; its path.
QString TestFolder(const QString& strName);
// Writes a file below the home, its folder too; its path. Fails the run when it cannot.
QString TestFile(const QString& strName, const QByteArray& data);

// The folder of the real BC3 files, or an empty text when this checkout has
// none; a test that needs them skips with NoCorpusMessage():
//     if (CorpusDir().isEmpty())
//         QSKIP(NoCorpusMessage());
QString CorpusDir();
const char* NoCorpusMessage();

// The application a test runs in: a QCoreApplication for tests of the core
// and of the command line, a QApplication for tests of the windows. The
// support library the test links decides (see tests/CMakeLists.txt).
std::unique_ptr<QCoreApplication> CreateTestApplication(int& argc, char** argv);

// A test executable's main: the environment, the application, the test object.
template <class TestObject>
int RunTestObject(int argc, char** argv)
{
    InitTestEnvironment();
    const std::unique_ptr<QCoreApplication> application = CreateTestApplication(argc, argv);
    TestObject test;
    return QTest::qExec(&test, argc, argv);
}
