// Page documents on disk: reading with the one invalid-document message,
// writing without ever destroying the previous file.

#include "document/DefaultPage.h"
#include "document/DocumentFile.h"

#include <gtest/gtest.h>

#include "document/ComponentStream.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

// Runs check in a child process, as nobody when we are root (whom file
// permissions do not stop), so that permission cases run for everybody.
bool InChild(const std::function<bool()>& check, bool unprivileged = false)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = !unprivileged || ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
        std::_Exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(DocumentFileTest, AFailedWriteKeepsThePreviousFile)
{
    TPagelette page;
    BuildDefaultPage(page);
    ASSERT_TRUE(WriteDocument(Path("keep.tvd"), page).Ok());
    const std::string before = Contents(Path("keep.tvd"));
    page.Page().Items(0).PagePropertiesBlock().PageTitle = "changed";

    EXPECT_EQ(WriteDocument(Path("no-such-folder/x.tvd"), page).error, "Unable to create file.");
    EXPECT_EQ(WriteDocument(folder_.string(), page).error, "Unable to create file.");

    // A disk that fills up half-way through the write.
    EXPECT_TRUE(InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{64, RLIM_INFINITY};
        return ::setrlimit(RLIMIT_FSIZE, &small) == 0 && !WriteDocument(Path("keep.tvd"), page).Ok();
    }));
    EXPECT_EQ(Contents(Path("keep.tvd")), before);

    // A file we may not write, in a folder we may.
    fs::permissions(folder_, fs::perms::all);
    ::chmod(Path("keep.tvd").c_str(), 0444);
    EXPECT_TRUE(InChild([&] { return WriteDocument(Path("keep.tvd"), page).error == "Unable to create file."; },
                        true));
    EXPECT_EQ(Contents(Path("keep.tvd")), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(DocumentFileTest, AWritableFileInAFolderWeMayNotWriteIsOverwrittenInPlace)
{
    TPagelette page;
    BuildDefaultPage(page);
    ASSERT_TRUE(WriteDocument(Path("shared.tvd"), page).Ok());
    ::chmod(Path("shared.tvd").c_str(), 0666);
    ::chmod(folder_.c_str(), 0755);
    page.Page().Items(0).PagePropertiesBlock().PageTitle = "Changed";
    const std::string after = WriteComponentStream(page);
    page.Page().Items(0).PagePropertiesBlock().PageTitle = "Changed again";
    EXPECT_TRUE(InChild([&] { return WriteDocument(Path("shared.tvd"), page).Ok(); }, true));
    // Shorter now: the old tail is gone.
    page.Page().Items(0).PagePropertiesBlock().PageTitle = "Changed";
    EXPECT_TRUE(InChild([&] { return WriteDocument(Path("shared.tvd"), page).Ok(); }, true));
    EXPECT_EQ(Contents(Path("shared.tvd")), after);
    // A new file cannot be made there.
    EXPECT_TRUE(InChild([&] { return !WriteDocument(Path("new.tvd"), page).Ok(); }, true));
}

TEST_F(DocumentFileTest, SavingThroughASymbolicLinkChangesItsTarget)
{
    TPagelette page;
    BuildDefaultPage(page);
    fs::create_directories(folder_ / "real");
    ASSERT_TRUE(WriteDocument(Path("real/page.tvd"), page).Ok());
    fs::create_symlink("real/page.tvd", folder_ / "relative.tvd");
    fs::create_symlink(folder_ / "relative.tvd", folder_ / "chain.tvd");
    fs::create_symlink("real/later.tvd", folder_ / "dangling.tvd");

    for (const char* link : {"relative.tvd", "chain.tvd", "dangling.tvd"}) {
        page.Page().Items(0).PagePropertiesBlock().PageTitle = link;
        ASSERT_TRUE(WriteDocument(Path(link), page).Ok()) << link;
        EXPECT_TRUE(fs::is_symlink(folder_ / link)) << link;
        EXPECT_EQ(Contents(Path(link)), WriteComponentStream(page)) << link;
    }
    EXPECT_EQ(Contents(Path("real/page.tvd")), Contents(Path("chain.tvd")));
    EXPECT_TRUE(fs::is_regular_file(folder_ / "real/later.tvd"));

    fs::create_symlink("loop-b", folder_ / "loop-a");
    fs::create_symlink("loop-a", folder_ / "loop-b");
    EXPECT_FALSE(WriteDocument(Path("loop-a"), page).Ok());
    EXPECT_TRUE(fs::is_symlink(folder_ / "loop-a"));
}

TEST_F(DocumentFileTest, NamesUpTo255BytesCanBeSaved)
{
    TPagelette page;
    BuildDefaultPage(page);
    for (std::size_t length : {249u, 255u}) {
        const std::string name = std::string(length - 4, 'n') + ".tvd";
        ASSERT_TRUE(WriteDocument(Path(name), page).Ok()) << length;
        ASSERT_TRUE(WriteDocument(Path(name), page).Ok()) << length;  // over an existing one
        EXPECT_TRUE(ReadDocument(Path(name)).Ok());
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

TEST_F(DocumentFileTest, OnlyRegularFilesAreRead)
{
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    std::string bytes, problem;
    for (const std::string& path : {folder_.string(), std::string("/dev/zero"), Path("pipe")}) {
        EXPECT_FALSE(ReadFileBytes(path, bytes, &problem)) << path;
        EXPECT_EQ(problem, "not a regular file") << path;
        EXPECT_EQ(ReadDocument(path).error, "The selected file is not a valid .TVD or .TVT document.");
    }
    EXPECT_FALSE(ReadFileBytes(Path("missing"), bytes, &problem));
    EXPECT_EQ(problem, "cannot read the file");
    EXPECT_EQ(InputFileProblem("/dev/null", 10), "not a regular file");
    std::ofstream(Path("eleven")) << "0123456789x";
    EXPECT_EQ(InputFileProblem(Path("eleven"), 10), "larger than 0 MiB, more than the program reads");
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
