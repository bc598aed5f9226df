#pragma once
// The program's one menu bar, built on the first call of the accessor MenuBar1().
#include "platform/menu.h"

#include <memory>

namespace app {

class MenuBar1 : public platform::MenuBar {
public:
    void Constructor() override;
    void Untitled0(); // "Statistical Data"
    void Untitled1(); // "Statistical Inference"
    void Untitled2(); // "Help"
};

// Start-up's initialiser: no menu bar exists until the accessor is first called.
void InitializeMenuBar1();

} // namespace app

// The one menu bar, created and built on the first call.
std::shared_ptr<app::MenuBar1> MenuBar1();
