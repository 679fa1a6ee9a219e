#pragma once
// Certificates made for a test by Debian's python3-cryptography: a small
// authority and server certificates it signs, good or faulty in one way each.

#include <QTemporaryDir>

#include <map>
#include <string>

namespace tarvin::publish::test {

enum class CertKind {
    Good,        // for 127.0.0.1, signed by the authority, valid now
    Expired,     // for 127.0.0.1, signed by the authority, expired yesterday
    OtherName,   // for example.org only, signed by the authority
    SelfSigned,  // for 127.0.0.1, signed by itself
};

class TestCertificates {
public:
    TestCertificates();

    bool Made() const { return made_; }
    // The authority's certificate, for --ca-file.
    std::string AuthorityFile() const { return folder_.path().toStdString() + "/ca.pem"; }
    // Certificate and key in one file, for the server.
    std::string ServerFile(CertKind kind) const;
    // "AB:CD:..." of the server certificate.
    std::string Fingerprint(CertKind kind) const { return fingerprints_.at(kind); }

private:
    QTemporaryDir folder_;
    std::map<CertKind, std::string> fingerprints_;
    bool made_ = false;
};

// One set for the whole test program, made on first use.
const TestCertificates& SharedCertificates();

} // namespace tarvin::publish::test
