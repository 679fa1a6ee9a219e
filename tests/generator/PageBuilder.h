#pragma once
// Small pages for the generator tests, and the fixed page parts they expect.

#include "document/MakerAddresses.h"
#include "generator/CreditPicture.h"
#include "generator/PageHtml.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tarvin::test {

// A details item with the colours of a new page and no margin table.
inline TPageItem& AddDetails(TPagelette& page, std::string title = "My Page")
{
    TPageItem& item = page.Page().Add();
    TPagePropertiesBlock& details = item.PagePropertiesBlock();
    details.PageTitle = std::move(title);
    details.IndentMargin = "0";
    details.ThemeName = "Default";
    details.BGColor = 0x00FFFFFF;
    details.TextColor = 0x00000000;
    details.LinkColor = 0x00FF0000;
    details.ALinkColor = 0x000000FF;
    details.VLinkColor = 0x00990099;
    return item;
}

inline TPageItem& AddItem(TPagelette& page, TBlockType type, TBlockAlignment align = TBlockAlignment::baLeft,
                          bool onNewLine = false)
{
    TPageItem& item = page.Page().Add();
    item.BlockType = type;
    item.BlockAlign = align;
    item.BlockOnNewLine = onNewLine;
    return item;
}

inline TPagePropertiesBlock& Details(TPagelette& page)
{
    return page.Page().Items(0).PagePropertiesBlock();
}

// The page as saved to a file: every line followed by CR LF.
inline std::string Render(TPagelette& page, const PageBuildOptions& options = {})
{
    LineList lines;
    BuildPageHtml(page, lines, options);
    return lines.Text();
}

inline std::string Header(const std::string& title = "My Page")
{
    return "<!-- Created with Ostrel Tarvin 6.1 -->\r\n"
           "<!--        " + std::string(maker::WebSite) + "         -->\r\n"
           "<HTML>\r\n"
           "<HEAD>\r\n"
           "     <TITLE>" + title + "</TITLE>\r\n"
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n";
}

inline const std::string DefaultBody =
    "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" ALINK=\"#FF0000\" VLINK=\"#990099\">\r\n";

inline std::string Credit()
{
    return "<div align=\"center\"><a href=" + std::string(maker::WebSite) + "><img src=\"" +
        std::string(html::CreditPicture) + "\" border=0 alt=\"HTML Editor - Flash - Web Hosting\"><br>\r\n"
        "<font size=\"1\" face=\"Verdana, Arial\">Home of the Ostrel HTML Editor</font></a></div>\r\n";
}

// A page without margin table whose body holds exactly bodyText.
inline std::string PlainPage(const std::string& bodyText, const std::string& head = "")
{
    return Header() + head + "</HEAD>\r\n\r\n" + DefaultBody + bodyText + Credit() + "</BODY></HTML>\r\n";
}

// The text between the BODY tag and the credit block.
inline std::string BodyOf(const std::string& html)
{
    const auto start = html.find(DefaultBody) + DefaultBody.size();
    return html.substr(start, html.find(Credit()) - start);
}

// One block after the details item, and the body text it gives; the cases
// live in PageHtmlTest (the templates) and SafeMarkupTest (texts that would
// break them).
struct BlockCase {
    std::string name;
    std::function<void(TPagelette&)> build;
    std::string body;
};

class Blocks : public testing::TestWithParam<BlockCase> {};

inline std::string BlockCaseName(const testing::TestParamInfo<BlockCase>& info)
{
    return info.param.name;
}

} // namespace tarvin::test
