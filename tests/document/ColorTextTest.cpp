#include "document/ColorText.h"

#include "document/TextUtil.h"

#include <gtest/gtest.h>

namespace tarvin {
namespace {

struct Named {
    const char* name;
    std::uint32_t value;
};

// A sample over the three groups, including both ends of the system colours.
const Named Samples[] = {
    {"clBlack", 0x00000000},     {"clMaroon", 0x00000080},        {"clNavy", 0x00800000},
    {"clRed", 0x000000FF},       {"clFuchsia", 0x00FF00FF},       {"clWhite", 0x00FFFFFF},
    {"clScrollBar", 0x80000000}, {"clWindowText", 0x80000008},    {"clBtnFace", 0x8000000F},
    {"clGrayText", 0x80000011},  {"clInactiveCaptionText", 0x80000013}, {"cl3DDkShadow", 0x80000015},
    {"clInfoBk", 0x80000018},    {"clNone", 0x1FFFFFFF},
};

TEST(ColorText, NamedColoursGoBothWays)
{
    for (const Named& named : Samples) {
        const auto color = static_cast<TColor>(named.value);
        EXPECT_EQ(ColorToString(color), named.name);
        EXPECT_EQ(StringToColor(named.name), color) << named.name;
        EXPECT_EQ(StringToColor(UpperCase(named.name)), color) << named.name;
        EXPECT_EQ(IdentToColor(LowerCase(named.name)), color) << named.name;
    }
}

TEST(ColorText, UnnamedColoursAreEightHexDigits)
{
    EXPECT_EQ(ColorToString(NoColourMarker), "$00050000");
    EXPECT_EQ(ColorToString(0x00ABCDEF), "$00ABCDEF");
    EXPECT_EQ(ColorToString(static_cast<TColor>(0x80000019)), "$80000019");
    EXPECT_EQ(ColorToString(-2), "$FFFFFFFE");
}

TEST(ColorText, TextReadsAsNameHexOrDecimal)
{
    EXPECT_EQ(StringToColor("$00050000"), NoColourMarker);
    EXPECT_EQ(StringToColor("$ff"), 0xFF);
    EXPECT_EQ(StringToColor("$80000019"), static_cast<TColor>(0x80000019));
    EXPECT_EQ(StringToColor("255"), 255);
    EXPECT_EQ(StringToColor("-1"), -1);
    EXPECT_FALSE(IdentToColor("clScarlet").has_value());
}

TEST(ColorText, AnythingElseIsAConvertError)
{
    for (const char* text : {"", "red", "clScarlet", "$", "$12G", "$123456789", "12px", "#FF0000"})
        EXPECT_THROW(StringToColor(text), EConvertError) << text;
}

} // namespace
} // namespace tarvin
