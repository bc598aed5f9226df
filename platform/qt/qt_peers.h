#pragma once
// The Qt widgets behind the framework's objects, for Qt code and the backend's tests. Each is
// null while the object has no Qt peer (before its window opened, or after it closed).
#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/window.h"

class QAbstractButton;
class QAction;
class QMainWindow;
class QWidget;

namespace platform::qt {

QMainWindow* MainWindowOf(const Window& window);
// The widget the window paints on and takes mouse and keys in, below the menu bar.
QWidget* ContentOf(const Window& window);
QAbstractButton* WidgetOf(const Control& control);
// The item's action in the menu bar of the last window opened with it; for a menu, its
// menuAction().
QAction* ActionOf(const MenuItem& item);

} // namespace platform::qt
