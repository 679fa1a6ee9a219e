// The connection test against a scripted server: which step fails for each
// fault, what the user is told to try, and that nothing runs after a failure
// but the clean-up.
#include "EventLoop.h"
#include "PyFtpServer.h"
#include "RecordingPrompts.h"
#include "ScriptedFtpServer.h"

#include "publish/ConnectionTest.h"

#include <gtest/gtest.h>

namespace tarvin::publish::test {
namespace {

struct StepCase {
    const char* name;
    std::function<void(ScriptedFtpServer&, ServerProfile&)> script;
    std::vector<std::string> steps;  // "PASS " or "FAIL " and the title's first word
    std::string advice;              // part of the failing step's advice
    bool answerYes = false;
};

class ConnectionTestSteps : public ::testing::TestWithParam<StepCase> {
protected:
    ConnectionTestSteps()
    {
        profile.UserName = "user";
        profile.PassWord = "pass";
        profile.HostName = "127.0.0.1";
        profile.Port = std::to_string(server.Port());
        profile.Timeout = 5;
        test.OnStep = [this](const TestStep& step) { steps.push_back(step); };
        test.OnFinished = [this](bool passed) { outcome = passed ? 1 : 0; };
    }

    std::vector<std::string> StepWords() const
    {
        std::vector<std::string> words;
        for (const TestStep& step : steps)
            words.push_back((step.passed ? "PASS " : "FAIL ") + step.title.substr(0, step.title.find(' ')));
        return words;
    }

    ScriptedFtpServer server;
    RecordingPrompts prompts;
    TFtpClient ftp;
    ConnectionTest test{ftp, prompts};
    ServerProfile profile;
    std::vector<TestStep> steps;
    int outcome = -1;
};

TEST_P(ConnectionTestSteps, TellWhatFailedAndWhatToTry)
{
    GetParam().script(server, profile);
    prompts.answerYes = GetParam().answerYes;
    test.Run(profile);
    ASSERT_TRUE(RunUntil([&] { return outcome >= 0; }, 15000)) << "the test did not finish";
    EXPECT_EQ(StepWords(), GetParam().steps);
    EXPECT_FALSE(test.Running());
    EXPECT_FALSE(ftp.ControlOpen());
    EXPECT_FALSE(prompts.busy);
    const auto failed = std::find_if(steps.begin(), steps.end(), [](const TestStep& step) { return !step.passed; });
    EXPECT_EQ(outcome, failed == steps.end() ? 1 : 0);
    if (failed != steps.end()) {
        EXPECT_NE(failed->advice.find(GetParam().advice), std::string::npos) << failed->advice;
    }
    // Nothing of the login goes out before TLS is up, and a stored test file is always deleted.
    if (profile.Tls) {
        EXPECT_EQ(server.Count("USER") + server.Count("PASS"), 0);
    }
    EXPECT_TRUE(server.files.empty() || server.Count("DELE") == 1);
}

const std::vector<std::string> AllPassed{"PASS Connect", "PASS Log",   "PASS Open",   "PASS Store",
                                         "PASS Check",   "PASS Delete", "PASS Disconnect"};

INSTANTIATE_TEST_SUITE_P(
    Faults, ConnectionTestSteps,
    ::testing::Values(
        StepCase{"EveryStepPasses", [](ScriptedFtpServer&, ServerProfile&) {}, AllPassed, ""},
        StepCase{"SizesUnknownStillPass",
                 [](ScriptedFtpServer& s, ServerProfile&) { s.replies["SIZE"] = "502 Not implemented.\r\n"; },
                 AllPassed, ""},
        StepCase{"PortClosed", [](ScriptedFtpServer&, ServerProfile& p) { p.Port = std::to_string(FreeLoopbackPort()); },
                 {"FAIL Connect"}, "Check the port"},
        StepCase{"TurnedAway", [](ScriptedFtpServer& s, ServerProfile&) { s.greeting = "421 Too many users.\r\n"; },
                 {"FAIL Connect"}, "turned the connection away"},
        StepCase{"NoTls",
                 [](ScriptedFtpServer& s, ServerProfile& p) {
                     p.Tls = true;
                     s.replies["AUTH"] = "502 Not implemented.\r\n";
                 },
                 {"PASS Connect", "FAIL Secure"}, "does not offer FTP over TLS"},
        StepCase{"LoginRefused",
                 [](ScriptedFtpServer& s, ServerProfile&) { s.replies["PASS"] = "530 Login incorrect.\r\n"; },
                 {"PASS Connect", "FAIL Log"}, "user name and the password"},
        StepCase{"LoginNeedsTls",
                 [](ScriptedFtpServer& s, ServerProfile&) {
                     s.replies["USER"] = "550 SSL/TLS required on the control channel.\r\n";
                 },
                 {"PASS Connect", "FAIL Log"}, "choose FTP over TLS"},
        StepCase{"FolderMissingNotMade",
                 [](ScriptedFtpServer& s, ServerProfile& p) {
                     s.folders = std::set<std::string>{};
                     p.HostDirName = "site";
                 },
                 {"PASS Connect", "PASS Log", "FAIL Open"}, "correct the initial folder"},
        StepCase{"FolderMissingAndMade",
                 [](ScriptedFtpServer& s, ServerProfile& p) {
                     s.folders = std::set<std::string>{};
                     p.HostDirName = "a/b";
                 },
                 AllPassed, "", true},
        StepCase{"FolderCannotBeMade",
                 [](ScriptedFtpServer& s, ServerProfile& p) {
                     s.folders = std::set<std::string>{};
                     s.lineReplies["MKD site"] = "550 Permission denied.\r\n";
                     p.HostDirName = "site";
                 },
                 {"PASS Connect", "PASS Log", "FAIL Open"}, "provider's tools", true},
        StepCase{"NoRightToWrite",
                 [](ScriptedFtpServer& s, ServerProfile&) { s.storReply = "553 Not allowed.\r\n"; },
                 {"PASS Connect", "PASS Log", "PASS Open", "FAIL Store"}, "may not store files"},
        StepCase{"PassiveDataConnectionBlocked",
                 [](ScriptedFtpServer& s, ServerProfile& p) {
                     p.Passive = true;
                     s.replies["EPSV"] = "229 Entering Extended Passive Mode (|||"
                                         + QByteArray::number(FreeLoopbackPort()) + "|)\r\n";
                 },
                 {"PASS Connect", "PASS Log", "PASS Open", "FAIL Store"}, "Try active mode"},
        StepCase{"ActiveDataConnectionNeverComes",
                 [](ScriptedFtpServer& s, ServerProfile& p) {
                     s.stor = StorScript::NoDataConnection;
                     p.Timeout = 1;
                 },
                 {"PASS Connect", "PASS Log", "PASS Open", "FAIL Store"}, "Try passive mode"},
        StepCase{"SizeDiffers", [](ScriptedFtpServer& s, ServerProfile&) { s.replies["SIZE"] = "213 5\r\n"; },
                 {"PASS Connect", "PASS Log", "PASS Open", "PASS Store", "FAIL Check", "PASS Delete"},
                 "changes files as it stores them"},
        StepCase{"DeleteRefused",
                 [](ScriptedFtpServer& s, ServerProfile&) { s.replies["DELE"] = "550 Permission denied.\r\n"; },
                 {"PASS Connect", "PASS Log", "PASS Open", "PASS Store", "PASS Check", "FAIL Delete"},
                 "by hand"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConnectionTestSteps, ThePassingStepsSayWhatHappened)
{
    profile.HostDirName = "site";
    server.folders = std::set<std::string>{"site"};
    test.Run(profile);
    ASSERT_TRUE(RunUntil([&] { return outcome >= 0; }, 15000));
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_EQ(steps[0].title, "Connect to 127.0.0.1, port " + profile.Port);
    EXPECT_EQ(steps[0].outcome, "127.0.0.1 answered: 220 scripted");
    EXPECT_EQ(steps[1].title, "Log in as user");
    EXPECT_EQ(steps[2].title, "Open the folder site");
    EXPECT_EQ(steps[3].title, "Store a test file (active mode)");
    EXPECT_EQ(steps[4].outcome, "The server holds the file with the 82 bytes sent.");
    const std::string name = server.commands[std::find_if(server.commands.begin(), server.commands.end(),
                                                          [](const std::string& c) { return c.rfind("STOR", 0) == 0; })
                                             - server.commands.begin()]
                                 .substr(5);
    EXPECT_EQ(name.rfind("tarvin-test-", 0), 0u) << name;
    EXPECT_NE(std::find(server.commands.begin(), server.commands.end(), "DELE " + name), server.commands.end());
    EXPECT_TRUE(server.files.empty());
    EXPECT_EQ(outcome, 1);
}

} // namespace
} // namespace tarvin::publish::test
