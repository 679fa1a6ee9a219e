#pragma once
// The TLS settings of one FTP conversation: TLS 1.2 or later, trusting the
// system's root certificates and, when given, those of a certificate file.

#include <memory>
#include <stdexcept>
#include <string>

struct ssl_ctx_st;

namespace tarvin::publish {

class ETlsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TlsContext {
public:
    // Throws ETlsError when the context cannot be made or caFile cannot be read.
    explicit TlsContext(const std::string& caFile);
    ~TlsContext();
    TlsContext(const TlsContext&) = delete;
    TlsContext& operator=(const TlsContext&) = delete;

    ssl_ctx_st* Handle() const { return context_; }

private:
    ssl_ctx_st* context_ = nullptr;
};

// The oldest error OpenSSL queued on this thread, in its words, and clears the queue.
std::string TakeTlsError();

} // namespace tarvin::publish
