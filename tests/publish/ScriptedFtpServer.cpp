#include "ScriptedFtpServer.h"

#include <QStringList>
#include <QTimer>

namespace tarvin::publish::test {

ScriptedFtpServer::ScriptedFtpServer()
{
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
        control_ = server_.nextPendingConnection();
        QObject::connect(control_, &QTcpSocket::disconnected, [this] { controlClosed = true; });
        QObject::connect(control_, &QTcpSocket::readyRead, [this] {
            pending_ += control_->readAll();
            for (int end; (end = pending_.indexOf("\r\n")) >= 0;) {
                const std::string line = pending_.left(end).toStdString();
                pending_.remove(0, end + 2);
                Command(line);
            }
        });
        control_->write(greeting);
    });
}

void ScriptedFtpServer::Command(const std::string& line)
{
    commands.push_back(line);
    const std::string verb = line.substr(0, line.find(' '));
    if (verb == "PORT") {
        const QStringList parts = QString::fromStdString(line.substr(5)).split(',');
        dataPort_ = parts.value(4).toInt() * 256 + parts.value(5).toInt();
    }
    if (verb == "STOR") {
        Store();
        return;
    }
    const auto reply = replies.find(verb);
    control_->write(reply != replies.end() ? reply->second : QByteArray("200 OK\r\n"));
    if (verb == "QUIT")
        control_->disconnectFromHost();
}

void ScriptedFtpServer::Store()
{
    stored.clear();
    data_ = std::make_unique<QTcpSocket>();
    QTcpSocket* data = data_.get();
    QObject::connect(data, &QTcpSocket::readyRead, [this, data] {
        stored += data->readAll();
        if (stor == StorScript::CloseControlMidData && control_->state() == QAbstractSocket::ConnectedState)
            control_->abort();
    });
    QObject::connect(data, &QTcpSocket::disconnected, [this, data] {
        stored += data->readAll();
        if (stor != StorScript::FinalBeforeDataClose && control_->state() == QAbstractSocket::ConnectedState)
            control_->write("226 stored\r\n");
    });
    QObject::connect(data, &QTcpSocket::connected, [this] {
        if (stor == StorScript::ConnectThenReply)
            QTimer::singleShot(50, control_, [this] { control_->write(storReply); });
        if (stor == StorScript::FinalBeforeDataClose)
            control_->write(storReply + "226 stored already\r\n");
    });
    if (stor == StorScript::ReplyThenConnect || stor == StorScript::CloseControlMidData)
        control_->write(storReply);
    data->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(dataPort_));
}

} // namespace tarvin::publish::test
