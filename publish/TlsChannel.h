#pragma once
// TLS over one of the engine's non-blocking sockets. OpenSSL works between two
// memory buffers: what arrives on the socket is fed in, what OpenSSL produces
// goes out through the socket's Send, so nothing waits on the network. Before
// Start and after Reset the channel passes bytes through in clear.

#include "publish/WSocket.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <string>

struct ssl_st;
struct bio_st;

namespace tarvin::publish {

class TlsContext;

class TlsChannel {
public:
    explicit TlsChannel(TWSocket& socket);
    ~TlsChannel();
    TlsChannel(const TlsChannel&) = delete;
    TlsChannel& operator=(const TlsChannel&) = delete;

    // Clear bytes wait for Receive, or the peer ended TLS (Receive then gives 0).
    std::function<void()> OnDataAvailable;
    // The handshake has ended, well or not (see Failure). Raised from the event loop.
    std::function<void()> OnHandshakeDone;

    // Starts the client side of a handshake on the connected socket. With
    // resumeFrom, the session of that channel's connection is offered again.
    void Start(const TlsContext& context, const std::string& host, const TlsChannel* resumeFrom = nullptr);
    // Back to clear text, for the socket's next connection.
    void Reset();

    bool Active() const { return ssl_ != nullptr; }
    bool Established() const { return established_; }
    const std::string& Failure() const { return failure_; }
    ssl_st* Handle() const { return ssl_; }
    bool SessionReused() const;
    // The protocol and cipher, for instance "TLSv1.3, TLS_AES_256_GCM_SHA384".
    std::string Description() const;

    // Sends in clear, or encrypted once TLS is up (bytes given during the handshake wait for its end).
    int Send(const void* data, int length);
    // Clear bytes: the count, 0 when the peer ended TLS (or closed), -1 when none wait.
    int Receive(void* buffer, int size);
    // To be called for the socket's OnDataAvailable while the channel is active.
    void SocketDataAvailable();
    // Tells the peer that nothing more comes (TLS close_notify); the socket stays open.
    void CloseNotify();
    bool CloseNotified() const { return closeNotified_; }

private:
    void Handshake();
    void Decrypt();
    bool Flush();
    void Deliver();
    void HandshakeEnded();

    TWSocket& socket_;
    QObject queue_;  // context of the queued handshake event
    ssl_st* ssl_ = nullptr;
    bio_st* incoming_ = nullptr;  // both owned by ssl_
    bio_st* outgoing_ = nullptr;
    std::string clear_;    // decrypted bytes not yet taken
    std::string waiting_;  // bytes to send once the handshake is done
    std::string failure_;
    bool established_ = false;
    bool peerEnded_ = false;
    bool endReported_ = false;
    bool closeNotified_ = false;
    std::uint64_t generation_ = 0;  // changes with every Start and Reset
};

} // namespace tarvin::publish
