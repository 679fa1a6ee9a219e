// "Send to web": the save question first, then the upload wizard with the
// page's pictures and its published file.

#include "EditorFixture.h"

#include "platform/ListBoxHrz.h"
#include "publish/ProfileStore.h"
#include "publish/window/TfrmUpload.h"

#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace tarvin::testing {
namespace {

class UploadCommandTest : public EditorTest {
protected:
    // What a wizard showed, if one opened.
    struct Shown {
        QStringList files;
        QStringList profiles;
    };

    // Clicks "Send to web"; a wizard that opens is read and closed again.
    std::optional<Shown> ClickSendToWeb()
    {
        std::optional<Shown> shown;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* wizard = qobject_cast<TfrmUpload*>(QApplication::activeModalWidget());
            if (!wizard || shown)
                return;
            shown.emplace();
            for (int row = 0; row < wizard->lstUpload->count(); ++row)
                shown->files << wizard->lstUpload->item(row)->text();
            for (int row = 0; row < wizard->lvProfiles->count(); ++row)
                shown->profiles << wizard->lvProfiles->item(row)->text();
            QTest::mouseClick(wizard->btnClose, Qt::LeftButton);
        });
        watcher.start(10);
        QTest::mouseClick(window->btnUpload, Qt::LeftButton);
        return shown;
    }

    void WriteFile(const QString& relative)
    {
        QFile file(PathOf(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("picture");
    }
};

TEST_F(UploadCommandTest, AnUnsavedPageIsSavedFirstOrNotSentAtAll)
{
    window->StoreCurrentBlock();  // the page counts as changed
    dialogs.Answering(Answer::Cancel);
    EXPECT_FALSE(ClickSendToWeb());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, "You need to save Untitled before uploading.");
    EXPECT_TRUE(dialogs.calls[0].okCancel);

    // OK, then the save dialog cancelled: still changed, still no wizard.
    dialogs.Answering(Answer::Ok).CancellingFile();
    EXPECT_FALSE(ClickSendToWeb());
    EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Kind::SaveFile).size(), 1u);
    EXPECT_TRUE(window->Modified());
}

TEST_F(UploadCommandTest, AnUntouchedNewPageOpensTheWizardWithItsPicturesOnly)
{
    WriteFile("Upload/images/photo.jpg");
    window->Document().Page().Items(1).ImageBlock().FileName = "photo.jpg";
    const auto shown = ClickSendToWeb();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->files, QStringList{PathOf("Upload/images/photo.jpg")});
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(UploadCommandTest, APictureNamedOutsideItsFolderIsLeftOutWithAWarning)
{
    WriteFile("TarvinFiles/secret.jpg");
    window->Document().Page().Items(1).ImageBlock().FileName = "../../TarvinFiles/secret.jpg";
    const auto shown = ClickSendToWeb();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->files.isEmpty());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, ScriptedDialogs::Kind::Warning);
    EXPECT_TRUE(dialogs.calls[0].text.contains("../../TarvinFiles/secret.jpg")) << dialogs.calls[0].text.toStdString();
}

TEST_F(UploadCommandTest, ASavedPageListsItsPicturesThenItsPageAndTheUsersProfiles)
{
    WriteFile("Upload/backgrounds/sky.gif");
    WriteFile("Upload/images/photo.jpg");
    window->Document().Page().Items(0).PagePropertiesBlock().Background = "sky.gif";
    window->Document().Page().Items(1).ImageBlock().FileName = "photo.jpg";
    // The profiles beside the user's settings are the wizard's.
    publish::ProfileStore(QFileInfo(settings.fileName()).absolutePath() + "/Tarvin5.ini").SaveProfile("Home", "", {});

    window->StoreCurrentBlock();
    dialogs.Answering(Answer::Ok).ChoosingFile(PathOf("Upload/My Page.html"));
    const auto shown = ClickSendToWeb();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->files, (QStringList{PathOf("Upload/backgrounds/sky.gif"), PathOf("Upload/images/photo.jpg"),
                                         PathOf("Upload/MyPage.html")}));
    EXPECT_EQ(shown->profiles, QStringList{"Home"});
    EXPECT_FALSE(window->Modified());

    // Saved and unchanged: no question the second time.
    dialogs.calls.clear();
    EXPECT_TRUE(ClickSendToWeb());
    EXPECT_TRUE(dialogs.calls.empty());
}

} // namespace
} // namespace tarvin::testing
