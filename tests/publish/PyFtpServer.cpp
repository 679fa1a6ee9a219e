#include "PyFtpServer.h"

#include "EventLoop.h"

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
import sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
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
    process_.setStandardErrorFile(QProcess::nullDevice());
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

PyFtpServer::~PyFtpServer()
{
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

} // namespace tarvin::publish::test
