#pragma once
// A client aimed at a scripted server, with helpers to run one request to its end.

#include "EventLoop.h"
#include "ScriptedFtpServer.h"

#include "publish/FtpClient.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace tarvin::publish::test {

struct Outcome {
    TFtpRequest request;
    int error;
};

template <class Client = TFtpClient>
class FtpFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ftp.HostName = "127.0.0.1";
        ftp.Port = std::to_string(server.Port());
        ftp.UserName = "user";
        ftp.PassWord = "pass";
        ftp.OnRequestDone = [this](TFtpRequest request, std::uint16_t error) { done.push_back({request, error}); };
        ftp.OnDisplay = [this](const std::string& line) { trace.push_back(line); };
    }

    // Runs one request to its OnRequestDone.
    Outcome Run(void (TFtpClient::*request)())
    {
        const std::size_t before = done.size();
        (ftp.*request)();
        EXPECT_TRUE(RunUntil([&] { return done.size() > before; })) << "no OnRequestDone";
        return done.size() > before ? done.back() : Outcome{TFtpRequest::rqNone, -1};
    }

    std::string WriteLocalFile(std::size_t size, const std::string& name = "local.bin")
    {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 7 + i / 251);
        const std::string path = folder.path().toStdString() + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        ftp.LocalFileName = path;
        ftp.HostFileName = "remote.bin";
        return bytes;
    }

    bool Traced(const std::string& start) const
    {
        for (const auto& line : trace)
            if (line.rfind(start, 0) == 0)
                return true;
        return false;
    }

    ScriptedFtpServer server;
    Client ftp;
    QTemporaryDir folder;
    std::vector<Outcome> done;
    std::vector<std::string> trace;
};

using FtpClientTest = FtpFixture<>;

} // namespace tarvin::publish::test
