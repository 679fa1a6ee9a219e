// Palette files: which lines are colours, how a colour line is read, and the
// shipped palettes.

#include "look/PaletteFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace tarvin {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}

std::string Lines(int count, const std::string& first = "") {
    std::string text = first;
    for (int i = 0; i < count; ++i) text += std::to_string(i % 256) + " 0 0\r\n";
    return text;
}

TEST(PaletteFile, TakesAtMost256ColourLinesAndFillsTheRestWhite) {
    const PaletteColors many = ParsePalette(Lines(300));
    EXPECT_EQ(many[0], Rgb(0, 0, 0));
    EXPECT_EQ(many[255], Rgb(255, 0, 0));

    const PaletteColors few = ParsePalette(Lines(10, "Ten Colours\r\n10\r\n"));
    EXPECT_EQ(few[0], Rgb(0, 0, 0));
    EXPECT_EQ(few[9], Rgb(9, 0, 0));
    for (int slot = 10; slot < PaletteSize; ++slot) EXPECT_EQ(few[slot], PaletteWhite) << slot;
}

struct LineCase {
    const char* name;
    std::string text;
    TColor slot0;
    TColor slot1;
};

class ColourLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ColourLines, AreReadAsRedGreenBlue) {
    const PaletteColors slots = ParsePalette(GetParam().text);
    EXPECT_EQ(slots[0], GetParam().slot0);
    EXPECT_EQ(slots[1], GetParam().slot1);
}

INSTANTIATE_TEST_SUITE_P(
    PaletteFile, ColourLines,
    ::testing::Values(
        LineCase{"Plain", "0 51 102\r\n", Rgb(0, 51, 102), PaletteWhite},
        LineCase{"AboveMaxCapsAndMissingComponentsCarryOver", "300 20 20\r\n20 30\r\n", Rgb(255, 20, 20),
                 Rgb(20, 30, 20)},
        LineCase{"FirstLineStartsFromZero", "17 28\r\n", Rgb(17, 28, 0), PaletteWhite},
        LineCase{"LeadingAndDoubleSpacesAreSkipped", "  1  2 3\r\n", Rgb(1, 2, 3), PaletteWhite},
        LineCase{"FourDigitPiecesAreSkipped", "1000 4 5 6\r\n", Rgb(4, 5, 6), PaletteWhite},
        LineCase{"ShortOrNotOnlyDigitsAndSpacesAreNoColourLines", "1 2\r\n1\t2\t3\r\n4 5 x\r\n4 5 6\r\n",
                 Rgb(4, 5, 6), PaletteWhite},
        LineCase{"BareLineFeedsAndCarriageReturns", "1 2 3\n4 5 6\r7 8 9", Rgb(1, 2, 3), Rgb(4, 5, 6)},
        LineCase{"OnlyLongPiecesKeepsTheLastColour", "10 20 30\r\n1234 5678\r\n", Rgb(10, 20, 30),
                 Rgb(10, 20, 30)}),
    [](const auto& info) { return std::string(info.param.name); });

std::string ShippedPalette(const std::string& name) {
    std::ifstream file(std::string(TARVIN_SOURCE_DIR) + "/data/Palettes/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(PaletteFile, WebPaletteHoldsThe216WebSafeColours) {
    const PaletteColors slots = ParsePalette(ShippedPalette("Web Palette.pal"));
    std::set<TColor> expected;
    for (int r = 0; r <= 255; r += 51)
        for (int g = 0; g <= 255; g += 51)
            for (int b = 0; b <= 255; b += 51) expected.insert(Rgb(r, g, b));
    const std::set<TColor> shipped(slots.begin(), slots.begin() + 216);
    EXPECT_EQ(shipped, expected);
}

} // namespace
} // namespace tarvin
