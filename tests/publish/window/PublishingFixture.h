#pragma once
// The wizard with Debian's pyftpdlib on loopback and local files to send;
// watches what the window shows one event-loop pass at a time.
#include "WizardFixture.h"

#include "FileContents.h"
#include "PyFtpServer.h"

#include <QElapsedTimer>

#include <filesystem>
#include <fstream>
#include <functional>

namespace tarvin::publish::test {

using Kind = ScriptedDialogs::Kind;
namespace fs = std::filesystem;

inline std::string Bytes(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131) ^ (i >> 9));
    return bytes;
}

inline std::vector<std::string> Stored(const std::vector<std::string>& commands)
{
    std::vector<std::string> stored;
    for (const std::string& command : commands)
        if (command.rfind("STOR ", 0) == 0)
            stored.push_back(command.substr(5));
    return stored;
}

class PublishingTest : public WizardTest {
protected:
    static constexpr std::size_t LargeSize = 8 * 1024 * 1024;

    PublishingTest() = default;
    explicit PublishingTest(const PyFtpOptions& options) : server(options) {}

    void SetUp() override
    {
        ASSERT_TRUE(server.Started()) << "pyftpdlib did not start";
        local = folder.path().toStdString() + "/local/";
        fs::create_directories(local);
    }

    ServerProfile Loopback(const std::string& folderName = "") const
    {
        return {PyFtpServer::User, PyFtpServer::Password, "127.0.0.1", folderName, std::to_string(server.Port())};
    }

    std::string LocalFile(const std::string& name, std::size_t size)
    {
        std::ofstream(local + name, std::ios::binary) << Bytes(size);
        return local + name;
    }

    // Opens the wizard on the files with the profile stored, chosen, and the upload panel in front.
    void OpenReady(const std::vector<std::string>& files, const ServerProfile& profile)
    {
        store.SaveProfile("Loopback", "", profile);
        Open(files);
        ClickProfile("Loopback");
        Click(wizard->btnUpload);
    }

    // Presses "Send files to the web" and waits until the session is over,
    // noting each progress text and whether the window showed itself busy.
    void SendAndWait(int limitMs = 30000)
    {
        Click(wizard->btnSend);
        ASSERT_TRUE(WatchUntil([this] { return wizard->lstUpload->isEnabled(); }, limitMs))
            << "the session did not end";
    }

    // Runs the event loop one pass at a time, noting what the window shows
    // after each, so that a fast transfer still shows its steps.
    bool WatchUntil(const std::function<bool()>& done, int limitMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > limitMs)
                return false;
            QCoreApplication::processEvents();
            Watch();
        }
        return true;
    }

    void Watch()
    {
        const QString label = wizard->lblProgress->text();
        if (labels.isEmpty() || labels.back() != label)
            labels << label;
        if (wizard->lstUpload->isEnabled())
            return;
        const QCursor* cursor = QGuiApplication::overrideCursor();
        sawBusy |= wizard->pnlProgress->isVisible() && wizard->Animate->Active() && !wizard->btnUpAdd->isEnabled() &&
                   !wizard->btnUpRemove->isEnabled() && !wizard->btnServers->isEnabled() &&
                   wizard->btnSend->isEnabled() && cursor && cursor->shape() == Qt::BusyCursor;
    }

    // Sends an 8 MB file and waits until its first bytes are on their way.
    void StartLargeTransfer()
    {
        OpenReady({LocalFile("large.bin", LargeSize)}, Loopback());
        Click(wizard->btnSend);
        ASSERT_TRUE(WatchUntil([this] { return !CountsShown().empty(); }, 30000));
    }

    // The byte counts shown for one file, in the order shown.
    std::vector<int> CountsShown() const
    {
        std::vector<int> counts;
        for (const QString& label : labels)
            if (label.startsWith("Transferring... ") && label.endsWith(" bytes"))
                counts.push_back(label.mid(16, label.size() - 22).toInt());
        return counts;
    }

    PyFtpServer server;
    std::string local;
    QStringList labels;
    bool sawBusy = false;
};

} // namespace tarvin::publish::test
