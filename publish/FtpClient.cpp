#include "publish/FtpClient.h"

#include "publish/FtpClientText.h"
#include "publish/TlsContext.h"
#include "publish/VisibleText.h"

#include <QMetaObject>

#include <algorithm>

namespace tarvin::publish {

using namespace ftp_detail;

TFtpClient::TFtpClient() : idle_([this] { IdleTimedOut(); })
{
    control_.OnDnsLookupDone = [this](std::uint16_t error) { LookupDone(error); };
    control_.OnSessionConnected = [this](std::uint16_t error) { ControlConnected(error); };
    control_.OnDataAvailable = [this](std::uint16_t) { ControlSocketData(); };
    control_.OnSessionClosed = [this](std::uint16_t error) { ControlClosed(error); };
    control_.OnBgException = [this](const std::exception& e, bool&) { ControlBgException(e); };
    controlTls_.OnDataAvailable = [this] { ControlDataAvailable(); };
    controlTls_.OnHandshakeDone = [this] { Guarded([this] { ControlHandshakeDone(); }); };
    dataTls_.OnDataAvailable = [this] { DiscardData(); };
    dataTls_.OnHandshakeDone = [this] { Guarded([this] { DataHandshakeDone(); }); };
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
        OnDisplay(VisibleText(message));
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
    errorMessage_ = replyLine_ = VisibleText(message);  // it may name a local file
    replyCode_ = code;
    Display("! " + message);
}

// ---- requests ----------------------------------------------------------------

void TFtpClient::RequestConnect()
{
    // Over TLS the login waits until the connection is secured and the certificate accepted.
    if (Tls)
        RunSequence(TFtpRequest::rqConnect, {stOpen, stAuth, stUser, stPass, stPbsz, stProt});
    else
        RunSequence(TFtpRequest::rqConnect, {stOpen, stUser, stPass});
}

void TFtpClient::RequestPut() { RunSequence(TFtpRequest::rqPut, {stDataConnection, stStor}); }

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

void TFtpClient::RequestSize()
{
    remoteSize_ = -1;
    ExecCommand(TFtpRequest::rqSize, "SIZE " + HostFileName, {213}, &TFtpClient::SizeReply);
}

void TFtpClient::RequestDele() { ExecCommand(TFtpRequest::rqDele, "DELE " + HostFileName, {250}); }

void TFtpClient::RequestQuit()
{
    CloseLocalFile();
    sequenceActive_ = false;  // QUIT ends whatever was under way
    sequenceSteps_ = {};
    requestError_ = 0;        // its outcome is its own, not that of the request before
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
    idle_.Start(IdleTimeout);
    if (connected_) {
        command += "\r\n";
        controlTls_.Send(command.data(), static_cast<int>(command.size()));
    }
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
        case stAuth:
            AuthStep();
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
        case stPbsz:
            ExecCommand(TFtpRequest::rqPbsz, "PBSZ 0", {200});
            return;
        case stProt:
            ExecCommand(TFtpRequest::rqProt, "PROT P", {200});
            return;
        case stDataConnection:
            DataConnectionStep();
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
    idle_.Stop();
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
    // The certificate file is read for every connection, so that a new one counts at once.
    tlsContext_ = Tls ? std::make_unique<TlsContext>(CaFile) : nullptr;
    controlTls_.Reset();
    securityDescription_.clear();
    acceptedFingerprint_.clear();
    replies_.Clear();
    requestError_ = 0;
    userAnswered230_ = false;
    SetState(TFtpState::ftpsResolving);
    idle_.Start(IdleTimeout);
    control_.DnsLookup(HostName);
}

void TFtpClient::LookupDone(int error)
{
    idle_.Touch();
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
        idle_.Touch();
        return;
    }
    errorMessage_ = replyLine_ = WinsockErrorText(error);
    replyCode_ = requestError_ = 500;
    sequenceActive_ = false;
    FinishRequest(error);
    control_.Close();
    SetState(TFtpState::ftpsReady);
}

void TFtpClient::ControlSocketData()
{
    if (controlTls_.Active())
        controlTls_.SocketDataAvailable();  // it calls ControlDataAvailable with the clear text
    else
        ControlDataAvailable();
}

void TFtpClient::ControlDataAvailable()
{
    // A full buffer reads 0 bytes, which closes the connection like a server close.
    const int count = controlTls_.Receive(replies_.FreeSpace(), replies_.FreeCount());
    if (count == 0) {
        control_.Close();
        return;
    }
    if (count < 0)
        return;
    idle_.Touch();
    replies_.Added(count);
    while (auto line = replies_.TakeLine(AcceptLF))
        HandleLine(*line);
}

void TFtpClient::HandleLine(const std::string& received)
{
    // Server text is shown to the user: no control character gets through.
    const std::string line = VisibleText(received);
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

void TFtpClient::SizeReply()
{
    if (requestError_ == 0) {
        // "213 1234": the digits after the code, at most 18 of them.
        const std::size_t start = replyLine_.find_first_of("0123456789", 3);
        const std::size_t end = start == std::string::npos ? start : replyLine_.find_first_not_of("0123456789", start);
        const std::string digits = start == std::string::npos ? "" : replyLine_.substr(start, end - start);
        if (digits.empty() || digits.size() > 18) {
            requestError_ = 500;
            errorMessage_ = "500 Unreadable SIZE reply: " + replyLine_;
        } else {
            remoteSize_ = std::stoll(digits);
        }
    }
    FinishRequest(requestError_);
}

void TFtpClient::CloseControl()
{
    controlTls_.CloseNotify();
    control_.Close();
}

void TFtpClient::ControlClosed(int error)
{
    const std::string tlsFailure = controlTls_.Established() ? controlTls_.Failure() : std::string();
    controlTls_.Reset();
    if (connected_) {
        connected_ = false;
        SetState(TFtpState::ftpsNotConnected);
        if (OnSessionClosed)
            OnSessionClosed(static_cast<std::uint16_t>(error));
    }
    const bool pending = !requestDone_ || sequenceActive_;
    if (!pending) {
        SetState(TFtpState::ftpsReady);
        idle_.Stop();
        return;
    }
    // Only QUIT may end with the connection: anything else that loses it has failed.
    if (requestError_ == 0 && requestKind_ != TFtpRequest::rqQuit) {
        Fail(421, tlsFailure.empty() ? "421 Connection closed by the server"
                                     : "421 TLS failed on the control connection: " + tlsFailure);
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

void TFtpClient::EndRequest(int code, const std::string& message)
{
    // Ends the request at once, whatever steps were left.
    Fail(code, message);
    requestError_ = code;
    sequenceActive_ = false;
    requestDone_ = false;
    FinishRequest(code);
}

void TFtpClient::Guarded(const std::function<void()>& work)
{
    // For the client's own queued events: a step that fails there ends its
    // request as a failing step inside a socket event does.
    try {
        work();
    } catch (const std::exception& e) {
        ControlBgException(e);
        if (ControlOpen())
            control_.Abort();
    }
}

void TFtpClient::IdleTimedOut()
{
    if (requestDone_ && !sequenceActive_)
        return;
    // Nothing came for too long: fail the request and drop both connections.
    Fail(wsaeTimedOut, "500 Timed out: no reply or transfer progress for " + std::to_string(idle_.Seconds())
                           + " seconds");
    requestError_ = wsaeTimedOut;
    sequenceActive_ = false;
    CloseDataSocket();
    CloseLocalFile();
    control_.CancelLookup();
    if (ControlOpen()) {
        control_.Abort();  // the close finishes the request
        return;
    }
    requestDone_ = false;
    FinishRequest(wsaeTimedOut);
}

} // namespace tarvin::publish
