// Pictures of the upload wizard for the documentation: run with
// TARVIN_SCREENSHOTS set to the folder that receives upload-profile.png,
// upload-test.png and upload-transfer.png.
#include "WizardFixture.h"

#include "PyFtpServer.h"

#include "publish/window/TfrmConnectionTest.h"

#include <QElapsedTimer>

#include <fstream>

namespace tarvin::publish::test {
namespace {

TEST_F(WizardTest, ProfilePanelAndTransferPictures)
{
    const QString target = qEnvironmentVariable("TARVIN_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "TARVIN_SCREENSHOTS not set";
    PyFtpServer server;
    ASSERT_TRUE(server.Started());
    QTemporaryDir files;
    std::vector<std::string> paths;
    for (const char* name : {"backgrounds/sky.gif", "images/garden.jpg", "MyGarden.html"}) {
        const std::string path = files.filePath(QString("Upload/") + name).toStdString();
        QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
        std::ofstream(path, std::ios::binary) << std::string(24 * 1024 * 1024, 'x');
        paths.push_back(path);
    }
    store.SaveProfile("My Web Host", "", {});
    Open(paths);

    AddProfile("Loopback",
               {PyFtpServer::User, PyFtpServer::Password, "127.0.0.1", "", std::to_string(server.Port()), true, 60});
    ClickProfile("Loopback");
    Click(wizard->btnEdit);
    QTest::mouseClick(wizard->txtHostName, Qt::LeftButton);
    ASSERT_TRUE(wizard->grab().save(target + "/upload-profile.png"));
    Click(wizard->btnTest);
    TfrmConnectionTest* test = wizard->frmConnectionTest;
    ASSERT_TRUE(RunUntil([test] { return !test->Running(); }, 30000));
    ASSERT_TRUE(test->grab().save(target + "/upload-test.png"));
    Click(test->btnTestClose);
    Click(wizard->btnCancel);

    ClickProfile("Loopback");
    Click(wizard->btnUpload);
    Click(wizard->btnSend);
    // One pass of the event loop at a time, so the picture catches the transfer halfway.
    QElapsedTimer limit;
    limit.start();
    while (!wizard->lblProgress->text().startsWith("Transferring... 1") && limit.elapsed() < 30000)
        QCoreApplication::processEvents();
    ASSERT_TRUE(wizard->grab().save(target + "/upload-transfer.png"));
    ASSERT_TRUE(RunUntil([this] { return wizard->lstUpload->isEnabled(); }, 60000));
    EXPECT_EQ(FirstLines(dialogs.Texts()), QStringList{"Transfer Completed."});
}

} // namespace
} // namespace tarvin::publish::test
