#include "publish/UploadSession.h"

#include "document/TextUtil.h"

namespace tarvin::publish {

UploadSession::UploadSession(TFtpClient& ftp, UploadPrompts& prompts) : ftp_(ftp), prompts_(prompts)
{
    ftp_.Binary = true;
    ftp_.AcceptLF = true;
    ftp_.OnRequestDone = [this](TFtpRequest request, std::uint16_t error) { RequestDone(request, error); };
    ftp_.OnProgress = [this](int count, bool&) { Progress(count); };
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
    ftp_.UserName = profile.UserName;
    ftp_.PassWord = profile.PassWord;
    ftp_.HostName = profile.HostName;
    ftp_.HostDirName = profile.HostDirName;
    ftp_.Port = profile.Port;
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
    if (error == 550) {
        DirectoryMissing();
        return;
    }
    if (error != 0) {
        EndWithError(ftp_.ErrorMessage());
        return;
    }
    switch (request) {
    case TFtpRequest::rqConnect:
        SetLabel("Connected to " + ftp_.HostName + "...");
        if (ready && ftp_.HostDirName.empty())
            Start([this] { ftp_.RequestPwd(); });
        else if (ready)
            Start([this] { ftp_.RequestCwd(); });
        break;
    case TFtpRequest::rqCwd:
    case TFtpRequest::rqPwd:
        SetLabel("Finding Initial Directory...");
        if (ready)
            Start([this] { ftp_.RequestTypeSet(); });
        break;
    case TFtpRequest::rqTypeSet:
        SetLabel("Transferring...");
        remainingFiles_ = static_cast<int>(Files.size());
        if (ready) {
            TakeNextFile();
            Start([this] { ftp_.RequestPut(); });
        }
        break;
    case TFtpRequest::rqPut:
        if (remainingFiles_ == 0) {
            if (ftp_.ControlOpen() && ready)
                Quit();
            prompts_.Information("Transfer Completed.");
        } else if (ready) {
            TakeNextFile();
            Start([this] { ftp_.RequestPut(); });
        }
        break;
    case TFtpRequest::rqMkd:
        if (ready)
            Start([this] { ftp_.RequestCwd(); });
        break;
    case TFtpRequest::rqQuit:
        prompts_.Busy(false);
        ftp_.HostFileName.clear();
        ftp_.LocalFileName.clear();
        break;
    default:
        break;
    }
}

void UploadSession::DirectoryMissing()
{
    const bool ready = ftp_.State() == TFtpState::ftpsReady;
    if (!prompts_.AskYesNo("Host Directory Does not exist. Do you want to create it?")) {
        Quit();
        return;
    }
    if (ready) {
        ftp_.HostFileName = ftp_.HostDirName;
        SetLabel("Making Directory...");
        Start([this] { ftp_.RequestMkd(); });
    }
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
        prompts_.Busy(false);  // nothing to close: idle at once
        return;
    }
    try {
        ftp_.RequestQuit();
    } catch (const std::exception&) {
        prompts_.Busy(false);
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
        prompts_.Busy(false);
}

} // namespace tarvin::publish
