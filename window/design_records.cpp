#include "platform/design_record.h"
#include "window/main_window.h"

namespace window {

std::string WindowRecord()
{
    return platform::RecordWriter()
        .Integer("Width", 511)
        .Integer("Height", 306)
        .Integer("MinWidth", 50)
        .Integer("MinHeight", 50)
        .Integer("MaxWidth", 511)
        .Integer("MaxHeight", 306)
        .Integer("Frame", 0)
        .Text("Title", "Brindlex")
        .Boolean("CloseButton", true)
        .Boolean("Resizeable", false)
        .Boolean("MaximizeButton", false)
        .Boolean("MinimizeButton", true)
        .Boolean("FullScreenButton", false)
        .Boolean("Composite", false)
        .Integer("MacProcID", 0)
        .Integer("Placement", 2)
        .Boolean("Visible", true)
        .Boolean("LiveResize", false)
        .Boolean("FullScreen", false)
        .Boolean("HasBackColor", true)
        .ColorBytes("BackColor", 0xFE, 0xFE, 0xFF, 0x00)
        .Boolean("MenuBarVisible", true)
        .Bytes();
}

namespace {

// The entries shared by the push-button and radio records, up to and including Caption.
platform::RecordWriter controlHead(const std::string& name, Integer index, Integer left, Integer top, Integer width,
                                   Integer height, bool lockRightBottom, Integer tabIndex, const std::string& caption)
{
    platform::RecordWriter w;
    w.Text("Name", name)
        .Integer("Index", index)
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", lockRightBottom)
        .Boolean("LockBottom", lockRightBottom)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", tabIndex)
        .Boolean("TabStop", true)
        .Text("Caption", caption);
    return w;
}

void fontEntries(platform::RecordWriter& w)
{
    w.Text("TextFont", "System").Single("TextSize", 12.0f).Code("TextUnit", 0).Boolean("Bold", false).Boolean(
        "Italic", false);
    w.Boolean("Underline", false);
}

} // namespace

std::string PushButtonRecord(const std::string& name, Integer left, Integer tabIndex, const std::string& caption,
                             bool isDefault)
{
    auto w = controlHead(name, platform::kNoControlSet, left, 273, 60, 20, true, tabIndex, caption);
    w.Boolean("Default", isDefault)
        .Boolean("Cancel", false)
        .Boolean("Enabled", false)
        .Boolean("Visible", false)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Integer("ButtonStyle", 0)
        .Boolean("Transparent", true);
    fontEntries(w);
    w.Text("InitialParent", "");
    return w.Bytes();
}

std::string RadioRecord(Integer index)
{
    auto w = controlHead("answerButton", index, 50, 130 + 20 * index, 15, 15, false, 2 + index, "");
    w.Boolean("Enabled", false)
        .Boolean("Visible", false)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Boolean("Transparent", true);
    fontEntries(w);
    w.Boolean("Value", false).Text("InitialParent", "");
    return w.Bytes();
}

} // namespace window
