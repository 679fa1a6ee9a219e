#pragma once
// A small FTP server on 127.0.0.1 whose replies a test scripts, for what real
// servers rarely do: odd line ends, multi-line replies, replies in unusual
// orders, overlong lines and closes at awkward moments.

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarvin::publish::test {

enum class StorScript {
    ReplyThenConnect,      // 150 first, then the data connection; 226 after it closes
    ConnectThenReply,      // the data connection first, 150 a moment later
    FinalBeforeDataClose,  // 226 as soon as the data connection is made
    CloseControlMidData,   // the control connection is dropped at the first data
};

class ScriptedFtpServer {
public:
    ScriptedFtpServer();

    int Port() const { return server_.serverPort(); }

    // Raw text sent on connection (line ends included).
    QByteArray greeting = "220 scripted\r\n";
    // Raw reply per command verb; verbs without one get "200 OK\r\n".
    std::map<std::string, QByteArray> replies{
        {"USER", "331 password please\r\n"}, {"PASS", "230 welcome\r\n"}, {"QUIT", "221 bye\r\n"}};
    QByteArray storReply = "150 go\r\n";
    StorScript stor = StorScript::ReplyThenConnect;

    std::vector<std::string> commands;  // every command line received
    QByteArray stored;                  // bytes of the last STOR
    bool controlClosed = false;

private:
    void Command(const std::string& line);
    void Store();

    QTcpServer server_;
    QTcpSocket* control_ = nullptr;
    std::unique_ptr<QTcpSocket> data_;
    QByteArray pending_;
    int dataPort_ = 0;
};

} // namespace tarvin::publish::test
