#include "CBenchApp.h"

#include "ui/CMessageBox.h"

#include <cstdio>

CBenchApp::CEnvironment::CEnvironment(const QTemporaryDir& home)
{
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

CBenchApp::CBenchApp(int& argc, char** argv)
    : m_application(argc, argv)
{
    CMessageBox::SetResponder([](const QString& text, QMessageBox::StandardButtons) {
        std::printf("message: %s\n", qPrintable(text));
        return QMessageBox::Ok;
    });
}
