#include "publish/UploadSession.h"

#include "document/TextUtil.h"
#include "publish/VisibleText.h"

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
    ftp_.Passive = profile.Passive;
    ftp_.IdleTimeout = profile.Timeout;
    folder_ = profile.HostDirName;
    folderLevels_.clear();
    askedToCreate_ = creatingLevel_ = false;
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
    if (request == TFtpRequest::rqQuit) {
        // Whatever QUIT met, the session has already told its outcome.
        prompts_.Busy(false);
        ftp_.HostFileName.clear();
        ftp_.LocalFileName.clear();
        return;
    }
    // Only a folder that CWD cannot enter is missing; a refused STOR is not.
    if (error == 550 && request == TFtpRequest::rqCwd && !askedToCreate_ && folderLevels_.empty()) {
        DirectoryMissing();
        return;
    }
    if (error == 550 && request == TFtpRequest::rqCwd && !folderLevels_.empty() && !creatingLevel_) {
        CreateFolderLevel();
        return;
    }
    if (error != 0) {
        EndWithError(ErrorText(request));
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
        FolderChanged();
        break;
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
        ChangeToFolderLevel();
        break;
    default:
        break;
    }
}

void UploadSession::DirectoryMissing()
{
    askedToCreate_ = true;
    if (!prompts_.AskYesNo("Host Directory Does not exist. Do you want to create it?")) {
        Quit();
        return;
    }
    // From the folder where the failed CWD left us, walk down the path: enter
    // each level that exists, create each one that does not.
    folderLevels_.clear();
    if (folder_.front() == '/')
        folderLevels_.push_back("/");
    std::size_t start = 0;
    while (start <= folder_.size()) {
        const std::size_t end = std::min(folder_.find('/', start), folder_.size());
        if (end > start)
            folderLevels_.push_back(folder_.substr(start, end - start));
        start = end + 1;
    }
    folderLevel_ = 0;
    creatingLevel_ = false;
    WalkFolderLevel();
}

void UploadSession::WalkFolderLevel()
{
    // The whole path failed, so when every parent exists the last level does not.
    if (creatingLevel_ || folderLevel_ + 1 == folderLevels_.size())
        CreateFolderLevel();
    else
        ChangeToFolderLevel();
}

void UploadSession::ChangeToFolderLevel()
{
    if (ftp_.State() != TFtpState::ftpsReady)
        return;
    ftp_.HostDirName = folderLevels_[folderLevel_];
    Start([this] { ftp_.RequestCwd(); });
}

void UploadSession::CreateFolderLevel()
{
    // Below a level that had to be created nothing exists: no CWD to try first.
    creatingLevel_ = true;
    if (ftp_.State() != TFtpState::ftpsReady)
        return;
    ftp_.HostFileName = folderLevels_[folderLevel_];
    SetLabel("Making Directory...");
    Start([this] { ftp_.RequestMkd(); });
}

void UploadSession::FolderChanged()
{
    if (!folderLevels_.empty() && ++folderLevel_ < folderLevels_.size()) {
        WalkFolderLevel();
        return;
    }
    ftp_.HostDirName = folder_;
    SetLabel("Finding Initial Directory...");
    if (ftp_.State() == TFtpState::ftpsReady)
        Start([this] { ftp_.RequestTypeSet(); });
}

std::string UploadSession::ErrorText(TFtpRequest request) const
{
    // A refused file names itself, so the user knows which one did not arrive.
    const std::string& message = ftp_.ErrorMessage();
    const std::string file = VisibleText(ftp_.HostFileName);
    if (request == TFtpRequest::rqPut && message.find(file) == std::string::npos)
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
