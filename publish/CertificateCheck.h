#pragma once
// What the program makes of a server's certificate: whether it verifies
// against the trusted roots and the server's name, the reasons in plain words
// when it does not, and its SHA-256 fingerprint, which a user can trust instead.

#include <optional>
#include <string>
#include <vector>

struct ssl_st;

namespace tarvin::publish {

struct CertificateReport {
    std::string host;                   // the name or address the user asked for
    std::string fingerprint;            // SHA-256 of the certificate, "AB:CD:..." (32 pairs)
    std::vector<std::string> problems;  // plain words; empty when the certificate verifies
    std::string names;                  // the names the certificate is for, shown safely
    std::string trustedBefore;          // a different fingerprint the user trusted before, if any

    bool Verified() const { return problems.empty(); }
    // The question put to the user: the reasons, the fingerprint, trust it?
    std::string Question() const;
    // One line for an error: why the certificate was not accepted.
    std::string Refusal() const;
};

// Checks the certificate of the connection against the trusted roots of its
// context and against host (a name or a dotted address).
CertificateReport CheckCertificate(ssl_st* ssl, const std::string& host);

// The fingerprint of the connection's certificate; empty without one.
std::string PeerFingerprint(ssl_st* ssl);

// "ab cd:EF..." or 64 hex digits, colons and blanks allowed, as "AB:CD:EF:...";
// nothing when the text is not a SHA-256 fingerprint.
std::optional<std::string> NormalFingerprint(const std::string& text);

} // namespace tarvin::publish
