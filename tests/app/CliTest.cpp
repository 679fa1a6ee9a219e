// tarvin-cli end to end: new, render, export and import, and their failures.

#include "CliRunner.h"

#include "document/ComponentStream.h"
#include "document/DefaultPage.h"
#include "document/DocumentFile.h"
#include "generator/PageHtml.h"

#include <gtest/gtest.h>

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

TEST_F(Cli, NewWritesTheDefaultPageAndRenderPrintsItsHtml)
{
    ASSERT_EQ(RunCli("new " + folder_ + "d.tvd").status, 0);
    TPagelette page;
    BuildDefaultPage(page);
    EXPECT_EQ(ReadFile(folder_ + "d.tvd"), WriteComponentStream(page));

    auto read = ReadDocument(folder_ + "d.tvd");
    ASSERT_TRUE(read.Ok());
    read.document->Page().Items(0).PagePropertiesBlock().Background = "sky.gif";
    read.document->Page().Items(1).ImageBlock().FileName = "me.jpg";
    ASSERT_TRUE(WriteDocument(folder_ + "d.tvd", *read.document).Ok());

    struct Case { const char* mode; std::string picture; TPathMode expectedMode; };
    for (const Case& c : {Case{"", "SRC=\"me.jpg\"", TPathMode::pmBare},
                          Case{"--mode relative", "SRC=\"../Upload/images/me.jpg\"", TPathMode::pmRelative},
                          Case{"--mode local", "SRC=\"" + folder_ + "Upload/images/me.jpg\"", TPathMode::pmLocal}}) {
        const auto result = RunCli("render " + folder_ + "d.tvd --program-folder " + folder_ + " " + c.mode);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.out.find(c.picture), std::string::npos) << c.mode;

        PageBuildOptions options;
        options.mode = c.expectedMode;
        options.programFolder = folder_;
        LineList lines;
        BuildPageHtml(*read.document, lines, options);
        EXPECT_EQ(result.out, lines.Text()) << c.mode;
    }
    const auto noLogo = RunCli("render --no-logo " + folder_ + "d.tvd");
    EXPECT_EQ(noLogo.out.find("Home of the Ostrel HTML Editor"), std::string::npos);
    EXPECT_EQ(noLogo.out.substr(noLogo.out.size() - 16), "</BODY></HTML>\r\n");
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
