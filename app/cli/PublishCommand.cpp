// tarvin-cli publish and tarvin-cli profiles: "Send to web" and the server
// profiles of the upload wizard, driven from the command line.
#include "app/cli/Commands.h"
#include "app/cli/Options.h"

#include "document/DocumentFile.h"
#include "document/TextUtil.h"
#include "publish/UploadList.h"
#include "publish/UploadSession.h"
#include "publish/VisibleText.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>

namespace tarvin::cli {

using publish::ProfileStore;
using publish::ServerProfile;

namespace {

constexpr const char* PublishUsage =
    "Usage: tarvin-cli publish FILE --host H [--port P] --user U [--password-env VAR] [--dir D] [OPTIONS]\n"
    "       tarvin-cli publish FILE --profile NAME [OPTIONS]\n"
    "Uploads a saved page (FILE: its .tvd document or its HTML file) with its pictures by FTP.\n"
    "  --host, --port    the FTP server (port 21 by default)\n"
    "  --user            the login name\n"
    "  --password-env    the environment variable that holds the password\n"
    "  --dir             the remote folder (default: the login folder)\n"
    "  --profile         use a stored server profile instead\n"
    "Options:\n"
    "  --program-folder  the program folder (default: the executable's folder)\n"
    "  --passive         passive data connections (EPSV, else PASV): works behind routers and firewalls\n"
    "  --active          active data connections (PORT); the default without a profile\n"
    "                    (with a profile, the default is the profile's setting)\n"
    "  --create-dir      create a missing remote folder and its parents (otherwise the upload stops)\n"
    "  --trace           print the FTP conversation (the password is hidden)\n"
    "  --timeout         give up after this many seconds without a reply or transfer progress\n"
    "                    (default: the profile's setting, else 60)\n";

constexpr const char* ProfilesUsage =
    "Usage: tarvin-cli profiles list\n"
    "       tarvin-cli profiles add NAME --host H [--port P] [--user U] [--password-env VAR] [--dir D]\n"
    "                                    [--passive | --active] [--timeout SECONDS]\n"
    "       tarvin-cli profiles remove NAME\n"
    "Lists, adds or removes the server profiles of the upload wizard.\n";

constexpr int ProgressIntervalMs = 500;
constexpr int MaxTimeoutSeconds = 24 * 3600;

// --passive or --active when given; otherwise the profile keeps its own setting.
void ApplyDataConnectionOptions(const ParsedOptions& options, ServerProfile& profile)
{
    if (options.Flag("--passive") && options.Flag("--active"))
        throw UsageError("--passive and --active exclude each other");
    if (options.Flag("--passive"))
        profile.Passive = true;
    if (options.Flag("--active"))
        profile.Passive = false;
    if (const auto text = options.Value("--timeout")) {
        try {
            const int seconds = StrToInt(*text);
            if (seconds > 0 && seconds <= MaxTimeoutSeconds) {
                profile.Timeout = seconds;
                return;
            }
        } catch (const EConvertError&) {
        }
        throw UsageError("--timeout needs a number of seconds from 1 to " + std::to_string(MaxTimeoutSeconds));
    }
}

// The server settings given as options; the password only through the environment.
ServerProfile ProfileFromOptions(const ParsedOptions& options)
{
    ServerProfile profile;
    profile.HostName = options.Value("--host").value_or("");
    profile.Port = options.Value("--port").value_or("21");
    profile.UserName = options.Value("--user").value_or("");
    profile.HostDirName = options.Value("--dir").value_or("");
    if (const auto variable = options.Value("--password-env")) {
        const char* password = std::getenv(variable->c_str());
        if (!password)
            throw UsageError("the environment variable " + *variable + " is not set");
        profile.PassWord = password;
    }
    ApplyDataConnectionOptions(options, profile);
    return profile;
}

// Answers the session's questions from the options and reports on the streams.
class CliPrompts : public publish::UploadPrompts {
public:
    CliPrompts(CommandContext& context, const publish::TFtpClient& ftp, bool createDir)
        : context_(context), ftp_(ftp), createDir_(createDir)
    {
        sinceProgress_.start();
    }

    void Progress(const std::string& label) override
    {
        // Byte counts come per block: show them only now and then.
        const bool count = label.size() > 6 && label.compare(label.size() - 6, 6, " bytes") == 0;
        if (count && sinceProgress_.elapsed() < ProgressIntervalMs)
            return;
        sinceProgress_.restart();
        context_.err << publish::VisibleText(label) << "\n";
    }

    void Busy(bool busy) override
    {
        if (!busy)
            ended = true;
    }

    bool AskYesNo(const std::string& question) override
    {
        context_.err << publish::VisibleText(question) << (createDir_ ? " Yes" : " No") << "\n";
        if (!createDir_)
            declined_ = "Error " + ftp_.ErrorMessage();
        return createDir_;
    }

    void Warning(const std::string& text) override
    {
        context_.err << publish::VisibleText(text.rfind("Error ", 0) == 0 ? text : "Error " + text) << "\n";
        failed = true;
    }

    void Information(const std::string& text) override
    {
        context_.out << publish::VisibleText(text) << "\n";
        completed = true;
    }

    // The error of a question answered No, which ends the upload without a message of its own.
    void ReportDeclined()
    {
        if (!failed && !declined_.empty()) {
            context_.err << declined_ << "\n";
            failed = true;
        }
    }

    bool ended = false;
    bool completed = false;
    bool failed = false;

private:
    CommandContext& context_;
    const publish::TFtpClient& ftp_;
    bool createDir_;
    std::string declined_;
    QElapsedTimer sinceProgress_;
};

bool HasExtension(const std::string& file, const char* extension)
{
    return SameText(std::filesystem::path(file).extension().string(), extension);
}

// The page document behind FILE: FILE itself, or for an HTML file the document
// saved under TarvinFiles/ with that name, with or without its blanks.
std::string PageDocument(const std::string& file, const std::string& programFolder)
{
    if (HasExtension(file, ".tvd"))
        return file;
    const std::string stem = std::filesystem::path(file).stem().string();
    const std::filesystem::path documents = programFolder + "TarvinFiles";
    const auto exact = documents / (stem + ".tvd");
    if (std::filesystem::is_regular_file(exact))
        return exact.string();
    std::vector<std::string> matches;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(documents, error))
        if (HasExtension(entry.path().string(), ".tvd") && RemoveSpaces(entry.path().stem().string()) == RemoveSpaces(stem))
            matches.push_back(entry.path().string());
    if (matches.empty())
        throw std::runtime_error("no saved page document for " + file + " in " + documents.string() + "/");
    std::sort(matches.begin(), matches.end());
    return matches.front();
}

ServerProfile ChosenProfile(const ParsedOptions& options)
{
    const auto name = options.Value("--profile");
    if (!name)
        return ProfileFromOptions(options);
    for (const char* server : {"--host", "--port", "--user", "--password-env", "--dir"})
        if (options.Value(server))
            throw UsageError(std::string("--profile and ") + server + " exclude each other");
    ProfileStore store(ProfileStore::DefaultSettingsFile());
    if (!store.Contains(*name))
        throw std::runtime_error("there is no server profile named '" + *name + "'");
    ServerProfile profile = store.LoadProfile(*name);
    ApplyDataConnectionOptions(options, profile);
    return profile;
}

int Publish(CommandContext& context)
{
    const auto options = ParseOptions(
        context.args,
        {"--program-folder", "--host", "--port", "--user", "--password-env", "--dir", "--profile", "--timeout"},
        {"--create-dir", "--trace", "--passive", "--active"});
    if (options.positional.size() != 1)
        throw UsageError("expects one FILE");
    const std::string programFolder = FolderArgument(options.Value("--program-folder").value_or(context.programFolder));
    const ServerProfile profile = ChosenProfile(options);

    const std::string documentName = PageDocument(options.positional[0], programFolder);
    auto read = ReadDocument(documentName);
    if (!read.Ok()) {
        context.err << documentName << ": " << read.error << "\n";
        return 1;
    }

    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(context.argc, context.argv);
    publish::TFtpClient ftp;
    CliPrompts prompts(context, ftp, options.Flag("--create-dir"));
    publish::UploadSession session(ftp, prompts);
    std::vector<std::string> leftOut;
    session.Files = publish::UploadListForPage(*read.document, documentName, programFolder, &leftOut);
    for (const std::string& line : leftOut)
        context.err << publish::VisibleText(line) << "\n";
    if (options.Flag("--trace"))
        ftp.OnDisplay = [&](const std::string& line) {
            context.err << (line.rfind("> PASS ", 0) == 0 ? std::string("> PASS ****") : line) << "\n";
        };

    // The client's idle timeout ends every request that stalls, so the session always ends.
    session.Send(profile);
    const bool started = !prompts.failed;
    while (started && !prompts.ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    prompts.ReportDeclined();
    return prompts.completed && !prompts.failed ? 0 : 1;
}

int Profiles(CommandContext& context)
{
    const auto options = ParseOptions(context.args, {"--host", "--port", "--user", "--password-env", "--dir", "--timeout"},
                                      {"--passive", "--active"});
    const auto& words = options.positional;
    ProfileStore store(ProfileStore::DefaultSettingsFile());
    const std::string action = words.empty() ? "" : words[0];
    if (action == "list" && words.size() == 1) {
        for (const std::string& name : store.ListProfiles())
            context.out << publish::VisibleText(name) << "\n";
        return 0;
    }
    if (action == "add" && words.size() == 2) {
        if (!options.Value("--host"))
            throw UsageError("add needs --host");
        for (const std::string& existing : store.ListProfiles())
            if (SameText(existing, words[1])) {
                context.err << "There is already a server profile with this name.\n";
                return 1;
            }
        store.SaveProfile(words[1], "", ProfileFromOptions(options));
        return 0;
    }
    if (action == "remove" && words.size() == 2) {
        if (!store.Contains(words[1])) {
            context.err << "tarvin-cli profiles: there is no server profile named '" << words[1] << "'\n";
            return 1;
        }
        store.DeleteProfile(words[1]);
        return 0;
    }
    throw UsageError("expects list, add NAME or remove NAME");
}

} // namespace

int RunPublish(CommandContext& context) { return RunCommand(context, "publish", PublishUsage, Publish); }

int RunProfiles(CommandContext& context) { return RunCommand(context, "profiles", ProfilesUsage, Profiles); }

} // namespace tarvin::cli
