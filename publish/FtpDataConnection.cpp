// The data connection of a transfer, active or passive: the one place where
// the client chooses how the data connection is made and takes it once open.
#include "publish/FtpClient.h"

#include "publish/FtpClientText.h"
#include "publish/PassiveReply.h"
#include "publish/SocketEndpoint.h"

#include <algorithm>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvin::publish {

using namespace ftp_detail;

void TFtpClient::DataConnectionStep()
{
    CheckReady();
    CheckConnected();
    PrepareTransfer();
    if (Passive)
        EpsvStep();
    else
        PortStep();
}

void TFtpClient::PrepareTransfer()
{
    CloseDataSocket();
    dataTls_.Reset();
    data_.OnDataAvailable = nullptr;
    data_.OnDataSent = nullptr;
    data_.OnSessionClosed = nullptr;
    data_.OnSessionConnected = nullptr;
    data_.OnSessionAvailable = nullptr;
    storAnswered_ = dataConnected_ = dataOpen_ = sendingStarted_ = endOfFile_ = finalReply_ = dataClosed_ = false;
    dataHalfClosed_ = false;
    startTick_ = 0;
    closeError_ = 0;
    byteCount_ = 0;
    ++transferId_;
}

// ---- active: the client listens, the server connects ---------------------------

void TFtpClient::PortStep()
{
    // Some servers connect as soon as PORT arrives, before STOR: take the
    // connection whenever it comes.
    data_.OnSessionAvailable = [this](std::uint16_t) { DataSessionAvailable(); };
    data_.SetProto("tcp");
    data_.SetAddr("0.0.0.0");
    data_.SetPort("0");
    data_.LingerOnOff = TSocketLingerOnOff::wsLingerOn;
    data_.LingerTimeout = 10;
    data_.Listen();
    const int port = data_.LocalEndpoint().port;
    std::string address = "127,0,0,1";
    if (control_.Addr() != "127.0.0.1") {
        address = control_.LocalEndpoint().addr;
        std::replace(address.begin(), address.end(), '.', ',');
    }
    Display("! Active mode: the server connects to port " + std::to_string(port));
    ExecCommand(TFtpRequest::rqPort,
                "PORT " + address + "," + std::to_string(port / 256) + "," + std::to_string(port % 256), {200, 227});
}

std::string TFtpClient::DataPeerAddress(int handle) const
{
    sockaddr_in address{};
    socklen_t size = sizeof address;
    if (::getpeername(handle, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return {};
    return DottedAddress(address.sin_addr);
}

void TFtpClient::DataSessionAvailable()
{
    const int handle = data_.Accept();
    if (handle < 0)
        return;
    // Only the server may take the file.
    if (const std::string peer = DataPeerAddress(handle); peer != control_.PeerAddr()) {
        ::close(handle);
        RefuseDataConnection(peer);
        return;
    }
    data_.Close();  // the listening socket; its close handler was cleared at PORT
    data_.LingerOnOff = TSocketLingerOnOff::wsLingerOff;
    data_.LingerTimeout = 10;
    data_.Dup(handle);
    DataConnectionOpened();
}

void TFtpClient::RefuseDataConnection(const std::string& peer)
{
    // Behind a router the server's data connection arrives from the router's
    // address, or never: waiting on would stall the upload.
    EndRequest(425, "425 Data connection from " + (peer.empty() ? std::string("an unknown address") : peer)
                        + " refused: it must come from the server (" + control_.PeerAddr() + "). Try passive mode.");
}

// ---- passive: the server listens, the client connects --------------------------

void TFtpClient::EpsvStep()
{
    ExecCommand(TFtpRequest::rqPort, "EPSV", {229}, &TFtpClient::EpsvReply);
}

void TFtpClient::EpsvReply()
{
    if (requestError_ == 0) {
        if (const auto port = ParseEpsvPort(replyLine_)) {
            ConnectPassive(control_.PeerAddr(), *port);
            return;
        }
        Display("! Unreadable EPSV reply");
    } else if (replyCode_ < 500) {
        FinishRequest(requestError_);
        return;
    }
    Display("! EPSV refused; trying PASV");
    requestError_ = 0;
    SetState(TFtpState::ftpsReadyInSequence);
    ExecCommand(TFtpRequest::rqPort, "PASV", {227}, &TFtpClient::PasvReply);
}

void TFtpClient::PasvReply()
{
    if (requestError_ != 0) {
        FinishRequest(requestError_);
        return;
    }
    auto endpoint = ParsePasvEndpoint(replyLine_);
    if (!endpoint) {
        Fail(500, "500 Unreadable PASV reply: " + replyLine_);
        requestError_ = 500;
        FinishRequest(500);
        return;
    }
    // A server behind a router often announces its own private address.
    const std::string server = control_.PeerAddr();
    if (endpoint->address != server && IsUnroutableAddress(endpoint->address)) {
        Display("! PASV names the private address " + endpoint->address + "; using the server's address "
                + server);
        endpoint->address = server;
    }
    ConnectPassive(endpoint->address, endpoint->port);
}

void TFtpClient::ConnectPassive(const std::string& address, int port)
{
    Display("! Passive mode: connecting to " + address + ":" + std::to_string(port));
    data_.OnSessionConnected = [this](std::uint16_t error) { PassiveConnected(error); };
    try {
        data_.SetProto("tcp");
        data_.SetAddr(address);
        data_.SetPort(std::to_string(port));
        data_.LingerOnOff = TSocketLingerOnOff::wsLingerOff;
        data_.Connect();
    } catch (const std::exception& e) {
        Fail(500, "500 " + ExceptionClassName(e) + ": " + e.what());
        requestError_ = 500;
        FinishRequest(500);
    }
}

void TFtpClient::PassiveConnected(int error)
{
    data_.OnSessionConnected = nullptr;
    if (error != 0) {
        Fail(error, WinsockErrorText(error));
        requestError_ = error;
        FinishRequest(error);
        return;
    }
    DataConnectionOpened();
    try {
        FinishRequest(0);  // goes on with STOR; over TLS the handshake runs meanwhile
    } catch (const std::exception& e) {
        EndRequest(500, "500 " + ExceptionClassName(e) + ": " + e.what());
    }
}

// ---- both ----------------------------------------------------------------------

void TFtpClient::DataConnectionOpened()
{
    idle_.Touch();
    data_.OnDataAvailable = [this](std::uint16_t) {
        if (dataTls_.Active())
            dataTls_.SocketDataAvailable();  // it calls DiscardData with the clear text
        else
            DiscardData();
    };
    data_.OnSessionClosed = [this](std::uint16_t error) { DataClosed(error); };
    dataConnected_ = true;
    if (!Tls)
        DataReady();
    else if (storAnswered_)
        StartDataTls();  // DataReady follows the handshake
    // Otherwise TLS starts with the server's first STOR reply: servers take
    // the handshake only once they expect the transfer.
}

void TFtpClient::DataReady()
{
    data_.OnDataSent = [this](std::uint16_t) {
        if (sendingStarted_)
            SendNextBlock();
    };
    dataOpen_ = true;
    if (storAnswered_ && !sendingStarted_)
        QueueStartSending();
}

void TFtpClient::DiscardData()
{
    char scratch[2048];
    dataTls_.Receive(scratch, sizeof scratch);
}

} // namespace tarvin::publish
