#include "platform/design_record.h"

#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/window.h"

#include <bit>
#include <cstring>
#include <functional>
#include <map>

namespace platform {

namespace {

enum class Type { Integer, Boolean, String, Color, Single, Code };

const std::map<std::string_view, Type>& entryTypes()
{
    static const std::map<std::string_view, Type> types = {
        {"Width", Type::Integer},         {"Height", Type::Integer},       {"MinWidth", Type::Integer},
        {"MinHeight", Type::Integer},     {"MaxWidth", Type::Integer},     {"MaxHeight", Type::Integer},
        {"Frame", Type::Integer},         {"MacProcID", Type::Integer},    {"Placement", Type::Integer},
        {"Index", Type::Integer},         {"Left", Type::Integer},         {"Top", Type::Integer},
        {"TabPanelIndex", Type::Integer}, {"TabIndex", Type::Integer},     {"ButtonStyle", Type::Integer},
        {"CloseButton", Type::Boolean},   {"Resizeable", Type::Boolean},   {"MaximizeButton", Type::Boolean},
        {"MinimizeButton", Type::Boolean}, {"FullScreenButton", Type::Boolean}, {"Composite", Type::Boolean},
        {"Visible", Type::Boolean},       {"LiveResize", Type::Boolean},   {"FullScreen", Type::Boolean},
        {"HasBackColor", Type::Boolean},  {"MenuBarVisible", Type::Boolean}, {"LockLeft", Type::Boolean},
        {"LockTop", Type::Boolean},       {"LockRight", Type::Boolean},    {"LockBottom", Type::Boolean},
        {"TabStop", Type::Boolean},       {"Default", Type::Boolean},      {"Cancel", Type::Boolean},
        {"Enabled", Type::Boolean},       {"AutoDeactivate", Type::Boolean}, {"Transparent", Type::Boolean},
        {"Bold", Type::Boolean},          {"Italic", Type::Boolean},       {"Underline", Type::Boolean},
        {"Value", Type::Boolean},         {"Title", Type::String},         {"Name", Type::String},
        {"Caption", Type::String},        {"HelpTag", Type::String},       {"TextFont", Type::String},
        {"InitialParent", Type::String},  {"BackColor", Type::Color},      {"TextSize", Type::Single},
        {"TextUnit", Type::Code},
    };
    return types;
}

std::uint32_t readU32(std::string_view bytes, size_t at)
{
    std::uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return v;
}

[[noreturn]] void malformed(std::string_view what, std::string_view entry, size_t offset)
{
    throw RuntimeException("design record: " + String(what) + " in entry \"" + String(entry) + "\" at byte " +
                           std::to_string(offset));
}

} // namespace

void RecordWriter::name(std::string_view n)
{
    bytes_.append(n);
    bytes_.push_back(' ');
}

RecordWriter& RecordWriter::Integer(std::string_view n, platform::Integer value)
{
    name(n);
    auto u = static_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        bytes_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    return *this;
}

RecordWriter& RecordWriter::Boolean(std::string_view n, bool value)
{
    name(n);
    bytes_.push_back(value ? '\x01' : '\x00');
    return *this;
}

RecordWriter& RecordWriter::Text(std::string_view n, std::string_view value)
{
    name(n);
    auto length = static_cast<std::uint32_t>(value.size());
    for (int i = 0; i < 4; ++i)
        bytes_.push_back(static_cast<char>((length >> (8 * i)) & 0xFF));
    bytes_.append(value);
    return *this;
}

RecordWriter& RecordWriter::ColorBytes(std::string_view n, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2,
                                       std::uint8_t b3)
{
    name(n);
    for (auto b : {b0, b1, b2, b3})
        bytes_.push_back(static_cast<char>(b));
    return *this;
}

RecordWriter& RecordWriter::Single(std::string_view n, float value)
{
    name(n);
    auto u = std::bit_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    return *this;
}

RecordWriter& RecordWriter::Code(std::string_view n, std::uint8_t value)
{
    name(n);
    bytes_.push_back(static_cast<char>(value));
    return *this;
}

std::vector<RecordEntry> ReadRecord(std::string_view record)
{
    std::vector<RecordEntry> entries;
    size_t at = 0;
    while (at < record.size()) {
        size_t start = at;
        size_t space = record.find(' ', at);
        std::string_view name = record.substr(at, space == std::string_view::npos ? record.size() - at : space - at);
        auto type = entryTypes().find(name);
        if (type == entryTypes().end())
            malformed("unknown name", name, start);
        if (space == std::string_view::npos)
            malformed("no value", name, start);
        at = space + 1;
        auto need = [&](size_t n) {
            if (record.size() - at < n)
                malformed("value cut short", name, start);
        };
        RecordEntry entry{String(name), start, {}};
        switch (type->second) {
        case Type::Integer: {
            need(8);
            std::uint64_t u = 0;
            for (size_t i = 0; i < 8; ++i)
                u |= static_cast<std::uint64_t>(static_cast<unsigned char>(record[at + i])) << (8 * i);
            entry.value = static_cast<platform::Integer>(u);
            at += 8;
            break;
        }
        case Type::Boolean:
            need(1);
            if (record[at] != 0 && record[at] != 1)
                malformed("Boolean neither 0 nor 1", name, start);
            entry.value = record[at] == 1;
            at += 1;
            break;
        case Type::String: {
            need(4);
            std::uint32_t length = readU32(record, at);
            at += 4;
            if (record.size() - at < length)
                malformed("string length past the end", name, start);
            entry.value = String(record.substr(at, length));
            at += length;
            break;
        }
        case Type::Color:
            need(4);
            entry.value = Color{static_cast<std::uint8_t>(record[at]), static_cast<std::uint8_t>(record[at + 1]),
                                static_cast<std::uint8_t>(record[at + 2]), static_cast<std::uint8_t>(record[at + 3])};
            at += 4;
            break;
        case Type::Single:
            need(4);
            entry.value = std::bit_cast<float>(readU32(record, at));
            at += 4;
            break;
        case Type::Code:
            need(1);
            entry.value = static_cast<std::uint8_t>(record[at]);
            at += 1;
            break;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

namespace {

using Apply = std::function<void()>;

template <class T>
Apply assign(Property<T>& property, const RecordValue& value)
{
    return [&property, v = std::get<T>(value)] { property = v; };
}

Apply assignInteger(Property<Integer>& property, const RecordValue& value)
{
    // TextUnit's 1-byte code lands in an Integer property.
    if (const auto* code = std::get_if<std::uint8_t>(&value))
        return [&property, v = static_cast<Integer>(*code)] { property = v; };
    return assign(property, value);
}

void applyAll(const std::vector<RecordEntry>& entries, const std::function<Apply(const RecordEntry&)>& setterFor,
              const char* objectKind)
{
    std::vector<Apply> steps;
    for (const auto& entry : entries) {
        Apply step = setterFor(entry);
        if (!step)
            malformed(String("no such property of a ") + objectKind, entry.name, entry.offset);
        steps.push_back(std::move(step));
    }
    for (auto& step : steps)
        step();
}

} // namespace

void SetProperties(Window& w, std::string_view record)
{
    // BackColor's first three bytes are red, green and blue; the fourth is alpha.
    std::map<std::string_view, std::function<Apply(const RecordValue&)>> setters = {
        {"Width", [&](const RecordValue& v) { return assign(w.Width, v); }},
        {"Height", [&](const RecordValue& v) { return assign(w.Height, v); }},
        {"MinWidth", [&](const RecordValue& v) { return assign(w.MinWidth, v); }},
        {"MinHeight", [&](const RecordValue& v) { return assign(w.MinHeight, v); }},
        {"MaxWidth", [&](const RecordValue& v) { return assign(w.MaxWidth, v); }},
        {"MaxHeight", [&](const RecordValue& v) { return assign(w.MaxHeight, v); }},
        {"Frame", [&](const RecordValue& v) { return assign(w.Frame, v); }},
        {"MacProcID", [&](const RecordValue& v) { return assign(w.MacProcID, v); }},
        {"Placement", [&](const RecordValue& v) { return assign(w.Placement, v); }},
        {"Title", [&](const RecordValue& v) { return assign(w.Title, v); }},
        {"CloseButton", [&](const RecordValue& v) { return assign(w.CloseButton, v); }},
        {"Resizeable", [&](const RecordValue& v) { return assign(w.Resizeable, v); }},
        {"MaximizeButton", [&](const RecordValue& v) { return assign(w.MaximizeButton, v); }},
        {"MinimizeButton", [&](const RecordValue& v) { return assign(w.MinimizeButton, v); }},
        {"FullScreenButton", [&](const RecordValue& v) { return assign(w.FullScreenButton, v); }},
        {"Composite", [&](const RecordValue& v) { return assign(w.Composite, v); }},
        {"Visible", [&](const RecordValue& v) { return assign(w.Visible, v); }},
        {"LiveResize", [&](const RecordValue& v) { return assign(w.LiveResize, v); }},
        {"FullScreen", [&](const RecordValue& v) { return assign(w.FullScreen, v); }},
        {"HasBackColor", [&](const RecordValue& v) { return assign(w.HasBackColor, v); }},
        {"BackColor", [&](const RecordValue& v) { return assign(w.BackColor, v); }},
        {"MenuBarVisible", [&](const RecordValue& v) { return assign(w.MenuBarVisible, v); }},
    };
    applyAll(
        ReadRecord(record),
        [&](const RecordEntry& e) -> Apply {
            auto it = setters.find(e.name);
            return it == setters.end() ? Apply{} : it->second(e.value);
        },
        "window");
}

void SetProperties(RectControl& c, std::string_view record)
{
    auto* button = dynamic_cast<PushButton*>(&c);
    auto* radio = dynamic_cast<RadioButton*>(&c);
    std::map<std::string_view, std::function<Apply(const RecordValue&)>> setters = {
        {"Name", [&](const RecordValue& v) { return assign(c.Name, v); }},
        {"Index", [&](const RecordValue& v) { return assign(c.Index, v); }},
        {"Left", [&](const RecordValue& v) { return assign(c.Left, v); }},
        {"Top", [&](const RecordValue& v) { return assign(c.Top, v); }},
        {"Width", [&](const RecordValue& v) { return assign(c.Width, v); }},
        {"Height", [&](const RecordValue& v) { return assign(c.Height, v); }},
        {"LockLeft", [&](const RecordValue& v) { return assign(c.LockLeft, v); }},
        {"LockTop", [&](const RecordValue& v) { return assign(c.LockTop, v); }},
        {"LockRight", [&](const RecordValue& v) { return assign(c.LockRight, v); }},
        {"LockBottom", [&](const RecordValue& v) { return assign(c.LockBottom, v); }},
        {"TabPanelIndex", [&](const RecordValue& v) { return assign(c.TabPanelIndex, v); }},
        {"TabIndex", [&](const RecordValue& v) { return assign(c.TabIndex, v); }},
        {"TabStop", [&](const RecordValue& v) { return assign(c.TabStop, v); }},
        {"Enabled", [&](const RecordValue& v) { return assign(c.Enabled, v); }},
        {"Visible", [&](const RecordValue& v) { return assign(c.Visible, v); }},
        {"HelpTag", [&](const RecordValue& v) { return assign(c.HelpTag, v); }},
        {"AutoDeactivate", [&](const RecordValue& v) { return assign(c.AutoDeactivate, v); }},
        {"Transparent", [&](const RecordValue& v) { return assign(c.Transparent, v); }},
        {"TextFont", [&](const RecordValue& v) { return assign(c.TextFont, v); }},
        {"TextSize", [&](const RecordValue& v) { return assign(c.TextSize, v); }},
        {"TextUnit", [&](const RecordValue& v) { return assignInteger(c.TextUnit, v); }},
        {"Bold", [&](const RecordValue& v) { return assign(c.Bold, v); }},
        {"Italic", [&](const RecordValue& v) { return assign(c.Italic, v); }},
        {"Underline", [&](const RecordValue& v) { return assign(c.Underline, v); }},
        {"InitialParent", [&](const RecordValue& v) { return assign(c.InitialParent, v); }},
    };
    if (button) {
        setters["Caption"] = [button](const RecordValue& v) { return assign(button->Caption, v); };
        setters["Default"] = [button](const RecordValue& v) { return assign(button->Default, v); };
        setters["Cancel"] = [button](const RecordValue& v) { return assign(button->Cancel, v); };
        setters["ButtonStyle"] = [button](const RecordValue& v) { return assign(button->ButtonStyle, v); };
    }
    if (radio) {
        setters["Caption"] = [radio](const RecordValue& v) { return assign(radio->Caption, v); };
        setters["Value"] = [radio](const RecordValue& v) { return assign(radio->Value, v); };
    }
    applyAll(
        ReadRecord(record),
        [&](const RecordEntry& e) -> Apply {
            auto it = setters.find(e.name);
            return it == setters.end() ? Apply{} : it->second(e.value);
        },
        c.ClassName());
}

} // namespace platform
