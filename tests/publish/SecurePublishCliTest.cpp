// tarvin-cli publish and test-server over TLS against pyftpdlib that refuses
// clear text on both connections, and publish --changed-only.
#include "PublishCliFixture.h"
#include "TestCertificates.h"

#include <QFile>

#include <memory>

namespace tarvin::publish::test {
namespace {

int Count(const std::string& text, const std::string& part)
{
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class TlsPublishCli : public PageFolderTest {
protected:

    void SetUp() override
    {
        ASSERT_TRUE(certificates->Made()) << "python3-cryptography could not make the certificates";
        StartServer(CertKind::Good);
        PageFolderTest::SetUp();
    }

    void StartServer(CertKind kind, int port = 0)
    {
        server_.reset();
        server_ = std::make_unique<PyFtpServer>(PyFtpOptions{false, false, "", certificates->ServerFile(kind), true, port});
        ASSERT_TRUE(server_->Started()) << "pyftpdlib did not start";
    }

    QStringList Tls() const { return Server(server_->Port()) + QStringList{"--tls", "--trace"}; }
    QString Authority() const { return QString::fromStdString(certificates->AuthorityFile()); }
    QString Fingerprint(CertKind kind) const { return QString::fromStdString(certificates->Fingerprint(kind)); }

    const TestCertificates* certificates = &SharedCertificates();
    std::unique_ptr<PyFtpServer> server_;
};

TEST_F(TlsPublishCli, TrustComesFromTheAuthorityFileOrTheRightFingerprintOnly)
{
    const QString wrong = QString(64, '0');
    QString bare = Fingerprint(CertKind::Good).toLower().remove(':');
    struct Case {
        const char* name;
        QStringList extra;
        int status;
        std::string said;
    };
    for (const Case& c : {Case{"authority file", {"--ca-file", Authority()}, 0, "Transfer Completed.\nAll 3 files were verified"},
                          Case{"nothing", {}, 1, "it was issued by an authority this computer does not trust"},
                          Case{"wrong fingerprint", {"--trust-fingerprint", wrong}, 1, "It does not match --trust-fingerprint."},
                          Case{"right fingerprint", {"--trust-fingerprint", bare}, 0,
                               "Trust this certificate for this server? Yes"}}) {
        SCOPED_TRACE(c.name);
        const auto run = Publish(QStringList{Document()} + Tls() + c.extra);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE((run.out + run.err).find(c.said), std::string::npos) << run.out << run.err;
        EXPECT_NE(run.err.find(Fingerprint(CertKind::Good).toStdString()), std::string::npos);
        for (const char* file : {"Upload/MyPage.html", "Upload/images/photo.jpg", "Upload/backgrounds/sky.gif"}) {
            const std::string remote = server_->Root() + fs::path(file).filename().string();
            EXPECT_EQ(fs::exists(remote), c.status == 0) << file;
            if (c.status == 0) {
                EXPECT_EQ(Contents(remote), Contents(pf_ + file)) << file;
            }
            fs::remove(remote);
        }
        if (c.status != 0) {
            EXPECT_EQ(run.err.find("> USER"), std::string::npos) << "the login went out to an untrusted server";
        }
    }
}

TEST_F(TlsPublishCli, AFingerprintIsKeptWithTheProfileAndAChangedCertificateAsksAgain)
{
    QTemporaryDir config;
    const auto added = RunCli(QStringList{"profiles", "add", "Home"} + ServerOptions(server_->Port()) + QStringList{"--tls"},
                              config.path());
    ASSERT_EQ(added.status, 0) << added.err;
    const QStringList withProfile{Document(), "--program-folder", QString::fromStdString(pf_), "--profile", "Home"};

    const auto trusting = Publish(withProfile + QStringList{"--trust-fingerprint", Fingerprint(CertKind::SelfSigned)},
                                  config.path());
    EXPECT_EQ(trusting.status, 1) << "another certificate's fingerprint";
    const auto first = Publish(withProfile + QStringList{"--trust-fingerprint", Fingerprint(CertKind::Good)}, config.path());
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.err.find("The fingerprint is kept with the profile Home."), std::string::npos) << first.err;

    const auto again = Publish(withProfile, config.path());
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.err.find("Trust this certificate"), std::string::npos) << again.err;

    StartServer(CertKind::SelfSigned, server_->Port());
    const auto changed = Publish(withProfile, config.path());
    EXPECT_EQ(changed.status, 1);
    EXPECT_NE(changed.err.find("has changed since you trusted it (then " + Fingerprint(CertKind::Good).toStdString()),
              std::string::npos)
        << changed.err;
}

TEST_F(TlsPublishCli, TheConnectionTestPassesOrTellsWhatToTry)
{
    const QStringList options = ServerOptions(server_->Port()) + QStringList{"--tls"};
    const auto passed = RunCli(QStringList{"test-server", "--ca-file", Authority()} + options);
    EXPECT_EQ(passed.status, 0) << passed.out << passed.err;
    EXPECT_EQ(Count(passed.out, "PASS  "), 9) << passed.out;
    EXPECT_NE(passed.out.find("PASS  Secure the connection (TLS): The connection is encrypted: TLSv1."), std::string::npos)
        << passed.out;
    EXPECT_NE(passed.out.find("Every step passed"), std::string::npos);

    const auto untrusted = RunCli(QStringList{"test-server"} + options);
    EXPECT_EQ(untrusted.status, 1);
    EXPECT_NE(untrusted.out.find("FAIL  Secure the connection (TLS): 500 The server's certificate for 127.0.0.1 is not trusted"),
              std::string::npos)
        << untrusted.out;
    EXPECT_NE(untrusted.out.find("      Try: If you know this server, compare the fingerprint"), std::string::npos);

    const auto wrongPassword = RunCli(QStringList{"test-server", "--ca-file", Authority()} +
                                      ServerOptions(server_->Port(), "TARVIN_WRONG_PASSWORD") + QStringList{"--tls"});
    EXPECT_EQ(wrongPassword.status, 1);
    EXPECT_NE(wrongPassword.out.find("FAIL  Log in as tester: 530"), std::string::npos) << wrongPassword.out;

    EXPECT_EQ(RunCli(QStringList{"test-server", "--ca-file", Authority()} + ServerOptions(server_->Port())).status, 2)
        << "--ca-file without --tls";
}

TEST_F(PublishCli, ChangedOnlySendsWhatChangedAndWhatTheServerLost)
{
    QTemporaryDir data;
    const QStringList changedOnly = QStringList{Document()} + Server() + QStringList{"--changed-only", "--trace"};
    const auto first = Publish(changedOnly, {}, data.path());
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(Count(first.err, "> STOR "), 3);
    const fs::path records = data.path().toStdString() + "/Ostrel Software/Tarvin/Uploads";
    ASSERT_TRUE(fs::is_directory(records));
    EXPECT_EQ(fs::status(records).permissions() & fs::perms::all, fs::perms::owner_all);
    ASSERT_EQ(std::distance(fs::directory_iterator(records), {}), 1);
    EXPECT_EQ(fs::status(*fs::directory_iterator(records)).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    // The same size, other bytes: the content tells.
    Write(pf_ + "Upload/images/photo.jpg", std::string("\xFF\xD8JPEG\0\r\n bytes", 15));
    const auto second = Publish(changedOnly, {}, data.path());
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(Count(second.err, "> STOR "), 1);
    EXPECT_NE(second.err.find("> STOR photo.jpg"), std::string::npos);
    EXPECT_NE(second.err.find("Skipped MyPage.html: unchanged since its last upload"), std::string::npos) << second.err;
    EXPECT_NE(second.err.find("Skipped sky.gif: unchanged since its last upload"), std::string::npos);
    EXPECT_NE(second.out.find("The file was verified: the server holds it with the size sent. 2 files were skipped"),
              std::string::npos)
        << second.out;
    EXPECT_EQ(Contents(server_.Root() + "photo.jpg"), Contents(pf_ + "Upload/images/photo.jpg"));

    fs::remove(server_.Root() + "sky.gif");
    const auto third = Publish(changedOnly, {}, data.path());
    ASSERT_EQ(third.status, 0) << third.err;
    EXPECT_EQ(Count(third.err, "> STOR "), 1);
    EXPECT_NE(third.err.find("> STOR sky.gif"), std::string::npos) << third.err;
    EXPECT_EQ(Contents(server_.Root() + "sky.gif"), Contents(pf_ + "Upload/backgrounds/sky.gif"));

    // Without the switch everything goes.
    const auto whole = Publish(QStringList{Document()} + Server() + QStringList{"--trace"}, {}, data.path());
    EXPECT_EQ(Count(whole.err, "> STOR "), 3);
}

} // namespace
} // namespace tarvin::publish::test
