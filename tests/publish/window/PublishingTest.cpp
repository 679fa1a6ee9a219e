// Sending through the window to Debian's pyftpdlib on loopback: a saved page
// with its pictures, the missing-folder question, failures, and closing the
// window while a file is on its way.
#include "PublishingFixture.h"

#include "ScriptedFtpServer.h"

#include "document/DefaultPage.h"
#include "generator/PageOutput.h"
#include "publish/UploadList.h"

#include <QDir>

#include <set>

namespace tarvin::publish::test {
namespace {

TEST_F(PublishingTest, ASavedPageGoesUpWithItsPicturesPageFirst)
{
    const std::string pf = folder.path().toStdString() + "/program/";
    for (const char* sub : {"Upload/images", "Upload/backgrounds", "TarvinFiles"})
        fs::create_directories(pf + sub);
    std::ofstream(pf + "Upload/images/photo.jpg", std::ios::binary) << Bytes(1000000);
    std::ofstream(pf + "Upload/backgrounds/sky.gif", std::ios::binary) << Bytes(3000);
    TPagelette page;
    BuildDefaultPage(page);
    page.Page().Items(0).PagePropertiesBlock().Background = "sky.gif";
    page.Page().Items(1).ImageBlock().FileName = "photo.jpg";
    PageOutputContext context;
    context.programFolder = pf;
    SavePage(page, pf + "Upload/My Page.html", context);
    const auto files = UploadListForPage(page, pf + "Upload/My Page.html", pf);
    ASSERT_EQ(files.size(), 3u);

    store.SaveProfile("Other", "", {});
    Open(files);
    AddProfile("Loopback", Loopback("site"));
    ClickProfile("Loopback");
    Click(wizard->btnUpload);
    dialogs.Answering(Answer::Yes);  // "site" does not exist yet
    SendAndWait();

    EXPECT_EQ(FirstLines(dialogs.Texts()), (QStringList{"Host Directory Does not exist. Do you want to create it?",
                                                        "Transfer Completed."}));
    EXPECT_TRUE(dialogs.Texts().back().contains("All 3 files were verified")) << dialogs.Texts().back().toStdString();
    for (const char* file : {"Upload/MyPage.html", "Upload/images/photo.jpg", "Upload/backgrounds/sky.gif"})
        EXPECT_TRUE(Contents(server.Root() + "site/" + fs::path(file).filename().string()) == Contents(pf + file))
            << file;
    // The list is sent from its last entry to its first.
    EXPECT_EQ(Stored(server.Commands()), (std::vector<std::string>{"MyPage.html", "photo.jpg", "sky.gif"}));
    const std::vector<std::string> commands = server.Commands();
    ASSERT_GE(commands.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(commands.begin(), commands.begin() + 6),
              (std::vector<std::string>{"USER tester", "PASS ******", "CWD site", "MKD site", "CWD site", "TYPE I"}));
    EXPECT_EQ(commands.back(), "QUIT");

    EXPECT_TRUE(labels.contains("Connecting to 127.0.0.1..."));
    const std::vector<int> counts = CountsShown();
    EXPECT_GT(std::set<int>(counts.begin(), counts.end()).size(), 2u) << "the byte count did not grow on screen";
    EXPECT_TRUE(sawBusy);
    ExpectIdle();
    EXPECT_TRUE(wizard->isVisible());
}

TEST_F(PublishingTest, FilesAddedByHandGoFirst)
{
    OpenReady({LocalFile("a.gif", 10), LocalFile("b.gif", 20)}, Loopback());
    dialogs.ChoosingFile(QString::fromStdString(LocalFile("added.txt", 30)));
    Click(wizard->btnUpAdd);
    SendAndWait();
    EXPECT_EQ(Stored(server.Commands()), (std::vector<std::string>{"added.txt", "b.gif", "a.gif"}));
    EXPECT_EQ(Contents(server.Root() + "added.txt"), Bytes(30));
}

TEST_F(PublishingTest, NoToTheMissingFolderQuestionSendsNothing)
{
    OpenReady({LocalFile("index.html", 100)}, Loopback("fresh"));
    dialogs.Answering(Answer::No);
    SendAndWait();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, Kind::Question);
    EXPECT_EQ(dialogs.calls[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(dialogs.calls[0].withCancel);
    EXPECT_FALSE(fs::exists(server.Root() + "fresh"));
    EXPECT_TRUE(Stored(server.Commands()).empty());
    EXPECT_EQ(server.Commands().back(), "QUIT");
    ExpectIdle();
}

TEST_F(PublishingTest, FailuresShowTheirErrorAndLeaveTheWindowReady)
{
    const std::string file = LocalFile("index.html", 10);
    ServerProfile wrongPassword = Loopback();
    wrongPassword.PassWord = "wrong";
    ServerProfile closedPort = Loopback();
    closedPort.Port = std::to_string(FreeLoopbackPort());
    struct Case {
        ServerProfile profile;
        const char* message;  // its start
    };
    OpenReady({file}, Loopback());
    for (const Case& c : {Case{wrongPassword, "Error 530 "},
                          Case{closedPort, "Error 500 Connection refused (Winsock error #10061)"}}) {
        SCOPED_TRACE(c.message);
        store.SaveProfile("Loopback", "", c.profile);
        dialogs.calls.clear();
        SendAndWait();
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls[0].kind, Kind::Warning);
        EXPECT_TRUE(dialogs.calls[0].text.startsWith(c.message)) << dialogs.calls[0].text.toStdString();
        ExpectIdle();
    }
    // Ready for the next try.
    store.SaveProfile("Loopback", "", Loopback());
    dialogs.calls.clear();
    SendAndWait();
    EXPECT_EQ(FirstLines(dialogs.Texts()), QStringList{"Transfer Completed."});
}

TEST_F(PublishingTest, ClosingWhileAFileIsSentAsksThenQuitsCleanly)
{
    StartLargeTransfer();

    dialogs.Answering(Answer::No);
    Click(wizard->btnClose);
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_FALSE(wizard->lstUpload->isEnabled());  // still sending

    dialogs.Answering(Answer::Yes);
    Click(wizard->btnClose);
    ASSERT_TRUE(RunUntil([this] { return !wizard->isVisible(); }, 2 * TfrmUpload::QuitLimitMs));
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].text,
              "The files are still being sent. Do you want to stop sending and close the Upload Wizard?");
    // The file was cut off, and the server was told goodbye.
    EXPECT_LT(fs::file_size(server.Root() + "large.bin"), LargeSize);
    EXPECT_EQ(server.Commands().back(), "QUIT");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(PublishingTest, SendingAgainDuringATransferQuitsFirst)
{
    StartLargeTransfer();
    Click(wizard->btnUpload);  // showing the panel again unlocks nothing
    EXPECT_FALSE(wizard->btnUpRemove->isEnabled());
    Click(wizard->btnSend);
    EXPECT_EQ(wizard->lblProgress->text(), "Connected...");
    ASSERT_TRUE(RunUntil([this] { return wizard->lstUpload->isEnabled(); }, 30000));
    EXPECT_EQ(server.Commands().back(), "QUIT");
    EXPECT_TRUE(dialogs.calls.empty());
    ExpectIdle();

    SendAndWait();
    EXPECT_EQ(FirstLines(dialogs.Texts()), QStringList{"Transfer Completed."});
    EXPECT_EQ(fs::file_size(server.Root() + "large.bin"), LargeSize);
}

// A server that refuses active connections takes the files from a passive profile.
TEST_F(WizardTest, APassiveProfileSendsThroughPassiveConnections)
{
    PyFtpOptions passiveOnly;
    passiveOnly.passiveOnly = true;
    PyFtpServer server(passiveOnly);
    ASSERT_TRUE(server.Started());
    QTemporaryDir files;
    const std::string path = files.filePath("index.html").toStdString();
    std::ofstream(path, std::ios::binary) << Bytes(5000);
    Open({path});
    AddProfile("Passive", {PyFtpServer::User, PyFtpServer::Password, "127.0.0.1", "", std::to_string(server.Port()),
                           true, 30});
    ClickProfile("Passive");
    Click(wizard->btnUpload);
    Click(wizard->btnSend);
    ASSERT_TRUE(RunUntil([this] { return wizard->lstUpload->isEnabled(); }, 30000));
    EXPECT_EQ(FirstLines(dialogs.Texts()), QStringList{"Transfer Completed."});
    EXPECT_EQ(Contents(server.Root() + "index.html"), Bytes(5000));
    const auto commands = server.Commands();
    EXPECT_NE(std::find(commands.begin(), commands.end(), "EPSV"), commands.end());
}

// A scripted server drops the control connection in the middle of the data.
TEST_F(WizardTest, AServerThatClosesMidTransferEndsTheSessionWithAnError)
{
    ScriptedFtpServer server;
    server.stor = StorScript::CloseControlMidData;
    QTemporaryDir files;
    const std::string path = files.filePath("large.bin").toStdString();
    std::ofstream(path, std::ios::binary) << Bytes(4 * 1024 * 1024);
    store.SaveProfile("Scripted", "", {"u", "p", "127.0.0.1", "", std::to_string(server.Port())});
    Open({path});
    ClickProfile("Scripted");
    Click(wizard->btnUpload);
    Click(wizard->btnSend);
    ASSERT_TRUE(RunUntil([this] { return wizard->lstUpload->isEnabled(); }, 30000));
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, Kind::Warning);
    EXPECT_TRUE(dialogs.calls[0].text.startsWith("Error ")) << dialogs.calls[0].text.toStdString();
    ExpectIdle();
}

} // namespace
} // namespace tarvin::publish::test
