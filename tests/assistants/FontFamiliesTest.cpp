// The font names the font dialog offers: plain family names, once each.

#include "assistants/FontFamilies.h"

#include <gtest/gtest.h>

namespace tarvin {
namespace {

TEST(FontFamiliesTest, FoundriesAreDroppedAndEachFamilyOfferedOnce)
{
    const QStringList database = {"DejaVu Sans", "Nimbus Sans [UKWN]", "Nimbus Sans [urw]", "Noto Sans", "Nimbus Sans",
                                  "Symbol [bitstream]", "[bracketed]", "Odd [name] Family", ""};
    EXPECT_EQ(PlainFamilyNames(database),
              QStringList({"DejaVu Sans", "Nimbus Sans", "Noto Sans", "Symbol", "[bracketed]", "Odd [name] Family", ""}));
}

} // namespace
} // namespace tarvin
