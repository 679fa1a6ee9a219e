#pragma once
// The questions and messages of an upload or a connection test, put to the
// user through the program's Dialogs. Message boxes show the arrow, not the
// busy cursor of the transfer.

#include "publish/UploadPrompts.h"

#include <string>

namespace tarvin {

class Dialogs;

class DialogPrompts : public publish::UploadPrompts {
public:
    explicit DialogPrompts(Dialogs& dialogs) : dialogs_(dialogs) {}

    bool AskYesNo(const std::string& question) override;
    void Warning(const std::string& text) override;
    void Information(const std::string& text) override;
    // Shows why the certificate does not verify and its fingerprint, and asks
    // whether to trust it; Yes keeps the fingerprint with the profile.
    bool TrustCertificate(const publish::CertificateReport& report) override;

protected:
    // Where the trusted fingerprint goes: the stored profile, or the panel's.
    virtual void KeepFingerprint(const std::string& fingerprint) = 0;

    Dialogs& dialogs_;
};

} // namespace tarvin
