#pragma once
// The test of a server profile, for the profile panel's "Test" button and
// tarvin-cli test-server: connect, secure the connection when the profile
// asks for TLS, log in, enter the folder (offering to create it), store a
// small file, check its size, delete it and quit. Each step's outcome is
// reported in plain words as it ends; a failure says what to try, and the
// steps after it are not run (a stored test file is still deleted).

#include "publish/FtpClient.h"
#include "publish/ProfileStore.h"
#include "publish/RemoteFolder.h"
#include "publish/UploadPrompts.h"

#include <QTemporaryFile>

#include <functional>
#include <memory>
#include <string>

namespace tarvin::publish {

struct TestStep {
    std::string title;    // "Connect to ftp.example.org, port 21"
    bool passed = false;
    std::string outcome;  // what happened; server text shown safely
    std::string advice;   // what to try; empty when passed
};

class ConnectionTest {
public:
    // Takes over the client's OnRequestDone, OnSessionConnected, OnCommand
    // and OnUntrustedCertificate events; asks through the prompts.
    ConnectionTest(TFtpClient& ftp, UploadPrompts& prompts);

    std::function<void(const TestStep& step)> OnStep;
    // After the last step; true when every step passed.
    std::function<void(bool passed)> OnFinished;

    void Run(const ServerProfile& profile);
    bool Running() const { return running_; }

private:
    enum class Stage { Connect, Secure, LogIn, Encrypt, Folder, Store, Size, Delete, Quit };

    void RequestDone(TFtpRequest request, int error);
    void CommandSent(const std::string& command);
    void FolderOutcome(RemoteFolder::Outcome outcome);
    void Store();
    void SizeKnown(int error);
    void Delete();
    void Passed(const std::string& outcome);
    void Failed(const std::string& outcome, const std::string& advice);
    void Finish();
    std::string Title() const;
    std::string ConnectAdvice(int error) const;
    static std::string SecureAdvice(const std::string& reply);
    std::string LoginAdvice(int error, const std::string& reply) const;
    std::string StoreAdvice(int error) const;
    template <class Request>
    void Start(Request request);

    TFtpClient& ftp_;
    UploadPrompts& prompts_;
    RemoteFolder folder_;
    ServerProfile profile_;
    std::unique_ptr<QTemporaryFile> testFile_;
    std::string testName_;
    Stage stage_ = Stage::Connect;
    bool running_ = false;
    bool failed_ = false;
    bool stored_ = false;  // the test file is on the server
};

} // namespace tarvin::publish
