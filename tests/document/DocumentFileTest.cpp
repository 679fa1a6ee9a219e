// Page documents on disk: reading with the one invalid-document message,
// writing without ever destroying the previous file.

#include "document/DefaultPage.h"
#include "document/DocumentFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvin {
namespace {

namespace fs = std::filesystem;

class DocumentFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("tarvin-docfile-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        fs::permissions(folder_, fs::perms::owner_all);
        fs::remove_all(folder_);
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    static std::string Contents(const std::string& path)
    {
        std::string bytes;
        ReadFileBytes(path, bytes);
        return bytes;
    }

    fs::path folder_;
};

TEST_F(DocumentFileTest, WritesAndReadsBack)
{
    TPagelette page;
    BuildDefaultPage(page);
    page.Page().Items(3).TextBlock().Text = "Hello\r\nWorld";
    ASSERT_TRUE(WriteDocument(Path("a.tvd"), page).Ok());
    auto read = ReadDocument(Path("a.tvd"));
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.document->Page().Items(3).TextBlock().Text, "Hello\r\nWorld");
    EXPECT_FALSE(fs::exists(Path("a.tvd") + ".XXXXXX"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(DocumentFileTest, InvalidFilesGiveTheOneMessage)
{
    std::ofstream(Path("bad.tvd")) << "TPF0 nonsense";
    for (const auto& path : {Path("bad.tvd"), Path("missing.tvd"), folder_.string()}) {
        auto read = ReadDocument(path);
        EXPECT_FALSE(read.Ok()) << path;
        EXPECT_EQ(read.error, "The selected file is not a valid .TVD or .TVT document.");
    }
}

TEST_F(DocumentFileTest, AFailedWriteKeepsThePreviousFile)
{
    TPagelette page;
    BuildDefaultPage(page);
    ASSERT_TRUE(WriteDocument(Path("keep.tvd"), page).Ok());
    const std::string before = Contents(Path("keep.tvd"));

    EXPECT_EQ(WriteDocument(Path("no-such-folder/x.tvd"), page).error, "Unable to create file.");
    EXPECT_EQ(WriteDocument(folder_.string(), page).error, "Unable to create file.");

    if (::geteuid() != 0) {  // root writes anywhere
        ::chmod(Path("keep.tvd").c_str(), 0444);
        page.Page().Items(0).PagePropertiesBlock().PageTitle = "changed";
        EXPECT_EQ(WriteDocument(Path("keep.tvd"), page).error, "Unable to create file.");
        EXPECT_EQ(Contents(Path("keep.tvd")), before);
    }
}

TEST_F(DocumentFileTest, WriteKeepsTheFileMode)
{
    TPagelette page;
    ASSERT_TRUE(WriteDocument(Path("m.tvd"), page).Ok());
    ::chmod(Path("m.tvd").c_str(), 0640);
    ASSERT_TRUE(WriteDocument(Path("m.tvd"), page).Ok());
    struct stat st {};
    ::stat(Path("m.tvd").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(DocumentPaths, OnlyALowerCaseTvtExtensionIsATemplate)
{
    EXPECT_TRUE(IsTemplatePath("/x/y.tvt"));
    EXPECT_TRUE(IsTemplatePath("x.tvt"));
    EXPECT_FALSE(IsTemplatePath("x.TVT"));
    EXPECT_FALSE(IsTemplatePath("x.tvd"));
    EXPECT_FALSE(IsTemplatePath("/a.tvt/b"));
    EXPECT_FALSE(IsTemplatePath("tvt"));
}

} // namespace
} // namespace tarvin
