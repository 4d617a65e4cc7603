#include "TestMain.h"

std::unique_ptr<QCoreApplication> CreateTestApplication(int& argc, char** argv)
{
    return std::make_unique<QCoreApplication>(argc, argv);
}
