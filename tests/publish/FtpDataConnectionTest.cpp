// The data connection in both modes, servers that fall silent, a data
// connection from a stranger, and how passive replies are read.
#include "FtpClientFixture.h"

#include "publish/PassiveReply.h"

#include <QElapsedTimer>

#include <filesystem>

namespace tarvin::publish::test {
namespace {

struct PassiveCase {
    const char* name;
    std::map<std::string, QByteArray> replies;
    QByteArray pasvHost;
    std::vector<std::string> commands;  // from the data connection on
    const char* traced;
};

class PassiveStorTest : public FtpClientTest, public ::testing::WithParamInterface<PassiveCase> {};

TEST_P(PassiveStorTest, TheFileArrivesOverTheConnectionTheClientMakes)
{
    for (const auto& [verb, reply] : GetParam().replies)
        server.replies[verb] = reply;
    server.pasvHost = GetParam().pasvHost;
    ftp.Passive = true;
    ASSERT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    const std::string bytes = WriteLocalFile(300000);
    const Outcome outcome = Run(&TFtpClient::RequestPut);
    EXPECT_EQ(outcome.request, TFtpRequest::rqPut);
    ASSERT_EQ(outcome.error, 0) << ftp.ErrorMessage();
    EXPECT_TRUE(server.stored.toStdString() == bytes);
    EXPECT_EQ(std::vector<std::string>(server.commands.begin() + 2, server.commands.end()), GetParam().commands);
    EXPECT_TRUE(Traced(GetParam().traced)) << GetParam().traced;
    EXPECT_TRUE(Traced("! Passive mode: connecting to 127.0.0.1:"));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, PassiveStorTest,
    ::testing::Values(
        PassiveCase{"Epsv", {}, "127,0,0,1", {"EPSV", "STOR remote.bin"}, "< 229 Entering Extended Passive Mode"},
        PassiveCase{"EpsvRefused", {{"EPSV", "500 EPSV not understood\r\n"}}, "127,0,0,1",
                    {"EPSV", "PASV", "STOR remote.bin"}, "! EPSV refused; trying PASV"},
        PassiveCase{"EpsvNotImplemented", {{"EPSV", "502 No.\r\n"}}, "127,0,0,1", {"EPSV", "PASV", "STOR remote.bin"},
                    "! EPSV refused; trying PASV"},
        PassiveCase{"PrivateAddressReplaced", {{"EPSV", "500 ?\r\n"}}, "10,1,2,3", {"EPSV", "PASV", "STOR remote.bin"},
                    "! PASV names the private address 10.1.2.3; using the server's address 127.0.0.1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FtpClientTest, APassiveReplyThatCannotBeUsedFailsTheTransfer)
{
    ftp.Passive = true;
    ASSERT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    WriteLocalFile(10);
    server.replies["EPSV"] = "500 no\r\n";
    server.replies["PASV"] = "227 Entering Passive Mode (300,1,1,1,1,1)\r\n";
    EXPECT_EQ(Run(&TFtpClient::RequestPut).error, 500);
    EXPECT_EQ(ftp.ErrorMessage(), "500 Unreadable PASV reply: 227 Entering Passive Mode (300,1,1,1,1,1)");

    server.replies["PASV"] = "421 Too many connections\r\n";
    EXPECT_EQ(Run(&TFtpClient::RequestPut).error, 421);
    EXPECT_EQ(ftp.ErrorMessage(), "421 Too many connections");
    EXPECT_EQ(server.Count("STOR"), 0);
}

TEST_F(FtpClientTest, ALocalNameThatIsNotUtf8IsOpenedByItsBytes)
{
    ASSERT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    const std::string bytes = WriteLocalFile(5000, "caf\xE9 \xFF.gif");
    EXPECT_EQ(Run(&TFtpClient::RequestPut).error, 0) << ftp.ErrorMessage();
    EXPECT_TRUE(server.stored.toStdString() == bytes);
    std::filesystem::remove(ftp.LocalFileName);  // QTemporaryDir cannot name it to remove it
}

TEST_F(FtpClientTest, ControlCharactersOfServerTextBecomeVisible)
{
    server.replies["PASS"] = "530 \x1B]0;owned\x07\x1B[2J no\r\n";
    EXPECT_EQ(Run(&TFtpClient::RequestConnect).error, 530);
    EXPECT_EQ(ftp.ErrorMessage(), "530 \\x1B]0;owned\\x07\\x1B[2J no");
    for (const auto& line : trace)
        EXPECT_EQ(line.find('\x1B'), std::string::npos) << line;
}

// ---- silence -------------------------------------------------------------------

struct SilenceCase {
    const char* name;
    bool passive;
    std::function<void(ScriptedFtpServer&)> script;
    bool connectsFirst;  // the silence comes after login, during a transfer
};

class SilentServerTest : public FtpClientTest, public ::testing::WithParamInterface<SilenceCase> {};

TEST_P(SilentServerTest, TheIdleTimeoutEndsTheRequestAndClosesBothConnections)
{
    GetParam().script(server);
    ftp.Passive = GetParam().passive;
    ftp.IdleTimeout = 1;
    void (TFtpClient::*request)() = &TFtpClient::RequestConnect;
    if (GetParam().connectsFirst) {
        ASSERT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
        WriteLocalFile(32 * 1024 * 1024);
        request = &TFtpClient::RequestPut;
    }
    QElapsedTimer clock;
    clock.start();
    const Outcome outcome = Run(request);
    EXPECT_EQ(outcome.error, 10060);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(ftp.ErrorMessage(), "500 Timed out: no reply or transfer progress for 1 seconds");
    EXPECT_FALSE(ftp.ControlOpen());
    EXPECT_EQ(ftp.State(), TFtpState::ftpsReady);
    EXPECT_TRUE(RunUntil([&] { return server.controlClosed; }, 3000));
}

INSTANTIATE_TEST_SUITE_P(
    Moments, SilentServerTest,
    ::testing::Values(
        SilenceCase{"NoGreeting", false, [](ScriptedFtpServer& s) { s.greeting.clear(); }, false},
        SilenceCase{"AfterUser", false, [](ScriptedFtpServer& s) { s.replies["USER"] = ""; }, false},
        SilenceCase{"AfterPort", false, [](ScriptedFtpServer& s) { s.replies["PORT"] = ""; }, true},
        SilenceCase{"AfterEpsv", true, [](ScriptedFtpServer& s) { s.replies["EPSV"] = ""; }, true},
        SilenceCase{"NoDataConnection", false, [](ScriptedFtpServer& s) { s.stor = StorScript::NoDataConnection; }, true},
        SilenceCase{"MidTransfer", false, [](ScriptedFtpServer& s) { s.stor = StorScript::StallMidData; }, true},
        SilenceCase{"MidPassiveTransfer", true, [](ScriptedFtpServer& s) { s.stor = StorScript::StallMidData; }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FtpClientTest, AnIdleClientBetweenRequestsDoesNotTimeOut)
{
    ftp.IdleTimeout = 1;
    ASSERT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    RunFor(1500);
    EXPECT_TRUE(ftp.ControlOpen());
    EXPECT_EQ(Run(&TFtpClient::RequestTypeSet).error, 0);
}

// ---- a data connection from elsewhere ------------------------------------------

// Sees every active data connection as coming from another host, as one that
// passes a router does.
class ClientBehindRouter : public TFtpClient {
protected:
    std::string DataPeerAddress(int) const override { return "192.0.2.7"; }
};

using DataFromElsewhereTest = FtpFixture<ClientBehindRouter>;

TEST_F(DataFromElsewhereTest, IsRefusedAndTheTransferEndsSuggestingPassiveMode)
{
    ASSERT_EQ(Run(&TFtpClient::RequestConnect).error, 0);
    WriteLocalFile(5000);
    const Outcome outcome = Run(&TFtpClient::RequestPut);
    EXPECT_EQ(outcome.error, 425);
    EXPECT_EQ(ftp.ErrorMessage(), "425 Data connection from 192.0.2.7 refused: it must come from the server "
                                  "(127.0.0.1). Try passive mode.");
    EXPECT_TRUE(server.stored.isEmpty());
    EXPECT_EQ(ftp.State(), TFtpState::ftpsReady);
}

// ---- reading passive replies ---------------------------------------------------

TEST(PassiveReplyTest, EpsvPorts)
{
    const std::vector<std::pair<std::string, std::optional<int>>> cases{
        {"229 Entering Extended Passive Mode (|||6446|)", 6446},
        {"229 ok (!!!21!)", 21},
        {"229 (|||65535|)", 65535},
        {"229 (|||65536|)", std::nullopt},
        {"229 (|||0|)", std::nullopt},
        {"229 (||1|6446|)", std::nullopt},
        {"229 (|||6446!)", std::nullopt},
        {"229 (|||6446|", std::nullopt},
        {"229 (|||99999999999999999999|)", std::nullopt},
        {"229 no brackets", std::nullopt},
        {"229 (", std::nullopt},
    };
    for (const auto& [reply, port] : cases)
        EXPECT_EQ(ParseEpsvPort(reply), port) << reply;
}

TEST(PassiveReplyTest, PasvEndpoints)
{
    const std::vector<std::tuple<std::string, std::string, int>> good{
        {"227 Entering Passive Mode (192,168,1,2,19,137)", "192.168.1.2", 19 * 256 + 137},
        {"227 Entering Passive Mode 10,0,0,1,0,21", "10.0.0.1", 21},
        {"227 =127,0,0,1,255,255", "127.0.0.1", 65535},
    };
    for (const auto& [reply, address, port] : good) {
        const auto endpoint = ParsePasvEndpoint(reply);
        ASSERT_TRUE(endpoint) << reply;
        EXPECT_EQ(endpoint->address, address);
        EXPECT_EQ(endpoint->port, port);
    }
    for (const std::string reply : {"227 (1,2,3,4,5)", "227 (256,1,1,1,1,1)", "227 (1,2,3,4,0,0)", "227 nothing",
                                    "227 (1,2,3,4,5,6000000000000)", "227 (1,,3,4,5,6)"})
        EXPECT_FALSE(ParsePasvEndpoint(reply)) << reply;
}

TEST(PassiveReplyTest, UnroutableAddresses)
{
    for (const char* address : {"10.1.2.3", "172.16.0.1", "172.31.255.255", "192.168.0.9", "127.0.0.1", "169.254.1.1",
                                "100.64.0.1", "0.0.0.0", "224.0.0.1", "255.255.255.255", "198.18.0.1", "nonsense"})
        EXPECT_TRUE(IsUnroutableAddress(address)) << address;
    for (const char* address : {"8.8.8.8", "172.32.0.1", "172.15.255.255", "192.169.0.1", "100.128.0.1", "11.0.0.1",
                                "203.0.113.9"})
        EXPECT_FALSE(IsUnroutableAddress(address)) << address;
}

} // namespace
} // namespace tarvin::publish::test
