// The asynchronous socket on loopback: when its events come, and in which order.
#include "EventLoop.h"
#include "PyFtpServer.h"

#include "publish/SocketErrors.h"
#include "publish/WSocket.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <cerrno>

namespace tarvin::publish::test {
namespace {

std::string Message(const std::function<void()>& call)
{
    try {
        call();
    } catch (const ESocketException& e) {
        return e.what();
    }
    return "(no exception)";
}

struct Peer {
    Peer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] { accepted = server.nextPendingConnection(); });
    }
    QTcpServer server;
    QTcpSocket* accepted = nullptr;
};

void ConnectTo(TWSocket& socket, int port)
{
    socket.SetAddr("127.0.0.1");
    socket.SetPort(std::to_string(port));
    socket.Connect();
}

TEST(WSocketTest, ADottedAddressIsLookedUpInsideTheCall)
{
    TWSocket socket;
    int reported = -1;
    socket.OnDnsLookupDone = [&](std::uint16_t error) { reported = error; };
    socket.DnsLookup(" 127.0.0.1 ");
    EXPECT_EQ(reported, 0);
    EXPECT_EQ(socket.DnsResult(), "127.0.0.1");
    EXPECT_EQ(Message([&] { socket.DnsLookup(""); }), "DNS lookup: invalid host name.");
}

TEST(WSocketTest, DataSentFollowsOnlyAfterSendReturnedOnceForSendsInARowAndDataArrives)
{
    Peer peer;
    TWSocket socket;
    int sent = 0;
    socket.OnDataSent = [&](std::uint16_t) { ++sent; };
    socket.OnSessionConnected = [&](std::uint16_t error) {
        ASSERT_EQ(error, 0);
        EXPECT_EQ(socket.SendText("hello"), 5);
        EXPECT_EQ(socket.SendText(" world"), 6);
        EXPECT_EQ(sent, 0);
    };
    ConnectTo(socket, peer.server.serverPort());
    EXPECT_EQ(socket.State(), TSocketState::wsConnecting);
    EXPECT_EQ(Message([&] { socket.SetPort("1"); }), "Cannot change Port if not closed");
    ASSERT_TRUE(RunUntil([&] { return sent > 0 && peer.accepted && peer.accepted->bytesAvailable() >= 11; }));
    RunFor(50);
    EXPECT_EQ(sent, 1);
    EXPECT_EQ(peer.accepted->readAll(), "hello world");
}

TEST(WSocketTest, ARefusedConnectReportsTheErrorThenClosesOnce)
{
    TWSocket socket;
    std::vector<std::string> events;
    socket.OnSessionConnected = [&](std::uint16_t error) { events.push_back("connected " + std::to_string(error)); };
    socket.OnSessionClosed = [&](std::uint16_t error) { events.push_back("closed " + std::to_string(error)); };
    ConnectTo(socket, FreeLoopbackPort());
    ASSERT_TRUE(RunUntil([&] { return events.size() >= 2; }));
    RunFor(50);
    EXPECT_EQ(events, (std::vector<std::string>{"connected 10061", "closed 0"}));
    EXPECT_EQ(socket.State(), TSocketState::wsClosed);
    // A close returns the socket to its first values: the port must be set again.
    socket.SetAddr("127.0.0.1");
    EXPECT_EQ(Message([&] { socket.Connect(); }), "Connect: No Port Specified");
}

TEST(WSocketTest, DataThatCameWithThePeersCloseIsDeliveredFirst)
{
    Peer peer;
    TWSocket socket;
    std::string received;
    std::vector<std::string> events;
    socket.OnDataAvailable = [&](std::uint16_t) {
        char buffer[16];
        const int count = socket.Receive(buffer, sizeof buffer);
        if (count > 0) {
            received.append(buffer, static_cast<std::size_t>(count));
            events.push_back("data");
        }
    };
    socket.OnSessionClosed = [&](std::uint16_t) { events.push_back("closed"); };
    ConnectTo(socket, peer.server.serverPort());
    ASSERT_TRUE(RunUntil([&] { return peer.accepted != nullptr; }));
    peer.accepted->write("goodbye, and thanks for all the fish");
    peer.accepted->disconnectFromHost();
    ASSERT_TRUE(RunUntil([&] { return !events.empty() && events.back() == "closed"; }));
    EXPECT_EQ(received, "goodbye, and thanks for all the fish");
    EXPECT_EQ(events.front(), "data");
    EXPECT_EQ(std::count(events.begin(), events.end(), "closed"), 1);
}

TEST(WSocketTest, ListenAcceptAndDupCarryAConnection)
{
    TWSocket listener;
    listener.SetAddr("127.0.0.1");
    listener.SetPort("0");
    listener.Listen();
    EXPECT_EQ(listener.State(), TSocketState::wsListening);
    int handle = -1;
    listener.OnSessionAvailable = [&](std::uint16_t) { handle = listener.Accept(); };
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(listener.LocalEndpoint().port));
    ASSERT_TRUE(RunUntil([&] { return handle >= 0; }));
    listener.Close();
    listener.Dup(handle);
    EXPECT_EQ(listener.State(), TSocketState::wsConnected);
    listener.SendText("via dup");
    ASSERT_TRUE(RunUntil([&] { return client.bytesAvailable() >= 7; }));
    EXPECT_EQ(client.readAll(), "via dup");
}

TEST(WSocketTest, RefusalsCarryTheirMessages)
{
    TWSocket socket;
    EXPECT_EQ(Message([&] { socket.SendText("x"); }), "Error 10057 in function Send\r\nSocket is not connected");
    EXPECT_EQ(Message([&] { socket.Accept(); }), "Error 10022 in function not a listening socket\r\nInvalid argument");
    EXPECT_EQ(Message([&] { socket.Listen(); }), "listen: port not assigned");
    socket.SetPort("21");
    EXPECT_EQ(Message([&] { socket.Connect(); }), "Connect: No IP Address Specified");
    socket.SetAddr("1.2.3.999");
    EXPECT_EQ(Message([&] { socket.Connect(); }), "connect: WSocketResolveHost: '1.2.3.999' Invalid IP address.");
    EXPECT_EQ(Message([&] { ResolvePort("", "tcp"); }), "WSocketResolvePort: Invalid Port.");
    EXPECT_EQ(Message([&] { ResolvePort("99999", "tcp"); }), "WSocketResolvePort: Invalid Port.");
    EXPECT_EQ(ResolvePort("2121abc", "tcp"), 2121);
}

TEST(WSocketTest, PlatformErrorsMapOntoTheShownNumbers)
{
    EXPECT_EQ(SocketErrorFromErrno(ECONNREFUSED), 10061);
    EXPECT_EQ(SocketErrorFromErrno(ECONNRESET), 10054);
    EXPECT_EQ(SocketErrorFromErrno(EPIPE), 10054);
    EXPECT_EQ(SocketErrorFromErrno(ETIMEDOUT), 10060);
    EXPECT_EQ(SocketErrorFromErrno(EHOSTUNREACH), 10065);
    EXPECT_EQ(SocketErrorDesc(11001), "Host not found");
    EXPECT_EQ(SocketErrorDesc(SocketErrorFromErrno(ENOMEM)), "Not a WinSock error");
}

} // namespace
} // namespace tarvin::publish::test
