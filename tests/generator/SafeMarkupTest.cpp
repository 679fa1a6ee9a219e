// What the page makes of texts that would break plain templates: quotes and
// backslashes in drop boxes, awkward picture names, markup characters in
// attribute values, texts in Windows-1252, huge margins; and the credit
// button that travels inside the page. Awkward picture names are in the
// picture path table of PageHtmlTest.

#include "PageBuilder.h"

#include <gtest/gtest.h>

#include <climits>

namespace tarvin {
namespace {

using namespace test;

std::string DropBox(const std::string& options)
{
    return "<script language=\"JavaScript\">\r\n<!--\r\n"
           "document.write('<form name=\"selecter1\"><select name=\"select\" size=1>');\r\n"
           "document.write('<option value=none>Select your destination');\r\n"
           "document.write('<option value=none>--------------------');\r\n" +
        options +
        "document.write('</select>');\r\n"
        "document.write('&nbsp;<INPUT TYPE=\"button\" VALUE=\"Go\" onclick=\"go(document.selecter1.select)\">');\r\n"
        "document.write('</form>');\r\n//-->\r\n</script>\r\n\r\n";
}

TLinkBlock& AddDropBox(TPagelette& page, std::string entries)
{
    TLinkBlock& box = AddItem(page, TBlockType::btLink, TBlockAlignment::baNone).LinkBlock();
    box.UseDropBox = true;
    box.DropBoxText = std::move(entries);
    return box;
}

INSTANTIATE_TEST_SUITE_P(
    Mends, Blocks,
    testing::Values(
        BlockCase{"DropBoxQuotesAndBackslashesStayInsideTheScriptString",
                 [](TPagelette& page) {
                     AddDropBox(page, "bob's.html\tBob's page\r\nc:\\x.html\tBack\\slash\r\na\"b.html\t<b>Bold</b>");
                 },
                 DropBox("document.write('<option value=\"bob\\'s.html\">Bob\\'s page');\r\n\r\n"
                         "document.write('<option value=\"c:\\\\x.html\">Back\\\\slash');\r\n\r\n"
                         "document.write('<option value=\"a&quot;b.html\"><b>Bold<\\/b>');\r\n\r\n")},
        BlockCase{"DropBoxCaptionCannotEndTheScript",
                 [](TPagelette& page) { AddDropBox(page, "x.html\t</script><script>alert(1)</script>"); },
                 DropBox("document.write('<option value=\"x.html\"><\\/script><script>alert(1)<\\/script>');"
                         "\r\n\r\n")},
        BlockCase{"AltHeightAndAlignCannotLeaveTheirAttribute",
                 [](TPagelette& page) {
                     TImageBlock& image = AddItem(page, TBlockType::btImage, TBlockAlignment::baNone).ImageBlock();
                     image.FileName = "cat.gif";
                     image.Alt = "5\" x 3\" <big> & tall";
                     image.Height = "100\"";
                     image.Align = "LEFT\"><script>";
                     image.ImageLink = "show.html?a=1&b=\"2\"";
                 },
                 "<A HREF=\"show.html?a=1&amp;b=&quot;2&quot;\"><IMG SRC=\"cat.gif\" BORDER=0 "
                 "ALT=\"5&quot; x 3&quot; &lt;big&gt; &amp; tall\" HEIGHT=\"100&quot;\" WIDTH=\"\" "
                 "ALIGN=\"LEFT&quot;&gt;&lt;script&gt;\"></A>\r\n"},
        BlockCase{"LinkAddressIsEscapedButItsTextIsTheUsersOwnHtml",
                 [](TPagelette& page) {
                     TLinkBlock& link = AddItem(page, TBlockType::btLink, TBlockAlignment::baNone).LinkBlock();
                     link.LinkURL = "a.html\" onclick=\"x";
                     link.LinkText = "<B>Bold</B> & \"quoted\"";
                 },
                 "<A HREF=\"a.html&quot; onclick=&quot;x\"><B>Bold</B> & \"quoted\"</A>\r\n"},
        BlockCase{"FontFaceKeepsItsQuotesAndEscapesWhatIsInside",
                 [](TPagelette& page) {
                     THeadingBlock& heading = AddItem(page, TBlockType::btHeading, TBlockAlignment::baNone).HeadingBlock();
                     heading.Heading = "<I>Hi</I>";
                     heading.Attributes = "\"My \"Best\" Font>\", 12, [], [clRed]";
                     heading.ApplyFont = 1;
                 },
                 "<FONT FACE=\"My &quot;Best&quot; Font&gt;\" SIZE=\"3\" COLOR=\"#FF0000\"><I>Hi</I></FONT>\r\n"},
        BlockCase{"Windows1252TextsAreConvertedEachOnItsOwn",
                 [](TPagelette& page) {
                     AddItem(page, TBlockType::btHeading, TBlockAlignment::baNone).HeadingBlock().Heading =
                         "Caf\xE9 \x93quoted\x94";
                     TLinkBlock& link = AddItem(page, TBlockType::btLink, TBlockAlignment::baNone).LinkBlock();
                     link.LinkURL = "caf\xC3\xA9.html";  // already UTF-8: kept
                     link.LinkText = "na\xEFve \x80";
                     AddItem(page, TBlockType::btText, TBlockAlignment::baNone).TextBlock().Text = "\xC3\xA9t\xE9";
                 },
                 "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D\r\n"
                 "<A HREF=\"caf\xC3\xA9.html\">na\xC3\xAFve \xE2\x82\xAC</A>\r\n"
                 "\xC3\x83\xC2\xA9t\xC3\xA9\r\n\r\n"}),
    BlockCaseName);

TEST(SafeMarkup, MetaTagsAndTitleAreConvertedAndMetaValuesEscaped)
{
    TPagelette page;
    TPagePropertiesBlock& details = AddDetails(page, "Caf\xE9").PagePropertiesBlock();
    details.MetaText = "description\tA \"quoted\" <page>";
    const std::string html = Render(page);
    EXPECT_EQ(html.substr(0, Header("Caf\xC3\xA9").size()), Header("Caf\xC3\xA9"));
    EXPECT_NE(html.find("<META NAME=\"description\" CONTENT=\"A &quot;quoted&quot; &lt;page&gt;\">\r\n"),
              std::string::npos);
}

TEST(SafeMarkup, EveryMarginGivesTheContentWidthWithoutOverflow)
{
    const auto widths = [](const std::string& margin) {
        TPagelette page;
        AddDetails(page).PagePropertiesBlock().IndentMargin = margin;
        PageBuildOptions options;
        options.showLogo = false;
        const std::string html = Render(page, options);
        const auto first = html.find("<TR><TD WIDTH=\"");
        const auto second = html.find("<TD VALIGN=\"TOP\" WIDTH=\"");
        return html.substr(first, html.find('\n', first) - first) + "|" +
            html.substr(second, html.find('\n', second) - second);
    };
    for (int margin = -10000; margin <= 10000; ++margin) {
        if (margin == 0)
            continue;  // "0" means no table
        const std::string text = std::to_string(margin);
        ASSERT_EQ(widths(text), "<TR><TD WIDTH=\"" + text + "\">&nbsp;</TD>\r|<TD VALIGN=\"TOP\" WIDTH=\"" +
                                    std::to_string(600 - margin) + "\">\r")
            << margin;
    }
    EXPECT_EQ(widths(std::to_string(INT_MIN)), "<TR><TD WIDTH=\"-2147483648\">&nbsp;</TD>\r|"
                                               "<TD VALIGN=\"TOP\" WIDTH=\"2147484248\">\r");
    EXPECT_EQ(widths(std::to_string(INT_MAX)), "<TR><TD WIDTH=\"2147483647\">&nbsp;</TD>\r|"
                                               "<TD VALIGN=\"TOP\" WIDTH=\"-2147483047\">\r");
}

// The picture's bytes, from its data: address.
std::string DecodedCreditPicture()
{
    const std::string_view prefix = "data:image/png;base64,";
    EXPECT_EQ(html::CreditPicture.substr(0, prefix.size()), prefix);
    const std::string_view base64 = html::CreditPicture.substr(prefix.size());
    static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : base64) {
        if (c == '=')
            break;
        const auto value = alphabet.find(c);
        EXPECT_NE(value, std::string::npos) << c;
        bits = bits << 6 | static_cast<std::uint32_t>(value);
        if ((count += 6) >= 8) {
            count -= 8;
            bytes.push_back(static_cast<char>(bits >> count & 0xFF));
        }
    }
    return bytes;
}

TEST(SafeMarkup, CreditButtonIsAPictureInsideThePage)
{
    const std::string png = DecodedCreditPicture();
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\0\x58\0\0\0\x1F", 8));  // 88 by 31
    EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND");

    for (const TPathMode mode : {TPathMode::pmBare, TPathMode::pmRelative}) {
        TPagelette page;
        AddDetails(page);
        PageBuildOptions options;
        options.mode = mode;
        const std::string html = Render(page, options);
        EXPECT_NE(html.find("<img src=\"" + std::string(html::CreditPicture) + "\" border=0"), std::string::npos);
        // The link is the one address that leaves the page.
        EXPECT_EQ(html.find("src=\"http"), std::string::npos);
        EXPECT_NE(html.find("<a href=" + std::string(maker::WebSite) + ">"), std::string::npos);
    }
}

} // namespace
} // namespace tarvin
