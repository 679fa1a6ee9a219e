#include "PageBuilder.h"

#include "document/FormMarkup.h"

#include <gtest/gtest.h>

namespace tarvin {
namespace {

using namespace test;

const std::string DropBoxScript =
    "<script language=\"JavaScript\">\r\n"
    "<!--\r\n"
    "// Drop-down navigation box, first written by Ostrel Software in March 1999\r\n"
    "\tfunction go(doc){\r\n"
    "\tif (doc.options[doc.selectedIndex].value != \"none\") {\r\n"
    "\t\tlocation = doc.options[doc.selectedIndex].value;\r\n"
    "\t\t}\r\n"
    "\t}\r\n"
    "//-->\r\n"
    "</script>\r\n";

TEST(BuildPageHtml, DetailsOnlyPageIsHeaderBodyAndCredit)
{
    TPagelette page;
    AddDetails(page);
    LineList lines;
    BuildPageHtml(page, lines, {});

    const std::vector<std::string> expected{
        "<!-- Created with Ostrel Tarvin 6.1 -->",
        "<!--        " + std::string(maker::WebSite) + "         -->",
        "<HTML>",
        "<HEAD>",
        "     <TITLE>My Page</TITLE>",
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">",
        "</HEAD>",
        "",
        "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" ALINK=\"#FF0000\" VLINK=\"#990099\">",
        "<div align=\"center\"><a href=" + std::string(maker::WebSite) + "><img src=\"" +
            std::string(html::CreditPicture) + "\" border=0 alt=\"HTML Editor - Flash - Web Hosting\"><br>",
        "<font size=\"1\" face=\"Verdana, Arial\">Home of the Ostrel HTML Editor</font></a></div>",
        "</BODY></HTML>",
    };
    EXPECT_EQ(lines.Entries(), expected);
}

TEST(BuildPageHtml, WithoutLogoThereIsNoCredit)
{
    TPagelette page;
    AddDetails(page);
    PageBuildOptions options;
    options.showLogo = false;
    EXPECT_EQ(Render(page, options), Header() + "</HEAD>\r\n\r\n" + DefaultBody + "</BODY></HTML>\r\n");
}

TEST(BuildPageHtml, PageWithoutItemsLeavesListAndPanelAlone)
{
    TPagelette page;
    LineList lines;
    lines.Add("kept");
    bool stored = false;
    PageBuildOptions options;
    options.storeCurrentBlock = [&] { stored = true; };
    BuildPageHtml(page, lines, options);
    EXPECT_EQ(lines.Text(), "kept\r\n");
    EXPECT_FALSE(stored);
}

TEST(BuildPageHtml, StoresVisiblePanelFirstAndSelectsTheme)
{
    TPagelette page;
    AddDetails(page).PagePropertiesBlock().ThemeName = "Ocean";
    TPageItem& heading = AddItem(page, TBlockType::btHeading, TBlockAlignment::baNone);
    std::string selected;
    PageBuildOptions options;
    options.storeCurrentBlock = [&] { heading.HeadingBlock().Heading = "Latest edit"; };
    options.selectTheme = [&](const std::string& name) { selected = name; };
    EXPECT_EQ(Render(page, options), PlainPage("Latest edit\r\n"));
    EXPECT_EQ(selected, "Ocean");
}

TEST(BuildPageHtml, MarginPutsBlocksAndCreditIntoThemeTable)
{
    TPagelette page;
    AddDetails(page).PagePropertiesBlock().IndentMargin = "150";
    AddItem(page, TBlockType::btHeading, TBlockAlignment::baNone).HeadingBlock().Heading = "Hi";
    const std::string table =
        "<TABLE WIDTH=\"600\" BORDER=\"0\" CELLPADDING=\"0\" CELLSPACING=\"0\">\r\n"
        "<TR><TD WIDTH=\"150\">&nbsp;</TD>\r\n"
        "<TD VALIGN=\"TOP\" WIDTH=\"450\">\r\n"
        "Hi\r\n"
        "\r\n";
    const std::string start = Header() + "</HEAD>\r\n\r\n" + DefaultBody + table;

    EXPECT_EQ(Render(page), start + Credit() + "</TD></TR></TABLE>\r\n</BODY></HTML>\r\n");
    PageBuildOptions noLogo;
    noLogo.showLogo = false;
    EXPECT_EQ(Render(page, noLogo), start + "</TD></TR></TABLE>\r\n</BODY></HTML>\r\n");
}

TEST(BuildPageHtml, MarginThatIsNotANumberIsAGenerationError)
{
    for (const char* margin : {"abc", "", "15px", "0.5"}) {
        TPagelette page;
        AddDetails(page).PagePropertiesBlock().IndentMargin = margin;
        LineList lines;
        EXPECT_THROW(BuildPageHtml(page, lines, {}), GenerationError) << margin;
    }
}

TEST(BuildPageHtml, DropBoxesAtItemsTwoAndFiveShareOneScript)
{
    TPagelette page;
    AddDetails(page);
    TLinkBlock& first = AddItem(page, TBlockType::btLink).LinkBlock();
    first.LinkURL = "a.html";
    first.LinkText = "A";
    TLinkBlock& boxTwo = AddItem(page, TBlockType::btLink, TBlockAlignment::baLeft, true).LinkBlock();
    boxTwo.UseDropBox = true;
    boxTwo.DropBoxText = "one.html\tOne\r\ntwo.html\tTwo";
    AddItem(page, TBlockType::btHR).HRBlock().Width = 100;
    TLinkBlock& noEntries = AddItem(page, TBlockType::btLink).LinkBlock();
    noEntries.UseDropBox = true;
    noEntries.LinkURL = "b.html";
    noEntries.LinkText = "B";
    TLinkBlock& boxFive = AddItem(page, TBlockType::btLink).LinkBlock();
    boxFive.UseDropBox = true;
    boxFive.DropBoxText = "mailto:me@example.com\tMail";

    const std::string body =
        "<A HREF=\"a.html\">A</A>\r\n"
        "<script language=\"JavaScript\">\r\n"
        "<!--\r\n"
        "document.write('<form name=\"selecter2\"><select name=\"select\" size=1>');\r\n"
        "document.write('<option value=none>Select your destination');\r\n"
        "document.write('<option value=none>--------------------');\r\n"
        "document.write('<option value=\"one.html\">One');\r\n"
        "\r\n"
        "document.write('<option value=\"two.html\">Two');\r\n"
        "\r\n"
        "document.write('</select>');\r\n"
        "document.write('&nbsp;<INPUT TYPE=\"button\" VALUE=\"Go\" onclick=\"go(document.selecter2.select)\">');\r\n"
        "document.write('</form>');\r\n"
        "//-->\r\n"
        "</script>\r\n"
        "<P>\r\n"
        "<HR WIDTH=\"100%\" SIZE=\"3\">\r\n"
        "<A HREF=\"b.html\">B</A>\r\n"
        "<script language=\"JavaScript\">\r\n"
        "<!--\r\n"
        "document.write('<form name=\"selecter5\"><select name=\"select\" size=1>');\r\n"
        "document.write('<option value=none>Select your destination');\r\n"
        "document.write('<option value=none>--------------------');\r\n"
        "document.write('<option value=\"mailto:me@example.com\">Mail');\r\n"
        "\r\n"
        "document.write('</select>');\r\n"
        "document.write('&nbsp;<INPUT TYPE=\"button\" VALUE=\"Go\" onclick=\"go(document.selecter5.select)\">');\r\n"
        "document.write('</form>');\r\n"
        "//-->\r\n"
        "</script>\r\n"
        "\r\n";
    EXPECT_EQ(Render(page), PlainPage(body, DropBoxScript));
}

TEST(BuildPageHtml, HeadHoldsMetaTagsThenScriptThenLinkStyle)
{
    TPagelette page;
    TPagePropertiesBlock& details = AddDetails(page).PagePropertiesBlock();
    details.MetaText = "keywords\tcats, dogs\r\ndescription\tPets";
    details.Underline = true;
    TLinkBlock& box = AddItem(page, TBlockType::btLink, TBlockAlignment::baNone).LinkBlock();
    box.UseDropBox = true;
    box.DropBoxText = "x";  // a one-character line is kept as it is

    const std::string head = "<META NAME=\"keywords\" CONTENT=\"cats, dogs\">\r\n"
                             "<META NAME=\"description\" CONTENT=\"Pets\">\r\n" +
        DropBoxScript +
        "<style type=\"text/css\">\r\n"
        "<!-- A:link {text-decoration: none;}\r\n"
        "     A:visited {text-decoration: none;} -->\r\n"
        "</style>\r\n";
    const std::string body =
        "<script language=\"JavaScript\">\r\n"
        "<!--\r\n"
        "document.write('<form name=\"selecter1\"><select name=\"select\" size=1>');\r\n"
        "document.write('<option value=none>Select your destination');\r\n"
        "document.write('<option value=none>--------------------');\r\n"
        "x\r\n"
        "document.write('</select>');\r\n"
        "document.write('&nbsp;<INPUT TYPE=\"button\" VALUE=\"Go\" onclick=\"go(document.selecter1.select)\">');\r\n"
        "document.write('</form>');\r\n"
        "//-->\r\n"
        "</script>\r\n"
        "\r\n";
    EXPECT_EQ(Render(page), PlainPage(body, head));
}

struct PathCase {
    TPathMode mode;
    std::string imageFile;
    std::string backgroundFile;
    std::string image;
    std::string background;
};

class PicturePaths : public testing::TestWithParam<PathCase> {};

TEST_P(PicturePaths, ImageAndBackgroundFollowTheMode)
{
    TPagelette page;
    AddDetails(page).PagePropertiesBlock().Background = GetParam().backgroundFile;
    TImageBlock& image = AddItem(page, TBlockType::btImage).ImageBlock();
    image.FileName = GetParam().imageFile;
    image.Alt = "Cat";
    PageBuildOptions options;
    options.mode = GetParam().mode;
    options.programFolder = "/opt/tarvin/";

    const std::string expected = Header() + "</HEAD>\r\n\r\n" +
        "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" ALINK=\"#FF0000\" VLINK=\"#990099\" "
        "BACKGROUND=\"" + GetParam().background + "\">\r\n"
        "<IMG SRC=\"" + GetParam().image + "\" BORDER=0 ALT=\"Cat\" HEIGHT=\"\" WIDTH=\"\">\r\n" +
        Credit() + "</BODY></HTML>\r\n";
    EXPECT_EQ(Render(page, options), expected);
}

// Awkward names are encoded for the address; the embedded viewer of the
// local mode reads blanks and letters as they are.
const std::string Awkward = "100% \"caf\xC3\xA9\" #1?.gif";

INSTANTIATE_TEST_SUITE_P(
    Modes, PicturePaths,
    testing::Values(
        PathCase{TPathMode::pmLocal, "cat.gif", "bg.gif", "/opt/tarvin/Upload/images/cat.gif",
                 "/opt/tarvin/Upload/backgrounds/bg.gif"},
        PathCase{TPathMode::pmRelative, "cat.gif", "bg.gif", "../Upload/images/cat.gif", "../Upload/backgrounds/bg.gif"},
        PathCase{TPathMode::pmBare, "cat.gif", "bg.gif", "cat.gif", "bg.gif"},
        PathCase{TPathMode::pmBare, Awkward, "sky #2.gif", "100%25%20%22caf%C3%A9%22%20%231%3F.gif", "sky%20%232.gif"},
        PathCase{TPathMode::pmRelative, Awkward, "sky #2.gif", "../Upload/images/100%25%20%22caf%C3%A9%22%20%231%3F.gif",
                 "../Upload/backgrounds/sky%20%232.gif"},
        PathCase{TPathMode::pmLocal, Awkward, "sky #2.gif",
                 "/opt/tarvin/Upload/images/100%25 &quot;caf\xC3\xA9&quot; %231%3F.gif",
                 "/opt/tarvin/Upload/backgrounds/sky %232.gif"}));

TEST_P(Blocks, GiveTheirMarkup)
{
    TPagelette page;
    AddDetails(page);
    GetParam().build(page);
    EXPECT_EQ(BodyOf(Render(page)), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Generator, Blocks,
    testing::Values(
        BlockCase{"CentredHeadingOnNewLine",
                  [](TPagelette& page) {
                      AddItem(page, TBlockType::btHeading, TBlockAlignment::baCenter, true).HeadingBlock().Heading =
                          "Welcome";
                  },
                  "<CENTER>Welcome</CENTER><P>\r\n"},
        BlockCase{"HeadingWithFont",
                  [](TPagelette& page) {
                      THeadingBlock& heading = AddItem(page, TBlockType::btHeading).HeadingBlock();
                      heading.Heading = "Hi";
                      heading.Attributes = "\"Arial\", 14, [Bold], [clRed]";
                      heading.ApplyFont = 1;
                  },
                  "<FONT FACE=\"Arial\" SIZE=\"4\" COLOR=\"#FF0000\"><B>Hi</B></FONT>\r\n"},
        BlockCase{"RightParagraphWithBlankLine",
                  [](TPagelette& page) {
                      TTextBlock& text = AddItem(page, TBlockType::btText, TBlockAlignment::baRight).TextBlock();
                      text.Text = "One\r\n\r\nTwo";
                      text.Attributes = DefaultFontDescription;
                  },
                  "<P ALIGN=\"RIGHT\">One\r\n<BR><BR>\r\nTwo\r\n</P>\r\n"},
        BlockCase{"ParagraphFontWrapsAllLines",
                  [](TPagelette& page) {
                      TTextBlock& text = AddItem(page, TBlockType::btText).TextBlock();
                      text.Text = "One\nTwo";
                      text.Attributes = "\"Verdana\", 10, [Italic], [$00050000]";
                      text.ApplyFont = 1;
                  },
                  "<FONT FACE=\"Verdana\" SIZE=\"2\"><I>One\r\nTwo\r\n</I></FONT>\r\n"},
        BlockCase{"LinkedAlignedImage",
                  [](TPagelette& page) {
                      TImageBlock& image = AddItem(page, TBlockType::btImage).ImageBlock();
                      image.FileName = "cat.gif";
                      image.Alt = "Cat";
                      image.Height = "20";
                      image.Align = "LEFT";
                      image.ImageLink = "big.html";
                  },
                  "<A HREF=\"big.html\"><IMG SRC=\"cat.gif\" BORDER=0 ALT=\"Cat\" HEIGHT=\"20\" WIDTH=\"\" "
                  "ALIGN=\"LEFT\"></A>\r\n"},
        BlockCase{"EmailLink",
                  [](TPagelette& page) {
                      TLinkBlock& link = AddItem(page, TBlockType::btLink).LinkBlock();
                      link.LinkURL = "me@example.com";
                      link.LinkText = "Mail me";
                      link.Email = true;
                  },
                  "<A HREF=\"mailto:me@example.com\">Mail me</A>\r\n"},
        BlockCase{"RomanBulletsSkipOneCharacterLines",
                  [](TPagelette& page) {
                      TBulletBlock& list = AddItem(page, TBlockType::btBullet).BulletBlock();
                      list.Bullets = "Apples\r\nx\r\nPears";
                      list.Style = TListStyle::lsUpCaseRoman;
                  },
                  "<OL TYPE=\"I\">\r\n   <LI>Apples\r\nx\r\n   <LI>Pears\r\n</OL>\r\n"},
        BlockCase{"UnshadedLine",
                  [](TPagelette& page) {
                      THRBlock& line = AddItem(page, TBlockType::btHR).HRBlock();
                      line.Width = 80;
                      line.Size = 2;
                      line.NoShade = true;
                  },
                  "<HR WIDTH=\"80%\" SIZE=\"9\" NOSHADE>\r\n"},
        BlockCase{"FormWithoutFieldsIsLeftOut",
                  [](TPagelette& page) { AddItem(page, TBlockType::btForms, TBlockAlignment::baLeft, true); },
                  "<P>\r\n"},
        BlockCase{"SecondDetailsItemIsEmptyAndGetsNoBreak",
                  [](TPagelette& page) {
                      AddItem(page, TBlockType::btPageProperties, TBlockAlignment::baNone, true);
                  },
                  "\r\n"}),
    BlockCaseName);

TEST(BuildPageHtml, FormItemCarriesTheFormMarkup)
{
    TPagelette page;
    AddDetails(page);
    AddItem(page, TBlockType::btForms, TBlockAlignment::baCenter);
    page.Email = "me@example.com";
    page.WebForm().Add().Name = "Your Name";
    EXPECT_EQ(Render(page), PlainPage("<CENTER>" + GetFormHtml(page) + "</CENTER>\r\n"));
}

TEST(BuildPageHtml, ListIndexErrorWarnsAndKeepsWhatWasBuilt)
{
    TPagelette page;
    AddDetails(page);
    AddItem(page, TBlockType::btHeading, TBlockAlignment::baNone).HeadingBlock().Heading = "Kept";
    AddItem(page, TBlockType::btHR).HRBlock().Size = 6;  // no such thickness
    std::vector<std::string> warnings;
    PageBuildOptions options;
    options.warn = [&](const std::string& message) { warnings.push_back(message); };
    LineList lines;
    BuildPageHtml(page, lines, options);
    EXPECT_EQ(warnings, std::vector<std::string>{"Error Creating Web Page"});
    EXPECT_EQ(lines.Text(), "Kept\r\n");
}

TEST(BuildPageHtml, FontSizeThatIsNotANumberIsAGenerationError)
{
    TPagelette page;
    AddDetails(page);
    THeadingBlock& heading = AddItem(page, TBlockType::btHeading).HeadingBlock();
    heading.Attributes = "\"Arial\", big, [], [clRed]";
    heading.ApplyFont = 1;
    LineList lines;
    EXPECT_THROW(BuildPageHtml(page, lines, {}), GenerationError);
}

} // namespace
} // namespace tarvin
