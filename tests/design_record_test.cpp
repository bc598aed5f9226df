#include "platform/controls.h"
#include "platform/design_record.h"
#include "platform/errors.h"
#include "window/main_window.h"

#include <gtest/gtest.h>

namespace {

using platform::Color;
using platform::Integer;
using platform::RecordEntry;
using platform::RecordValue;

struct Expected {
    size_t offset;
    const char* name;
    RecordValue value;
};

void expectEntries(const std::string& record, size_t size, const std::vector<Expected>& expected)
{
    EXPECT_EQ(record.size(), size);
    auto entries = platform::ReadRecord(record);
    ASSERT_EQ(entries.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(entries[i].offset, expected[i].offset) << expected[i].name;
        EXPECT_EQ(entries[i].name, expected[i].name);
        EXPECT_EQ(entries[i].value, expected[i].value) << expected[i].name;
    }
}

const Integer kNone = -2147483648LL;
const RecordValue kEmpty = std::string();

TEST(DesignRecordTest, WindowRecordHasEveryEntryInPlace)
{
    expectEntries(window::WindowRecord(), 330,
                  {{0, "Width", Integer{511}},          {14, "Height", Integer{306}},
                   {29, "MinWidth", Integer{50}},       {46, "MinHeight", Integer{50}},
                   {64, "MaxWidth", Integer{511}},      {81, "MaxHeight", Integer{306}},
                   {99, "Frame", Integer{0}},           {113, "Title", std::string("Brindlex")},
                   {131, "CloseButton", true},          {144, "Resizeable", false},
                   {156, "MaximizeButton", false},      {172, "MinimizeButton", true},
                   {188, "FullScreenButton", false},    {206, "Composite", false},
                   {217, "MacProcID", Integer{0}},      {235, "Placement", Integer{2}},
                   {253, "Visible", true},              {262, "LiveResize", false},
                   {274, "FullScreen", false},          {286, "HasBackColor", true},
                   {300, "BackColor", Color{0xFE, 0xFE, 0xFF, 0x00}}, {314, "MenuBarVisible", true}});
}

std::vector<Expected> buttonEntries(const char* name, Integer left, Integer tab, const char* caption, bool isDefault)
{
    return {{0, "Name", std::string(name)},   {19, "Index", kNone},         {33, "Left", left},
            {46, "Top", Integer{273}},        {58, "Width", Integer{60}},    {72, "Height", Integer{20}},
            {87, "LockLeft", false},          {97, "LockTop", false},        {106, "LockRight", true},
            {117, "LockBottom", true},        {129, "TabPanelIndex", Integer{0}}, {151, "TabIndex", tab},
            {168, "TabStop", true},           {177, "Caption", std::string(caption)}, {193, "Default", isDefault},
            {202, "Cancel", false},           {210, "Enabled", false},       {219, "Visible", false},
            {228, "HelpTag", kEmpty},         {240, "AutoDeactivate", true}, {256, "ButtonStyle", Integer{0}},
            {276, "Transparent", true},       {289, "TextFont", std::string("System")}, {308, "TextSize", 12.0f},
            {321, "TextUnit", std::uint8_t{0}}, {331, "Bold", false},       {337, "Italic", false},
            {345, "Underline", false},        {356, "InitialParent", kEmpty}};
}

TEST(DesignRecordTest, PushButtonRecordsHaveEveryEntryInPlace)
{
    expectEntries(window::PushButtonRecord("OkayButton", 438, 0, "Okay", true), 374,
                  buttonEntries("OkayButton", 438, 0, "Okay", true));
    expectEntries(window::PushButtonRecord("PassButton", 368, 1, "Pass", false), 374,
                  buttonEntries("PassButton", 368, 1, "Pass", false));
}

TEST(DesignRecordTest, RadioRecordsHaveEveryEntryInPlace)
{
    for (Integer i = 0; i <= 4; ++i) {
        SCOPED_TRACE(i);
        expectEntries(window::RadioRecord(i), 342,
                      {{0, "Name", std::string("answerButton")}, {21, "Index", i},
                       {35, "Left", Integer{50}},                {48, "Top", Integer{130 + 20 * i}},
                       {60, "Width", Integer{15}},               {74, "Height", Integer{15}},
                       {89, "LockLeft", false},                  {99, "LockTop", false},
                       {108, "LockRight", false},                {119, "LockBottom", false},
                       {131, "TabPanelIndex", Integer{0}},       {153, "TabIndex", Integer{2 + i}},
                       {170, "TabStop", true},                   {179, "Caption", kEmpty},
                       {191, "Enabled", false},                  {200, "Visible", false},
                       {209, "HelpTag", kEmpty},                 {221, "AutoDeactivate", true},
                       {237, "Transparent", true},               {250, "TextFont", std::string("System")},
                       {269, "TextSize", 12.0f},                 {282, "TextUnit", std::uint8_t{0}},
                       {292, "Bold", false},                     {298, "Italic", false},
                       {306, "Underline", false},                {317, "Value", false},
                       {324, "InitialParent", kEmpty}});
    }
}

struct MalformedCase {
    const char* name;
    std::string record;
    const char* message; // the error names the entry and its byte offset
    friend void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }
};

std::string goodHead() { return platform::RecordWriter().Integer("Left", 7).Text("Caption", "Go").Bytes(); }

class MalformedRecordTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedRecordTest, IsRejectedWholeWithEntryAndOffset)
{
    platform::PushButton button;
    button.Left = 1;
    button.Caption = "Old";
    try {
        platform::SetProperties(button, GetParam().record);
        FAIL() << "no error";
    } catch (const platform::RuntimeException& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
    EXPECT_EQ(button.Left.get(), 1);
    EXPECT_EQ(button.Caption.get(), "Old");
}

INSTANTIATE_TEST_SUITE_P(
    Records, MalformedRecordTest,
    testing::Values(
        MalformedCase{"IntegerCutShort", goodHead() + std::string("Top \x01\x02", 6),
                      "design record: value cut short in entry \"Top\" at byte 27"},
        MalformedCase{"StringPastTheEnd", goodHead() + std::string("HelpTag \x09\x00\x00\x00" "abc", 15),
                      "design record: string length past the end in entry \"HelpTag\" at byte 27"},
        MalformedCase{"UnknownName", goodHead() + "Colour " + std::string(4, '\0'),
                      "design record: unknown name in entry \"Colour\" at byte 27"},
        MalformedCase{"NameWithoutValue", goodHead() + "Visible",
                      "design record: no value in entry \"Visible\" at byte 27"},
        MalformedCase{"BooleanNotZeroOrOne", goodHead() + std::string("Visible \x02", 9),
                      "design record: Boolean neither 0 nor 1 in entry \"Visible\" at byte 27"},
        MalformedCase{"NotAButtonProperty", goodHead() + platform::RecordWriter().Boolean("Value", true).Bytes(),
                      "design record: no such property of a PushButton in entry \"Value\" at byte 27"},
        MalformedCase{"WindowPropertyOnButton", goodHead() + platform::RecordWriter().Text("Title", "x").Bytes(),
                      "design record: no such property of a PushButton in entry \"Title\" at byte 27"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesignRecordTest, EmptyRecordAppliesNothing)
{
    EXPECT_TRUE(platform::ReadRecord("").empty());
    platform::RadioButton radio;
    platform::SetProperties(radio, window::RadioRecord(3));
    EXPECT_EQ(radio.Index.get(), 3);
    EXPECT_EQ(radio.Top.get(), 190);
    EXPECT_FALSE(radio.Visible);
}

} // namespace
