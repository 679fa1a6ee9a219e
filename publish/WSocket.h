#pragma once
// An event-driven TCP socket for a program that runs everything on one
// thread: calls return at once and their outcomes arrive later as events
// raised from the Qt event loop. Handlers must not destroy the socket.

#include "publish/SocketEndpoint.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

namespace tarvin::publish {

enum class TSocketState { wsInvalidState, wsOpened, wsBound, wsConnecting, wsConnected, wsAccepting, wsListening, wsClosed };
enum class TSocketLingerOnOff { wsLingerOff, wsLingerOn, wsLingerNoSet };

struct SocketEndpoint {
    std::string addr;
    int port = 0;
};

class TWSocket {
public:
    static constexpr int ChunkSize = 1514;

    using ErrorEvent = std::function<void(std::uint16_t error)>;
    ErrorEvent OnDataAvailable;
    ErrorEvent OnDataSent;
    ErrorEvent OnSessionConnected;
    ErrorEvent OnSessionClosed;
    ErrorEvent OnSessionAvailable;
    ErrorEvent OnDnsLookupDone;
    std::function<void(TSocketState oldState, TSocketState newState)> OnChangeState;
    // canClose starts true; leaving it so aborts the socket.
    std::function<void(const std::exception& e, bool& canClose)> OnBgException;

    TSocketLingerOnOff LingerOnOff = TSocketLingerOnOff::wsLingerOn;
    int LingerTimeout = 0;
    bool NoReceiveLoop = false;  // raise OnDataAvailable once per read notification

    TWSocket();
    ~TWSocket();
    TWSocket(const TWSocket&) = delete;
    TWSocket& operator=(const TWSocket&) = delete;

    // Endpoint properties: trimmed; empty means unassigned; refused unless closed.
    const std::string& Addr() const { return addr_; }
    const std::string& Port() const { return port_; }
    const std::string& Proto() const { return proto_; }
    void SetAddr(const std::string& value);
    void SetPort(const std::string& value);
    void SetProto(const std::string& value);
    void SetLocalAddr(const std::string& value);
    void SetLocalPort(const std::string& value);

    TSocketState State() const { return state_; }
    int LastError() const { return lastError_; }
    std::int64_t ReadCount() const { return readCount_; }
    const std::string& DnsResult() const { return dnsResult_; }
    const std::vector<std::string>& DnsResultList() const { return dnsResultList_; }

    void DnsLookup(const std::string& hostName);
    void CancelLookup();
    void Connect();
    void Listen();
    int Accept();
    void Dup(int handle);
    int Send(const void* data, int length);
    // True when the send buffer is empty: everything handed to Send has gone to the platform.
    bool AllSent() const { return sendBuffer_.empty(); }
    int SendText(const std::string& text);
    int Receive(void* buffer, int size);
    SocketEndpoint LocalEndpoint() const;
    std::string PeerAddr() const;
    void Close();
    void CloseLater();
    void Abort();
    void ShutdownSocket(int how);

private:
    struct Chunk {
        std::array<char, ChunkSize> bytes;
        int written = 0;
        int sent = 0;
    };

    void SetState(TSocketState state);
    void ResetProperties();
    void SetEndpointProperty(std::string& target, const std::string& value, const char* name);
    [[noreturn]] void SocketError(const char* function, int code);
    void Adopt(int handle, bool readEnabled, bool writeEnabled);
    void ReleaseHandle(bool shutdownFirst);
    void CloseWithError(int error, bool shutdownFirst);
    void ApplyLinger();
    void SetOption(int level, int name, const void* value, unsigned size, const char* function);
    sockaddr_in RemoteAddress(const char* prefix);
    int PendingBytes() const;
    void TryToSend();
    void QueueDataSent();

    void ReadReady();
    void WriteReady();
    void ReceiveLoop(int error);
    void LookupDone(int lookupId, int error, std::vector<std::string> addresses);
    void Raise(const ErrorEvent& event, int error);
    template <class Work>
    void FromLoop(Work&& work);

    QObject queue_;  // context of notifiers and queued events; dies with the socket
    int handle_ = -1;
    std::uint64_t connectionId_ = 0;  // tells queued events of an old handle apart
    TSocketState state_ = TSocketState::wsClosed;
    std::string addr_, port_, proto_ = "tcp", localAddr_ = "0.0.0.0", localPort_ = "0";
    int lastError_ = 0;
    std::int64_t readCount_ = 0;
    std::string dnsResult_;
    std::vector<std::string> dnsResultList_;
    int lookupId_ = -1;
    bool closeNotified_ = false;
    bool dataSentQueued_ = false;  // one queued OnDataSent at a time, however many Sends
    bool destroying_ = false;
    std::deque<Chunk> sendBuffer_;
    QSocketNotifier* readNotifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
};

} // namespace tarvin::publish
