// Text from servers and documents shown without anything that steers a terminal.
#include "publish/VisibleText.h"

#include <gtest/gtest.h>

namespace tarvin::publish {
namespace {

TEST(VisibleTextTest, ControlsBecomeEscapesAndEverythingElseStays)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"226 Transfer complete.", "226 Transfer complete."},
        {"550 C:\\site\\x", "550 C:\\site\\x"},
        {"\x1B[2J\x1B]0;title\x07", "\\x1B[2J\\x1B]0;title\\x07"},
        {"tab\there\rcr\nlf", "tab\\x09here\\x0Dcr\\x0Alf"},
        {std::string("nul\0end", 7), "nul\\x00end"},
        {"del\x7F", "del\\x7F"},
        {"Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"c1 \xC2\x9B" "31m \xC2\x85", "c1 \\u009B31m \\u0085"},
        {"raw \x9B" "31m", "raw \\x9B31m"},
        {"latin1 caf\xE9", "latin1 caf\\xE9"},
        {"overlong \xC0\xAF \xE0\x80\xAF", "overlong \\xC0\\xAF \\xE0\\x80\\xAF"},
        {"surrogate \xED\xA0\x80", "surrogate \\xED\\xA0\\x80"},
        {"cut \xE2\x82", "cut \\xE2\\x82"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(VisibleText(text), shown) << text;
        EXPECT_EQ(VisibleText(shown), shown) << "showing twice changes nothing";
    }
}

} // namespace
} // namespace tarvin::publish
