#pragma once
// A non-blocking FTP client for uploads, with active or passive data
// connections. Each request returns at once; its outcome arrives as one
// OnRequestDone event, always delivered from the event loop after the client
// is ready again. A request that sees no reply and no transfer progress for
// IdleTimeout seconds fails and closes both connections.

#include "publish/FtpReplyBuffer.h"
#include "publish/IdleWatch.h"
#include "publish/WSocket.h"

#include <QFile>
#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvin::publish {

class FtpException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TFtpState {
    ftpsNotConnected, ftpsReady, ftpsReadyInSequence, ftpsResolving,
    ftpsConnected, ftpsAborting, ftpsWaitingBanner, ftpsWaitingReply
};

enum class TFtpRequest {
    rqNone = 0, rqOpen = 1, rqUser = 2, rqPass = 3, rqCwd = 4, rqConnect = 5, rqPort = 9,
    rqQuit = 15, rqPut = 17, rqMkd = 21, rqPwd = 31, rqTypeSet = 36
};

class TFtpClient {
public:
    static constexpr int BlockSize = 1514;
    // Blocks sent in one go while the data socket takes them without waiting.
    static constexpr int BlocksPerBurst = 43;
    static constexpr int DefaultIdleTimeout = 60;

    std::string HostName;
    std::string Port = "ftp";
    std::string UserName;
    std::string PassWord;
    std::string HostDirName;
    std::string HostFileName;   // STOR target, MKD directory
    std::string LocalFileName;
    bool Binary = true;
    bool AcceptLF = true;       // a reply line may end with LF alone
    bool Passive = false;       // the client connects the data connection (EPSV, else PASV)
    int IdleTimeout = DefaultIdleTimeout;  // seconds without reply or progress before a request fails

    std::function<void(TFtpRequest rqType, std::uint16_t error)> OnRequestDone;
    std::function<void(int count, bool& abort)> OnProgress;
    std::function<void(std::uint16_t error)> OnSessionConnected;
    std::function<void(std::uint16_t error)> OnSessionClosed;
    std::function<void(const std::string& message)> OnDisplay;
    std::function<void(std::string& command)> OnCommand;
    std::function<void()> OnResponse;
    std::function<void()> OnStateChange;
    std::function<void(bool& cancel)> OnReadyToTransmit;
    std::function<void(const std::exception& e)> OnBgException;

    TFtpClient();
    virtual ~TFtpClient();
    TFtpClient(const TFtpClient&) = delete;
    TFtpClient& operator=(const TFtpClient&) = delete;

    TFtpState State() const { return state_; }
    bool ControlOpen() const { return control_.State() != TSocketState::wsClosed; }
    const std::string& ErrorMessage() const { return errorMessage_; }
    const std::string& ReplyLine() const { return replyLine_; }
    int ReplyCode() const { return replyCode_; }
    std::int64_t ByteCount() const { return byteCount_; }

    void RequestConnect();
    void RequestCwd();
    void RequestPwd();
    void RequestTypeSet();
    void RequestMkd();
    void RequestPut();
    void RequestQuit();

protected:
    // The address an accepted active data connection comes from.
    virtual std::string DataPeerAddress(int handle) const;

private:
    enum Step { stOpen, stUser, stPass, stDataConnection, stStor, stCount };
    using ReplyHandler = void (TFtpClient::*)();

    void SetState(TFtpState state);
    void Display(const std::string& message);
    void CheckReady() const;
    void CheckConnected() const;
    static void CheckCommandText(const std::string& command);
    void Fail(int code, const std::string& message);
    void ExecCommand(TFtpRequest kind, const std::string& command, std::vector<int> accepted,
                     ReplyHandler alternative = nullptr);
    void SendCommand(std::string command);
    void RunSequence(TFtpRequest kind, std::initializer_list<Step> steps);
    void NextStep();
    void FinishRequest(int error);
    void DeliverRequestDone(int error);

    void IdleTimedOut();

    void OpenStep();
    void DataConnectionStep();
    void PrepareTransfer();
    void PortStep();
    void EpsvStep();
    void EpsvReply();
    void PasvReply();
    void ConnectPassive(const std::string& address, int port);
    void PassiveConnected(int error);
    void DataConnectionOpened();
    void StorStep();
    void LookupDone(int error);
    void ControlConnected(int error);
    void ControlDataAvailable();
    void ControlClosed(int error);
    void ControlBgException(const std::exception& e);
    void HandleLine(const std::string& line);
    void GenericReply();
    void UserReply();
    void CloseControl();
    void FirstStorReply();
    void LastStorReply();

    void DataSessionAvailable();
    void RefuseDataConnection(const std::string& peer);
    void QueueStartSending();
    void SendNextBlock();
    void FinishTransfer();
    void DataClosed(int error);
    void CloseLocalFile();
    void CloseDataSocket();
    void TraceStatistics();
    void ScheduleDataClose();

    QObject queue_;  // context of the client's own queued events
    IdleWatch idle_;
    TWSocket control_;
    TWSocket data_;
    TFtpState state_ = TFtpState::ftpsReady;
    TFtpRequest requestKind_ = TFtpRequest::rqNone;
    int requestError_ = 0;
    std::string replyLine_;
    int replyCode_ = 0;
    std::string errorMessage_;
    std::vector<int> accepted_;
    ReplyHandler next_ = nullptr;
    ReplyHandler alternative_ = nullptr;
    std::array<bool, stCount> sequenceSteps_{};
    int sequenceError_ = 0;
    bool sequenceActive_ = false;
    bool requestDone_ = true;
    bool connected_ = false;
    bool userAnswered230_ = false;
    FtpReplyBuffer replies_;

    QFile localFile_;
    std::int64_t byteCount_ = 0;
    std::int64_t startTick_ = 0;
    std::int64_t stopTick_ = 0;
    std::vector<char> sendBuffer_;  // one burst of blocks
    std::uint64_t transferId_ = 0;  // tells timers of an older transfer apart
    bool storAnswered_ = false;
    bool dataOpen_ = false;
    bool sendingStarted_ = false;
    bool endOfFile_ = false;
    bool finalReply_ = false;
    bool dataClosed_ = false;
    int closeError_ = 0;
};

} // namespace tarvin::publish
