#pragma once
// A non-blocking FTP client for uploads, with active or passive data
// connections, in clear or over TLS. Each request returns at once; its
// outcome arrives as one OnRequestDone event, always delivered from the event
// loop after the client is ready again. A request that sees no reply and no
// transfer progress for IdleTimeout seconds fails and closes both connections.

#include "publish/CertificateCheck.h"
#include "publish/FtpReplyBuffer.h"
#include "publish/IdleWatch.h"
#include "publish/TlsChannel.h"
#include "publish/WSocket.h"

#include <QFile>
#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvin::publish {

class TlsContext;

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
    rqQuit = 15, rqSize = 16, rqPut = 17, rqMkd = 21, rqDele = 23, rqPwd = 31, rqTypeSet = 36,
    rqAuth = 37, rqPbsz = 38, rqProt = 39
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
    // FTP over TLS: AUTH TLS before the login, PROT P and TLS on every data
    // connection. A server that refuses it ends the connect; there is no
    // falling back to clear text.
    bool Tls = false;
    std::string CaFile;              // certificates to trust besides the system's roots
    std::string TrustedFingerprint;  // SHA-256 of a certificate trusted although it does not verify

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
    // The server's certificate does not verify and is not the trusted one:
    // true trusts it (it becomes TrustedFingerprint), false ends the connect.
    std::function<bool(const CertificateReport& report)> OnUntrustedCertificate;

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
    // How the control connection is protected ("TLSv1.3, ...; the certificate
    // is verified"); empty in clear.
    const std::string& SecurityDescription() const { return securityDescription_; }
    // The size the last SIZE reply gave; -1 before one.
    std::int64_t RemoteSize() const { return remoteSize_; }

    void RequestConnect();
    void RequestCwd();
    void RequestPwd();
    void RequestTypeSet();
    void RequestMkd();
    void RequestPut();
    void RequestSize();  // "SIZE " + HostFileName
    void RequestDele();  // "DELE " + HostFileName
    void RequestQuit();

    // A line of the caller's own in the trace ("! " + text).
    void Note(const std::string& text) { Display("! " + text); }

protected:
    // The address an accepted active data connection comes from.
    virtual std::string DataPeerAddress(int handle) const;

private:
    enum Step { stOpen, stAuth, stUser, stPass, stPbsz, stProt, stDataConnection, stStor, stCount };
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
    void DataReady();
    void DiscardData();
    void StorStep();
    void LookupDone(int error);
    void ControlConnected(int error);
    void ControlDataAvailable();
    void ControlClosed(int error);
    void ControlBgException(const std::exception& e);
    void HandleLine(const std::string& line);
    void GenericReply();
    void UserReply();
    void SizeReply();
    void CloseControl();
    void ControlSocketData();

    void AuthStep();
    void AuthReply();
    void ControlHandshakeDone();
    bool CertificateAccepted(std::string& how);
    void StartDataTls();
    void DataHandshakeDone();
    void Guarded(const std::function<void()>& work);
    void EndRequest(int code, const std::string& message);
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
    TlsChannel controlTls_{control_};
    TlsChannel dataTls_{data_};
    std::unique_ptr<TlsContext> tlsContext_;
    std::string securityDescription_;
    std::string acceptedFingerprint_;  // the control connection's certificate; data connections must match
    std::int64_t remoteSize_ = -1;
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
    bool dataConnected_ = false;  // the data connection is made (over TLS not yet secured)
    bool dataOpen_ = false;       // the data connection is ready for the file
    bool sendingStarted_ = false;
    bool endOfFile_ = false;
    bool dataHalfClosed_ = false;  // over TLS: everything sent, waiting for the server to close
    bool finalReply_ = false;
    bool dataClosed_ = false;
    int closeError_ = 0;
};

} // namespace tarvin::publish
