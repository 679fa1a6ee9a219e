// tarvin-cli publish and tarvin-cli profiles: "Send to web" and the server
// profiles of the upload wizard, driven from the command line.
#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "app/cli/ServerOptions.h"

#include "document/DocumentFile.h"
#include "document/TextUtil.h"
#include "publish/UploadList.h"
#include "publish/UploadRecord.h"
#include "publish/UploadSession.h"
#include "publish/VisibleText.h"

#include <algorithm>
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
    "Each file is checked by its size on the server where the server can tell.\n"
    "  --profile         use a stored server profile instead of the server options\n"
    "Options:\n"
    "  --program-folder  the working folder (default: see tarvin-cli --help)\n"
    "  --create-dir      create a missing remote folder and its parents (otherwise the upload stops)\n"
    "  --changed-only    leave out the files unchanged since their last verified upload to this\n"
    "                    folder that the server still holds with that size\n"
    "  --trace           print the FTP conversation (the password is hidden)\n";

constexpr const char* ProfilesUsage =
    "Usage: tarvin-cli profiles list\n"
    "       tarvin-cli profiles add NAME --host H [--port P] [--user U] [--password-env VAR] [--dir D]\n"
    "                                    [--passive | --active] [--timeout SECONDS]\n"
    "                                    [--tls [--ca-file FILE] [--trust-fingerprint SHA256]]\n"
    "       tarvin-cli profiles remove NAME\n"
    "Lists, adds or removes the server profiles of the upload wizard.\n";

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

int Publish(CommandContext& context)
{
    std::set<std::string> values = ServerValueOptions, flags = ServerFlagOptions;
    values.insert({"--program-folder", "--profile"});
    flags.insert({"--create-dir", "--trace", "--changed-only"});
    const auto options = ParseOptions(context.args, values, flags);
    if (options.positional.size() != 1)
        throw UsageError("expects one FILE");
    const std::string programFolder = ProgramFolderOption(options, context);
    std::optional<std::string> profileName;
    const ServerProfile profile = ChosenProfile(options, profileName);

    const std::string documentName = PageDocument(options.positional[0], programFolder);
    auto read = ReadDocument(documentName);
    if (!read.Ok()) {
        context.err << documentName << ": " << read.error << "\n";
        return 1;
    }

    const auto application = EventLoopApplication(context);
    publish::TFtpClient ftp;
    CliPrompts prompts(context, ftp, options, profileName);
    publish::UploadSession session(ftp, prompts);
    session.RecordFolder = publish::UploadRecord::DefaultFolder();
    session.ChangedOnly = options.Flag("--changed-only");
    std::vector<std::string> leftOut;
    session.Files = publish::UploadListForPage(*read.document, documentName, programFolder, &leftOut);
    for (const std::string& line : leftOut)
        context.err << publish::VisibleText(line) << "\n";
    if (options.Flag("--trace"))
        TraceTo(context, ftp);

    session.Send(profile);
    if (!prompts.failed)
        RunUntilEnded(prompts);
    prompts.ReportDeclined();
    return prompts.completed && !prompts.failed ? 0 : 1;
}

int Profiles(CommandContext& context)
{
    const auto options = ParseOptions(context.args, ServerValueOptions, ServerFlagOptions);
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
        if (store.Contains(words[1])) {
            context.err << "There is already a server profile with this name.\n";
            return 1;
        }
        ServerProfile profile = ProfileFromOptions(options);
        if (const auto fingerprint = options.Value("--trust-fingerprint"))
            profile.TrustedFingerprint = *publish::NormalFingerprint(*fingerprint);
        store.SaveProfile(words[1], "", profile);
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

int RunPublish(CommandContext& context)
{
    static const std::string usage = std::string(PublishUsage) + "Server options:\n" + ServerOptionsUsage;
    return RunCommand(context, "publish", usage.c_str(), Publish);
}

int RunProfiles(CommandContext& context) { return RunCommand(context, "profiles", ProfilesUsage, Profiles); }

} // namespace tarvin::cli
