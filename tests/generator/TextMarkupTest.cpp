#include "generator/PageHtml.h"

#include "document/Collection.h"

#include <gtest/gtest.h>

namespace tarvin {
namespace {

TEST(LineList, AddKeepsOneEntryAndSetTextSplitsIt)
{
    LineList lines;
    lines.Add("<P>one\r\ntwo\r\n");
    lines.Add("");
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.Text(), "<P>one\r\ntwo\r\n\r\n\r\n");

    lines.SetText(lines.Text());
    EXPECT_EQ(lines.Entries(), (std::vector<std::string>{"<P>one", "two", "", ""}));
}

TEST(LineList, SetTextSplitsAtEveryKindOfLineBreak)
{
    LineList lines;
    lines.SetText("a\r\nb\rc\nd\n\re\r\n");
    EXPECT_EQ(lines.Entries(), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    lines.SetText("");
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(lines.Text(), "");
}

TEST(LineList, IndexOutsideTheListIsAListError)
{
    LineList lines;
    lines.Add("only");
    EXPECT_EQ(lines[0], "only");
    EXPECT_THROW(lines[1], EListError);
    EXPECT_THROW(lines[-1], EListError);
}

TEST(ColorToHtml, WritesRedGreenBlueAndIgnoresHigherBits)
{
    EXPECT_EQ(ColorToHtml(0x00FF0000), "#0000FF");
    EXPECT_EQ(ColorToHtml(0x00990099), "#990099");
    EXPECT_EQ(ColorToHtml(0x00050000), "#000005");
    EXPECT_EQ(ColorToHtml(0x00ABCDEF), "#EFCDAB");
    EXPECT_EQ(ColorToHtml(static_cast<TColor>(0x8000000F)), "#0F0000");
    EXPECT_EQ(ColorToHtml(-1), "#FFFFFF");
}

struct FontCase {
    std::string description;
    std::uint8_t apply;
    std::string expected;
};

class FontAttributes : public testing::TestWithParam<FontCase> {};

TEST_P(FontAttributes, WrapTheText)
{
    EXPECT_EQ(ApplyFontAttributes("Hi", GetParam().description, GetParam().apply), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, FontAttributes,
    testing::Values(
        FontCase{"\"Arial\", 14, [Bold], [clRed]", 1, "<FONT FACE=\"Arial\" SIZE=\"4\" COLOR=\"#FF0000\"><B>Hi</B></FONT>"},
        FontCase{"\"Arial\", 14, [Bold], [clRed]", 0, "<B>Hi</B>"},
        FontCase{"\"Arial\", 14, [Bold], [$00050000]", 1, "<FONT FACE=\"Arial\" SIZE=\"4\"><B>Hi</B></FONT>"},
        FontCase{"\"Times New Roman\", 12, [Bold|Italic|Underline], [$00FF0000]", 0, "<B><I><U>Hi</U></I></B>"},
        FontCase{"\"Courier\", 8, [Bold|Underline], [clnavy]", 1,
                 "<FONT FACE=\"Courier\" SIZE=\"1\" COLOR=\"#000080\"><B><U>Hi</U></B></FONT>"},
        FontCase{"\"Courier\", 9, [], [$00336699]", 1, "<FONT FACE=\"Courier\" SIZE=\"9\" COLOR=\"#996633\">Hi</FONT>"},
        // Styles are found anywhere in the description, the face included.
        FontCase{"\"Arial Bold\", 10, [], [clBlack]", 1,
                 "<FONT FACE=\"Arial Bold\" SIZE=\"2\" COLOR=\"#000000\"><B>Hi</B></FONT>"},
        // A percent sign in the face is copied, not taken for a placeholder.
        FontCase{"\"100%s\", 16, [], [$00050000]", 1, "<FONT FACE=\"100%s\" SIZE=\"5\">Hi</FONT>"}));

TEST(ApplyFontAttributes, BadSizeOrColourIsAGenerationErrorOnlyWhenApplied)
{
    for (const char* description : {"\"Arial\", big, [], [clRed]", "\"Arial\", , [], [clRed]",
                                    "\"Arial\", 12, [], [clScarlet]", "\"Arial\", 12, [], []", "garbage"}) {
        EXPECT_THROW(ApplyFontAttributes("x", description, 1), GenerationError) << description;
        EXPECT_EQ(ApplyFontAttributes("x", description, 0), "x") << description;
    }
}

struct ConversionCase {
    TLineConversion way;
    std::string text;
    std::string expected;
};

class Conversions : public testing::TestWithParam<ConversionCase> {};

TEST_P(Conversions, RewriteEachLine)
{
    EXPECT_EQ(ConvertLines(GetParam().text, GetParam().way), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Conversions,
    testing::Values(
        ConversionCase{TLineConversion::lcParagraph, "", ""},
        ConversionCase{TLineConversion::lcParagraph, "One\r\n\r\nTwo\r\n", "One\r\n<BR><BR>\r\nTwo\r\n"},
        ConversionCase{TLineConversion::lcParagraph, "One\rTwo", "One\r\nTwo\r\n"},
        ConversionCase{TLineConversion::lcBulletItems, "Apples\r\nx\r\n\r\nPears",
                       "   <LI>Apples\r\nx\r\n\r\n   <LI>Pears\r\n"},
        ConversionCase{TLineConversion::lcDropBoxOptions, "a.html\tA page\r\nx\r\nnotab",
                       "document.write('<option value=\"a.html\">A page');\r\n\r\n"
                       "x\r\n"
                       "document.write('<option value=\"\">notab');\r\n\r\n"},
        ConversionCase{TLineConversion::lcDropBoxOptions, "u\tcaption\twith tab",
                       "document.write('<option value=\"u\">caption\twith tab');\r\n\r\n"},
        ConversionCase{TLineConversion::lcMetaTags, "author\tMe\r\nx\r\nbare",
                       "<META NAME=\"author\" CONTENT=\"Me\">\r\nx\r\n<META NAME=\"\" CONTENT=\"bare\">\r\n"}));

} // namespace
} // namespace tarvin
