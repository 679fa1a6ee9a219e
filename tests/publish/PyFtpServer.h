#pragma once
// Debian's pyftpdlib on 127.0.0.1 with a temporary user and folder, for the
// tests that need a real FTP server.

#include <QProcess>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace tarvin::publish::test {

struct PyFtpOptions {
    bool passiveOnly = false;  // PORT and EPRT are refused as unknown commands
    bool noEpsv = false;       // EPSV is refused, so clients fall back to PASV
    std::string masquerade;    // the address PASV replies name instead of the server's
    std::string certFile{};    // FTP over TLS with this certificate and key
    bool tlsRequired = false;  // refuse the login and data connections in clear text
    int port = 0;              // a free one when 0
};

class PyFtpServer {
public:
    static constexpr const char* User = "tester";
    static constexpr const char* Password = "s3cret";

    explicit PyFtpServer(const PyFtpOptions& options = {});
    ~PyFtpServer();

    bool Started() const { return started_; }
    int Port() const { return port_; }
    std::string Root() const { return root_.path().toStdString() + "/"; }
    // The command lines the server has received so far, in order ("STOR a.gif",
    // "QUIT"; the password shows as "PASS ******").
    std::vector<std::string> Commands() const;

private:
    QString LogFile() const;

    QTemporaryDir root_;
    QTemporaryDir logs_;  // not below root_, where a client could see it
    QProcess process_;
    int port_ = 0;
    bool started_ = false;
};

// A port on 127.0.0.1 that nothing listens on right now.
int FreeLoopbackPort();

} // namespace tarvin::publish::test
