#include "publish/RemoteFolder.h"

namespace tarvin::publish {

RemoteFolder::RemoteFolder(TFtpClient& ftp, UploadPrompts& prompts, std::function<void(const std::string&)> label)
    : ftp_(ftp), prompts_(prompts), label_(std::move(label))
{
}

template <class Request>
RemoteFolder::Outcome RemoteFolder::Start(Request request)
{
    // A refused request ends the walk with its reason instead of leaving it hanging.
    if (ftp_.State() != TFtpState::ftpsReady)
        return Outcome::Pending;
    try {
        request();
        return Outcome::Pending;
    } catch (const std::exception& e) {
        error_ = e.what();
        return Outcome::Failed;
    }
}

RemoteFolder::Outcome RemoteFolder::Enter(const std::string& folder)
{
    folder_ = folder;
    levels_.clear();
    level_ = 0;
    asked_ = creating_ = false;
    error_.clear();
    ftp_.HostDirName = folder;
    if (folder.empty())
        return Start([this] { ftp_.RequestPwd(); });
    return Start([this] { ftp_.RequestCwd(); });
}

RemoteFolder::Outcome RemoteFolder::RequestDone(TFtpRequest request, int error)
{
    // Only a folder that CWD cannot enter is missing.
    if (error == 550 && request == TFtpRequest::rqCwd && !asked_)
        return Missing();
    if (error == 550 && request == TFtpRequest::rqCwd && !levels_.empty() && !creating_)
        return CreateLevel();
    if (error != 0) {
        error_ = ftp_.ErrorMessage();
        return Outcome::Failed;
    }
    if (request == TFtpRequest::rqMkd)
        return ChangeToLevel();
    if (request == TFtpRequest::rqCwd)
        return Changed();
    return Outcome::Entered;  // PWD: the login folder it is
}

RemoteFolder::Outcome RemoteFolder::Missing()
{
    asked_ = true;
    if (!prompts_.AskYesNo(CreateFolderQuestion)) {
        error_ = ftp_.ErrorMessage();
        return Outcome::Declined;
    }
    // From the folder where the failed CWD left us, walk down the path: enter
    // each level that exists, create each one that does not.
    if (folder_.front() == '/')
        levels_.push_back("/");
    std::size_t start = 0;
    while (start <= folder_.size()) {
        const std::size_t end = std::min(folder_.find('/', start), folder_.size());
        if (end > start)
            levels_.push_back(folder_.substr(start, end - start));
        start = end + 1;
    }
    return Walk();
}

RemoteFolder::Outcome RemoteFolder::Walk()
{
    // The whole path failed, so when every parent exists the last level does not.
    if (creating_ || level_ + 1 == levels_.size())
        return CreateLevel();
    return ChangeToLevel();
}

RemoteFolder::Outcome RemoteFolder::ChangeToLevel()
{
    ftp_.HostDirName = levels_[level_];
    return Start([this] { ftp_.RequestCwd(); });
}

RemoteFolder::Outcome RemoteFolder::CreateLevel()
{
    // Below a level that had to be created nothing exists: no CWD to try first.
    creating_ = true;
    ftp_.HostFileName = levels_[level_];
    label_("Making Directory...");
    return Start([this] { ftp_.RequestMkd(); });
}

RemoteFolder::Outcome RemoteFolder::Changed()
{
    if (!levels_.empty() && ++level_ < levels_.size())
        return Walk();
    ftp_.HostDirName = folder_;
    return Outcome::Entered;
}

} // namespace tarvin::publish
