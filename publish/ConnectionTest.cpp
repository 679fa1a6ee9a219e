#include "publish/ConnectionTest.h"

#include "publish/SocketErrors.h"
#include "publish/UploadSession.h"
#include "publish/VisibleText.h"

#include <QDir>
#include <QRandomGenerator>

namespace tarvin::publish {

namespace {

constexpr const char* TestFileText = "This file was stored by the connection test of Ostrel Tarvin and can be deleted.\r\n";

bool IsDataConnectionError(int error)
{
    return error == 425 || error == 426 || error >= 10000;
}

bool IsPermissionError(int error)
{
    return error == 450 || error == 452 || error == 532 || error == 550 || error == 552 || error == 553;
}

} // namespace

ConnectionTest::ConnectionTest(TFtpClient& ftp, UploadPrompts& prompts)
    : ftp_(ftp), prompts_(prompts), folder_(ftp, prompts, [this](const std::string& label) { prompts_.Progress(label); })
{
    ftp_.OnRequestDone = [this](TFtpRequest request, std::uint16_t error) { RequestDone(request, error); };
    ftp_.OnSessionConnected = [this](std::uint16_t) {
        Passed(VisibleText(profile_.HostName) + " answered: " + ftp_.ReplyLine());
        stage_ = profile_.Tls ? Stage::Secure : Stage::LogIn;
    };
    ftp_.OnCommand = [this](std::string& command) { CommandSent(command); };
    ftp_.OnUntrustedCertificate = [this](const CertificateReport& report) { return prompts_.TrustCertificate(report); };
}

template <class Request>
void ConnectionTest::Start(Request request)
{
    try {
        request();
    } catch (const std::exception& e) {
        Failed(e.what(), "Check the profile's settings.");
        Finish();
    }
}

void ConnectionTest::Run(const ServerProfile& profile)
{
    profile_ = profile;
    stage_ = Stage::Connect;
    failed_ = stored_ = false;
    running_ = true;
    prompts_.Busy(true);
    if (profile.HostName.empty()) {
        Failed("The profile has no web server address.", "Enter the address your provider gives, such as ftp.example.org.");
        Finish();
        return;
    }
    testFile_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/tarvin-test-XXXXXX.txt");
    if (!testFile_->open() || testFile_->write(TestFileText) < 0 || !testFile_->flush()) {
        Failed("No test file could be made in " + QDir::tempPath().toStdString() + ".", "Check the temporary folder.");
        Finish();
        return;
    }
    testName_ = "tarvin-test-" + QString::number(QRandomGenerator::global()->generate(), 16).toStdString() + ".txt";
    ApplyProfile(ftp_, profile);
    prompts_.Progress("Connecting to " + profile.HostName + "...");
    Start([this] { ftp_.RequestConnect(); });
}

void ConnectionTest::CommandSent(const std::string& command)
{
    // Parts of the connect request show in the commands it sends.
    const std::string verb = command.substr(0, command.find(' '));
    if (verb == "USER" && stage_ == Stage::Secure) {
        Passed("The connection is encrypted: " + ftp_.SecurityDescription() + ".");
        stage_ = Stage::LogIn;
    } else if (verb == "PBSZ" && stage_ == Stage::LogIn) {
        Passed("Logged in.");
        stage_ = Stage::Encrypt;
    }
}

void ConnectionTest::RequestDone(TFtpRequest request, int error)
{
    if (!running_)
        return;
    if (request == TFtpRequest::rqQuit) {
        if (!failed_)
            Passed("Disconnected.");
        Finish();
        return;
    }
    const std::string reply = ftp_.ErrorMessage();
    switch (request) {
    case TFtpRequest::rqConnect:
        if (error != 0) {
            if (stage_ == Stage::Connect)
                Failed(reply, ConnectAdvice(error));
            else if (stage_ == Stage::Secure)
                Failed(reply, SecureAdvice(reply));
            else if (stage_ == Stage::LogIn)
                Failed(reply, LoginAdvice(error, reply));
            else
                Failed(reply, "The server does not encrypt file transfers. Ask your provider.");
            Finish();
            return;
        }
        Passed(stage_ == Stage::Encrypt ? "File transfers will be encrypted." : "Logged in.");
        stage_ = Stage::Folder;
        FolderOutcome(folder_.Enter(profile_.HostDirName));
        return;
    case TFtpRequest::rqCwd:
    case TFtpRequest::rqMkd:
    case TFtpRequest::rqPwd:
        FolderOutcome(folder_.RequestDone(request, error));
        return;
    case TFtpRequest::rqTypeSet:
        if (error != 0) {
            Failed(reply, "The server does not take files byte for byte. Ask your provider.");
            Finish();
            return;
        }
        Start([this] { ftp_.RequestPut(); });
        return;
    case TFtpRequest::rqPut:
        if (error != 0) {
            Failed(reply, StoreAdvice(error));
            Finish();
            return;
        }
        stored_ = true;
        Passed("Stored " + testName_ + " (" + std::to_string(ftp_.ByteCount()) + " bytes).");
        stage_ = Stage::Size;
        Start([this] { ftp_.RequestSize(); });
        return;
    case TFtpRequest::rqSize:
        SizeKnown(error);
        return;
    case TFtpRequest::rqDele:
        if (error != 0)
            Failed(reply, "Delete " + testName_ + " from the folder by hand; uploads work all the same.");
        else
            Passed("Deleted " + testName_ + ".");
        stage_ = Stage::Quit;
        Start([this] { ftp_.RequestQuit(); });
        return;
    default:
        return;
    }
}

void ConnectionTest::FolderOutcome(RemoteFolder::Outcome outcome)
{
    switch (outcome) {
    case RemoteFolder::Outcome::Pending:
        return;
    case RemoteFolder::Outcome::Entered:
        Passed(profile_.HostDirName.empty() ? "Using the login folder."
                                            : std::string(folder_.Created() ? "Created and entered " : "Entered ")
                                                  + VisibleText(profile_.HostDirName) + ".");
        stage_ = Stage::Store;
        ftp_.HostFileName = testName_;
        ftp_.LocalFileName = testFile_->fileName().toStdString();
        Start([this] { ftp_.RequestTypeSet(); });
        return;
    case RemoteFolder::Outcome::Declined:
        Failed("The folder does not exist.", "Let it be created, or correct the initial folder in the profile.");
        break;
    case RemoteFolder::Outcome::Failed:
        Failed(folder_.Error(), "Check the folder's name, or create it with your provider's tools.");
        break;
    }
    Finish();
}

void ConnectionTest::SizeKnown(int error)
{
    const std::int64_t sent = ftp_.ByteCount();
    if (error == 0 && ftp_.RemoteSize() == sent)
        Passed("The server holds the file with the " + std::to_string(sent) + " bytes sent.");
    else if (error == 0)
        Failed("The server holds " + std::to_string(ftp_.RemoteSize()) + " bytes of the " + std::to_string(sent)
                   + " sent.",
               "The server changes files as it stores them, so uploads cannot be trusted. Ask your provider.");
    else if (CommandUnknown(error))
        Passed("The server cannot tell file sizes, so uploads cannot be verified.");
    else
        Failed(ftp_.ErrorMessage(), "The server does not tell the size of the file just stored. Ask your provider.");
    Delete();
}

void ConnectionTest::Delete()
{
    stage_ = Stage::Delete;
    if (!ftp_.ControlOpen()) {
        Finish();
        return;
    }
    Start([this] { ftp_.RequestDele(); });
}

std::string ConnectionTest::Title() const
{
    switch (stage_) {
    case Stage::Connect:
        return "Connect to " + VisibleText(profile_.HostName) + ", port " + VisibleText(profile_.Port);
    case Stage::Secure:
        return "Secure the connection (TLS)";
    case Stage::LogIn:
        return "Log in as " + VisibleText(profile_.UserName);
    case Stage::Encrypt:
        return "Encrypt file transfers";
    case Stage::Folder:
        return profile_.HostDirName.empty() ? "Open the login folder" : "Open the folder " + VisibleText(profile_.HostDirName);
    case Stage::Store:
        return std::string("Store a test file (") + (profile_.Passive ? "passive" : "active") + " mode)";
    case Stage::Size:
        return "Check its size";
    case Stage::Delete:
        return "Delete the test file";
    case Stage::Quit:
        return "Disconnect";
    }
    return {};
}

std::string ConnectionTest::ConnectAdvice(int error) const
{
    const std::string host = VisibleText(profile_.HostName);
    if (error == wsaHostNotFound || error == 11002 || error == 11004)
        return "No computer named " + host + " was found. Check the web server address for typing errors.";
    if (error == 10061)
        return host + " answers, but not on port " + VisibleText(profile_.Port)
               + ". Check the port: FTP uses 21 unless your provider says otherwise.";
    if (error == wsaeTimedOut && profile_.Port == "990")
        return "Port 990 is for implicit FTPS, which this program does not use: choose port 21 and FTP over TLS.";
    if (error == wsaeTimedOut)
        return host + " did not answer in time. Check the address and the port, and whether a firewall blocks FTP.";
    if (error == 10051 || error == 10065)
        return host + " cannot be reached from this computer. Check the network connection.";
    if (error < 1000)
        return "The server turned the connection away. Try again later, or ask your provider.";
    return "Check the web server address and the port.";
}

std::string ConnectionTest::SecureAdvice(const std::string& reply)
{
    if (reply.find("certificate") != std::string::npos)
        return "If you know this server, compare the fingerprint with the one your provider gives, and trust the "
               "certificate only if they match.";
    if (reply.find("TLS handshake failed") != std::string::npos)
        return "The secure connection could not be set up. Ask your provider which secure FTP settings the server "
               "uses.";
    return "The server does not offer FTP over TLS. Ask your provider for its secure FTP settings; plain FTP sends "
           "your password unprotected.";
}

// Servers that insist on encryption refuse a clear-text login, some with 534,
// others with 530 or 550 and words about TLS or SSL.
std::string ConnectionTest::LoginAdvice(int error, const std::string& reply) const
{
    const bool wantsTls = error == 534 || reply.find("TLS") != std::string::npos || reply.find("SSL") != std::string::npos;
    if (!profile_.Tls && wantsTls)
        return "The server takes logins over an encrypted connection only: choose FTP over TLS.";
    return "Check the user name and the password (letter case counts).";
}

std::string ConnectionTest::StoreAdvice(int error) const
{
    if (IsDataConnectionError(error))
        return profile_.Passive ? "The data connection could not be made. Try active mode, or ask your provider "
                                  "which ports its firewall lets through."
                                : "The data connection could not be made. Try passive mode (works behind routers "
                                  "and firewalls).";
    if (IsPermissionError(error))
        return "You may not store files in this folder. Check the folder, and ask your provider about your rights.";
    return "The server refused the file. Ask your provider.";
}

void ConnectionTest::Passed(const std::string& outcome)
{
    if (OnStep)
        OnStep({Title(), true, outcome, {}});
}

void ConnectionTest::Failed(const std::string& outcome, const std::string& advice)
{
    failed_ = true;
    if (OnStep)
        OnStep({Title(), false, outcome, advice});
}

void ConnectionTest::Finish()
{
    // After a failure the connection is still closed politely; the end comes with QUIT's completion.
    if (stage_ != Stage::Quit && ftp_.ControlOpen() && ftp_.State() == TFtpState::ftpsReady) {
        if (stored_ && stage_ != Stage::Delete) {
            Delete();
            return;
        }
        stage_ = Stage::Quit;
        Start([this] { ftp_.RequestQuit(); });
        return;
    }
    if (!running_)
        return;
    running_ = false;
    testFile_.reset();
    prompts_.Busy(false);
    if (OnFinished)
        OnFinished(!failed_);
}

} // namespace tarvin::publish
