#include "publish/CertificateCheck.h"

#include "publish/SocketEndpoint.h"
#include "publish/VisibleText.h"

#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <algorithm>
#include <cctype>
#include <ctime>
#include <memory>

namespace tarvin::publish {

namespace {

constexpr std::size_t MaxNamesShown = 5;
constexpr std::size_t MaxNameLength = 80;

struct StoreContextFree {
    void operator()(X509_STORE_CTX* context) const { X509_STORE_CTX_free(context); }
};
struct NamesFree {
    void operator()(GENERAL_NAMES* names) const { GENERAL_NAMES_free(names); }
};

std::string Hex(const unsigned char* bytes, std::size_t count)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += ':';
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

std::string Fingerprint(X509* certificate)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (!certificate || X509_digest(certificate, EVP_sha256(), digest, &size) != 1)
        return {};
    return Hex(digest, size);
}

std::string Day(const ASN1_TIME* time)
{
    std::tm parts{};
    if (!time || ASN1_TIME_to_tm(time, &parts) != 1)
        return "an unreadable date";
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &parts);
    return text;
}

// Certificate text is the server's: shown with visible escapes and cut short.
std::string ShownName(const char* bytes, int length)
{
    std::string name(bytes, static_cast<std::size_t>(std::max(length, 0)));
    if (name.size() > MaxNameLength)
        name = name.substr(0, MaxNameLength) + "...";
    return VisibleText(name);
}

std::string CertificateNames(X509* certificate)
{
    std::vector<std::string> names;
    std::unique_ptr<GENERAL_NAMES, NamesFree> alternatives(
        static_cast<GENERAL_NAMES*>(X509_get_ext_d2i(certificate, NID_subject_alt_name, nullptr, nullptr)));
    for (int i = 0; alternatives && i < sk_GENERAL_NAME_num(alternatives.get()); ++i) {
        const GENERAL_NAME* name = sk_GENERAL_NAME_value(alternatives.get(), i);
        if (name->type == GEN_DNS) {
            names.push_back(ShownName(reinterpret_cast<const char*>(ASN1_STRING_get0_data(name->d.dNSName)),
                                      ASN1_STRING_length(name->d.dNSName)));
        } else if (name->type == GEN_IPADD && ASN1_STRING_length(name->d.iPAddress) == 4) {
            const unsigned char* octets = ASN1_STRING_get0_data(name->d.iPAddress);
            names.push_back(std::to_string(octets[0]) + "." + std::to_string(octets[1]) + "."
                            + std::to_string(octets[2]) + "." + std::to_string(octets[3]));
        }
    }
    if (names.empty()) {
        char common[256] = "";
        const int length = X509_NAME_get_text_by_NID(X509_get_subject_name(certificate), NID_commonName, common,
                                                     sizeof common);
        if (length > 0)
            names.push_back(ShownName(common, length));
    }
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < MaxNamesShown; ++i)
        text += (i > 0 ? ", " : "") + names[i];
    if (names.size() > MaxNamesShown)
        text += ", ...";
    return text.empty() ? "no name" : text;
}

void AddProblem(CertificateReport& report, const std::string& problem)
{
    if (std::find(report.problems.begin(), report.problems.end(), problem) == report.problems.end())
        report.problems.push_back(problem);
}

std::string Problem(int error, int depth, X509* certificate, const CertificateReport& report)
{
    switch (error) {
    case X509_V_ERR_CERT_HAS_EXPIRED:
        return (depth == 0 ? "it expired on " : "a certificate that vouches for it expired on ")
               + Day(X509_get0_notAfter(certificate));
    case X509_V_ERR_CERT_NOT_YET_VALID:
        return (depth == 0 ? "it is not valid before " : "a certificate that vouches for it is not valid before ")
               + Day(X509_get0_notBefore(certificate));
    case X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT:
        return "it is self-signed, so no authority this computer trusts vouches for it";
    case X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY:
    case X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE:
        return "it was issued by an authority this computer does not trust";
    case X509_V_ERR_HOSTNAME_MISMATCH:
    case X509_V_ERR_IP_ADDRESS_MISMATCH:
        return "it is for another name (" + report.names + "), not " + VisibleText(report.host);
    default:
        return std::string("it does not verify (") + X509_verify_cert_error_string(error) + ")";
    }
}

int CollectProblem(int ok, X509_STORE_CTX* context)
{
    if (!ok) {
        auto& report = *static_cast<CertificateReport*>(X509_STORE_CTX_get_app_data(context));
        AddProblem(report, Problem(X509_STORE_CTX_get_error(context), X509_STORE_CTX_get_error_depth(context),
                                   X509_STORE_CTX_get_current_cert(context), report));
    }
    return 1;  // go on, so that every problem is found
}

} // namespace

CertificateReport CheckCertificate(ssl_st* ssl, const std::string& host)
{
    CertificateReport report;
    report.host = host;
    X509* leaf = SSL_get0_peer_certificate(ssl);
    if (!leaf) {
        report.problems.push_back("the server sent no certificate");
        return report;
    }
    report.fingerprint = Fingerprint(leaf);
    report.names = CertificateNames(leaf);
    std::unique_ptr<X509_STORE_CTX, StoreContextFree> context(X509_STORE_CTX_new());
    if (!context
        || X509_STORE_CTX_init(context.get(), SSL_CTX_get_cert_store(SSL_get_SSL_CTX(ssl)), leaf,
                               SSL_get_peer_cert_chain(ssl)) != 1) {
        report.problems.push_back("it could not be checked");
        return report;
    }
    X509_STORE_CTX_set_default(context.get(), "ssl_server");
    X509_VERIFY_PARAM* parameters = X509_STORE_CTX_get0_param(context.get());
    if (IsDottedAddress(host)) {
        X509_VERIFY_PARAM_set1_ip_asc(parameters, host.c_str());
    } else {
        X509_VERIFY_PARAM_set_hostflags(parameters, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
        X509_VERIFY_PARAM_set1_host(parameters, host.c_str(), host.size());
    }
    X509_STORE_CTX_set_app_data(context.get(), &report);
    X509_STORE_CTX_set_verify_cb(context.get(), CollectProblem);
    if (X509_verify_cert(context.get()) != 1 && report.problems.empty())
        report.problems.push_back("it does not verify");
    return report;
}

std::string PeerFingerprint(ssl_st* ssl) { return Fingerprint(SSL_get0_peer_certificate(ssl)); }

std::string CertificateReport::Question() const
{
    std::string text;
    if (!trustedBefore.empty())
        text = "The server's certificate for " + VisibleText(host) + " has changed since you trusted it (then "
               + trustedBefore + ").\n";
    text += "The certificate cannot be verified: ";
    for (std::size_t i = 0; i < problems.size(); ++i)
        text += (i > 0 ? "; " : "") + problems[i];
    text += ".\nSHA-256 fingerprint: " + fingerprint
            + "\nTrust it only if your provider gives you this fingerprint. Trust this certificate for this server?";
    return text;
}

std::string CertificateReport::Refusal() const
{
    std::string text = "The server's certificate for " + VisibleText(host) + " is not trusted: ";
    for (std::size_t i = 0; i < problems.size(); ++i)
        text += (i > 0 ? "; " : "") + problems[i];
    if (!trustedBefore.empty())
        text += "; it is not the one trusted before (" + trustedBefore + ")";
    return text + ". SHA-256 fingerprint: " + fingerprint;
}

std::optional<std::string> NormalFingerprint(const std::string& text)
{
    std::string digits;
    for (char c : text) {
        if (c == ':' || c == ' ')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (digits.size() != 64)
        return std::nullopt;
    std::string normal;
    for (std::size_t i = 0; i < digits.size(); i += 2)
        normal += (i > 0 ? ":" : "") + digits.substr(i, 2);
    return normal;
}

} // namespace tarvin::publish
