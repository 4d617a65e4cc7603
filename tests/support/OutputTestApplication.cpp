#include "TestMain.h"

#include <QGuiApplication>

std::unique_ptr<QCoreApplication> CreateTestApplication(int& argc, char** argv)
{
    return std::make_unique<QGuiApplication>(argc, argv);
}
