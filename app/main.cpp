#include "app/startup.h"
#include "platform/qt/qt_backend.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (auto missing = platform::qt::MissingDisplay(argc, argv)) {
        std::cerr << *missing << '\n';
        return 1;
    }
    platform::qt::QtBackend backend(argc, argv);
    platform::SetBackend(&backend);
    int status = wWinMain(argc, argv);
    platform::SetBackend(nullptr);
    return status;
}
