// The profile panel's "Test" against pyftpdlib over TLS on loopback, with a
// certificate made for the test: the steps shown in plain words, a failure
// with what to try, the missing-folder offer, the certificate question, Stop.
#include "WizardFixture.h"

#include "PyFtpServer.h"
#include "TestCertificates.h"

#include "publish/window/TfrmConnectionTest.h"

#include <QTcpServer>
#include <QTextEdit>

#include <filesystem>

namespace tarvin::publish::test {
namespace {

using Kind = ScriptedDialogs::Kind;

class ConnectionTestWindow : public WizardTest {
protected:

    void SetUp() override
    {
        ASSERT_TRUE(certificates->Made()) << "python3-cryptography could not make the certificates";
        server = std::make_unique<PyFtpServer>(PyFtpOptions{false, false, "", certificates->ServerFile(CertKind::Good), true});
        ASSERT_TRUE(server->Started()) << "pyftpdlib did not start";
        Open();
        Click(wizard->btnAdd);
    }

    ServerProfile Loopback(const std::string& caFile) const
    {
        ServerProfile profile{PyFtpServer::User, PyFtpServer::Password, "127.0.0.1", "", std::to_string(server->Port()),
                              true, 30};
        profile.Tls = true;
        profile.CaFile = caFile;
        return profile;
    }

    // Presses "Test" and waits for the verdict.
    void RunTest()
    {
        Click(wizard->btnTest);
        ASSERT_TRUE(RunUntil([this] { return !Window()->lblTestStatus->text().isEmpty() && !Window()->Running(); },
                             30000))
            << "the test did not end";
        EXPECT_TRUE(Window()->isVisible());
    }

    TfrmConnectionTest* Window() const { return wizard->frmConnectionTest; }
    QString Steps() const { return Window()->txtSteps->toPlainText(); }
    QString Status() const { return Window()->lblTestStatus->text(); }

    const TestCertificates* certificates = &SharedCertificates();
    std::unique_ptr<PyFtpServer> server;
};

TEST_F(ConnectionTestWindow, EveryStepPassesWithTheAuthorityFile)
{
    FillPanel("Loopback", Loopback(certificates->AuthorityFile()));
    RunTest();
    EXPECT_EQ(Status(), "Every step passed: the server is ready for uploads.");
    EXPECT_EQ(Window()->btnTestClose->text(), "Close");
    for (const char* step : {"Passed: Connect to 127.0.0.1", "Passed: Secure the connection (TLS)",
                             "Passed: Log in as tester", "Passed: Encrypt file transfers", "Passed: Open the login folder",
                             "Passed: Store a test file (passive mode)", "Passed: Check its size",
                             "Passed: Delete the test file", "Passed: Disconnect"})
        EXPECT_TRUE(Steps().contains(step)) << step << "\n" << Steps().toStdString();
    EXPECT_FALSE(Steps().contains("Failed"));
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(std::filesystem::is_empty(server->Root()));  // the test file is gone again

    Click(Window()->btnTestClose);
    EXPECT_FALSE(Window()->isVisible());
    EXPECT_TRUE(wizard->pnlProfiles->isVisible());  // the panel is still being edited
}

TEST_F(ConnectionTestWindow, AFailedStepSaysWhatToTry)
{
    struct Case {
        const char* name;
        std::function<void(ServerProfile&)> change;
        const char* failed;
        const char* advice;
    };
    const Case cases[] = {
        {"wrong password", [](ServerProfile& p) { p.PassWord = "wrong"; }, "Failed: Log in as tester",
         "Try: Check the user name and the password (letter case counts)."},
        {"port closed", [](ServerProfile& p) { p.Port = std::to_string(FreeLoopbackPort()); },
         "Failed: Connect to 127.0.0.1", "but not on port"},
        {"plain FTP to a server that requires TLS", [](ServerProfile& p) { p.Tls = false; },
         "Failed: Log in as tester", "Try: The server takes logins over an encrypted connection only: choose FTP over TLS."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ServerProfile profile = Loopback(certificates->AuthorityFile());
        c.change(profile);
        FillPanel("Loopback", profile);
        RunTest();
        EXPECT_EQ(Status(), "The test failed. The failed step says what to try.");
        EXPECT_TRUE(Steps().contains(c.failed)) << Steps().toStdString();
        EXPECT_TRUE(Steps().contains(c.advice)) << Steps().toStdString();
        EXPECT_FALSE(Steps().contains("Passed: Store a test file"));
        QTest::keyClick(Window(), Qt::Key_Escape);
        EXPECT_FALSE(Window()->isVisible());
    }
}

TEST_F(ConnectionTestWindow, AMissingFolderIsCreatedOnYes)
{
    ServerProfile profile = Loopback(certificates->AuthorityFile());
    profile.HostDirName = "new/site";
    FillPanel("Loopback", profile);
    dialogs.Answering(Answer::Yes);
    RunTest();
    ASSERT_EQ(dialogs.CallsOf(Kind::Question).size(), 1u);
    EXPECT_EQ(dialogs.calls[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(Steps().contains("Created and entered new/site.")) << Steps().toStdString();
    EXPECT_EQ(Status(), "Every step passed: the server is ready for uploads.");
    EXPECT_TRUE(std::filesystem::is_directory(server->Root() + "new/site"));
}

TEST_F(ConnectionTestWindow, ACertificateTrustedInTheTestIsKeptWhenTheProfileIsApplied)
{
    const std::string fingerprint = certificates->Fingerprint(CertKind::Good);
    FillPanel("Loopback", Loopback(""));

    // No: the test ends at the secure connection, saying why.
    dialogs.Answering(Answer::No);
    RunTest();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    const QString question = dialogs.calls[0].text;
    EXPECT_TRUE(question.contains("The certificate cannot be verified: it was issued by an authority this computer "
                                  "does not trust"))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QString::fromStdString("SHA-256 fingerprint: " + fingerprint)));
    EXPECT_TRUE(Steps().contains("Failed: Secure the connection (TLS)")) << Steps().toStdString();
    EXPECT_TRUE(Steps().contains("compare the fingerprint"));
    Click(Window()->btnTestClose);

    // Yes: trusted for the rest of the panel's life, and kept on Apply.
    dialogs.Answering(Answer::Yes);
    RunTest();
    EXPECT_EQ(Status(), "Every step passed: the server is ready for uploads. The certificate you trusted is kept "
                        "with the profile on Apply.");
    EXPECT_TRUE(Steps().contains("trusted by its fingerprint")) << Steps().toStdString();
    Click(Window()->btnTestClose);
    RunTest();
    EXPECT_EQ(Status(), "Every step passed: the server is ready for uploads.");
    EXPECT_EQ(dialogs.CallsOf(Kind::Question).size(), 2u);  // not asked again
    Click(Window()->btnTestClose);
    Click(wizard->btnApply);
    EXPECT_EQ(store.LoadProfile("Loopback").TrustedFingerprint, fingerprint);
}

TEST_F(ConnectionTestWindow, StopEndsATestThatHearsNothing)
{
    QTcpServer mute;  // takes the connection and never answers
    ASSERT_TRUE(mute.listen(QHostAddress::LocalHost, 0));
    ServerProfile profile = Loopback("");
    profile.Port = std::to_string(mute.serverPort());
    FillPanel("Mute", profile);
    Click(wizard->btnTest);
    ASSERT_TRUE(RunUntil([&mute] { return mute.hasPendingConnections(); }, 10000));
    EXPECT_TRUE(Window()->Running());
    EXPECT_EQ(Window()->btnTestClose->text(), "Stop");
    Click(Window()->btnTestClose);
    EXPECT_FALSE(Window()->Running());
    EXPECT_EQ(Status(), "The test was stopped.");
    EXPECT_EQ(Window()->btnTestClose->text(), "Close");
    QTest::qWait(50);  // nothing of the stopped test comes back
    EXPECT_EQ(Status(), "The test was stopped.");
    Click(Window()->btnTestClose);
    EXPECT_FALSE(Window()->isVisible());
}

} // namespace
} // namespace tarvin::publish::test
