#pragma once
// The server options that tarvin-cli publish, test-server and profiles add
// share, and the prompts that answer the FTP session's questions from them.

#include "app/cli/Commands.h"
#include "app/cli/Options.h"

#include "publish/FtpClient.h"
#include "publish/ProfileStore.h"
#include "publish/UploadPrompts.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>
#include <optional>
#include <set>
#include <string>

namespace tarvin::cli {

// Options that take a value / stand alone, for every command that reaches a server.
extern const std::set<std::string> ServerValueOptions;
extern const std::set<std::string> ServerFlagOptions;

// The lines of the usage texts that describe them.
extern const char* const ServerOptionsUsage;

// The server settings given as options; the password only through the environment.
publish::ServerProfile ProfileFromOptions(const ParsedOptions& options);

// --profile NAME (with the data connection and TLS options over it), or the
// server options; name is set to the profile's name when one is used.
publish::ServerProfile ChosenProfile(const ParsedOptions& options, std::optional<std::string>& name);

// Answers the session's questions from the options and reports on the streams.
class CliPrompts : public publish::UploadPrompts {
public:
    CliPrompts(CommandContext& context, const publish::TFtpClient& ftp, const ParsedOptions& options,
               std::optional<std::string> profileName);

    void Progress(const std::string& label) override;
    void Busy(bool busy) override;
    bool AskYesNo(const std::string& question) override;
    void Warning(const std::string& text) override;
    void Information(const std::string& text) override;
    void Completed(const std::string& text, const std::string& note) override;
    bool TrustCertificate(const publish::CertificateReport& report) override;

    // The error of a question answered No, which ends the upload without a message of its own.
    void ReportDeclined();

    bool ended = false;
    bool completed = false;
    bool failed = false;

private:
    CommandContext& context_;
    const publish::TFtpClient& ftp_;
    bool createDir_;
    std::optional<std::string> trustFingerprint_;
    std::optional<std::string> profileName_;
    std::string declined_;
    QElapsedTimer sinceProgress_;
};

// Prints the FTP conversation on the error stream, the password hidden.
void TraceTo(CommandContext& context, publish::TFtpClient& ftp);

// The application object the sockets' event loop needs, unless one exists.
std::unique_ptr<QCoreApplication> EventLoopApplication(CommandContext& context);

// Runs the Qt event loop until the prompts say the work has ended.
void RunUntilEnded(const CliPrompts& prompts);

} // namespace tarvin::cli
