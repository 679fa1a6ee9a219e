#include "publish/UploadSession.h"

#include "document/TextUtil.h"
#include "publish/VisibleText.h"

namespace tarvin::publish {

void ApplyProfile(TFtpClient& ftp, const ServerProfile& profile)
{
    ftp.UserName = profile.UserName;
    ftp.PassWord = profile.PassWord;
    ftp.HostName = profile.HostName;
    ftp.HostDirName = profile.HostDirName;
    ftp.Port = profile.Port;
    ftp.Passive = profile.Passive;
    ftp.IdleTimeout = profile.Timeout;
    ftp.Tls = profile.Tls;
    ftp.CaFile = profile.CaFile;
    ftp.TrustedFingerprint = profile.TrustedFingerprint;
}

UploadSession::UploadSession(TFtpClient& ftp, UploadPrompts& prompts)
    : ftp_(ftp), prompts_(prompts), folder_(ftp, prompts, [this](const std::string& label) { SetLabel(label); })
{
    ftp_.Binary = true;
    ftp_.AcceptLF = true;
    ftp_.OnRequestDone = [this](TFtpRequest request, std::uint16_t error) { RequestDone(request, error); };
    ftp_.OnProgress = [this](int count, bool& abort) {
        abort = stopping_;
        if (!stopping_)
            Progress(count);
    };
    ftp_.OnUntrustedCertificate = [this](const CertificateReport& report) { return prompts_.TrustCertificate(report); };
}

template <class Request>
void UploadSession::Start(Request request)
{
    // A refused request ends the session with its reason instead of leaving it hanging.
    try {
        request();
    } catch (const std::exception& e) {
        EndWithError(e.what());
    }
}

void UploadSession::Send(const ServerProfile& profile)
{
    if (profile.HostName.empty()) {
        prompts_.Warning(NoHostMessage);
        return;
    }
    if (Files.empty()) {
        prompts_.Warning(NoFilesMessage);
        return;
    }
    if (ftp_.ControlOpen())
        Quit();
    prompts_.Busy(true);
    ApplyProfile(ftp_, profile);
    hostDirName_ = profile.HostDirName;
    record_ = std::make_unique<UploadRecord>(RecordFolder, profile, ChangedOnly);
    sizes_ = SizeSupport::Unknown;
    probing_ = false;
    sent_ = verified_ = skipped_ = 0;
    if (ftp_.ControlOpen()) {
        // The QUIT under way resets the panel; the user presses the button again.
        SetLabel("Connected...");
        return;
    }
    SetLabel("Connecting to " + ftp_.HostName + "...");
    Start([this] { ftp_.RequestConnect(); });
}

void UploadSession::RequestDone(TFtpRequest request, int error)
{
    const bool ready = ftp_.State() == TFtpState::ftpsReady;
    if (stopping_ && request != TFtpRequest::rqQuit) {
        if (ready)
            Quit();
        return;
    }
    if (request == TFtpRequest::rqQuit) {
        // Whatever QUIT met, the session has already told its outcome.
        Idle();
        ftp_.HostFileName.clear();
        ftp_.LocalFileName.clear();
        return;
    }
    if (request == TFtpRequest::rqCwd || request == TFtpRequest::rqMkd || request == TFtpRequest::rqPwd) {
        FolderOutcome(folder_.RequestDone(request, error));
        return;
    }
    if (request == TFtpRequest::rqSize) {
        SizeKnown(error);
        return;
    }
    if (error != 0) {
        EndWithError(ErrorText(request));
        return;
    }
    switch (request) {
    case TFtpRequest::rqConnect:
        SetLabel("Connected to " + ftp_.HostName + "...");
        if (ready)
            FolderOutcome(folder_.Enter(hostDirName_));
        break;
    case TFtpRequest::rqTypeSet:
        SetLabel("Transferring...");
        remainingFiles_ = static_cast<int>(Files.size());
        if (ready)
            NextFile();
        break;
    case TFtpRequest::rqPut:
        if (ready)
            Stored();
        break;
    default:
        break;
    }
}

void UploadSession::Stop()
{
    stopping_ = true;
    // With nothing under way QUIT goes at once; otherwise when the request ends.
    if (ftp_.State() == TFtpState::ftpsReady)
        Quit();
}

void UploadSession::FolderOutcome(RemoteFolder::Outcome outcome)
{
    switch (outcome) {
    case RemoteFolder::Outcome::Pending:
        break;
    case RemoteFolder::Outcome::Entered:
        SetLabel("Finding Initial Directory...");
        if (ftp_.State() == TFtpState::ftpsReady)
            Start([this] { ftp_.RequestTypeSet(); });
        break;
    case RemoteFolder::Outcome::Declined:
        Quit();
        break;
    case RemoteFolder::Outcome::Failed:
        EndWithError(folder_.Error());
        break;
    }
}

void UploadSession::NextFile()
{
    if (remainingFiles_ == 0) {
        Finish();
        return;
    }
    TakeNextFile();
    digest_ = record_->Kept() ? DigestOfFile(ftp_.LocalFileName) : std::nullopt;
    if (ChangedOnly && digest_ && sizes_ != SizeSupport::No) {
        const auto last = record_->Find(ftp_.HostFileName);
        if (last && *last == *digest_) {
            // Unchanged here; whether the server still has it, its size tells.
            probing_ = true;
            Start([this] { ftp_.RequestSize(); });
            return;
        }
    }
    Start([this] { ftp_.RequestPut(); });
}

void UploadSession::Stored()
{
    ++sent_;
    if (sizes_ == SizeSupport::No) {
        record_->Forget(ftp_.HostFileName);  // what the server holds is not known for sure
        NextFile();
        return;
    }
    probing_ = false;
    Start([this] { ftp_.RequestSize(); });
}

void UploadSession::SizeKnown(int error)
{
    const bool probe = probing_;
    probing_ = false;
    const std::string& name = ftp_.HostFileName;
    if (error != 0 && (error == 421 || error >= 1000 || !ftp_.ControlOpen())) {
        EndWithError(ErrorText(TFtpRequest::rqSize));  // the connection failed, not the command
        return;
    }
    if (error != 0) {
        if (CommandUnknown(error))
            sizes_ = SizeSupport::No;
        if (probe) {
            Start([this] { ftp_.RequestPut(); });  // whether it is still there cannot be told: send it
            return;
        }
        record_->Forget(name);
        NextFile();
        return;
    }
    sizes_ = SizeSupport::Yes;
    if (probe) {
        if (ftp_.RemoteSize() == digest_->size)
            Skip();
        else
            Start([this] { ftp_.RequestPut(); });
        return;
    }
    if (ftp_.RemoteSize() != ftp_.ByteCount()) {
        record_->Forget(name);
        EndWithError("Size check failed for " + VisibleText(name) + ": the server holds "
                     + std::to_string(ftp_.RemoteSize()) + " bytes, but " + std::to_string(ftp_.ByteCount())
                     + " were sent.");
        return;
    }
    ++verified_;
    if (digest_ && digest_->size == ftp_.ByteCount() && !record_->Remember(name, *digest_))
        ftp_.Note("The record of uploaded files could not be written to " + VisibleText(record_->Path()));
    NextFile();
}

void UploadSession::Skip()
{
    ++skipped_;
    const std::string text = "Skipped " + VisibleText(ftp_.HostFileName) + ": unchanged since its last upload";
    ftp_.Note(text);
    prompts_.Progress(text);
    NextFile();
}

void UploadSession::Finish()
{
    if (ftp_.ControlOpen() && ftp_.State() == TFtpState::ftpsReady)
        Quit();
    prompts_.Completed("Transfer Completed.", VerificationNote());
}

std::string UploadSession::VerificationNote() const
{
    const auto files = [](int count) { return std::to_string(count) + (count == 1 ? " file" : " files"); };
    std::string note;
    if (sent_ == 0)
        note = "Nothing had changed, so nothing was sent.";
    else if (verified_ == sent_)
        note = sent_ == 1 ? "The file was verified: the server holds it with the size sent."
                          : "All " + files(sent_) + " were verified: the server holds each with the size sent.";
    else if (verified_ == 0)
        note = "The server cannot tell file sizes, so the files sent could not be verified.";
    else
        note = std::to_string(verified_) + " of " + files(sent_)
               + " were verified; the server could not tell the size of the others.";
    if (skipped_ > 0)
        note += " " + files(skipped_) + (skipped_ == 1 ? " was" : " were")
                + " skipped: unchanged since the last upload and still on the server.";
    return note;
}

std::string UploadSession::ErrorText(TFtpRequest request) const
{
    // A refused file names itself, so the user knows which one did not arrive.
    const std::string& message = ftp_.ErrorMessage();
    const std::string file = VisibleText(ftp_.HostFileName);
    if ((request == TFtpRequest::rqPut || request == TFtpRequest::rqSize) && message.find(file) == std::string::npos)
        return message + " (" + file + ")";
    return message;
}

void UploadSession::TakeNextFile()
{
    --remainingFiles_;
    if (remainingFiles_ < 0)
        return;
    const std::string& entry = Files[static_cast<std::size_t>(remainingFiles_)];
    ftp_.HostFileName = ExtractFileName(entry);
    ftp_.LocalFileName = entry;
}

void UploadSession::Progress(int count)
{
    const auto dots = label_.find("...");
    const std::string head = dots == std::string::npos ? label_ : label_.substr(0, dots + 3);
    SetLabel(head + " " + std::to_string(count) + " bytes");
}

void UploadSession::SetLabel(const std::string& label)
{
    label_ = label;
    prompts_.Progress(label_);
}

void UploadSession::Quit()
{
    if (!ftp_.ControlOpen()) {
        Idle();  // nothing to close: idle at once
        return;
    }
    try {
        ftp_.RequestQuit();
    } catch (const std::exception&) {
        Idle();
    }
}

void UploadSession::EndWithError(const std::string& message)
{
    // The message is taken before QUIT, which clears the client's error text.
    const std::string text = "Error " + message;
    const bool open = ftp_.ControlOpen();
    if (open)
        Quit();
    prompts_.Warning(text);
    if (!open)
        Idle();
}

void UploadSession::Idle()
{
    stopping_ = false;
    prompts_.Busy(false);
}

} // namespace tarvin::publish
