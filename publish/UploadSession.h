#pragma once
// One upload: connect and log in, change to the profile's folder (creating it
// and any missing parents on request, asking once), binary type, one STOR per
// file from the last to the first, QUIT. Driven by the FTP client's completion
// events; reports through the prompts, one error per session.

#include "publish/FtpClient.h"
#include "publish/ProfileStore.h"
#include "publish/UploadPrompts.h"

#include <string>
#include <vector>

namespace tarvin::publish {

inline constexpr const char* NoHostMessage = "This server profile has no web server address. Edit the profile first.";
inline constexpr const char* NoFilesMessage = "There are no files to upload.";

class UploadSession {
public:
    // Takes over the client's OnRequestDone and OnProgress events.
    UploadSession(TFtpClient& ftp, UploadPrompts& prompts);

    std::vector<std::string> Files;  // full local paths; sent from the last to the first

    // "Send files to the web" with the chosen profile.
    void Send(const ServerProfile& profile);

    const std::string& Label() const { return label_; }

private:
    void RequestDone(TFtpRequest request, int error);
    void DirectoryMissing();
    void FolderChanged();
    void WalkFolderLevel();
    void CreateFolderLevel();
    void ChangeToFolderLevel();
    std::string ErrorText(TFtpRequest request) const;
    void Progress(int count);
    void TakeNextFile();
    void SetLabel(const std::string& label);
    void Quit();
    void EndWithError(const std::string& message);
    template <class Request>
    void Start(Request request);

    TFtpClient& ftp_;
    UploadPrompts& prompts_;
    int remainingFiles_ = 0;
    std::string label_;
    std::string folder_;                     // the profile's folder
    std::vector<std::string> folderLevels_;  // its parts, walked one by one once it was missing
    std::size_t folderLevel_ = 0;
    bool askedToCreate_ = false;
    bool creatingLevel_ = false;
};

} // namespace tarvin::publish
