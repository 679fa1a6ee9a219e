// Which files "Send to web" collects for a page.
#include "publish/UploadList.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tarvin::publish {
namespace {

class UploadListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(program + "Upload/images");
        std::filesystem::create_directories(program + "Upload/backgrounds");
        page.Page().Add().PagePropertiesBlock().Background = "Sky.gif";
    }

    void Touch(const std::string& relative) { std::ofstream(program + relative) << "x"; }

    void AddImage(const std::string& name)
    {
        TPageItem& item = page.Page().Add();
        item.BlockType = TBlockType::btImage;
        item.ImageBlock().FileName = name;
    }

    QTemporaryDir folder;
    std::string program = folder.path().toStdString() + "/";
    TPagelette page;
};

TEST_F(UploadListTest, ExistingPicturesSortedWithoutCaseAndWithoutDuplicatesThenThePage)
{
    Touch("Upload/backgrounds/Sky.gif");
    Touch("Upload/images/b.jpg");
    Touch("Upload/images/A.gif");
    Touch("Upload/images/a.gif");
    Touch("Upload/MyPage.html");
    AddImage("b.jpg");
    AddImage("missing.gif");
    AddImage("A.gif");
    AddImage("b.jpg");
    AddImage("a.gif");
    AddImage("");
    page.Page().Add().BlockType = TBlockType::btText;

    const auto files = UploadListForPage(page, program + "TarvinFiles/My Page.tvd", program);
    EXPECT_EQ(files, (std::vector<std::string>{program + "Upload/backgrounds/Sky.gif", program + "Upload/images/A.gif",
                                               program + "Upload/images/a.gif", program + "Upload/images/b.jpg",
                                               program + "Upload/MyPage.html"}));
}

TEST_F(UploadListTest, AnUntitledPageHasNoPageFile)
{
    Touch("Upload/.html");
    EXPECT_EQ(PageFilePath("Untitled", program), "");
    EXPECT_TRUE(UploadListForPage(page, "Untitled", program).empty());
    EXPECT_EQ(PageFilePath("/x/My Big.page.tvd", program), program + "Upload/MyBig.page.html");
}

TEST_F(UploadListTest, NamesReachingOutsideThePictureFoldersAreLeftOutAndReported)
{
    // Every one of these files exists, so only the name keeps it out.
    std::filesystem::create_directories(program + "outside");
    std::filesystem::create_directories(program + "Upload/images/sub");
    Touch("outside/id_rsa");
    Touch("Upload/images/sub/a.gif");
    Touch("Upload/images/ok.gif");
    page.Page().Items(0).PagePropertiesBlock().Background = "../../outside/id_rsa";
    for (const char* name : {"../../../outside/id_rsa", "sub/a.gif", "..\\..\\outside\\id_rsa", "..", ".",
                             "/etc/passwd", "ok.gif"})
        AddImage(name);
    std::vector<std::string> leftOut;
    EXPECT_EQ(BuildUploadList(page, program, &leftOut), (std::vector<std::string>{program + "Upload/images/ok.gif"}));
    EXPECT_EQ(leftOut, (std::vector<std::string>{
                           "Left out of the upload: \"../../outside/id_rsa\" is not a file name inside Upload/backgrounds/",
                           "Left out of the upload: \"../../../outside/id_rsa\" is not a file name inside Upload/images/",
                           "Left out of the upload: \"sub/a.gif\" is not a file name inside Upload/images/",
                           "Left out of the upload: \"..\\..\\outside\\id_rsa\" is not a file name inside Upload/images/",
                           "Left out of the upload: \"..\" is not a file name inside Upload/images/",
                           "Left out of the upload: \".\" is not a file name inside Upload/images/",
                           "Left out of the upload: \"/etc/passwd\" is not a file name inside Upload/images/"}));
}

} // namespace
} // namespace tarvin::publish
