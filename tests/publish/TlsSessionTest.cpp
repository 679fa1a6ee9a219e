// Upload sessions over TLS against pyftpdlib that refuses clear text on both
// connections: which certificates verify, what the user is asked about the
// others, and that nothing of the login goes out before the answer.
#include "EventLoop.h"
#include "FileContents.h"
#include "PyFtpServer.h"
#include "RecordingPrompts.h"
#include "TestCertificates.h"

#include "publish/UploadSession.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace tarvin::publish::test {
namespace {

class TlsSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(certificates->Made()) << "python3-cryptography could not make the certificates";
        page = std::string(300000, 'x') + "end";
        const std::string path = local.path().toStdString() + "/page.html";
        std::ofstream(path, std::ios::binary) << page;
        session.Files = {path};
        profile.UserName = PyFtpServer::User;
        profile.PassWord = PyFtpServer::Password;
        profile.HostName = "127.0.0.1";
        profile.Tls = true;
        profile.Timeout = 10;
        ftp.OnDisplay = [this](const std::string& line) { trace.push_back(line); };
    }

    // Runs one session against a server with the certificate of that kind.
    void SendTo(CertKind kind)
    {
        server = std::make_unique<PyFtpServer>(PyFtpOptions{false, false, "", certificates->ServerFile(kind), true});
        ASSERT_TRUE(server->Started()) << "pyftpdlib did not start";
        profile.Port = std::to_string(server->Port());
        session.Send(profile);
        ASSERT_TRUE(RunUntil([&] { return prompts.idleCount > 0; }, 20000)) << "session did not end";
    }

    bool Traced(const std::string& start) const
    {
        return std::any_of(trace.begin(), trace.end(), [&](const std::string& line) { return line.rfind(start, 0) == 0; });
    }

    const TestCertificates* certificates = &SharedCertificates();
    std::unique_ptr<PyFtpServer> server;
    QTemporaryDir local;
    std::string page;
    RecordingPrompts prompts;
    TFtpClient ftp;
    UploadSession session{ftp, prompts};
    ServerProfile profile;
    std::vector<std::string> trace;
};

struct RefusedCase {
    const char* name;
    CertKind kind;
    bool withAuthority;
    std::string problem;
};

class RefusedCertificates : public TlsSessionTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedCertificates, AreExplainedAndNothingOfTheLoginIsSent)
{
    if (GetParam().withAuthority)
        profile.CaFile = certificates->AuthorityFile();
    SendTo(GetParam().kind);
    ASSERT_EQ(prompts.certificates.size(), 1u);
    const CertificateReport& report = prompts.certificates[0];
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].rfind(GetParam().problem, 0), 0u) << report.problems[0];
    EXPECT_EQ(report.fingerprint, certificates->Fingerprint(GetParam().kind));
    EXPECT_NE(report.Question().find("SHA-256 fingerprint: " + report.fingerprint), std::string::npos);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "Error 500 " + report.Refusal());
    EXPECT_FALSE(Traced("> USER"));
    EXPECT_FALSE(Traced("> PASS"));
    EXPECT_FALSE(std::filesystem::exists(server->Root() + "page.html"));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RefusedCertificates,
    ::testing::Values(
        RefusedCase{"UnknownAuthority", CertKind::Good, false, "it was issued by an authority this computer does not trust"},
        RefusedCase{"SelfSigned", CertKind::SelfSigned, true,
                    "it is self-signed, so no authority this computer trusts vouches for it"},
        RefusedCase{"Expired", CertKind::Expired, true, "it expired on "},
        RefusedCase{"OtherName", CertKind::OtherName, true, "it is for another name (example.org), not 127.0.0.1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TlsSessionTest, AVerifiedCertificateAsksNothingAndEveryConnectionIsEncrypted)
{
    profile.CaFile = certificates->AuthorityFile();
    for (bool passive : {false, true}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        profile.Passive = passive;
        prompts = {};
        trace.clear();
        SendTo(CertKind::Good);
        EXPECT_TRUE(prompts.certificates.empty());
        EXPECT_EQ(prompts.messages, std::vector<std::string>{"Transfer Completed."});
        EXPECT_TRUE(Contents(server->Root() + "page.html") == page);
        // The server refuses PASV, EPSV and PORT until PROT P, and USER until TLS is up.
        EXPECT_TRUE(Traced("> PROT P"));
        EXPECT_TRUE(Traced("! TLS on the data connection: TLSv1."));
    }
}

TEST_F(TlsSessionTest, TrustingACertificateByItsFingerprintAndAskingAgainWhenItChanges)
{
    prompts.trustCertificate = true;
    SendTo(CertKind::SelfSigned);
    ASSERT_EQ(prompts.certificates.size(), 1u);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Transfer Completed."});
    EXPECT_EQ(ftp.TrustedFingerprint, certificates->Fingerprint(CertKind::SelfSigned));

    // Trusted: no question.
    profile.TrustedFingerprint = certificates->Fingerprint(CertKind::SelfSigned);
    prompts = {};
    SendTo(CertKind::SelfSigned);
    EXPECT_TRUE(prompts.certificates.empty());
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Transfer Completed."});

    // Another certificate: asked again, with the one trusted before.
    prompts = {};
    SendTo(CertKind::Expired);
    ASSERT_EQ(prompts.certificates.size(), 1u);
    EXPECT_EQ(prompts.certificates[0].trustedBefore, certificates->Fingerprint(CertKind::SelfSigned));
    EXPECT_NE(prompts.certificates[0].Question().find("has changed since you trusted it"), std::string::npos);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Error 500 " + prompts.certificates[0].Refusal()});
}

} // namespace
} // namespace tarvin::publish::test
