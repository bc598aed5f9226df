#pragma once
// What the user does, as calls: the Qt backend makes them from real input, and tests make
// them directly. Each runs the program's handlers through the call wrapper.
#include "platform/controls.h"
#include "platform/graphics.h"
#include "platform/window.h"

namespace platform {

// Key texts for the keys the layer itself acts on.
inline constexpr const char* kKeyReturn = "\r";
inline constexpr const char* kKeyEnter = "\x03";
inline constexpr const char* kKeyTab = "\t";
inline constexpr const char* kKeyBacktab = "Backtab";
inline constexpr const char* kKeySpace = " ";
inline constexpr const char* kKeyUp = "Up";
inline constexpr const char* kKeyDown = "Down";
inline constexpr const char* kKeyLeft = "Left";
inline constexpr const char* kKeyRight = "Right";

// A press of a visible, enabled button raises its Action.
void Press(PushButton& button);
// Selecting a visible, enabled radio sets it, clears the others of its set and raises Action.
void Select(RadioButton& radio);
// Mouse and keys in content coordinates. After Event_KeyDown returns False, and only if it
// showed or hid no control, the layer's own keys act: Return and Enter press the visible,
// enabled default button; Tab and Backtab move the focus along the tab order (TabIndex) over
// visible, enabled controls with TabStop; Space presses or selects the focused control; the
// arrow keys move the focus to the previous or next radio of the focused radio's set and
// select it. A repeat (the keyboard's auto-repeat of a held key) raises Event_KeyDown and
// moves the focus like any key, but presses and selects nothing: a held Space, Return or Enter
// acts once.
void MouseDown(Window& window, Integer x, Integer y);
void KeyDown(Window& window, const String& key, bool repeat = false);
// Paints the whole window into the Graphics.
void Paint(Window& window, Graphics& g);
// Chooses the application menu bar's item of that name: enabling runs first, then the item's
// handler, or the quit of a QuitMenuItem.
void ChooseMenuItem(const String& name);

} // namespace platform
