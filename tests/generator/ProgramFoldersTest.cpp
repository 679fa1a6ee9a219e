// Where the program reads what it ships and keeps the user's work: the
// layouts it recognises, the user's data folder, and the working folder made
// and seeded from the shipped files without ever overwriting the user's own.

#include "generator/ProgramFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <unistd.h>

namespace tarvin {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class ProgramFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("tarvin-folders-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (const auto& entry : fs::recursive_directory_iterator(root, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(root);
    }
    std::string Folder(const std::string& relative) const { return (root / relative).string() + "/"; }

    // The system layout: the programs in usr/bin, what they ship in
    // usr/share/ostrel-tarvin, every shipped file read-only.
    ProgramFolders Installed()
    {
        const fs::path shipped = root / "usr/share/ostrel-tarvin";
        Write(shipped / "Themes.dat", "shipped themes");
        Write(shipped / "Fields.ini", "shipped fields");
        Write(shipped / "FormMail.pl", "shipped handler");
        Write(shipped / "Templates/Club.tvt", "club");
        Write(shipped / "Templates/Club.html", "club page");
        Write(shipped / "Upload/backgrounds/sky.jpg", "sky");
        fs::create_directories(root / "usr/bin");
        for (const auto& entry : fs::recursive_directory_iterator(shipped))
            if (entry.is_regular_file())
                fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        return LocateProgramFolders(Folder("usr/bin"), (root / "home/.local/share").string());
    }
    fs::path Working(const std::string& relative) const { return root / "home/.local/share/Ostrel Tarvin" / relative; }

    fs::path root;
};

TEST_F(ProgramFoldersTest, TheLayoutBesideTheProgramDecidesWhereThingsLive)
{
    const ProgramFolders installed = Installed();
    EXPECT_EQ(installed.resources, Folder("usr/share/ostrel-tarvin"));
    EXPECT_EQ(installed.working, Folder("home/.local/share/Ostrel Tarvin"));
    EXPECT_TRUE(installed.installed);

    // A portable folder, the build's included: both are the program folder.
    fs::create_directories(root / "portable");
    const ProgramFolders portable = LocateProgramFolders(Folder("portable"), (root / "home").string());
    EXPECT_EQ(portable.resources, Folder("portable"));
    EXPECT_EQ(portable.working, Folder("portable"));
    EXPECT_FALSE(portable.installed);
}

TEST_F(ProgramFoldersTest, APortableFolderThatCannotBeWrittenWorksInTheUsersFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "every folder is writable for root";
    fs::create_directories(root / "cdrom");
    fs::permissions(root / "cdrom", fs::perms::owner_read | fs::perms::owner_exec);
    const ProgramFolders folders = LocateProgramFolders(Folder("cdrom"), (root / "home").string());
    EXPECT_EQ(folders.resources, Folder("cdrom"));
    EXPECT_EQ(folders.working, Folder("home/Ostrel Tarvin"));
    EXPECT_FALSE(folders.installed);  // no package told the desktop about it
}

TEST_F(ProgramFoldersTest, TheUsersDataFolderFollowsTheDesktopRules)
{
    struct Case {
        std::optional<std::string> xdg;
        std::string expected;
    };
    const Case cases[] = {
        {"/data/mine", "/data/mine"},
        {std::nullopt, "/home/ann/.local/share"},
        {"", "/home/ann/.local/share"},
        {"relative/share", "/home/ann/.local/share"},  // only absolute paths count
    };
    const char* savedXdg = std::getenv("XDG_DATA_HOME");
    const std::string keptXdg = savedXdg ? savedXdg : "";
    const std::string keptHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/ann", 1);
    for (const Case& c : cases) {
        if (c.xdg)
            ::setenv("XDG_DATA_HOME", c.xdg->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(UserDataHome(), c.expected) << c.xdg.value_or("(unset)");
    }
    ::setenv("HOME", keptHome.c_str(), 1);
    if (savedXdg)
        ::setenv("XDG_DATA_HOME", keptXdg.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

TEST_F(ProgramFoldersTest, TheFirstStartMakesAndSeedsTheWorkingFolderWithWritableCopies)
{
    ASSERT_EQ(PrepareWorkingFolder(Installed()), "");

    for (const char* folder : {"Upload/images", "Upload/backgrounds", "TarvinFiles", "Templates"})
        EXPECT_TRUE(fs::is_directory(Working(folder))) << folder;
    const std::pair<const char*, const char*> copies[] = {
        {"Themes.dat", "shipped themes"},     {"Fields.ini", "shipped fields"},
        {"FormMail.pl", "shipped handler"},   {"Templates/Club.tvt", "club"},
        {"Templates/Club.html", "club page"}, {"Upload/backgrounds/sky.jpg", "sky"},
    };
    for (const auto& [file, content] : copies) {
        EXPECT_EQ(Read(Working(file)), content) << file;
        // The user edits them, however the shipped originals are protected.
        EXPECT_NE(fs::status(Working(file)).permissions() & fs::perms::owner_write, fs::perms::none) << file;
    }
    EXPECT_TRUE(fs::is_empty(Working("Upload/images")));
    EXPECT_TRUE(fs::is_empty(Working("TarvinFiles")));
    for (const auto& entry : fs::recursive_directory_iterator(Working("")))
        EXPECT_EQ(entry.path().string().find(".part"), std::string::npos) << entry.path();
}

TEST_F(ProgramFoldersTest, LaterStartsKeepTheUsersFilesAndChoices)
{
    const ProgramFolders folders = Installed();
    ASSERT_EQ(PrepareWorkingFolder(folders), "");
    Write(Working("Themes.dat"), "my themes");
    Write(Working("Fields.ini"), "my fields");
    Write(Working("TarvinFiles/page.tvd"), "my page");
    fs::remove(Working("Templates/Club.tvt"));  // deleted in the gallery
    fs::remove(Working("Upload/backgrounds/sky.jpg"));
    fs::remove(Working("FormMail.pl"));

    ASSERT_EQ(PrepareWorkingFolder(folders), "");
    EXPECT_EQ(Read(Working("Themes.dat")), "my themes");
    EXPECT_EQ(Read(Working("Fields.ini")), "my fields");
    EXPECT_EQ(Read(Working("TarvinFiles/page.tvd")), "my page");
    EXPECT_FALSE(fs::exists(Working("Templates/Club.tvt")));
    EXPECT_FALSE(fs::exists(Working("Upload/backgrounds/sky.jpg")));
    // A data file the program needs comes back from the shipped one.
    EXPECT_EQ(Read(Working("FormMail.pl")), "shipped handler");
}

TEST_F(ProgramFoldersTest, ACopyCutShortIsMadeAgainAndNeverTakenForTheUsers)
{
    const ProgramFolders folders = Installed();
    Write(Working("Themes.dat.part"), "shipped th");
    Write(Working("Templates.part/Club.tvt"), "cl");

    ASSERT_EQ(PrepareWorkingFolder(folders), "");
    EXPECT_EQ(Read(Working("Themes.dat")), "shipped themes");
    EXPECT_EQ(Read(Working("Templates/Club.tvt")), "club");
    EXPECT_FALSE(fs::exists(Working("Themes.dat.part")));
    EXPECT_FALSE(fs::exists(Working("Templates.part")));
}

TEST_F(ProgramFoldersTest, APortableFolderIsLeftAsItIs)
{
    fs::create_directories(root / "portable");
    EXPECT_EQ(PrepareWorkingFolder(PortableFolders(Folder("portable"))), "");
    EXPECT_TRUE(fs::is_empty(root / "portable"));
}

TEST_F(ProgramFoldersTest, AWorkingFolderThatCannotBeMadeIsReportedByItsPath)
{
    const ProgramFolders folders = Installed();
    Write(root / "home/.local/share/Ostrel Tarvin", "a file where the folder belongs");
    const std::string failure = PrepareWorkingFolder(folders);
    EXPECT_NE(failure.find(folders.working), std::string::npos) << failure;
}

} // namespace
} // namespace tarvin
