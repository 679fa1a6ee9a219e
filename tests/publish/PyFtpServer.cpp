#include "PyFtpServer.h"

#include "EventLoop.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace tarvin::publish::test {

int FreeLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

namespace {

// pyftpdlib's own command line has no switch for refusing commands, for
// masquerading or for TLS, so the server is set up here.
constexpr const char* ServerScript = R"(
import logging
import sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.log import config_logging
from pyftpdlib.servers import FTPServer
port, root, user, password, refused, masquerade, certfile, required = sys.argv[1:9]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmwMT")
base = FTPHandler
if certfile:
    from pyftpdlib.handlers import TLS_FTPHandler as base
class Handler(base):
    pass
Handler.authorizer = authorizer
Handler.proto_cmds = {name: value for name, value in base.proto_cmds.items() if name not in refused.split(",")}
if masquerade:
    Handler.masquerade_address = masquerade
if certfile:
    Handler.certfile = certfile
    Handler.tls_control_required = Handler.tls_data_required = required == "1"
config_logging(level=logging.DEBUG)
FTPServer(("127.0.0.1", int(port)), Handler).serve_forever()
)";

} // namespace

PyFtpServer::PyFtpServer(const PyFtpOptions& options)
{
    port_ = options.port != 0 ? options.port : FreeLoopbackPort();
    QStringList refused;
    if (options.passiveOnly)
        refused << "PORT" << "EPRT";
    if (options.noEpsv)
        refused << "EPSV";
    process_.setStandardOutputFile(QProcess::nullDevice());
    // The log has every command the server receives.
    process_.setStandardErrorFile(LogFile());
    process_.start("/usr/bin/python3", {"-c", ServerScript, QString::number(port_), root_.path(), User, Password,
                                        refused.join(','), QString::fromStdString(options.masquerade),
                                        QString::fromStdString(options.certFile), options.tlsRequired ? "1" : "0"});
    if (!process_.waitForStarted(5000))
        return;
    // Ready once it accepts a connection; give up after a few seconds.
    started_ = RunUntil([this] {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port_));
        return probe.waitForConnected(200);
    }, 10000);
}

QString PyFtpServer::LogFile() const
{
    return logs_.filePath("pyftpdlib.log");
}

std::vector<std::string> PyFtpServer::Commands() const
{
    QFile log(LogFile());
    std::vector<std::string> commands;
    if (!log.open(QIODevice::ReadOnly))
        return commands;
    // Lines like "[D 2024-01-01 10:00:00] 127.0.0.1:5000-[tester] <- STOR a.gif".
    const QByteArray marker = "] <- ";
    for (const QByteArray& line : log.readAll().split('\n'))
        if (const qsizetype at = line.indexOf(marker); at >= 0)
            commands.push_back(line.mid(at + marker.size()).trimmed().toStdString());
    return commands;
}

PyFtpServer::~PyFtpServer()
{
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

} // namespace tarvin::publish::test
