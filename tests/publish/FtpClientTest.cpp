// The FTP client against a scripted server on loopback: replies and orders
// that real servers rarely produce, and servers that misbehave.
#include "FtpClientFixture.h"
#include "PyFtpServer.h"

namespace tarvin::publish::test {
namespace {

TEST_F(FtpClientTest, MultiLineAndLfOnlyRepliesEndAtTheirLastLine)
{
    server.greeting = "220-Welcome\n 220 a blank in front keeps it open\n220 ready\n";
    server.replies["USER"] = "331-Password\r\nplease\r\n331 needed\n";
    const Outcome outcome = Run(&TFtpClient::RequestConnect);
    EXPECT_EQ(outcome.request, TFtpRequest::rqConnect);
    EXPECT_EQ(outcome.error, 0);
    EXPECT_EQ(server.commands, (std::vector<std::string>{"USER user", "PASS pass"}));
    EXPECT_TRUE(Traced("< 331 needed"));
    EXPECT_FALSE(Traced("< 331-Password"));
    EXPECT_EQ(ftp.State(), TFtpState::ftpsReady);
}

TEST_F(FtpClientTest, UserAnsweredWith230SkipsThePassword)
{
    server.replies["USER"] = "230 no password needed\r\n";
    EXPECT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    EXPECT_EQ(server.commands, (std::vector<std::string>{"USER user"}));
}

TEST_F(FtpClientTest, WrongPasswordReportsTheReplyLine)
{
    server.replies["PASS"] = "530 Login incorrect.\r\n";
    const Outcome outcome = Run(&TFtpClient::RequestConnect);
    EXPECT_EQ(outcome.request, TFtpRequest::rqConnect);
    EXPECT_EQ(outcome.error, 530);
    EXPECT_EQ(ftp.ErrorMessage(), "530 Login incorrect.");
}

TEST_F(FtpClientTest, AMissingPasswordEndsTheRequestInsteadOfStalling)
{
    ftp.PassWord.clear();
    const Outcome outcome = Run(&TFtpClient::RequestConnect);
    EXPECT_EQ(outcome.error, 500);
    EXPECT_EQ(ftp.ErrorMessage(), "500 FtpException: Password emtpy");
    EXPECT_FALSE(ftp.ControlOpen());
}

TEST_F(FtpClientTest, RefusedPreconditionsThrowAndLeaveTheStateAlone)
{
    EXPECT_THROW(ftp.RequestPut(), FtpException);
    EXPECT_EQ(ftp.State(), TFtpState::ftpsReady);
    try {
        ftp.RequestCwd();
        FAIL();
    } catch (const FtpException& e) {
        EXPECT_STREQ(e.what(), "HostDirName emtpy");
    }
    ftp.HostName.clear();
    EXPECT_ANY_THROW(ftp.RequestConnect());
    EXPECT_EQ(ftp.State(), TFtpState::ftpsReady);
}

TEST_F(FtpClientTest, ALineOfTheWholeBufferFitsButALongerOneClosesTheConnection)
{
    server.greeting = "220 " + QByteArray(4090, 'x') + "\n";  // 4095 bytes with its line end
    EXPECT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    Run(&TFtpClient::RequestQuit);

    ScriptedFtpServer flooding;
    flooding.greeting = QByteArray(6000, 'y');
    ftp.Port = std::to_string(flooding.Port());
    const Outcome outcome = Run(&TFtpClient::RequestConnect);
    EXPECT_EQ(outcome.error, 421);
    EXPECT_EQ(ftp.ErrorMessage(), "421 Connection closed by the server");
    EXPECT_FALSE(ftp.ControlOpen());
}

TEST_F(FtpClientTest, GarbageAndCodelessRepliesCannotPassForSuccess)
{
    server.greeting = "garbage\r\n\r\n-12-\r\n220 fine\r\n";
    server.replies["USER"] = "no code at all\r\n000 zero is no acceptance\r\n";
    const Outcome outcome = Run(&TFtpClient::RequestConnect);
    EXPECT_NE(outcome.error, 0);
    EXPECT_EQ(ftp.ErrorMessage(), "000 zero is no acceptance");
}

TEST_F(FtpClientTest, AClosedPortReportsConnectionRefused)
{
    ftp.Port = std::to_string(FreeLoopbackPort());
    const Outcome outcome = Run(&TFtpClient::RequestConnect);
    EXPECT_EQ(outcome.error, 10061);
    EXPECT_EQ(ftp.ErrorMessage(), "500 Connection refused (Winsock error #10061)");
    EXPECT_FALSE(ftp.ControlOpen());
    EXPECT_EQ(ftp.State(), TFtpState::ftpsReady);
}

struct StorCase {
    StorScript script;
    QByteArray firstReply;
};

class FtpStorTest : public FtpClientTest, public ::testing::WithParamInterface<StorCase> {};

TEST_P(FtpStorTest, EitherOrderOfRepliesAndDataConnectionDeliversTheFile)
{
    server.stor = GetParam().script;
    server.storReply = GetParam().firstReply;
    ASSERT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    const std::string bytes = WriteLocalFile(100000);
    std::vector<int> counts;
    ftp.OnProgress = [&](int count, bool&) { counts.push_back(count); };
    const Outcome outcome = Run(&TFtpClient::RequestPut);
    EXPECT_EQ(outcome.request, TFtpRequest::rqPut);
    EXPECT_EQ(outcome.error, 0) << ftp.ErrorMessage();
    ASSERT_TRUE(RunUntil([&] { return server.stored.size() >= static_cast<int>(bytes.size()); }));
    EXPECT_TRUE(server.stored.toStdString() == bytes);
    // Every block is reported, in order, however many go out together.
    std::vector<int> expected;
    for (int count = 0; count < 100000; count += TFtpClient::BlockSize)
        expected.push_back(count);
    expected.push_back(100000);
    EXPECT_EQ(counts, expected);
    EXPECT_TRUE(Traced("! 100000 bytes received/sent in "));
    const std::string& port = server.commands.at(server.commands.size() - 2);
    EXPECT_EQ(port.rfind("PORT 127,0,0,1,", 0), 0u) << port;
    EXPECT_EQ(server.commands.back(), "STOR remote.bin");
}

INSTANTIATE_TEST_SUITE_P(Orders, FtpStorTest,
                         ::testing::Values(StorCase{StorScript::ReplyThenConnect, "150 go\r\n"},
                                           StorCase{StorScript::ReplyThenConnect, "125 already open\r\n"},
                                           StorCase{StorScript::ConnectThenReply, "150 go\r\n"},
                                           StorCase{StorScript::FinalBeforeDataClose, "150 go\r\n"}));

TEST_F(FtpClientTest, AServerThatDropsTheControlConnectionMidTransferFailsTheRequest)
{
    server.stor = StorScript::CloseControlMidData;
    ASSERT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    WriteLocalFile(2000000);
    const Outcome outcome = Run(&TFtpClient::RequestPut);
    EXPECT_EQ(outcome.request, TFtpRequest::rqPut);
    EXPECT_NE(outcome.error, 0);
    EXPECT_FALSE(ftp.ControlOpen());
    EXPECT_EQ(ftp.State(), TFtpState::ftpsReady);
}

TEST_F(FtpClientTest, AMissingLocalFileFailsWithItsName)
{
    ASSERT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    ftp.LocalFileName = folder.path().toStdString() + "/gone.gif";
    ftp.HostFileName = "gone.gif";
    EXPECT_EQ(Run(&TFtpClient::RequestPut).error, 426);
    EXPECT_EQ(ftp.ErrorMessage(), "426 Unable to open local file " + ftp.LocalFileName);
}

TEST_F(FtpClientTest, ANameWithALineBreakIsNeverSent)
{
    ASSERT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    ftp.HostDirName = "site\r\nDELE index.html";
    EXPECT_THROW(ftp.RequestCwd(), FtpException);
    EXPECT_EQ(server.commands.size(), 2u);
}

} // namespace
} // namespace tarvin::publish::test
