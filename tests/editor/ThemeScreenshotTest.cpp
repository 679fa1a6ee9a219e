// Pictures of the page themes for the documentation: run with
// TARVIN_SCREENSHOTS set to the folder that receives theme-editor.png and
// one themed-*.png preview per theme below.

#include "EditorFixture.h"

#include "document/DefaultPage.h"
#include "look/TfrmTheme.h"
#include "look/ThemeList.h"
#include "platform/ListBoxHrz.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

namespace tarvin::testing {
namespace {

class ThemeScreenshotTest : public EditorTest {
protected:
    // The shipped themes and their pictures in this test's program folder.
    void UseShippedThemes()
    {
        ASSERT_TRUE(QFile::remove(PathOf("Themes.dat")));
        ASSERT_TRUE(QFile::copy(TARVIN_PROGRAM_FOLDER "Themes.dat", PathOf("Themes.dat")));
        const QDir shipped(TARVIN_PROGRAM_FOLDER "Upload/backgrounds");
        for (const QString& name : shipped.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(shipped.filePath(name), PathOf("Upload/backgrounds/" + name)));
        StartWindow();
    }

    void WriteSamplePage()
    {
        TPagelette& page = window->Document();
        page.Page().Items(0).PagePropertiesBlock().PageTitle = "The Harbour Rowing Club";
        page.Page().Delete(1);  // no picture
        TLinkBlock& link = page.Page().Items(1).LinkBlock();
        link.LinkURL = "http://rowing.example/join.html";
        link.LinkText = "Join us for a trial row";
        page.Page().Items(2).TextBlock().Text =
            "We row on the harbour every Saturday morning, whatever the weather brings. Beginners are welcome: "
            "our coaches will have you sculling within a month.";
        TPageItem& heading = InsertNewItem(page, 1, TBlockType::btHeading);
        heading.HeadingBlock().Heading = "The Harbour Rowing Club";
        TPageItem& bullets = InsertNewItem(page, 4, TBlockType::btBullet);
        bullets.BulletBlock().Bullets = "Saturday outings at eight\r\nTuesday evening ergometer sessions\r\nSummer regatta in July\r\n";
        window->RebuildBlockList();
    }

    void ClickTheme(const QString& name)
    {
        TListBoxHrz& list = *window->lstThemes;
        const QListWidgetItem* row = list.findItems(name, Qt::MatchExactly).value(0);
        ASSERT_NE(row, nullptr) << name.toStdString();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(row).center());
    }
};

TEST_F(ThemeScreenshotTest, EditorAndThemedPages)
{
    const QString target = qEnvironmentVariable("TARVIN_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "TARVIN_SCREENSHOTS not set";
    UseShippedThemes();
    window->showNormal();
    window->resize(900, 620);
    WriteSamplePage();
    QTest::mouseClick(window->btnPreview, Qt::LeftButton);
    for (const char* theme : {"Ocean", "Night", "Parchment"}) {
        ClickTheme(theme);
        QCoreApplication::processEvents();
        ASSERT_TRUE(window->grab().save(target + "/themed-" + QString(theme).toLower() + ".png"));
    }

    ThemeStoreReadResult read = LoadThemeStore(PathOf("Themes.dat").toStdString());
    ASSERT_TRUE(read.Ok());
    TfrmTheme editor(*read.store, dialogs, ProgramFolder(), QCursor(Qt::ArrowCursor));
    editor.SelectTheme("Ocean");
    editor.show();
    QTest::mouseClick(editor.btnEdit, Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_TRUE(editor.grab().save(target + "/theme-editor.png"));
}

} // namespace
} // namespace tarvin::testing
