#include "TestMain.h"

#include <QApplication>

std::unique_ptr<QCoreApplication> CreateTestApplication(int& argc, char** argv)
{
    return std::make_unique<QApplication>(argc, argv);
}
