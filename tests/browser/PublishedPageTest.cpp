// A saved page in headless Chromium, served over HTTP by a plain server that
// sends no character set: drop boxes with quotes and backslashes in their
// entries work and navigate, pictures with awkward names load, the credit
// button shows without a network, attribute texts stay inside their tags and
// texts from old Windows-1252 documents read right.

#include "LocalServer.h"

#include "document/DefaultPage.h"
#include "document/TextUtil.h"
#include "generator/PageOutput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tarvin {
namespace {

namespace fs = std::filesystem;

// A one-pixel GIF.
const std::string Pixel("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\xFF\xFF\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00"
                        "\x00\x02\x02\x44\x01\x00;",
                        35);

const std::string AwkwardPicture = "100% \"caf\xC3\xA9\" #1?.gif";

// Loads the page named in ?page= into a frame and reports what a visitor
// would meet: the title, every picture, the background, the drop boxes'
// entries, the texts, and markup that leaked onto the page as text. With
// ?go=N it then picks entry N of the first drop box, presses its Go button
// and reports where that took the frame.
const char* const CheckPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"></head><body><pre id="out">waiting</pre>
<iframe id="page" width="800" height="600"></iframe>
<script>
const out = document.getElementById('out');
const frame = document.getElementById('page');
const params = new URLSearchParams(location.search);
const lines = [];
let loads = 0;
frame.onload = async () => {
  const doc = frame.contentDocument;
  if (++loads == 2) {
    lines.push('navigated to ' + frame.contentWindow.location.pathname + ' ' + doc.title);
    out.textContent = lines.join('\n');
    return;
  }
  lines.push('title ' + doc.title);
  for (const img of doc.images)
    lines.push('picture ' + (img.complete && img.naturalWidth > 0 ? 'loads' : 'broken') + ', alt ' + img.alt);
  const reply = await fetch(new URL(doc.body.getAttribute('background'), doc.baseURI));
  lines.push('background ' + (reply.ok ? 'loads' : 'broken'));
  for (const form of doc.forms)
    lines.push(form.name + ': ' + Array.from(form.elements[0].options, o => o.value + ' = ' + o.text).join(' | '));
  const text = doc.body.innerText;
  lines.push('shows ' + ['Gr\u00FC\u00DFe', 'na\u00EFve \u201Cquotes\u201D', 'Link & more'].filter(t => text.includes(t)).join(', '));
  lines.push('leaks ' + ['HEIGHT=', 'WIDTH=', 'ALIGN=', '">'].filter(t => text.includes(t)).join(', '));
  if (params.get('go')) {
    // As a visitor does it: pick an entry, press Go.
    doc.forms[0].elements[0].selectedIndex = Number(params.get('go'));
    doc.forms[0].elements[1].click();
  } else {
    out.textContent = lines.join('\n');
  }
};
frame.src = params.get('page');
</script></body></html>
)";

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The report of the check page, from Chromium's dump of its DOM.
std::string Report(const std::string& dom)
{
    const std::string start = "<pre id=\"out\">";
    const auto from = dom.find(start);
    if (from == std::string::npos)
        return "no report in: " + dom.substr(0, 300);
    const auto to = dom.find("</pre>", from);
    const std::string text = dom.substr(from + start.size(), to - from - start.size());
    return ReplaceAll(ReplaceAll(ReplaceAll(text, "&lt;", "<"), "&gt;", ">"), "&amp;", "&");
}

class PublishedPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        chromium_ = test::FindProgram("chromium");
        if (!chromium_ || !test::FindProgram("python3"))
            GTEST_SKIP() << "chromium or python3 is not installed";
        folder_ = fs::temp_directory_path() / ("tarvin-browser-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        for (const char* sub : {"Upload/images", "Upload/backgrounds", "TarvinFiles"})
            fs::create_directories(folder_ / sub);
        WriteFile(folder_ / "Upload/images" / AwkwardPicture, Pixel);
        WriteFile(folder_ / "Upload" / AwkwardPicture, Pixel);  // the published copy's neighbour
        WriteFile(folder_ / "Upload/backgrounds/sky #2.gif", Pixel);
        WriteFile(folder_ / "Upload/sky #2.gif", Pixel);
        WriteFile(folder_ / "Upload/other page.html", "<TITLE>Other</TITLE>");
        WriteFile(folder_ / "check.html", CheckPage);
        SaveThePage();
    }

    void TearDown() override { fs::remove_all(folder_); }

    void SaveThePage()
    {
        TPagelette page;
        BuildDefaultPage(page);  // details, image, link, paragraph
        TPagePropertiesBlock& details = page.Page().Items(0).PagePropertiesBlock();
        details.PageTitle = "Caf\xE9";  // written by an old version on Windows
        details.Background = "sky #2.gif";
        TImageBlock& image = page.Page().Items(1).ImageBlock();
        image.FileName = AwkwardPicture;
        image.Alt = "5\" x 3\" <big>";
        image.Height = "40";
        image.Width = "60";
        TPageItem& box = page.Page().Items(2);
        box.LinkBlock().UseDropBox = true;
        box.LinkBlock().DropBoxText = "other page.html\tBob's page\r\nc:\\dir\\x.html\tBack\\slash\r\n"
                                      "end.html\t</script>Done";
        page.Page().Items(3).TextBlock().Text = "na\xEFve \x93quotes\x94";
        TPageItem& heading = page.Page().Add();
        heading.BlockType = TBlockType::btHeading;
        heading.HeadingBlock().Heading = "Gr\xC3\xBC\xC3\x9F" "e";
        TPageItem& link = page.Page().Add();
        link.BlockType = TBlockType::btLink;
        link.LinkBlock().LinkURL = "a.html?x=1&y=\"2\"";
        link.LinkBlock().LinkText = "Link & more";

        PageOutputContext context;
        context.programFolder = folder_.string() + "/";
        SavePage(page, context.programFolder + "Upload/Test Page.html", context);
    }

    std::string Visit(const std::string& query)
    {
        const test::LocalWebServer server(folder_.string());
        if (server.Port() == 0)
            return "the web server did not start";
        const std::string url = "http://127.0.0.1:" + std::to_string(server.Port()) + "/check.html?" + query;
        return Report(test::DumpDom(*chromium_, url, 10000, 120));
    }

    std::optional<std::string> chromium_;
    fs::path folder_;
};

const std::string PageReport =
    "title Caf\xC3\xA9\n"
    "picture loads, alt 5\" x 3\" <big>\n"
    "picture loads, alt HTML Editor - Flash - Web Hosting\n"
    "background loads\n"
    "selecter2: none = Select your destination | none = -------------------- | other page.html = Bob's page | "
    "c:\\dir\\x.html = Back\\slash | end.html = Done\n"
    "shows Gr\xC3\xBC\xC3\x9F" "e, na\xC3\xAFve \xE2\x80\x9Cquotes\xE2\x80\x9D, Link & more\n"
    "leaks ";

TEST_F(PublishedPage, PublishedCopyWorksAndItsDropBoxNavigates)
{
    EXPECT_EQ(Visit("page=/Upload/TestPage.html&go=2"), PageReport + "\nnavigated to /Upload/other%20page.html Other");
}

TEST_F(PublishedPage, CopiesBesideUploadFindTheirPictures)
{
    EXPECT_EQ(Visit("page=/TarvinFiles/Test%20Page.html"), PageReport);
}

} // namespace
} // namespace tarvin
