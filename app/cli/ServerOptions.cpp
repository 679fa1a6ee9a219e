#include "app/cli/ServerOptions.h"

#include "document/TextUtil.h"
#include "publish/VisibleText.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

namespace tarvin::cli {

using publish::ProfileStore;
using publish::ServerProfile;
using publish::VisibleText;

const std::set<std::string> ServerValueOptions{"--host",    "--port",    "--user",   "--password-env",
                                               "--dir",     "--timeout", "--ca-file", "--trust-fingerprint"};
const std::set<std::string> ServerFlagOptions{"--passive", "--active", "--tls"};

const char* const ServerOptionsUsage =
    "  --host, --port    the FTP server (port 21 by default)\n"
    "  --user            the login name\n"
    "  --password-env    the environment variable that holds the password\n"
    "  --dir             the remote folder (default: the login folder)\n"
    "  --passive         passive data connections (EPSV, else PASV): works behind routers and firewalls\n"
    "  --active          active data connections (PORT); the default without a profile\n"
    "                    (with a profile, the default is the profile's setting)\n"
    "  --timeout         give up after this many seconds without a reply or transfer progress\n"
    "                    (default: the profile's setting, else 60)\n"
    "  --tls             FTP over TLS: the password and the files travel encrypted; a server\n"
    "                    without it is refused, never used in clear text\n"
    "  --ca-file FILE    trust the certificates in FILE besides the system's\n"
    "  --trust-fingerprint SHA256\n"
    "                    trust the server's certificate when it has this SHA-256 fingerprint\n"
    "                    (64 hexadecimal digits, colons allowed), although it does not verify\n";

namespace {

constexpr int ProgressIntervalMs = 500;

std::optional<std::string> FingerprintOption(const ParsedOptions& options)
{
    const auto text = options.Value("--trust-fingerprint");
    if (!text)
        return std::nullopt;
    const auto fingerprint = publish::NormalFingerprint(*text);
    if (!fingerprint)
        throw UsageError("--trust-fingerprint needs a SHA-256 fingerprint: 64 hexadecimal digits, colons allowed");
    return fingerprint;
}

// The data connection, timeout and TLS options over the profile's own settings.
void ApplyConnectionOptions(const ParsedOptions& options, ServerProfile& profile)
{
    if (options.Flag("--passive") && options.Flag("--active"))
        throw UsageError("--passive and --active exclude each other");
    if (options.Flag("--passive"))
        profile.Passive = true;
    if (options.Flag("--active"))
        profile.Passive = false;
    if (options.Flag("--tls"))
        profile.Tls = true;
    if (const auto file = options.Value("--ca-file"))
        profile.CaFile = std::filesystem::absolute(*file).lexically_normal().string();
    if (!profile.Tls && (options.Value("--ca-file") || options.Value("--trust-fingerprint")))
        throw UsageError("--ca-file and --trust-fingerprint apply to FTP over TLS only (--tls)");
    FingerprintOption(options);  // refuses a malformed one early
    if (const auto text = options.Value("--timeout")) {
        try {
            const int seconds = StrToInt(*text);
            if (seconds > 0 && seconds <= ServerProfile::MaxTimeout) {
                profile.Timeout = seconds;
                return;
            }
        } catch (const EConvertError&) {
        }
        throw UsageError("--timeout needs a number of seconds from 1 to " + std::to_string(ServerProfile::MaxTimeout));
    }
}

} // namespace

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
    ApplyConnectionOptions(options, profile);
    return profile;
}

ServerProfile ChosenProfile(const ParsedOptions& options, std::optional<std::string>& name)
{
    name = options.Value("--profile");
    if (!name)
        return ProfileFromOptions(options);
    for (const char* server : {"--host", "--port", "--user", "--password-env", "--dir"})
        if (options.Value(server))
            throw UsageError(std::string("--profile and ") + server + " exclude each other");
    ProfileStore store(ProfileStore::DefaultSettingsFile());
    if (!store.Contains(*name))
        throw std::runtime_error("there is no server profile named '" + *name + "'");
    ServerProfile profile = store.LoadProfile(*name);
    ApplyConnectionOptions(options, profile);
    return profile;
}

CliPrompts::CliPrompts(CommandContext& context, const publish::TFtpClient& ftp, const ParsedOptions& options,
                       std::optional<std::string> profileName)
    : context_(context), ftp_(ftp), createDir_(options.Flag("--create-dir")),
      trustFingerprint_(FingerprintOption(options)), profileName_(std::move(profileName))
{
    sinceProgress_.start();
}

void CliPrompts::Progress(const std::string& label)
{
    // Byte counts come per block: show them only now and then.
    const bool count = label.size() > 6 && label.compare(label.size() - 6, 6, " bytes") == 0;
    if (count && sinceProgress_.elapsed() < ProgressIntervalMs)
        return;
    sinceProgress_.restart();
    context_.err << VisibleText(label) << "\n";
}

void CliPrompts::Busy(bool busy)
{
    if (!busy)
        ended = true;
}

bool CliPrompts::AskYesNo(const std::string& question)
{
    context_.err << VisibleText(question) << (createDir_ ? " Yes" : " No") << "\n";
    if (!createDir_)
        declined_ = "Error " + ftp_.ErrorMessage();
    return createDir_;
}

void CliPrompts::Warning(const std::string& text)
{
    context_.err << VisibleText(text.rfind("Error ", 0) == 0 ? text : "Error " + text) << "\n";
    failed = true;
}

void CliPrompts::Information(const std::string& text)
{
    context_.out << VisibleText(text) << "\n";
    completed = true;
}

void CliPrompts::Completed(const std::string& text, const std::string& note)
{
    context_.out << VisibleText(text) << "\n" << VisibleText(note) << "\n";
    completed = true;
}

bool CliPrompts::TrustCertificate(const publish::CertificateReport& report)
{
    // The report's texts are shown safely already; its line breaks are meant.
    const bool trusted = trustFingerprint_ == report.fingerprint;
    context_.err << report.Question() << (trusted ? " Yes" : " No") << "\n";
    if (!trusted) {
        context_.err << (trustFingerprint_ ? "It does not match --trust-fingerprint.\n"
                                           : "To trust it, check the fingerprint with your provider and pass "
                                             "--trust-fingerprint " + report.fingerprint + "\n");
        return false;
    }
    if (profileName_) {
        ProfileStore(ProfileStore::DefaultSettingsFile()).SetTrustedFingerprint(*profileName_, report.fingerprint);
        context_.err << "The fingerprint is kept with the profile " << VisibleText(*profileName_) << ".\n";
    }
    return true;
}

void CliPrompts::ReportDeclined()
{
    if (!failed && !declined_.empty()) {
        context_.err << declined_ << "\n";
        failed = true;
    }
}

void TraceTo(CommandContext& context, publish::TFtpClient& ftp)
{
    ftp.OnDisplay = [&context](const std::string& line) {
        context.err << (line.rfind("> PASS ", 0) == 0 ? std::string("> PASS ****") : line) << "\n";
    };
}

std::unique_ptr<QCoreApplication> EventLoopApplication(CommandContext& context)
{
    if (QCoreApplication::instance())
        return nullptr;
    return std::make_unique<QCoreApplication>(context.argc, context.argv);
}

void RunUntilEnded(const CliPrompts& prompts)
{
    // The client's idle timeout ends every request that stalls, so the work always ends.
    while (!prompts.ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace tarvin::cli
