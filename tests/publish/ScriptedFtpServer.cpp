#include "ScriptedFtpServer.h"

#include <QStringList>
#include <QTimer>

#include <algorithm>

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

int ScriptedFtpServer::Count(const std::string& verb) const
{
    return static_cast<int>(std::count_if(commands.begin(), commands.end(), [&](const std::string& line) {
        return line.substr(0, line.find(' ')) == verb;
    }));
}

void ScriptedFtpServer::Command(const std::string& line)
{
    commands.push_back(line);
    const std::string verb = line.substr(0, line.find(' '));
    const std::string argument = line.size() > verb.size() + 1 ? line.substr(verb.size() + 1) : "";
    if (const auto scripted = lineReplies.find(line); scripted != lineReplies.end()) {
        control_->write(scripted->second);
        return;
    }
    if (verb == "PORT") {
        const QStringList parts = QString::fromStdString(argument).split(',');
        dataPort_ = parts.value(4).toInt() * 256 + parts.value(5).toInt();
        passive_.reset();
    }
    if (verb == "STOR") {
        Store(argument);
        return;
    }
    const auto reply = replies.find(verb);
    if (reply != replies.end())
        control_->write(reply->second);
    else if (verb == "EPSV" || verb == "PASV")
        control_->write(OpenPassivePort(verb));
    else if (folders && (verb == "CWD" || verb == "MKD"))
        control_->write(FolderReply(verb, argument));
    else if (verb == "SIZE" || verb == "DELE")
        control_->write(FileReply(verb, argument));
    else
        control_->write("200 OK\r\n");
    if (verb == "QUIT")
        control_->disconnectFromHost();
}

QByteArray ScriptedFtpServer::FolderReply(const std::string& verb, const std::string& argument)
{
    std::string path = argument.rfind('/', 0) == 0 ? argument.substr(1) : (cwd_.empty() ? "" : cwd_ + "/") + argument;
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    const auto exists = [this](const std::string& folder) { return folder.empty() || folders->count(folder) != 0; };
    if (verb == "CWD") {
        if (!exists(path))
            return "550 No such folder.\r\n";
        cwd_ = path;
        return "250 Folder changed.\r\n";
    }
    const auto slash = path.rfind('/');
    if (exists(path) || !exists(slash == std::string::npos ? "" : path.substr(0, slash)))
        return "550 Cannot create that folder.\r\n";
    folders->insert(path);
    return "257 \"/" + QByteArray::fromStdString(path) + "\" created.\r\n";
}

QByteArray ScriptedFtpServer::FileReply(const std::string& verb, const std::string& argument)
{
    const auto file = files.find(argument);
    if (file == files.end())
        return "550 No such file.\r\n";
    if (verb == "SIZE")
        return "213 " + QByteArray::number(file->second.size()) + "\r\n";
    files.erase(file);
    return "250 Deleted.\r\n";
}

QByteArray ScriptedFtpServer::OpenPassivePort(const std::string& verb)
{
    passive_ = std::make_unique<QTcpServer>();
    passive_->listen(QHostAddress::LocalHost, 0);
    const int port = passive_->serverPort();
    if (verb == "EPSV")
        return "229 Entering Extended Passive Mode (|||" + QByteArray::number(port) + "|)\r\n";
    return "227 Entering Passive Mode (" + pasvHost + "," + QByteArray::number(port / 256) + ","
           + QByteArray::number(port % 256) + ").\r\n";
}

void ScriptedFtpServer::Store(const std::string& name)
{
    stored.clear();
    storing_ = name;
    if (!storReply.startsWith('1')) {
        control_->write(storReply);
        return;
    }
    if (stor != StorScript::ConnectThenReply && stor != StorScript::FinalBeforeDataClose)
        control_->write(storReply);
    if (stor == StorScript::NoDataConnection)
        return;
    if (passive_) {
        // The client connected when it read the passive reply.
        QTcpSocket* waiting = passive_->nextPendingConnection();
        if (waiting) {
            TakeData(waiting);
            return;
        }
        QObject::connect(passive_.get(), &QTcpServer::newConnection,
                         [this] { TakeData(passive_->nextPendingConnection()); });
        return;
    }
    auto data = std::make_unique<QTcpSocket>();
    QTcpSocket* raw = data.get();
    QObject::connect(raw, &QTcpSocket::connected, [this, raw] { TakeData(raw); });
    data_ = std::move(data);
    raw->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(dataPort_));
}

void ScriptedFtpServer::TakeData(QTcpSocket* data)
{
    if (data != data_.get()) {
        data->setParent(nullptr);
        data_.reset(data);
    }
    if (stor == StorScript::StallMidData) {
        data->setReadBufferSize(4096);  // stop taking bytes once this much waits unread
        return;
    }
    QObject::connect(data, &QTcpSocket::readyRead, [this, data] {
        stored += data->readAll();
        if (stor == StorScript::CloseControlMidData && control_->state() == QAbstractSocket::ConnectedState)
            control_->abort();
    });
    QObject::connect(data, &QTcpSocket::disconnected, [this, data] {
        stored += data->readAll();
        files[storing_] = stored;
        if (stor != StorScript::FinalBeforeDataClose && control_->state() == QAbstractSocket::ConnectedState)
            control_->write("226 stored\r\n");
    });
    if (stor == StorScript::ConnectThenReply)
        QTimer::singleShot(50, control_, [this] { control_->write(storReply); });
    if (stor == StorScript::FinalBeforeDataClose)
        control_->write(storReply + "226 stored already\r\n");
    stored += data->readAll();
}

} // namespace tarvin::publish::test
