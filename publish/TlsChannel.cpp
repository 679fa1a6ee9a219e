#include "publish/TlsChannel.h"

#include "publish/SocketEndpoint.h"
#include "publish/TlsContext.h"

#include <QMetaObject>

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <algorithm>
#include <cstring>

namespace tarvin::publish {

namespace {

constexpr int RecordSize = 16 * 1024;
// Received bytes held before the owner takes them; beyond this the socket is left unread.
constexpr std::size_t HeldLimit = 256 * 1024;

} // namespace

TlsChannel::TlsChannel(TWSocket& socket) : socket_(socket) {}

TlsChannel::~TlsChannel() { Reset(); }

void TlsChannel::Reset()
{
    ++generation_;
    if (ssl_)
        SSL_free(ssl_);  // frees both memory buffers too
    ssl_ = nullptr;
    incoming_ = outgoing_ = nullptr;
    clear_.clear();
    waiting_.clear();
    failure_.clear();
    established_ = peerEnded_ = endReported_ = closeNotified_ = false;
}

void TlsChannel::Start(const TlsContext& context, const std::string& host, const TlsChannel* resumeFrom)
{
    Reset();
    ERR_clear_error();
    ssl_ = SSL_new(context.Handle());
    if (!ssl_) {
        failure_ = TakeTlsError();
        HandshakeEnded();
        return;
    }
    incoming_ = BIO_new(BIO_s_mem());
    outgoing_ = BIO_new(BIO_s_mem());
    BIO_set_mem_eof_return(incoming_, -1);  // empty means "wait for more", not the end
    BIO_set_mem_eof_return(outgoing_, -1);
    SSL_set_bio(ssl_, incoming_, outgoing_);
    SSL_set_connect_state(ssl_);
    if (!IsDottedAddress(host))
        SSL_set_tlsext_host_name(ssl_, host.c_str());
    if (resumeFrom && resumeFrom->ssl_) {
        // Servers may insist that data connections continue the control connection's session.
        if (SSL_SESSION* session = SSL_get1_session(resumeFrom->ssl_)) {
            if (SSL_SESSION_is_resumable(session))
                SSL_set_session(ssl_, session);
            SSL_SESSION_free(session);
        }
    }
    Handshake();
}

bool TlsChannel::SessionReused() const { return ssl_ && SSL_session_reused(ssl_) == 1; }

std::string TlsChannel::Description() const
{
    if (!ssl_)
        return {};
    return std::string(SSL_get_version(ssl_)) + ", " + SSL_get_cipher_name(ssl_);
}

void TlsChannel::Handshake()
{
    ERR_clear_error();
    const int result = SSL_do_handshake(ssl_);
    if (result == 1) {
        established_ = true;
        const std::uint64_t generation = generation_;
        std::string waiting;
        waiting.swap(waiting_);
        if (waiting.empty())
            Flush();
        else
            Send(waiting.data(), static_cast<int>(waiting.size()));
        if (generation == generation_)
            HandshakeEnded();
        return;
    }
    const int error = SSL_get_error(ssl_, result);
    if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
        Flush();
        return;
    }
    failure_ = error == SSL_ERROR_SSL ? TakeTlsError() : "the connection ended during the TLS handshake";
    ERR_clear_error();
    if (Flush())  // the alert that tells the server why
        HandshakeEnded();
}

void TlsChannel::HandshakeEnded()
{
    // Queued, so that the owner may start, stop or ask from a clean stack.
    const std::uint64_t generation = generation_;
    QMetaObject::invokeMethod(&queue_, [this, generation] {
        if (generation == generation_ && OnHandshakeDone) {
            auto handler = OnHandshakeDone;
            handler();
        }
    }, Qt::QueuedConnection);
}

bool TlsChannel::Flush()
{
    // Sending may close the socket, whose owner may then reset this channel:
    // the generation tells, and nothing of the old connection is touched then.
    const std::uint64_t generation = generation_;
    char buffer[RecordSize];
    while (outgoing_ && BIO_ctrl_pending(outgoing_) > 0) {
        const int count = BIO_read(outgoing_, buffer, sizeof buffer);
        if (count <= 0)
            break;
        if (socket_.State() != TSocketState::wsConnected)
            continue;  // the connection is gone: drop what was meant for it
        socket_.Send(buffer, count);
        if (generation != generation_)
            return false;
    }
    return true;
}

int TlsChannel::Send(const void* data, int length)
{
    if (!ssl_)
        return socket_.Send(data, length);
    if (length <= 0)
        return 0;
    if (!failure_.empty() || closeNotified_)
        return -1;
    if (!established_) {
        waiting_.append(static_cast<const char*>(data), static_cast<std::size_t>(length));
        return length;
    }
    ERR_clear_error();
    // Memory buffers take everything: one call writes all the records.
    if (SSL_write(ssl_, data, length) != length) {
        failure_ = TakeTlsError();
        return -1;
    }
    Flush();
    return length;
}

int TlsChannel::Receive(void* buffer, int size)
{
    if (!ssl_)
        return socket_.Receive(buffer, size);
    if (clear_.empty())
        Decrypt();
    if (clear_.empty())
        return peerEnded_ ? 0 : -1;
    const std::size_t count = std::min(clear_.size(), static_cast<std::size_t>(std::max(size, 0)));
    std::memcpy(buffer, clear_.data(), count);
    clear_.erase(0, count);
    return static_cast<int>(count);
}

void TlsChannel::SocketDataAvailable()
{
    if (!ssl_)
        return;
    char buffer[RecordSize];
    while (BIO_ctrl_pending(incoming_) + clear_.size() < HeldLimit) {
        const int count = socket_.Receive(buffer, sizeof buffer);
        if (count <= 0)
            break;
        BIO_write(incoming_, buffer, count);
        if (count < static_cast<int>(sizeof buffer))
            break;
    }
    if (!established_) {
        if (failure_.empty())
            Handshake();
        return;
    }
    Deliver();
}

void TlsChannel::Decrypt()
{
    if (!established_ || peerEnded_)
        return;
    char buffer[RecordSize];
    while (clear_.size() < HeldLimit) {
        ERR_clear_error();
        const int count = SSL_read(ssl_, buffer, sizeof buffer);
        if (count > 0) {
            clear_.append(buffer, static_cast<std::size_t>(count));
            continue;
        }
        const int error = SSL_get_error(ssl_, count);
        if (error == SSL_ERROR_ZERO_RETURN) {
            peerEnded_ = true;
        } else if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) {
            // Damaged or forged records: nothing more from this connection can be believed.
            failure_ = error == SSL_ERROR_SSL ? TakeTlsError() : "the TLS connection broke";
            peerEnded_ = true;
        }
        break;
    }
    Flush();  // reading may have produced answers of the protocol's own
}

void TlsChannel::Deliver()
{
    const std::uint64_t generation = generation_;
    for (;;) {
        Decrypt();
        if (generation != generation_)
            return;
        if (clear_.empty()) {
            if (!peerEnded_ || endReported_)
                return;
            endReported_ = true;
        }
        const std::size_t before = clear_.size();
        if (!OnDataAvailable)
            return;
        auto handler = OnDataAvailable;
        handler();
        if (generation != generation_ || (before > 0 && clear_.size() >= before))
            return;  // reset, or the owner stopped reading: the next notification comes back
    }
}

void TlsChannel::CloseNotify()
{
    if (!established_ || closeNotified_ || !failure_.empty())
        return;
    closeNotified_ = true;
    ERR_clear_error();
    SSL_shutdown(ssl_);
    ERR_clear_error();
    Flush();
}

} // namespace tarvin::publish
