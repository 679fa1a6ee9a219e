#pragma once
// One upload: connect and log in (over TLS when the profile asks), change to
// the profile's folder (creating it and any missing parents on request,
// asking once), binary type, one STOR per file from the last to the first,
// each checked by its size on the server where the server can tell, QUIT.
// Driven by the FTP client's completion events; reports through the prompts,
// one error per session.

#include "publish/FtpClient.h"
#include "publish/ProfileStore.h"
#include "publish/RemoteFolder.h"
#include "publish/UploadPrompts.h"
#include "publish/UploadRecord.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvin::publish {

inline constexpr const char* NoHostMessage = "This server profile has no web server address. Edit the profile first.";
inline constexpr const char* NoFilesMessage = "There are no files to upload.";

// The profile's server, login, folder and connection settings into the client.
void ApplyProfile(TFtpClient& ftp, const ServerProfile& profile);

// Reply codes that say the server does not know a command.
inline bool CommandUnknown(int error) { return error == 500 || error == 502 || error == 504; }

class UploadSession {
public:
    // Takes over the client's OnRequestDone, OnProgress and OnUntrustedCertificate events.
    UploadSession(TFtpClient& ftp, UploadPrompts& prompts);

    std::vector<std::string> Files;  // full local paths; sent from the last to the first
    // Where records of verified uploads are kept (UploadRecord::DefaultFolder());
    // empty keeps none. A record is started by the first upload with
    // ChangedOnly and kept up to date by every upload after.
    std::string RecordFolder;
    // Leaves out each file that is unchanged since its last verified upload
    // and that the server still holds with that size.
    bool ChangedOnly = false;

    // "Send files to the web" with the chosen profile.
    void Send(const ServerProfile& profile);
    // Ends a session early, as closing the window does: a file on its way is
    // cut off at its next block, the request under way may finish, then QUIT.
    // Nothing more is asked or reported; Busy(false) marks the end.
    void Stop();

    const std::string& Label() const { return label_; }

private:
    enum class SizeSupport { Unknown, Yes, No };

    void RequestDone(TFtpRequest request, int error);
    void FolderOutcome(RemoteFolder::Outcome outcome);
    void NextFile();
    void Stored();
    void SizeKnown(int error);
    void Skip();
    void Finish();
    std::string VerificationNote() const;
    std::string ErrorText(TFtpRequest request) const;
    void Progress(int count);
    void TakeNextFile();
    void SetLabel(const std::string& label);
    void Quit();
    void Idle();
    void EndWithError(const std::string& message);
    template <class Request>
    void Start(Request request);

    TFtpClient& ftp_;
    UploadPrompts& prompts_;
    RemoteFolder folder_;
    int remainingFiles_ = 0;
    bool stopping_ = false;
    std::string label_;
    std::string hostDirName_;
    std::unique_ptr<UploadRecord> record_;
    std::optional<FileDigest> digest_;  // of the file under way, when a record is kept
    SizeSupport sizes_ = SizeSupport::Unknown;
    bool probing_ = false;  // the SIZE under way asks whether an unchanged file is still there
    int sent_ = 0;
    int verified_ = 0;
    int skipped_ = 0;
};

} // namespace tarvin::publish
