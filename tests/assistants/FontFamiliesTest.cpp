// The font names the font dialog offers: plain family names, once each.

#include "assistants/FontFamilies.h"

#include <gtest/gtest.h>

namespace tarvin {
namespace {

TEST(FontFamiliesTest, FoundriesAreDroppedAndEachFamilyOfferedOnce)
{
    const QStringList database = {"DejaVu Sans", "Nimbus Sans [UKWN]", "Nimbus Sans [urw]", "Noto Sans", "Nimbus Sans",
                                  "Symbol [bitstream]", "[bracketed]", "Odd [name] Family"};
    EXPECT_EQ(PlainFamilyNames(database),
              QStringList({"DejaVu Sans", "Nimbus Sans", "Noto Sans", "Symbol", "[bracketed]", "Odd [name] Family"}));
}

TEST(FontFamiliesTest, PlainNames)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Nimbus Sans [urw]", "Nimbus Sans"},
        {"Nimbus Sans", "Nimbus Sans"},
        {"Times New Roman", "Times New Roman"},
        {"[only a foundry]", "[only a foundry]"},
        {"", ""},
    };
    for (const auto& [family, plain] : cases)
        EXPECT_EQ(PlainFamilyName(family).toStdString(), plain) << family;
}

} // namespace
} // namespace tarvin
