#include "app/startup.h"
#include "platform/qt/qt_backend.h"

int main(int argc, char** argv)
{
    platform::qt::QtBackend backend(argc, argv);
    platform::SetBackend(&backend);
    int status = wWinMain(argc, argv);
    platform::SetBackend(nullptr);
    return status;
}
