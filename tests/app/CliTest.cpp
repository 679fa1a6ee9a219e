// tarvin-cli end to end: new, render, export and import, and their failures.

#include "CliRunner.h"

#include "document/ComponentStream.h"
#include "document/DefaultPage.h"
#include "document/DocumentFile.h"
#include "generator/PageHtml.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace tarvin {
namespace {

using test::FreshFolder;
using test::ReadFile;
using test::RunCli;
using test::WriteFile;

class Cli : public ::testing::Test {
protected:
    void SetUp() override { folder_ = FreshFolder("cli"); }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string folder_;
};

// The default page with a background and a picture, as saving writes it.
std::string DefaultPageHtml(const std::string& background, const std::string& image, const std::string& credit)
{
    return "<!-- Created with Ostrel Tarvin 6.1 -->\r\n"
           "<!--        http://www.ostrel.example/         -->\r\n"
           "<HTML>\r\n"
           "<HEAD>\r\n"
           "     <TITLE></TITLE>\r\n"
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n"
           "</HEAD>\r\n"
           "\r\n"
           "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" ALINK=\"#FF0000\" VLINK=\"#990099\" "
           "BACKGROUND=\"" + background + "\">\r\n"
           "<IMG SRC=\"" + image + "\" BORDER=0 ALT=\"Image\" HEIGHT=\"\" WIDTH=\"\"><P>\r\n"
           "<A HREF=\"\"></A><P>\r\n"
           "<P>\r\n" +
        credit + "</BODY></HTML>\r\n";
}

TEST_F(Cli, NewWritesTheDefaultPageAndRenderPrintsItsHtml)
{
    ASSERT_EQ(RunCli("new " + folder_ + "d.tvd").status, 0);
    auto read = ReadDocument(folder_ + "d.tvd");
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.document->Page().Count(), 4);
    read.document->Page().Items(0).PagePropertiesBlock().Background = "sky.gif";
    read.document->Page().Items(1).ImageBlock().FileName = "me 2.jpg";
    ASSERT_TRUE(WriteDocument(folder_ + "d.tvd", *read.document).Ok());

    const std::string credit =
        "<div align=\"center\"><a href=http://www.ostrel.example/><img src=\"data:image/png;base64,";
    struct Case { std::string options; std::string background; std::string image; };
    for (const Case& c : {Case{"", "sky.gif", "me%202.jpg"},
                          Case{"--mode relative", "../Upload/backgrounds/sky.gif", "../Upload/images/me%202.jpg"},
                          Case{"--mode local", folder_ + "Upload/backgrounds/sky.gif", folder_ + "Upload/images/me 2.jpg"}}) {
        const auto withLogo = RunCli("render " + folder_ + "d.tvd --program-folder " + folder_ + " " + c.options);
        ASSERT_EQ(withLogo.status, 0) << withLogo.err;
        EXPECT_NE(withLogo.out.find("<P>\r\n" + credit), std::string::npos) << c.options;
        const auto noLogo = RunCli("render " + folder_ + "d.tvd --no-logo --program-folder " + folder_ + " " + c.options);
        EXPECT_EQ(noLogo.out, DefaultPageHtml(c.background, c.image, "")) << c.options;
    }
}

TEST_F(Cli, FailuresExitWithOneLineAndNoOutput)
{
    TPagelette page;
    BuildDefaultPage(page);
    page.Page().Items(0).PagePropertiesBlock().PageTitle = "Kept?";
    page.Page().Add().BlockType = TBlockType::btHR;
    page.Page().Items(4).HRBlock().Size = 9;  // no such thickness: a list-index error
    ASSERT_TRUE(WriteDocument(folder_ + "bad-line.tvd", page).Ok());
    page.Page().Delete(4);
    ASSERT_TRUE(WriteDocument(folder_ + "ok.tvd", page).Ok());
    std::filesystem::create_directory(folder_ + "dir");

    struct Case { std::string command; std::string stdoutTo; std::string message; };
    for (const Case& c : {
             Case{"render " + folder_ + "bad-line.tvd", "", folder_ + "bad-line.tvd: Error Creating Web Page\n"},
             Case{"render " + folder_ + "ok.tvd", "/dev/full", "tarvin-cli render: cannot write the output\n"},
             Case{"export " + folder_ + "ok.tvd", "/dev/full", "tarvin-cli export: cannot write the output\n"},
             Case{"export /dev/zero", "", "/dev/zero: not a regular file\n"},
             Case{"export " + folder_ + "dir", "", folder_ + "dir: not a regular file\n"},
             Case{"import /dev/zero " + folder_ + "x.tvd", "", "/dev/zero: not a regular file\n"},
         }) {
        const auto result = RunCli(c.command, "", c.stdoutTo);
        EXPECT_EQ(result.status, 1) << c.command;
        EXPECT_EQ(result.err, c.message) << c.command;
        EXPECT_EQ(result.out, "") << c.command;
    }
}

TEST_F(Cli, AReaderThatGoesAwayEarlyIsAFailedWrite)
{
    TPagelette page;
    for (int i = 0; i < 3000; ++i)  // far more JSON than a pipe holds
        page.Page().Add();
    ASSERT_TRUE(WriteDocument(folder_ + "long.tvd", page).Ok());
    const std::string command = "{ " + std::string(TARVIN_CLI) + " export " + folder_ + "long.tvd 2>" + folder_ +
        "err; echo $? >" + folder_ + "status; } | head -c 1 >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadFile(folder_ + "status"), "1\n");
    EXPECT_EQ(ReadFile(folder_ + "err"), "tarvin-cli export: cannot write the output\n");
}

TEST_F(Cli, ImportRefusesDeepNestingAndOutOfRangeValuesWithOneLine)
{
    WriteFile(folder_ + "deep.json", "{\"class\": \"TPagelette\", \"properties\": {\"Page\": " +
                                         std::string(60000, '[') + std::string(60000, ']') + "}}");
    WriteFile(folder_ + "font.json", R"({"class": "TPagelette", "properties": {"Page": [{"HeadingBlock": {"ApplyFont": 257}}]}})");
    for (const auto& [file, message] :
         {std::pair<std::string, std::string>{"deep.json", "properties.Page[0]: expected an object"},
          {"font.json", "properties.Page[0].HeadingBlock.ApplyFont: expected an integer from 0 to 255"}}) {
        const auto result = RunCli("import " + folder_ + file + " " + folder_ + "out.tvd");
        EXPECT_EQ(result.status, 1) << file;
        EXPECT_EQ(result.err, folder_ + file + ": " + message + "\n");
        EXPECT_FALSE(std::filesystem::exists(folder_ + "out.tvd"));
    }
}

TEST_F(Cli, InvalidDocumentsAndBadArgumentsFailWithOneLine)
{
    WriteFile(folder_ + "bad.tvd", "TPF0garbage");
    const auto bad = RunCli("render " + folder_ + "bad.tvd");
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find("The selected file is not a valid .TVD or .TVT document."), std::string::npos);

    for (const char* args : {"", "frobnicate", "render", "render a b", "render x --mode sideways", "render x --mode",
                             "new", "import onlyone", "export --what x"}) {
        const auto result = RunCli(args);
        EXPECT_NE(result.status, 0) << args;
        EXPECT_FALSE(result.err.empty()) << args;
        EXPECT_TRUE(result.out.empty()) << args;
    }
    EXPECT_NE(RunCli("new /no/such/folder/x.tvd").err.find("Unable to create file."), std::string::npos);
}

TEST_F(Cli, MarginAndFontErrorsEndTheCommandCleanly)
{
    TPagelette page;
    BuildDefaultPage(page);
    page.Page().Items(0).PagePropertiesBlock().IndentMargin = "wide";
    ASSERT_TRUE(WriteDocument(folder_ + "m.tvd", page).Ok());
    const auto result = RunCli("render " + folder_ + "m.tvd");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("wide"), std::string::npos);
}

TEST_F(Cli, EveryCommandHasHelp)
{
    for (const char* command : {"render", "new", "export", "import", "publish", "profiles"}) {
        const auto result = RunCli(std::string(command) + " --help");
        EXPECT_EQ(result.status, 0) << command;
        EXPECT_NE(result.out.find("Usage: tarvin-cli"), std::string::npos) << command;
    }
    EXPECT_EQ(RunCli("--help").status, 0);
}

TEST_F(Cli, ExportThenImportGivesTheSameBytes)
{
    TPagelette page;
    BuildDefaultPage(page);
    page.Page().Items(0).PagePropertiesBlock().PageTitle = "Caf\xE9 \xC3\xA9";
    page.WebForm().Add().Strings = {"Size=30"};
    ASSERT_TRUE(WriteDocument(folder_ + "p.tvt", page).Ok());
    const std::string themes = std::string(TARVIN_PROGRAM_FOLDER) + "Themes.dat";

    for (const std::string& file : {folder_ + "p.tvt", themes}) {
        const auto exported = RunCli("export " + file);
        ASSERT_EQ(exported.status, 0) << exported.err;
        WriteFile(folder_ + "x.json", exported.out);
        ASSERT_EQ(RunCli("import " + folder_ + "x.json " + folder_ + "back").status, 0);
        EXPECT_EQ(ReadFile(folder_ + "back"), ReadFile(file)) << file;
        // Standard input works too.
        ASSERT_EQ(RunCli("import - " + folder_ + "back2", exported.out).status, 0);
        EXPECT_EQ(ReadFile(folder_ + "back2"), ReadFile(file)) << file;
    }
    EXPECT_NE(RunCli("export " + themes).out.find("\"ThemeName\": \"Default\""), std::string::npos);

    WriteFile(folder_ + "broken.json", "{\"class\": ");
    EXPECT_EQ(RunCli("import " + folder_ + "broken.json " + folder_ + "y").status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder_ + "y"));
}

} // namespace
} // namespace tarvin
