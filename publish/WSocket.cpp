#include "publish/WSocket.h"

#include "publish/SocketErrors.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QMetaObject>
#include <QSocketNotifier>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tarvin::publish {

namespace {

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

void DropNotifier(QSocketNotifier*& notifier)
{
    // The notifier may be the one whose signal is running: never delete it in place.
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
    notifier = nullptr;
}

bool ClosesOnSendError(int code)
{
    return code == 10022 || code == 10038 || code == wsaeConnAborted || code == wsaeConnReset || code == wsaeNotConn;
}

} // namespace

TWSocket::TWSocket() = default;

TWSocket::~TWSocket()
{
    destroying_ = true;
    CancelLookup();
    if (handle_ >= 0)
        ::close(handle_);
}

void TWSocket::SetEndpointProperty(std::string& target, const std::string& value, const char* name)
{
    if (state_ != TSocketState::wsClosed)
        throw ESocketException(std::string("Cannot change ") + name + " if not closed");
    target = Trim(value);
}

void TWSocket::SetAddr(const std::string& value) { SetEndpointProperty(addr_, value, "Addr"); }
void TWSocket::SetPort(const std::string& value) { SetEndpointProperty(port_, value, "Port"); }
void TWSocket::SetProto(const std::string& value) { SetEndpointProperty(proto_, value, "Proto"); }
void TWSocket::SetLocalAddr(const std::string& value) { SetEndpointProperty(localAddr_, value, "LocalAddr"); }
void TWSocket::SetLocalPort(const std::string& value) { SetEndpointProperty(localPort_, value, "LocalPort"); }

void TWSocket::SetState(TSocketState state)
{
    if (state == state_)
        return;
    const TSocketState old = state_;
    state_ = state;
    if (OnChangeState && !destroying_) {
        auto handler = OnChangeState;
        handler(old, state);
    }
}

void TWSocket::ResetProperties()
{
    addr_.clear();
    port_.clear();
    proto_ = "tcp";
    localAddr_ = "0.0.0.0";
    localPort_ = "0";
    LingerOnOff = TSocketLingerOnOff::wsLingerOn;
    LingerTimeout = 0;
}

void TWSocket::SocketError(const char* function, int code)
{
    lastError_ = code;
    if (code == wsaeConnReset || code == wsaeNotConn) {
        ReleaseHandle(false);
        SetState(TSocketState::wsClosed);
    }
    throw ESocketException("Error " + std::to_string(code) + " in function " + function + "\r\n"
                           + SocketErrorDesc(code));
}

void TWSocket::Raise(const ErrorEvent& event, int error)
{
    if (!event || destroying_)
        return;
    auto handler = event;  // the handler may replace the event while it runs
    handler(static_cast<std::uint16_t>(error));
}

template <class Work>
void TWSocket::FromLoop(Work&& work)
{
    try {
        work();
    } catch (const std::exception& e) {
        bool canClose = true;
        try {
            if (OnBgException) {
                auto handler = OnBgException;
                handler(e, canClose);
            }
            if (canClose)
                Abort();
        } catch (const std::exception&) {
            // Nothing is left to report to: the event loop must go on.
        }
    }
}

// ---- name lookup -----------------------------------------------------------

void TWSocket::DnsLookup(const std::string& hostName)
{
    const std::string host = Trim(hostName);
    if (host.empty())
        throw ESocketException("DNS lookup: invalid host name.");
    CancelLookup();
    dnsResult_.clear();
    dnsResultList_.clear();
    if (IsDottedAddress(host)) {
        dnsResult_ = DottedAddress(ResolveHost(host));
        dnsResultList_.push_back(dnsResult_);
        Raise(OnDnsLookupDone, 0);
        return;
    }
    lookupId_ = QHostInfo::lookupHost(QString::fromStdString(host), &queue_, [this](const QHostInfo& info) {
        std::vector<std::string> addresses;
        for (const QHostAddress& address : info.addresses())
            if (address.protocol() == QAbstractSocket::IPv4Protocol)
                addresses.push_back(address.toString().toStdString());
        int error = 0;
        if (info.error() == QHostInfo::HostNotFound)
            error = wsaHostNotFound;
        else if (info.error() != QHostInfo::NoError)
            error = wsaNoRecovery;
        else if (addresses.empty())
            error = 11004;
        LookupDone(info.lookupId(), error, std::move(addresses));
    });
}

void TWSocket::LookupDone(int lookupId, int error, std::vector<std::string> addresses)
{
    if (lookupId != lookupId_)
        return;  // an older lookup that was replaced
    lookupId_ = -1;
    if (error == 0) {
        dnsResultList_ = std::move(addresses);
        dnsResult_ = dnsResultList_.front();
    }
    FromLoop([&] { Raise(OnDnsLookupDone, error); });
}

void TWSocket::CancelLookup()
{
    if (lookupId_ < 0)
        return;
    QHostInfo::abortHostLookup(lookupId_);
    lookupId_ = -1;
}

// ---- handles ---------------------------------------------------------------

void TWSocket::Adopt(int handle, bool readEnabled, bool writeEnabled)
{
    handle_ = handle;
    ++connectionId_;
    closeNotified_ = false;
    dataSentQueued_ = false;
    const std::uint64_t id = connectionId_;
    readNotifier_ = new QSocketNotifier(handle, QSocketNotifier::Read, &queue_);
    writeNotifier_ = new QSocketNotifier(handle, QSocketNotifier::Write, &queue_);
    readNotifier_->setEnabled(readEnabled);
    writeNotifier_->setEnabled(writeEnabled);
    QObject::connect(readNotifier_, &QSocketNotifier::activated, &queue_, [this, id] {
        if (id == connectionId_)
            FromLoop([this] { ReadReady(); });
    });
    QObject::connect(writeNotifier_, &QSocketNotifier::activated, &queue_, [this, id] {
        if (id == connectionId_)
            FromLoop([this] { WriteReady(); });
    });
}

void TWSocket::ReleaseHandle(bool shutdownFirst)
{
    DropNotifier(readNotifier_);
    DropNotifier(writeNotifier_);
    if (handle_ < 0)
        return;
    if (shutdownFirst && state_ == TSocketState::wsConnected)
        ::shutdown(handle_, SHUT_WR);
    ::close(handle_);  // Linux frees the descriptor even when close reports EINTR
    handle_ = -1;
    ++connectionId_;
    sendBuffer_.clear();
}

void TWSocket::CloseWithError(int error, bool shutdownFirst)
{
    const bool hadHandle = handle_ >= 0;
    ReleaseHandle(shutdownFirst);
    ResetProperties();
    SetState(TSocketState::wsClosed);
    if (hadHandle && !closeNotified_) {
        closeNotified_ = true;
        Raise(OnSessionClosed, error);
    }
}

void TWSocket::Close() { CloseWithError(0, true); }

void TWSocket::CloseLater()
{
    const std::uint64_t id = connectionId_;
    QMetaObject::invokeMethod(&queue_, [this, id] {
        if (id == connectionId_)
            FromLoop([this] { Close(); });
    }, Qt::QueuedConnection);
}

void TWSocket::Abort()
{
    CancelLookup();
    sendBuffer_.clear();
    if (handle_ >= 0 && state_ == TSocketState::wsConnected) {
        LingerOnOff = TSocketLingerOnOff::wsLingerOff;
        ApplyLinger();
    }
    CloseWithError(0, false);
}

void TWSocket::ShutdownSocket(int how)
{
    if (handle_ >= 0 && ::shutdown(handle_, how) != 0)
        SocketError("shutdown", SocketErrorFromErrno(errno));
}

void TWSocket::SetOption(int level, int name, const void* value, unsigned size, const char* function)
{
    if (::setsockopt(handle_, level, name, value, size) != 0)
        SocketError(function, SocketErrorFromErrno(errno));
}

void TWSocket::ApplyLinger()
{
    if (LingerOnOff == TSocketLingerOnOff::wsLingerNoSet || handle_ < 0)
        return;
    linger option{};
    option.l_onoff = LingerOnOff == TSocketLingerOnOff::wsLingerOn ? 1 : 0;
    option.l_linger = LingerTimeout;
    SetOption(SOL_SOCKET, SO_LINGER, &option, sizeof option, "setsockopt(SO_LINGER)");
}

sockaddr_in TWSocket::RemoteAddress(const char* prefix)
{
    try {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(ResolvePort(port_, proto_));
        address.sin_addr = ResolveHost(addr_);
        return address;
    } catch (const ESocketException& e) {
        throw ESocketException(std::string(prefix) + e.what());
    }
}

// ---- connect and listen ----------------------------------------------------

void TWSocket::Connect()
{
    if (handle_ >= 0 && state_ != TSocketState::wsClosed)
        throw ESocketException("Connect: Socket already in use");
    if (port_.empty())
        throw ESocketException("Connect: No Port Specified");
    if (addr_.empty())
        throw ESocketException("Connect: No IP Address Specified");
    if (proto_.empty())
        throw ESocketException("Connect: No Protocol Specified");
    const sockaddr_in remote = RemoteAddress("connect: ");
    int protocol = 0;
    try {
        protocol = ResolveProto(proto_);
    } catch (const ESocketException& e) {
        throw ESocketException(std::string("connect: ") + e.what());
    }
    sendBuffer_.clear();
    const int type = protocol == IPPROTO_UDP ? SOCK_DGRAM : SOCK_STREAM;
    const int handle = ::socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, protocol);
    if (handle < 0)
        SocketError("Connect (socket)", SocketErrorFromErrno(errno));
    Adopt(handle, false, true);
    SetState(TSocketState::wsOpened);
    try {
        const int on = 1;
        SetOption(SOL_SOCKET, SO_REUSEADDR, &on, sizeof on, "setsockopt(SO_REUSEADDR)");
        ApplyLinger();
        SetOption(SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on, "setsockopt(SO_KEEPALIVE)");
        if (localAddr_ != "0.0.0.0" || localPort_ != "0") {
            sockaddr_in local{};
            local.sin_family = AF_INET;
            local.sin_port = htons(ResolvePort(localPort_, proto_));
            local.sin_addr = ResolveHost(localAddr_);
            if (::bind(handle_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
                SocketError("bind", SocketErrorFromErrno(errno));
        }
        if (::connect(handle_, reinterpret_cast<const sockaddr*>(&remote), sizeof remote) != 0 && errno != EINPROGRESS)
            SocketError("Connect", SocketErrorFromErrno(errno));
    } catch (...) {
        // A connect that never started leaves no half-open handle behind.
        ReleaseHandle(false);
        SetState(TSocketState::wsClosed);
        throw;
    }
    SetState(TSocketState::wsConnecting);  // completion arrives as a write notification
}

void TWSocket::Listen()
{
    if (port_.empty())
        throw ESocketException("listen: port not assigned");
    if (proto_.empty())
        throw ESocketException("listen: protocol not assigned");
    if (addr_.empty())
        throw ESocketException("listen: address not assigned");
    const sockaddr_in local = RemoteAddress("listen: ");
    sendBuffer_.clear();
    const int handle = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (handle < 0)
        SocketError("socket", SocketErrorFromErrno(errno));
    Adopt(handle, false, false);
    if (::bind(handle_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        const int error = SocketErrorFromErrno(errno);
        ReleaseHandle(false);
        SocketError("Bind", error);
    }
    SetState(TSocketState::wsBound);
    if (::listen(handle_, 5) != 0) {
        const int error = SocketErrorFromErrno(errno);
        ReleaseHandle(false);
        SetState(TSocketState::wsClosed);
        SocketError("Listen", error);
    }
    SetState(TSocketState::wsListening);
    readNotifier_->setEnabled(true);
}

int TWSocket::Accept()
{
    if (state_ != TSocketState::wsListening)
        SocketError("not a listening socket", wsaeInval);
    const int handle = ::accept4(handle_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (handle < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return -1;
        SocketError("Accept", SocketErrorFromErrno(errno));
    }
    return handle;
}

void TWSocket::Dup(int handle)
{
    if (handle < 0)
        SocketError("Dup", wsaeInval);
    if (handle_ >= 0) {
        ReleaseHandle(false);
        SetState(TSocketState::wsClosed);
    }
    sendBuffer_.clear();
    Adopt(handle, true, false);
    ApplyLinger();
    SetState(TSocketState::wsConnected);
}

SocketEndpoint TWSocket::LocalEndpoint() const
{
    sockaddr_in address{};
    socklen_t size = sizeof address;
    if (handle_ < 0 || ::getsockname(handle_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return {};
    return {DottedAddress(address.sin_addr), ntohs(address.sin_port)};
}

std::string TWSocket::PeerAddr() const
{
    sockaddr_in address{};
    socklen_t size = sizeof address;
    if (handle_ < 0 || ::getpeername(handle_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return {};
    return DottedAddress(address.sin_addr);
}

// ---- sending and receiving -------------------------------------------------

int TWSocket::Send(const void* data, int length)
{
    if (state_ != TSocketState::wsConnected)
        SocketError("Send", wsaeNotConn);
    if (length <= 0)
        return 0;
    const char* bytes = static_cast<const char*>(data);
    int left = length;
    while (left > 0) {
        if (sendBuffer_.empty() || sendBuffer_.back().written == ChunkSize)
            sendBuffer_.emplace_back();
        Chunk& chunk = sendBuffer_.back();
        const int take = std::min(left, ChunkSize - chunk.written);
        std::memcpy(chunk.bytes.data() + chunk.written, bytes, static_cast<std::size_t>(take));
        chunk.written += take;
        bytes += take;
        left -= take;
    }
    TryToSend();
    if (handle_ < 0)
        return -1;  // a fatal send error closed the connection
    if (sendBuffer_.empty())
        QueueDataSent();
    else
        writeNotifier_->setEnabled(true);
    return length;
}

int TWSocket::SendText(const std::string& text)
{
    return text.empty() ? 0 : Send(text.data(), static_cast<int>(text.size()));
}

void TWSocket::TryToSend()
{
    // The chunks go to the platform together: one call for a whole burst.
    constexpr std::size_t maxParts = 64;
    while (!sendBuffer_.empty()) {
        iovec parts[maxParts];
        std::size_t count = 0, size = 0;
        for (auto chunk = sendBuffer_.begin(); chunk != sendBuffer_.end() && count < maxParts; ++chunk, ++count) {
            parts[count] = {chunk->bytes.data() + chunk->sent, static_cast<std::size_t>(chunk->written - chunk->sent)};
            size += parts[count].iov_len;
        }
        msghdr message{};
        message.msg_iov = parts;
        message.msg_iovlen = count;
        ssize_t sent = ::sendmsg(handle_, &message, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                return;
            const int error = SocketErrorFromErrno(errno);
            lastError_ = error;
            if (ClosesOnSendError(error)) {
                CloseWithError(error, false);
                return;
            }
            SocketError("TryToSend failed", error);
        }
        const bool partial = static_cast<std::size_t>(sent) < size;
        while (sent > 0) {
            Chunk& chunk = sendBuffer_.front();
            const int taken = static_cast<int>(std::min<ssize_t>(sent, chunk.written - chunk.sent));
            chunk.sent += taken;
            sent -= taken;
            if (chunk.sent == chunk.written)
                sendBuffer_.pop_front();
        }
        if (partial)
            return;  // the platform's buffer is full: the write notification brings the rest
    }
}

void TWSocket::QueueDataSent()
{
    // OnDataSent never runs inside Send: the caller finishes first. Sends that
    // follow before it runs share the one event.
    if (dataSentQueued_)
        return;
    dataSentQueued_ = true;
    const std::uint64_t id = connectionId_;
    QMetaObject::invokeMethod(&queue_, [this, id] {
        if (id != connectionId_)
            return;
        dataSentQueued_ = false;
        if (sendBuffer_.empty())
            FromLoop([this] { Raise(OnDataSent, 0); });
    }, Qt::QueuedConnection);
}

int TWSocket::Receive(void* buffer, int size)
{
    if (handle_ < 0) {
        lastError_ = wsaeNotSock;
        return -1;
    }
    const ssize_t count = ::recv(handle_, buffer, static_cast<std::size_t>(std::max(size, 0)), 0);
    if (count < 0) {
        lastError_ = SocketErrorFromErrno(errno);
        return -1;
    }
    readCount_ += count;
    return static_cast<int>(count);
}

int TWSocket::PendingBytes() const
{
    int pending = 0;
    if (handle_ < 0 || ::ioctl(handle_, FIONREAD, &pending) != 0)
        return 0;
    return pending;
}

// ---- notifications ---------------------------------------------------------

void TWSocket::WriteReady()
{
    if (state_ == TSocketState::wsConnecting) {
        int error = 0;
        socklen_t size = sizeof error;
        ::getsockopt(handle_, SOL_SOCKET, SO_ERROR, &error, &size);
        const int code = SocketErrorFromErrno(error);
        const std::uint64_t id = connectionId_;
        writeNotifier_->setEnabled(!sendBuffer_.empty());
        readNotifier_->setEnabled(code == 0);
        SetState(TSocketState::wsConnected);
        Raise(OnSessionConnected, code);
        if (code != 0 && id == connectionId_)
            Close();
        return;
    }
    TryToSend();
    if (handle_ < 0 || !sendBuffer_.empty())
        return;
    writeNotifier_->setEnabled(false);
    Raise(OnDataSent, 0);
}

void TWSocket::ReadReady()
{
    if (state_ == TSocketState::wsListening) {
        if (OnSessionAvailable)
            Raise(OnSessionAvailable, 0);
        else if (const int refused = Accept(); refused >= 0)
            ::close(refused);  // nobody takes connections now: refuse instead of spinning
        return;
    }
    if (PendingBytes() > 0) {
        ReceiveLoop(0);
        return;
    }
    // Readable with nothing to read: the peer closed or reset the connection.
    int error = 0;
    socklen_t size = sizeof error;
    ::getsockopt(handle_, SOL_SOCKET, SO_ERROR, &error, &size);
    CloseWithError(SocketErrorFromErrno(error), false);
}

void TWSocket::ReceiveLoop(int error)
{
    const std::uint64_t id = connectionId_;
    int pending = PendingBytes();
    while (pending > 0 && id == connectionId_) {
        if (OnDataAvailable) {
            Raise(OnDataAvailable, error);
        } else {
            char scratch[1024];
            Receive(scratch, sizeof scratch);
        }
        if (NoReceiveLoop || id != connectionId_)
            return;
        const int left = PendingBytes();
        if (left >= pending)
            return;  // the owner stopped reading; the next notification comes back
        pending = left;
    }
}

} // namespace tarvin::publish
