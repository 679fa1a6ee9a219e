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

PyFtpServer::PyFtpServer()
{
    port_ = FreeLoopbackPort();
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.start("/usr/bin/python3", {"-m", "pyftpdlib", "-i", "127.0.0.1", "-p", QString::number(port_),
                                        "-d", root_.path(), "-u", User, "-P", Password, "-w"});
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
