// tarvin-cli publish against a real FTP server: a saved page arrives with its
// pictures byte for byte, and failures end with "Error ..." and status 1.

#include "PublishCliFixture.h"

#include <QElapsedTimer>
#include <QTcpServer>

namespace tarvin::publish::test {
namespace {

TEST_F(PublishCli, SendsThePageAndItsPicturesByteForByte)
{
    const auto run = Publish(QStringList{Document()} + Server() + QStringList{"--dir", "site", "--create-dir", "--trace"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Transfer Completed."), std::string::npos);
    EXPECT_EQ(run.out.find(PyFtpServer::Password), std::string::npos);
    EXPECT_EQ(run.err.find(PyFtpServer::Password), std::string::npos);  // never shown, not even in the trace
    for (const char* file : {"Upload/MyPage.html", "Upload/images/photo.jpg", "Upload/backgrounds/sky.gif"})
        EXPECT_EQ(Contents(server_.Root() + "site/" + fs::path(file).filename().string()), Contents(pf_ + file)) << file;

    // The page's HTML file names the same page.
    const auto again = Publish(QStringList{QString::fromStdString(pf_ + "Upload/MyPage.html")} + Server() +
                               QStringList{"--dir", "site"});
    EXPECT_EQ(again.status, 0) << again.err;
}

TEST_F(PublishCli, FailuresEndWithAnErrorLine)
{
    const auto missingFolder = Publish(QStringList{Document()} + Server() + QStringList{"--dir", "nowhere"});
    EXPECT_EQ(missingFolder.status, 1);
    EXPECT_NE(missingFolder.err.find("Error "), std::string::npos);
    EXPECT_FALSE(fs::exists(server_.Root() + "nowhere"));

    const auto wrongPassword = Publish(QStringList{Document()} + Server("TARVIN_WRONG_PASSWORD"));
    EXPECT_EQ(wrongPassword.status, 1);
    EXPECT_NE(wrongPassword.err.find("530"), std::string::npos) << wrongPassword.err;

    QStringList closed = Server();
    closed[5] = QString::number(FreeLoopbackPort());
    const auto refused = Publish(QStringList{Document()} + closed);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("10061"), std::string::npos) << refused.err;

    const auto noHost = Publish({Document(), "--program-folder", QString::fromStdString(pf_)});
    EXPECT_NE(noHost.status, 0);
    EXPECT_FALSE(noHost.err.empty());
}

TEST_F(PublishCli, PassiveModeFromTheSwitchOrTheProfile)
{
    const auto run = Publish(QStringList{Document()} + Server() + QStringList{"--dir", "site", "--create-dir", "--passive",
                                                                            "--trace"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("> EPSV"), std::string::npos);
    EXPECT_EQ(run.err.find("> PORT"), std::string::npos);
    for (const char* file : {"Upload/MyPage.html", "Upload/images/photo.jpg", "Upload/backgrounds/sky.gif"})
        EXPECT_EQ(Contents(server_.Root() + "site/" + fs::path(file).filename().string()), Contents(pf_ + file)) << file;

    const QString config = QString::fromStdString(pf_ + "config");
    const auto added = RunCli({"profiles", "add", "Home", "--host", "127.0.0.1", "--port",
                               QString::number(server_.Port()), "--user", PyFtpServer::User, "--password-env",
                               "TARVIN_TEST_PASSWORD", "--dir", "site", "--passive", "--timeout", "30"},
                              config);
    ASSERT_EQ(added.status, 0) << added.err;
    const QStringList withProfile{Document(), "--program-folder", QString::fromStdString(pf_), "--profile", "Home",
                                  "--trace"};
    const auto passive = Publish(withProfile, config);
    EXPECT_EQ(passive.status, 0) << passive.err;
    EXPECT_NE(passive.err.find("> EPSV"), std::string::npos);
    const auto active = Publish(withProfile + QStringList{"--active"}, config);
    EXPECT_EQ(active.status, 0) << active.err;
    EXPECT_NE(active.err.find("> PORT"), std::string::npos);

    const auto both = Publish(withProfile + QStringList{"--active", "--passive"}, config);
    EXPECT_EQ(both.status, 2);
}

TEST_F(PublishCli, APictureNameReachingOutsideIsLeftOutAndReported)
{
    fs::create_directories(pf_ + "outside");
    Write(pf_ + "outside/id_rsa", "PRIVATE KEY");
    const auto run = PublishPageWith([](TPagelette& page) {
        page.Page().Items(1).ImageBlock().FileName = "../../outside/id_rsa";
    });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Left out of the upload: \"../../outside/id_rsa\""), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(server_.Root() + "site/id_rsa"));
    EXPECT_TRUE(fs::exists(server_.Root() + "site/MyPage.html"));
}

// A document may name a picture with control characters that would steer the
// terminal: the warning shows them as escapes.
TEST_F(PublishCli, ALeftOutNameIsShownWithoutItsControlCharacters)
{
    const auto run = PublishPageWith([](TPagelette& page) {
        page.Page().Items(0).PagePropertiesBlock().Background = "../\x1b]0;owned\x07\x1b[2J\r\x9b";
    });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Left out of the upload: \"../\\x1B]0;owned\\x07\\x1B[2J\\x0D\\x9B\""), std::string::npos)
        << run.err;
    for (const char c : run.err)
        EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << "control character " << int(c) << " printed";
    EXPECT_EQ(run.err.find('\x9b'), std::string::npos);
}

TEST_F(PublishCli, TimeoutEndsARunThatHearsNothingForThatLong)
{
    // Listens, so connections are made, but never answers: this test does not
    // run the event loop while the command runs.
    QTcpServer mute;
    ASSERT_TRUE(mute.listen(QHostAddress::LocalHost, 0));
    QStringList silent = Server();
    silent[5] = QString::number(mute.serverPort());
    silent[silent.indexOf("--timeout") + 1] = "1";
    QElapsedTimer clock;
    clock.start();
    const auto run = Publish(QStringList{Document()} + silent);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Connecting to 127.0.0.1...\nError 500 Timed out: no reply or transfer progress for 1 seconds\n");
}

// The window and the tool agree: a profile saved as "Local" is "local" too.
TEST_F(PublishCli, ProfileNamesIgnoreLetterCase)
{
    QTemporaryDir config;
    QStringList add = {"profiles", "add", "Local", "--host", "127.0.0.1", "--port", QString::number(server_.Port()),
                       "--user", PyFtpServer::User, "--password-env", "TARVIN_TEST_PASSWORD", "--dir", "site"};
    ASSERT_EQ(RunCli(add, config.path()).status, 0);
    add[2] = "LOCAL";
    const auto duplicate = RunCli(add, config.path());
    EXPECT_EQ(duplicate.status, 1);
    EXPECT_EQ(duplicate.err, "There is already a server profile with this name.\n");

    const auto published =
        Publish({Document(), "--program-folder", QString::fromStdString(pf_), "--profile", "local", "--create-dir"},
                config.path());
    EXPECT_EQ(published.status, 0) << published.err;
    EXPECT_EQ(Contents(server_.Root() + "site/MyPage.html"), Contents(pf_ + "Upload/MyPage.html"));

    EXPECT_EQ(RunCli({"profiles", "remove", "lOcAl"}, config.path()).status, 0);
    EXPECT_EQ(RunCli({"profiles", "list"}, config.path()).out, "");
}

} // namespace
} // namespace tarvin::publish::test
