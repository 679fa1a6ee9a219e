#include "publish/TlsContext.h"

#include "publish/VisibleText.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

namespace tarvin::publish {

std::string TakeTlsError()
{
    const unsigned long code = ERR_get_error();
    ERR_clear_error();
    if (code == 0)
        return "unknown TLS error";
    if (const char* reason = ERR_reason_error_string(code))
        return reason;
    char text[256];
    ERR_error_string_n(code, text, sizeof text);
    return text;
}

TlsContext::TlsContext(const std::string& caFile)
{
    ERR_clear_error();
    context_ = SSL_CTX_new(TLS_client_method());
    if (!context_)
        throw ETlsError("TLS cannot be set up: " + TakeTlsError());
    SSL_CTX_set_min_proto_version(context_, TLS1_2_VERSION);
    // Certificates are checked by the client once the handshake is done, so
    // that a user can still trust one that does not verify.
    SSL_CTX_set_verify(context_, SSL_VERIFY_NONE, nullptr);
    SSL_CTX_set_session_cache_mode(context_, SSL_SESS_CACHE_CLIENT | SSL_SESS_CACHE_NO_INTERNAL_STORE);
    if (SSL_CTX_set_default_verify_paths(context_) != 1)
        ERR_clear_error();  // no system roots: only a certificate file or a fingerprint can help
    if (!caFile.empty() && SSL_CTX_load_verify_locations(context_, caFile.c_str(), nullptr) != 1) {
        const std::string reason = TakeTlsError();
        SSL_CTX_free(context_);
        throw ETlsError("The certificate file " + VisibleText(caFile) + " cannot be read (" + reason + ")");
    }
}

TlsContext::~TlsContext() { SSL_CTX_free(context_); }

} // namespace tarvin::publish
