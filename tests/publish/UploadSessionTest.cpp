// Whole upload sessions against Debian's pyftpdlib on loopback.
#include "EventLoop.h"
#include "FileContents.h"
#include "PyFtpServer.h"
#include "RecordingPrompts.h"

#include "publish/UploadSession.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tarvin::publish::test {
namespace {

class UploadSessionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = new PyFtpServer; }
    static void TearDownTestSuite() { delete server; }

    void SetUp() override
    {
        ASSERT_TRUE(server->Started()) << "pyftpdlib did not start";
        profile = {PyFtpServer::User, PyFtpServer::Password, "127.0.0.1", "", std::to_string(server->Port())};
    }

    std::string LocalFile(const std::string& name, std::size_t size)
    {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 131) ^ (i >> 9));
        const std::string path = local.path().toStdString() + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        session.Files.push_back(path);
        return bytes;
    }

    // Sends and waits until the session is idle again.
    void SendAndWait(int limitMs = 20000)
    {
        const int idleBefore = prompts.idleCount;
        session.Send(profile);
        ASSERT_TRUE(RunUntil([&] { return prompts.idleCount > idleBefore; }, limitMs)) << "session did not end";
    }

    std::string Remote(const std::string& relative) const { return server->Root() + relative; }

    static PyFtpServer* server;
    QTemporaryDir local;
    RecordingPrompts prompts;
    TFtpClient ftp;
    UploadSession session{ftp, prompts};
    ServerProfile profile;
};

PyFtpServer* UploadSessionTest::server = nullptr;

TEST_F(UploadSessionTest, APageWithItsPicturesArrivesByteForByte)
{
    std::filesystem::create_directory(Remote("site"));
    profile.HostDirName = "site";
    const std::string background = LocalFile("bg.gif", 3000);
    const std::string first = LocalFile("a.gif", 1514 * 3);
    const std::string second = LocalFile("b.jpg", 70001);
    const std::string html = LocalFile("MyPage.html", 812);
    SendAndWait();
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{"Transfer Completed."}));
    EXPECT_EQ(prompts.notes,
              (std::vector<std::string>{"All 4 files were verified: the server holds each with the size sent."}));
    EXPECT_TRUE(Contents(Remote("site/bg.gif")) == background);
    EXPECT_TRUE(Contents(Remote("site/a.gif")) == first);
    EXPECT_TRUE(Contents(Remote("site/b.jpg")) == second);
    EXPECT_TRUE(Contents(Remote("site/MyPage.html")) == html);
    EXPECT_EQ(prompts.labels.front(), "Connecting to 127.0.0.1...");
    EXPECT_NE(std::find(prompts.labels.begin(), prompts.labels.end(), "Transferring... 70001 bytes"),
              prompts.labels.end());
    EXPECT_FALSE(ftp.ControlOpen());
}

TEST_F(UploadSessionTest, AMissingFolderIsCreatedOnYesAndNothingIsSentOnNo)
{
    profile.HostDirName = "fresh";
    const std::string page = LocalFile("index.html", 100);
    SendAndWait();
    EXPECT_EQ(prompts.questions, (std::vector<std::string>{"Host Directory Does not exist. Do you want to create it?"}));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(Remote("fresh")));

    prompts.answerYes = true;
    SendAndWait();
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{"Transfer Completed."}));
    EXPECT_TRUE(Contents(Remote("fresh/index.html")) == page);
}

TEST_F(UploadSessionTest, FailuresEndWithTheirMessageAndLeaveTheSessionIdle)
{
    LocalFile("index.html", 10);
    profile.PassWord = "wrong";
    SendAndWait();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind("Error 530", 0), 0u) << prompts.messages[0];

    profile.Port = std::to_string(FreeLoopbackPort());
    SendAndWait();
    EXPECT_EQ(prompts.messages.back(), "Error 500 Connection refused (Winsock error #10061)");
    EXPECT_FALSE(prompts.busy);

    profile.HostName.clear();
    session.Send(profile);
    EXPECT_EQ(prompts.messages.back(), NoHostMessage);
}

TEST_F(UploadSessionTest, EmptyAndLargeFilesArriveWhole)
{
    LocalFile("empty.txt", 0);
    const std::string large = LocalFile("large.bin", 20 * 1024 * 1024);
    SendAndWait(120000);
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{"Transfer Completed."}));
    EXPECT_TRUE(std::filesystem::exists(Remote("empty.txt")));
    EXPECT_TRUE(Contents(Remote("empty.txt")).empty());
    EXPECT_TRUE(Contents(Remote("large.bin")) == large);
}

struct ModeCase {
    const char* name;
    PyFtpOptions server;
    bool passive;
    std::string outcome;  // the session's one message, or its start for an error
};

class DataConnectionModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(DataConnectionModes, AgainstRealServerSetups)
{
    PyFtpServer server(GetParam().server);
    ASSERT_TRUE(server.Started()) << "pyftpdlib did not start";
    QTemporaryDir local;
    const std::string path = local.path().toStdString() + "/page.html";
    std::ofstream(path, std::ios::binary) << std::string(100000, 'p');
    RecordingPrompts prompts;
    TFtpClient ftp;
    UploadSession session{ftp, prompts};
    session.Files = {path};
    ServerProfile profile{PyFtpServer::User, PyFtpServer::Password, "127.0.0.1", "", std::to_string(server.Port())};
    profile.Passive = GetParam().passive;
    std::vector<std::string> trace;
    ftp.OnDisplay = [&](const std::string& line) { trace.push_back(line); };

    session.Send(profile);
    ASSERT_TRUE(RunUntil([&] { return prompts.idleCount > 0; }, 20000)) << "session did not end";
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind(GetParam().outcome, 0), 0u) << prompts.messages[0];
    if (GetParam().outcome == "Transfer Completed.") {
        EXPECT_EQ(Contents(server.Root() + "page.html"), std::string(100000, 'p'));
    }
    if (!GetParam().server.masquerade.empty()) {
        EXPECT_NE(std::find(trace.begin(), trace.end(),
                            "! PASV names the private address " + GetParam().server.masquerade
                                + "; using the server's address 127.0.0.1"),
                  trace.end());
    }
}

INSTANTIATE_TEST_SUITE_P(
    PyFtpdlib, DataConnectionModes,
    ::testing::Values(ModeCase{"PassiveOnlyServerPassive", {true, false, ""}, true, "Transfer Completed."},
                      ModeCase{"PassiveOnlyServerActive", {true, false, ""}, false,
                               "Error 500 Command \"PORT\" not understood."},
                      ModeCase{"MasqueradingServerWithoutEpsv", {false, true, "10.9.8.7"}, true, "Transfer Completed."},
                      ModeCase{"PlainServerPassive", {}, true, "Transfer Completed."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvin::publish::test
