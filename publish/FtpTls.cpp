// FTP over TLS: securing the control connection before the login, deciding
// about the server's certificate, and TLS on every data connection.
#include "publish/FtpClient.h"

#include "publish/TlsContext.h"

namespace tarvin::publish {

void TFtpClient::AuthStep()
{
    ExecCommand(TFtpRequest::rqAuth, "AUTH TLS", {234}, &TFtpClient::AuthReply);
}

void TFtpClient::AuthReply()
{
    if (requestError_ != 0) {
        errorMessage_ = replyLine_ + " (the server does not offer FTP over TLS, and the upload does not go on in clear text)";
        FinishRequest(requestError_);
        return;
    }
    // Anything that came after the reply in clear text is not the server's
    // word: an attacker may have put it there.
    replies_.Clear();
    SetState(TFtpState::ftpsReadyInSequence);  // lines that come now are only traced
    Display("! Starting TLS");
    controlTls_.Start(*tlsContext_, HostName);
}

void TFtpClient::ControlHandshakeDone()
{
    if (!sequenceActive_)
        return;  // a QUIT took over meanwhile
    if (!controlTls_.Failure().empty()) {
        Fail(500, "500 TLS handshake failed: " + controlTls_.Failure());
        requestError_ = 500;
        control_.Close();  // the close ends the request
        return;
    }
    std::string certificate;
    if (!CertificateAccepted(certificate))
        return;
    securityDescription_ = controlTls_.Description() + "; " + certificate;
    Display("! TLS: " + securityDescription_ + " (SHA-256 fingerprint " + acceptedFingerprint_ + ")");
    FinishRequest(0);  // on with the login
}

bool TFtpClient::CertificateAccepted(std::string& how)
{
    CertificateReport report = CheckCertificate(controlTls_.Handle(), HostName);
    const auto trusted = NormalFingerprint(TrustedFingerprint);
    if (report.Verified() || (trusted && *trusted == report.fingerprint)) {
        how = report.Verified() ? "the certificate is verified" : "the certificate is trusted by its fingerprint";
        acceptedFingerprint_ = report.fingerprint;
        return true;
    }
    if (trusted)
        report.trustedBefore = *trusted;
    Display("! " + report.Refusal());
    bool trust = false;
    if (OnUntrustedCertificate) {
        idle_.Stop();  // the user may take their time
        trust = OnUntrustedCertificate(report);
        if (!connected_ || !sequenceActive_)
            return false;  // the connection ended meanwhile, and with it the request
        idle_.Start(IdleTimeout);
    }
    if (!trust) {
        Fail(500, "500 " + report.Refusal());
        requestError_ = 500;
        control_.Close();  // the close ends the request
        return false;
    }
    how = "the certificate is trusted by its fingerprint";
    TrustedFingerprint = acceptedFingerprint_ = report.fingerprint;
    return true;
}

void TFtpClient::StartDataTls()
{
    // The control connection's session is offered again: servers may insist on it.
    dataTls_.Start(*tlsContext_, HostName, &controlTls_);
}

void TFtpClient::DataHandshakeDone()
{
    if (!sequenceActive_)
        return;  // the transfer has ended, or a QUIT took over
    if (!dataTls_.Failure().empty()) {
        EndRequest(425, "425 TLS failed on the data connection: " + dataTls_.Failure());
        return;
    }
    // Whoever answers the data connection must hold the certificate accepted for the server.
    if (PeerFingerprint(dataTls_.Handle()) != acceptedFingerprint_) {
        EndRequest(425, "425 The data connection shows another certificate than the server's");
        return;
    }
    Display("! TLS on the data connection: " + dataTls_.Description()
            + (dataTls_.SessionReused() ? ", session resumed" : ", new session"));
    DataReady();
}

} // namespace tarvin::publish
