#pragma once
// Everything the upload session shows or asks goes through this interface,
// answered by the upload window or by the command-line tool.

#include "publish/CertificateCheck.h"

#include <string>

namespace tarvin::publish {

class UploadPrompts {
public:
    virtual ~UploadPrompts() = default;

    // The progress label's new text.
    virtual void Progress(const std::string& label) = 0;
    // true: sending (progress shown, list and its buttons locked);
    // false: idle again (progress hidden, list unlocked).
    virtual void Busy(bool busy) = 0;
    // A warning with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
    virtual void Warning(const std::string& text) = 0;
    virtual void Information(const std::string& text) = 0;

    // The server's certificate does not verify (report.Question() asks in
    // words): true trusts it, and the front end keeps report.fingerprint with
    // the profile. Unless a front end asks, nothing is trusted.
    virtual bool TrustCertificate(const CertificateReport& report)
    {
        (void)report;
        return false;
    }
    // The upload did its work: text is "Transfer Completed.", note tells how
    // far the server confirmed the files and which ones were skipped.
    virtual void Completed(const std::string& text, const std::string& note) { Information(text + "\n" + note); }
};

} // namespace tarvin::publish
