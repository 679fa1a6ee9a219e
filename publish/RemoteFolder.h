#pragma once
// Entering the profile's folder on the server: CWD (PWD when no folder is
// set), and when CWD says the folder is missing, one question whether to
// create it; then every missing level of the path is made in turn (MKD) and
// entered. Driven by the client's completion events, which the owner passes on.

#include "publish/FtpClient.h"
#include "publish/UploadPrompts.h"

#include <functional>
#include <string>
#include <vector>

namespace tarvin::publish {

inline constexpr const char* CreateFolderQuestion = "Host Directory Does not exist. Do you want to create it?";

class RemoteFolder {
public:
    enum class Outcome { Pending, Entered, Declined, Failed };

    // label shows "Making Directory..." while a level is made.
    RemoteFolder(TFtpClient& ftp, UploadPrompts& prompts, std::function<void(const std::string&)> label);

    // Starts with CWD of folder, or PWD when it is empty; the client must be ready.
    Outcome Enter(const std::string& folder);
    // The outcome of an rqCwd, rqMkd or rqPwd request.
    Outcome RequestDone(TFtpRequest request, int error);
    // Why the folder could not be entered (after Failed).
    const std::string& Error() const { return error_; }
    // True once a level had to be made.
    bool Created() const { return !levels_.empty(); }

private:
    Outcome Missing();
    Outcome Walk();
    Outcome CreateLevel();
    Outcome ChangeToLevel();
    Outcome Changed();
    template <class Request>
    Outcome Start(Request request);

    TFtpClient& ftp_;
    UploadPrompts& prompts_;
    std::function<void(const std::string&)> label_;
    std::string folder_;
    std::vector<std::string> levels_;  // the path's parts, walked one by one once it was missing
    std::size_t level_ = 0;
    bool asked_ = false;
    bool creating_ = false;
    std::string error_;
};

} // namespace tarvin::publish
