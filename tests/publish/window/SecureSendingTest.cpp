// Sending from the window over TLS to pyftpdlib with a certificate made for
// the test (the certificate question while sending), and "Send only changed
// files".
#include "PublishingFixture.h"

#include "TestCertificates.h"

namespace tarvin::publish::test {
namespace {

class SecureSendingTest : public PublishingTest {
protected:
    // pyftpdlib refuses clear text on both connections.
    SecureSendingTest() : PublishingTest({false, false, "", SharedCertificates().ServerFile(CertKind::Good), true}) {}


    void SetUp() override
    {
        ASSERT_TRUE(certificates->Made()) << "python3-cryptography could not make the certificates";
        PublishingTest::SetUp();
    }

    ServerProfile Secure(const std::string& trusted = "") const
    {
        ServerProfile profile = Loopback();
        profile.Passive = true;
        profile.Tls = true;
        profile.TrustedFingerprint = trusted;
        return profile;
    }

    const TestCertificates* certificates = &SharedCertificates();
};

TEST_F(SecureSendingTest, YesToTheCertificateQuestionKeepsItsFingerprintAndSends)
{
    const std::string fingerprint = certificates->Fingerprint(CertKind::Good);
    OpenReady({LocalFile("index.html", 3000)}, Secure());
    dialogs.Answering(Answer::Yes);
    SendAndWait();
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].kind, Kind::Question);
    EXPECT_EQ(dialogs.calls[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(dialogs.calls[0].text.contains(QString::fromStdString("SHA-256 fingerprint: " + fingerprint)));
    EXPECT_TRUE(dialogs.calls[1].text.startsWith("Transfer Completed.\nThe file was verified"))
        << dialogs.calls[1].text.toStdString();
    EXPECT_EQ(store.LoadProfile("Loopback").TrustedFingerprint, fingerprint);
    EXPECT_EQ(Contents(server.Root() + "index.html"), Bytes(3000));

    // Trusted from now on: no question the next time.
    dialogs.calls.clear();
    SendAndWait();
    EXPECT_EQ(FirstLines(dialogs.Texts()), QStringList{"Transfer Completed."});
}

TEST_F(SecureSendingTest, NoEndsTheSessionWithTheReason)
{
    struct Case {
        const char* name;
        std::string trustedBefore;
        const char* asked;
    };
    const std::string other = certificates->Fingerprint(CertKind::SelfSigned);
    for (const Case& c : {Case{"never trusted", "", "The certificate cannot be verified: "},
                          Case{"changed since trusted", other, "has changed since you trusted it"}}) {
        SCOPED_TRACE(c.name);
        dialogs.calls.clear();
        OpenReady({LocalFile("index.html", 3000)}, Secure(c.trustedBefore));
        dialogs.Answering(Answer::No);
        SendAndWait();
        ASSERT_EQ(dialogs.calls.size(), 2u);
        EXPECT_TRUE(dialogs.calls[0].text.contains(c.asked)) << dialogs.calls[0].text.toStdString();
        EXPECT_EQ(dialogs.calls[1].kind, Kind::Warning);
        EXPECT_TRUE(dialogs.calls[1].text.startsWith("Error 500 The server's certificate for 127.0.0.1 is not trusted: "))
            << dialogs.calls[1].text.toStdString();
        EXPECT_EQ(store.LoadProfile("Loopback").TrustedFingerprint, c.trustedBefore);
        EXPECT_TRUE(Stored(server.Commands()).empty());
        ExpectIdle();
    }
}

TEST_F(PublishingTest, SendOnlyChangedFilesLeavesOutWhatIsUnchanged)
{
    OpenReady({LocalFile("same.gif", 2000), LocalFile("edited.html", 100)}, Loopback());
    Click(wizard->chkChangedOnly);
    ASSERT_TRUE(wizard->chkChangedOnly->isChecked());
    SendAndWait();
    EXPECT_EQ(Stored(server.Commands()), (std::vector<std::string>{"edited.html", "same.gif"}));

    LocalFile("edited.html", 120);
    dialogs.calls.clear();
    labels.clear();
    SendAndWait();
    EXPECT_EQ(Stored(server.Commands()), (std::vector<std::string>{"edited.html", "same.gif", "edited.html"}));
    EXPECT_TRUE(labels.contains("Skipped same.gif: unchanged since its last upload")) << labels.join("|").toStdString();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.contains("1 file was skipped")) << dialogs.calls[0].text.toStdString();
    EXPECT_EQ(Contents(server.Root() + "edited.html"), Bytes(120));

    // Unticked, everything goes again.
    Click(wizard->chkChangedOnly);
    SendAndWait();
    EXPECT_EQ(Stored(server.Commands()).size(), 5u);
}

} // namespace
} // namespace tarvin::publish::test
