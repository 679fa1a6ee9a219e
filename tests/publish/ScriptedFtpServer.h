#pragma once
// A small FTP server on 127.0.0.1 whose replies a test scripts, for what real
// servers rarely do: odd line ends, multi-line replies, replies in unusual
// orders, overlong lines, silence and closes at awkward moments.

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tarvin::publish::test {

enum class StorScript {
    ReplyThenConnect,      // 150 first, then the data connection; 226 after it closes
    ConnectThenReply,      // the data connection first, 150 a moment later
    FinalBeforeDataClose,  // 226 as soon as the data connection is made
    CloseControlMidData,   // the control connection is dropped at the first data
    StallMidData,          // the server stops reading the data connection and says nothing
    NoDataConnection,      // 150, and then no data connection is ever made or taken
};

class ScriptedFtpServer {
public:
    ScriptedFtpServer();

    int Port() const { return server_.serverPort(); }

    // Raw text sent on connection (line ends included).
    QByteArray greeting = "220 scripted\r\n";
    // Raw reply per command verb; verbs without one get "200 OK\r\n"; an
    // empty reply is silence. EPSV and PASV without one open a passive port;
    // SIZE and DELE without one answer from the files stored.
    std::map<std::string, QByteArray> replies{
        {"USER", "331 password please\r\n"}, {"PASS", "230 welcome\r\n"}, {"QUIT", "221 bye\r\n"},
        {"PWD", "257 \"/\" is the current folder.\r\n"}};
    // Raw reply per whole command line, before anything else.
    std::map<std::string, QByteArray> lineReplies;
    // When set, CWD and MKD work on these folders (paths from the root, no
    // leading '/') instead of answering from the tables above.
    std::optional<std::set<std::string>> folders;
    QByteArray pasvHost = "127,0,0,1";  // the address a PASV reply names
    QByteArray storReply = "150 go\r\n";  // a reply not starting with "1" refuses the STOR
    StorScript stor = StorScript::ReplyThenConnect;

    std::vector<std::string> commands;  // every command line received
    QByteArray stored;                  // bytes of the last STOR
    std::map<std::string, QByteArray> files;  // every file stored whole, by name
    bool controlClosed = false;

    int Count(const std::string& verb) const;

private:
    void Command(const std::string& line);
    QByteArray FolderReply(const std::string& verb, const std::string& argument);
    QByteArray FileReply(const std::string& verb, const std::string& argument);
    QByteArray OpenPassivePort(const std::string& verb);
    void Store(const std::string& name);
    void TakeData(QTcpSocket* data);

    QTcpServer server_;
    QTcpSocket* control_ = nullptr;
    std::unique_ptr<QTcpServer> passive_;
    std::unique_ptr<QTcpSocket> data_;
    QByteArray pending_;
    int dataPort_ = 0;
    std::string cwd_;
    std::string storing_;  // the name of the STOR under way
};

} // namespace tarvin::publish::test
