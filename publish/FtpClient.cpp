#include "publish/FtpClient.h"

#include "publish/SocketEndpoint.h"
#include "publish/SocketErrors.h"

#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvin::publish {

namespace {

// The class names that the built error texts show.
std::string ExceptionClassName(const std::exception& e)
{
    if (dynamic_cast<const FtpException*>(&e))
        return "FtpException";
    if (dynamic_cast<const ESocketException*>(&e))
        return "ESocketException";
    return "Exception";
}

std::string WinsockErrorText(int error)
{
    return "500 " + SocketErrorDesc(error) + " (Winsock error #" + std::to_string(error) + ")";
}

// A reply that is not accepted must fail even when its code reads as 0.
int FailureCode(int code) { return code != 0 ? code : 500; }

std::int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

TFtpClient::TFtpClient()
{
    control_.OnDnsLookupDone = [this](std::uint16_t error) { LookupDone(error); };
    control_.OnSessionConnected = [this](std::uint16_t error) { ControlConnected(error); };
    control_.OnDataAvailable = [this](std::uint16_t) { ControlDataAvailable(); };
    control_.OnSessionClosed = [this](std::uint16_t error) { ControlClosed(error); };
    control_.OnBgException = [this](const std::exception& e, bool&) { ControlBgException(e); };
}

TFtpClient::~TFtpClient() { CloseLocalFile(); }

void TFtpClient::SetState(TFtpState state)
{
    if (state == state_)
        return;
    state_ = state;
    if (OnStateChange)
        OnStateChange();
}

void TFtpClient::Display(const std::string& message)
{
    if (OnDisplay)
        OnDisplay(message);
}

void TFtpClient::CheckReady() const
{
    if (state_ != TFtpState::ftpsReady && state_ != TFtpState::ftpsReadyInSequence)
        throw FtpException("FTP component not ready");
}

void TFtpClient::CheckConnected() const
{
    if (!connected_)
        throw FtpException("FTP component not connected");
}

void TFtpClient::CheckCommandText(const std::string& command)
{
    // A line break inside a name or password would smuggle in another command.
    if (command.find_first_of("\r\n") != std::string::npos)
        throw FtpException("Command contains a line break");
}

void TFtpClient::Fail(int code, const std::string& message)
{
    errorMessage_ = replyLine_ = message;
    replyCode_ = code;
    Display("! " + message);
}

// ---- requests ----------------------------------------------------------------

void TFtpClient::RequestConnect() { RunSequence(TFtpRequest::rqConnect, {stOpen, stUser, stPass}); }

void TFtpClient::RequestPut() { RunSequence(TFtpRequest::rqPut, {stPort, stStor}); }

void TFtpClient::RequestCwd()
{
    if (HostDirName.empty())
        throw FtpException("HostDirName emtpy");
    ExecCommand(TFtpRequest::rqCwd, "CWD " + HostDirName, {200, 250, 257});
}

void TFtpClient::RequestPwd() { ExecCommand(TFtpRequest::rqPwd, "PWD", {250, 257}); }

void TFtpClient::RequestTypeSet()
{
    ExecCommand(TFtpRequest::rqTypeSet, std::string("TYPE ") + (Binary ? "I" : "A"), {200});
}

void TFtpClient::RequestMkd() { ExecCommand(TFtpRequest::rqMkd, "MKD " + HostFileName, {257}); }

void TFtpClient::RequestQuit()
{
    CloseLocalFile();
    sequenceActive_ = false;  // QUIT ends whatever was under way
    sequenceSteps_ = {};
    ExecCommand(TFtpRequest::rqQuit, "QUIT", {221}, &TFtpClient::CloseControl);
}

void TFtpClient::ExecCommand(TFtpRequest kind, const std::string& command, std::vector<int> accepted,
                             ReplyHandler alternative)
{
    if (command != "ABOR" && command != "STAT" && command != "QUIT") {
        CheckReady();
        CheckConnected();
    }
    CheckCommandText(command);
    if (!sequenceActive_)
        requestKind_ = kind;
    accepted_ = std::move(accepted);
    requestDone_ = false;
    next_ = &TFtpClient::GenericReply;
    alternative_ = alternative;
    errorMessage_.clear();
    SetState(TFtpState::ftpsWaitingReply);
    SendCommand(command);
}

void TFtpClient::SendCommand(std::string command)
{
    if (OnCommand)
        OnCommand(command);
    Display("> " + command);
    if (connected_)
        control_.SendText(command + "\r\n");
}

void TFtpClient::RunSequence(TFtpRequest kind, std::initializer_list<Step> steps)
{
    if (connected_ && std::find(steps.begin(), steps.end(), stOpen) != steps.end())
        throw FtpException("FTP component already connected");
    CheckReady();
    const TFtpState before = state_;
    requestKind_ = kind;
    requestError_ = 0;
    sequenceError_ = 0;
    replyLine_.clear();
    errorMessage_.clear();
    sequenceSteps_ = {};
    for (Step step : steps)
        sequenceSteps_[step] = true;
    sequenceActive_ = true;
    requestDone_ = false;
    try {
        NextStep();
    } catch (...) {
        // The first step runs inside the call: its refusal leaves the client as it was.
        sequenceActive_ = false;
        requestDone_ = true;
        SetState(before);
        throw;
    }
}

void TFtpClient::NextStep()
{
    for (int index = 0; index < stCount; ++index) {
        if (!sequenceSteps_[index])
            continue;
        sequenceSteps_[index] = false;
        switch (static_cast<Step>(index)) {
        case stOpen:
            OpenStep();
            return;
        case stUser:
            if (UserName.empty())
                throw FtpException("UserName emtpy");
            ExecCommand(TFtpRequest::rqUser, "USER " + UserName, {331, 230}, &TFtpClient::UserReply);
            return;
        case stPass:
            if (userAnswered230_)
                continue;
            if (PassWord.empty())
                throw FtpException("Password emtpy");
            ExecCommand(TFtpRequest::rqPass, "PASS " + PassWord, {230});
            return;
        case stPort:
            PortStep();
            return;
        case stStor:
            StorStep();
            return;
        case stCount:
            break;
        }
    }
    sequenceActive_ = false;
    requestDone_ = false;
    FinishRequest(sequenceError_);
}

void TFtpClient::FinishRequest(int error)
{
    if (requestDone_)
        return;
    requestDone_ = true;
    if (error == 0 && sequenceActive_) {
        SetState(TFtpState::ftpsReadyInSequence);
        NextStep();
        return;
    }
    SetState(TFtpState::ftpsReady);
    CloseDataSocket();
    CloseLocalFile();
    sequenceActive_ = false;
    DeliverRequestDone(error);
}

void TFtpClient::DeliverRequestDone(int error)
{
    // Queued, so that a handler may start the next request at once.
    QMetaObject::invokeMethod(&queue_, [this, error] {
        try {
            if (OnRequestDone) {
                auto handler = OnRequestDone;
                handler(requestKind_, static_cast<std::uint16_t>(error));
            }
        } catch (const std::exception& e) {
            if (OnBgException)
                OnBgException(e);
        }
    }, Qt::QueuedConnection);
}

// ---- control connection --------------------------------------------------------

void TFtpClient::OpenStep()
{
    CheckReady();
    if (connected_)
        throw FtpException("FTP component already connected");
    replies_.Clear();
    requestError_ = 0;
    userAnswered230_ = false;
    SetState(TFtpState::ftpsResolving);
    control_.DnsLookup(HostName);
}

void TFtpClient::LookupDone(int error)
{
    if (error != 0) {
        errorMessage_ = replyLine_ = WinsockErrorText(error);
        replyCode_ = requestError_ = 500;
        FinishRequest(error);
        return;
    }
    try {
        control_.SetAddr(control_.DnsResult());
        control_.SetProto("tcp");
        control_.SetPort(Port);
        SetState(TFtpState::ftpsWaitingBanner);
        control_.Connect();
    } catch (const std::exception& e) {
        errorMessage_ = replyLine_ = "500 " + ExceptionClassName(e) + ": " + e.what();
        replyCode_ = requestError_ = 500;
        FinishRequest(500);
    }
}

void TFtpClient::ControlConnected(int error)
{
    if (error == 0) {
        connected_ = true;
        return;
    }
    errorMessage_ = replyLine_ = WinsockErrorText(error);
    replyCode_ = requestError_ = 500;
    sequenceActive_ = false;
    FinishRequest(error);
    control_.Close();
    SetState(TFtpState::ftpsReady);
}

void TFtpClient::ControlDataAvailable()
{
    // A full buffer reads 0 bytes, which closes the connection like a server close.
    const int count = control_.Receive(replies_.FreeSpace(), replies_.FreeCount());
    if (count == 0) {
        control_.Close();
        return;
    }
    if (count < 0)
        return;
    replies_.Added(count);
    while (auto line = replies_.TakeLine(AcceptLF))
        HandleLine(*line);
}

void TFtpClient::HandleLine(const std::string& line)
{
    replyLine_ = line;
    const FtpReplyCode reply = ParseReplyCode(line);
    replyCode_ = reply.code;
    if (OnResponse)
        OnResponse();
    switch (state_) {
    case TFtpState::ftpsWaitingBanner:
        Display("< " + line);
        if (!reply.final)
            return;
        if (reply.code == 220) {
            SetState(TFtpState::ftpsConnected);
            if (OnSessionConnected)
                OnSessionConnected(0);
            FinishRequest(0);
        } else {
            errorMessage_ = line;
            requestError_ = FailureCode(reply.code);
            control_.Close();
        }
        return;
    case TFtpState::ftpsWaitingReply:
        if (!reply.final)
            return;
        Display("< " + line);
        if (!next_)
            throw FtpException("Program error: FNext is nil");
        (this->*next_)();
        return;
    default:
        Display("< " + line);
    }
}

void TFtpClient::GenericReply()
{
    if (std::find(accepted_.begin(), accepted_.end(), replyCode_) != accepted_.end()) {
        requestError_ = 0;
    } else {
        requestError_ = FailureCode(replyCode_);
        if (errorMessage_.empty())
            errorMessage_ = replyLine_;
    }
    if (alternative_)
        (this->*alternative_)();
    else
        FinishRequest(requestError_);
}

void TFtpClient::UserReply()
{
    userAnswered230_ = requestError_ == 0 && replyCode_ == 230;
    FinishRequest(requestError_);
}

void TFtpClient::CloseControl() { control_.Close(); }

void TFtpClient::ControlClosed(int error)
{
    if (connected_) {
        connected_ = false;
        SetState(TFtpState::ftpsNotConnected);
        if (OnSessionClosed)
            OnSessionClosed(static_cast<std::uint16_t>(error));
    }
    const bool pending = !requestDone_ || sequenceActive_;
    if (!pending) {
        SetState(TFtpState::ftpsReady);
        return;
    }
    // Only QUIT may end with the connection: anything else that loses it has failed.
    if (requestError_ == 0 && requestKind_ != TFtpRequest::rqQuit) {
        Fail(421, "421 Connection closed by the server");
        requestError_ = 421;
    }
    requestDone_ = false;
    SetState(TFtpState::ftpsReadyInSequence);
    FinishRequest(requestError_);
}

void TFtpClient::ControlBgException(const std::exception& e)
{
    // A step that fails inside a socket event still ends its request with an error.
    if (requestDone_ && !sequenceActive_)
        return;
    Fail(500, "500 " + ExceptionClassName(e) + ": " + e.what());
    requestError_ = 500;
    if (!ControlOpen()) {
        requestDone_ = false;
        FinishRequest(500);
    }
    // Otherwise the socket is aborted next and the close finishes the request.
}

// ---- storing a file ------------------------------------------------------------

void TFtpClient::PortStep()
{
    CheckReady();
    CheckConnected();
    CloseDataSocket();
    data_.OnDataAvailable = nullptr;
    data_.OnDataSent = nullptr;
    data_.OnSessionClosed = nullptr;
    // Some servers connect as soon as PORT arrives, before STOR: take the
    // connection whenever it comes.
    data_.OnSessionAvailable = [this](std::uint16_t) { DataSessionAvailable(); };
    storAnswered_ = dataOpen_ = sendingStarted_ = endOfFile_ = finalReply_ = dataClosed_ = false;
    startTick_ = 0;
    closeError_ = 0;
    ++transferId_;
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
    byteCount_ = 0;
    ExecCommand(TFtpRequest::rqPort,
                "PORT " + address + "," + std::to_string(port / 256) + "," + std::to_string(port % 256), {200, 227});
}

void TFtpClient::StorStep()
{
    if (!connected_)
        throw FtpException("STOR/APPE: not connected");
    if (LocalFileName.empty())
        throw FtpException("LocalFileName empty");
    CheckCommandText(HostFileName);
    requestDone_ = false;
    errorMessage_.clear();
    bool cancel = false;
    if (OnReadyToTransmit)
        OnReadyToTransmit(cancel);
    if (cancel) {
        Fail(426, "426 Transmit cancelled by application");
        FinishRequest(426);
        return;
    }
    localFile_.setFileName(QString::fromStdString(LocalFileName));
    if (!localFile_.open(QIODevice::ReadOnly)) {
        Fail(426, "426 Unable to open local file " + LocalFileName);
        CloseDataSocket();
        FinishRequest(426);
        return;
    }
    SetState(TFtpState::ftpsWaitingReply);
    next_ = &TFtpClient::FirstStorReply;
    SendCommand("STOR " + HostFileName);
}

void TFtpClient::FirstStorReply()
{
    if (replyCode_ == 150 || replyCode_ == 125) {
        storAnswered_ = true;
        next_ = &TFtpClient::LastStorReply;
        if (dataOpen_ && !sendingStarted_)
            QueueStartSending();
        return;
    }
    errorMessage_ = replyLine_;
    CloseDataSocket();
    CloseLocalFile();
    FinishRequest(FailureCode(replyCode_));
}

void TFtpClient::LastStorReply()
{
    if (replyCode_ == 226 || replyCode_ == 250) {
        finalReply_ = true;
        if (dataClosed_)
            FinishTransfer();
        return;
    }
    errorMessage_ = replyLine_;
    CloseLocalFile();
    CloseDataSocket();
    Display("! STOR Failed");
    FinishRequest(FailureCode(replyCode_));
}

namespace {

std::string PeerAddressOf(int handle)
{
    sockaddr_in address{};
    socklen_t size = sizeof address;
    if (::getpeername(handle, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return {};
    return DottedAddress(address.sin_addr);
}

} // namespace

void TFtpClient::DataSessionAvailable()
{
    const int handle = data_.Accept();
    if (handle < 0)
        return;
    // Only the server may take the file: a connection from any other host
    // is turned away and the port keeps listening for the server's own.
    if (PeerAddressOf(handle) != control_.PeerAddr()) {
        ::close(handle);
        Display("! Data connection from another host refused");
        return;
    }
    data_.Close();  // the listening socket; its close handler was cleared at PORT
    data_.LingerOnOff = TSocketLingerOnOff::wsLingerOff;
    data_.LingerTimeout = 10;
    data_.Dup(handle);
    data_.OnDataAvailable = [this](std::uint16_t) {
        char scratch[2048];
        data_.Receive(scratch, sizeof scratch);
    };
    data_.OnDataSent = [this](std::uint16_t) { SendNextBlock(); };
    data_.OnSessionClosed = [this](std::uint16_t error) { DataClosed(error); };
    dataOpen_ = true;
    if (storAnswered_ && !sendingStarted_)
        QueueStartSending();
}

void TFtpClient::QueueStartSending()
{
    sendingStarted_ = true;
    const std::uint64_t id = transferId_;
    QMetaObject::invokeMethod(&queue_, [this, id] {
        if (id != transferId_)
            return;
        startTick_ = NowMs();
        try {
            SendNextBlock();
        } catch (const std::exception& e) {
            Fail(426, "426 " + ExceptionClassName(e) + ": " + e.what());
            closeError_ = 426;
            CloseDataSocket();
        }
    }, Qt::QueuedConnection);
}

void TFtpClient::SendNextBlock()
{
    if (!localFile_.isOpen())
        return;
    bool abort = false;
    if (OnProgress)
        OnProgress(static_cast<int>(std::min<std::int64_t>(byteCount_, INT32_MAX)), abort);
    if (abort) {
        Display("! Abort requested");
        closeError_ = 426;
        errorMessage_ = "426 Transmit aborted by application";
        CloseDataSocket();
        return;
    }
    if (endOfFile_)
        return;
    const qint64 count = localFile_.read(sendBuffer_.data(), BlockSize);
    if (count < 0) {
        Display("! Error reading file");
        closeError_ = 426;
        errorMessage_ = "426 Unable to read local file " + LocalFileName;
        CloseDataSocket();
        return;
    }
    if (count > 0) {
        byteCount_ += count;
        data_.Send(sendBuffer_.data(), static_cast<int>(count));
        return;
    }
    endOfFile_ = true;
    // The close follows the last block after a short pause, without blocking the loop.
    const std::uint64_t id = transferId_;
    QTimer::singleShot(100, &queue_, [this, id] {
        if (id == transferId_ && data_.State() == TSocketState::wsConnected)
            data_.CloseLater();
    });
}

void TFtpClient::DataClosed(int error)
{
    CloseLocalFile();
    dataClosed_ = true;
    if (error != 0 && closeError_ == 0) {
        Display("! Error #" + std::to_string(error) + " sending data");
        closeError_ = error;
        errorMessage_ = WinsockErrorText(error);
    }
    if (finalReply_ && !requestDone_)
        FinishTransfer();
}

void TFtpClient::FinishTransfer()
{
    TraceStatistics();
    if (closeError_ == 0 && !endOfFile_) {
        // The data connection ended before the whole file went out.
        closeError_ = 426;
        errorMessage_ = "426 Data connection closed before the end of " + LocalFileName;
    }
    FinishRequest(closeError_);
}

void TFtpClient::TraceStatistics()
{
    stopTick_ = NowMs();
    if (startTick_ == 0)
        startTick_ = stopTick_;
    const std::int64_t elapsed = stopTick_ - startTick_;
    std::string text = "! " + std::to_string(byteCount_) + " bytes received/sent in "
                       + std::to_string(elapsed / 1000) + " seconds";
    if (elapsed != 0) {
        const std::int64_t rate = byteCount_ < 32768 ? byteCount_ * 1000 / elapsed : byteCount_ / elapsed * 1000;
        text += " (" + std::to_string(rate) + " Bytes/sec)";
    }
    Display(text);
}

void TFtpClient::CloseLocalFile()
{
    if (localFile_.isOpen())
        localFile_.close();
}

void TFtpClient::CloseDataSocket()
{
    if (data_.State() != TSocketState::wsClosed)
        data_.Close();
}

} // namespace tarvin::publish
