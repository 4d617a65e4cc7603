#include "app/CVelmoraApp.h"
#include "app/CVelmoraApplication.h"

int main(int argc, char** argv)
{
    CVelmoraApplication application(argc, argv);
    CVelmoraApp theApp;
    if (!theApp.InitInstance())
        return 1;
    const int result = application.exec();
    theApp.ExitInstance();
    return result;
}
