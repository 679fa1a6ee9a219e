#pragma once
// Running tarvin-cli in tests, and a program folder with a saved page that
// uses a picture and a background, ready to publish.

#include "FileContents.h"
#include "PyFtpServer.h"

#include "document/DefaultPage.h"
#include "document/DocumentFile.h"
#include "generator/PageHtml.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace tarvin::publish::test {

namespace fs = std::filesystem;

inline void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

struct CliRun {
    int status = -1;
    std::string out, err;
};

// Runs tarvin-cli with its settings (the server profiles) under configHome
// and its data (the records of uploads) under dataHome, when given.
inline CliRun RunCli(const QStringList& arguments, const QString& configHome = {}, const QString& dataHome = {})
{
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TARVIN_TEST_PASSWORD", PyFtpServer::Password);
    environment.insert("TARVIN_WRONG_PASSWORD", "not-it");
    if (!configHome.isEmpty())
        environment.insert("XDG_CONFIG_HOME", configHome);
    if (!dataHome.isEmpty())
        environment.insert("XDG_DATA_HOME", dataHome);
    cli.setProcessEnvironment(environment);
    cli.start(TARVIN_CLI, arguments);
    cli.waitForFinished(90000);
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, cli.readAllStandardOutput().toStdString(),
            cli.readAllStandardError().toStdString()};
}

inline CliRun Publish(const QStringList& arguments, const QString& configHome = {}, const QString& dataHome = {})
{
    return RunCli(QStringList{"publish"} + arguments, configHome, dataHome);
}

class PageFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pf_ = folder_.path().toStdString() + "/";
        for (const char* sub : {"Upload/images", "Upload/backgrounds", "TarvinFiles"})
            fs::create_directories(pf_ + sub);
        Write(pf_ + "Upload/images/photo.jpg", std::string("\xFF\xD8jpeg\0\r\n bytes", 15));
        Write(pf_ + "Upload/backgrounds/sky.gif", "GIF89a sky");

        TPagelette page;
        BuildDefaultPage(page);
        page.Page().Items(0).PagePropertiesBlock().Background = "sky.gif";
        page.Page().Items(1).ImageBlock().FileName = "photo.jpg";
        ASSERT_TRUE(WriteDocument(pf_ + "TarvinFiles/My Page.tvd", page).Ok());
        LineList lines;
        PageBuildOptions options;
        BuildPageHtml(page, lines, options);
        Write(pf_ + "Upload/MyPage.html", lines.Text());
    }

    // The options for a server on 127.0.0.1.
    static QStringList ServerOptions(int port, const char* passwordVariable = "TARVIN_TEST_PASSWORD")
    {
        return {"--host", "127.0.0.1", "--port", QString::number(port), "--user", PyFtpServer::User,
                "--password-env", passwordVariable, "--timeout", "60"};
    }

    // The same with the program folder, for publish.
    QStringList Server(int port, const char* passwordVariable = "TARVIN_TEST_PASSWORD") const
    {
        return QStringList{"--program-folder", QString::fromStdString(pf_)} + ServerOptions(port, passwordVariable);
    }

    QString Document() const { return QString::fromStdString(pf_ + "TarvinFiles/My Page.tvd"); }

    QTemporaryDir folder_;
    std::string pf_;
};

// With pyftpdlib in clear text.
class PublishCli : public PageFolderTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server_.Started());
        PageFolderTest::SetUp();
    }

    QStringList Server(const char* passwordVariable = "TARVIN_TEST_PASSWORD") const
    {
        return PageFolderTest::Server(server_.Port(), passwordVariable);
    }

    // Publishes the default page as changed by edit into the folder "site".
    CliRun PublishPageWith(const std::function<void(TPagelette&)>& edit) const
    {
        TPagelette page;
        BuildDefaultPage(page);
        edit(page);
        EXPECT_TRUE(WriteDocument(pf_ + "TarvinFiles/My Page.tvd", page).Ok());
        return Publish(QStringList{Document()} + Server() + QStringList{"--dir", "site", "--create-dir"});
    }

    PyFtpServer server_;
};

} // namespace tarvin::publish::test
