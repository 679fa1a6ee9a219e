// Upload sessions against a scripted server: which replies mean a missing
// folder, how missing folders are made, and that one session tells one error.
#include "EventLoop.h"
#include "RecordingPrompts.h"
#include "ScriptedFtpServer.h"

#include "publish/UploadSession.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace tarvin::publish::test {
namespace {

constexpr const char* CreateQuestion = "Host Directory Does not exist. Do you want to create it?";

struct SessionCase {
    const char* name;
    std::string folder;
    std::function<void(ScriptedFtpServer&)> script;
    std::vector<std::string> folderCommands;  // after login, up to TYPE or the end
    int questions;
    std::vector<std::string> messages;
    std::string note{};  // of a session that completed
    bool tls = false;
};

class SessionScriptTest : public ::testing::TestWithParam<SessionCase> {
protected:
    SessionScriptTest()
    {
        const std::string path = local.path().toStdString() + "/index.html";
        std::ofstream(path, std::ios::binary) << "<HTML></HTML>\r\n";
        session.Files.push_back(path);
        profile.UserName = "user";
        profile.PassWord = "pass";
        profile.HostName = "127.0.0.1";
        profile.Port = std::to_string(server.Port());
        profile.Timeout = 5;
        prompts.answerYes = true;
    }

    std::vector<std::string> FolderCommands() const
    {
        std::vector<std::string> commands;
        for (const auto& line : server.commands) {
            if (line.rfind("TYPE", 0) == 0 || line.rfind("QUIT", 0) == 0)
                break;
            if (line.rfind("CWD", 0) == 0 || line.rfind("MKD", 0) == 0)
                commands.push_back(line);
        }
        return commands;
    }

    ScriptedFtpServer server;
    QTemporaryDir local;
    RecordingPrompts prompts;
    TFtpClient ftp;
    UploadSession session{ftp, prompts};
    ServerProfile profile;
};

TEST_P(SessionScriptTest, FoldersAndRefusals)
{
    GetParam().script(server);
    profile.HostDirName = GetParam().folder;
    profile.Tls = GetParam().tls;
    session.Send(profile);
    ASSERT_TRUE(RunUntil([&] { return prompts.idleCount > 0; })) << "session did not end";
    RunFor(100);  // anything said after the end would show up now
    EXPECT_EQ(FolderCommands(), GetParam().folderCommands);
    EXPECT_EQ(prompts.questions, std::vector<std::string>(GetParam().questions, CreateQuestion));
    EXPECT_EQ(prompts.messages, GetParam().messages);
    if (!GetParam().note.empty()) {
        EXPECT_EQ(prompts.notes, std::vector<std::string>{GetParam().note});
    }
    if (GetParam().tls) {
        EXPECT_EQ(server.Count("USER") + server.Count("PASS"), 0);  // never in clear text
    }
    EXPECT_EQ(prompts.idleCount, 1);
    EXPECT_FALSE(ftp.ControlOpen());
}

const auto Folders = [](std::set<std::string> existing) {
    return [existing](ScriptedFtpServer& s) { s.folders = existing; };
};

INSTANTIATE_TEST_SUITE_P(
    Sessions, SessionScriptTest,
    ::testing::Values(
        SessionCase{"RefusedStorIsNoMissingFolder", "site",
                    [](ScriptedFtpServer& s) {
                        s.folders = std::set<std::string>{"site"};
                        s.storReply = "550 Permission denied.\r\n";
                    },
                    {"CWD site"}, 0, {"Error 550 Permission denied. (index.html)"}},
        SessionCase{"FailingMkdEndsTheSessionAfterOneTry", "site",
                    [](ScriptedFtpServer& s) {
                        s.folders = std::set<std::string>{};
                        s.lineReplies["MKD site"] = "550 Permission denied.\r\n";
                    },
                    {"CWD site", "MKD site"}, 1, {"Error 550 Permission denied."}},
        SessionCase{"OneMissingFolder", "site", Folders({}), {"CWD site", "MKD site", "CWD site"}, 1,
                    {"Transfer Completed."}},
        SessionCase{"NestedFolderUnderAnExistingOne", "a/b/c", Folders({"a"}),
                    {"CWD a/b/c", "CWD a", "CWD b", "MKD b", "CWD b", "MKD c", "CWD c"}, 1, {"Transfer Completed."}},
        SessionCase{"NestedFolderFromTheRoot", "/x/y/", Folders({}),
                    {"CWD /x/y/", "CWD /", "CWD x", "MKD x", "CWD x", "MKD y", "CWD y"}, 1, {"Transfer Completed."}},
        SessionCase{"FolderThatCannotBeEnteredAfterMaking", "site",
                    [](ScriptedFtpServer& s) {
                        s.replies["CWD"] = "550 No.\r\n";
                        s.replies["MKD"] = "257 made\r\n";
                    },
                    {"CWD site", "MKD site", "CWD site"}, 1, {"Error 550 No."}},
        SessionCase{"SizeDiffersFromWhatWasSent", "", [](ScriptedFtpServer& s) { s.replies["SIZE"] = "213 5\r\n"; }, {}, 0,
                    {"Error Size check failed for index.html: the server holds 5 bytes, but 15 were sent."}},
        SessionCase{"SizeUnreadable", "", [](ScriptedFtpServer& s) { s.replies["SIZE"] = "213 many\r\n"; }, {}, 0,
                    {"Transfer Completed."}, "The server cannot tell file sizes, so the files sent could not be verified."},
        SessionCase{"ServerWithoutSize", "", [](ScriptedFtpServer& s) { s.replies["SIZE"] = "500 Unknown command.\r\n"; },
                    {}, 0, {"Transfer Completed."},
                    "The server cannot tell file sizes, so the files sent could not be verified."},
        SessionCase{"SizeVerified", "", [](ScriptedFtpServer&) {}, {}, 0, {"Transfer Completed."},
                    "The file was verified: the server holds it with the size sent."},
        SessionCase{"ServerWithoutTls", "", [](ScriptedFtpServer& s) { s.replies["AUTH"] = "502 Not implemented.\r\n"; },
                    {}, 0,
                    {"Error 502 Not implemented. (the server does not offer FTP over TLS, and the upload does not go on "
                     "in clear text)"},
                    "", true},
        SessionCase{"ServerThatClosesWithoutAnsweringQuit", "",
                    [](ScriptedFtpServer& s) {
                        s.replies["PASS"] = "530 \x1B[2JLogin incorrect.\r\n";
                        s.replies["QUIT"] = "";
                    },
                    {}, 0, {"Error 530 \\x1B[2JLogin incorrect."}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvin::publish::test
