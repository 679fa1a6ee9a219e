#include "publish/window/DialogPrompts.h"

#include "platform/CursorGuard.h"
#include "platform/Dialogs.h"

namespace tarvin {

bool DialogPrompts::AskYesNo(const std::string& question)
{
    const OverrideCursor arrow(Qt::ArrowCursor);
    return dialogs_.Ask(MessageIcon::Warning, QString::fromStdString(question), false) == Answer::Yes;
}

void DialogPrompts::Warning(const std::string& text)
{
    const OverrideCursor arrow(Qt::ArrowCursor);
    dialogs_.Warning(QString::fromStdString(text));
}

void DialogPrompts::Information(const std::string& text)
{
    const OverrideCursor arrow(Qt::ArrowCursor);
    dialogs_.Information(QString::fromStdString(text));
}

// The report's texts are shown safely already; its line breaks are meant.
// Trusting is never the answer Enter gives.
bool DialogPrompts::TrustCertificate(const publish::CertificateReport& report)
{
    const OverrideCursor arrow(Qt::ArrowCursor);
    if (dialogs_.AskNoByDefault(QString::fromStdString(report.Question())) != Answer::Yes)
        return false;
    KeepFingerprint(report.fingerprint);
    return true;
}

} // namespace tarvin
