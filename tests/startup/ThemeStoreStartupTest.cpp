// Reading the theme store at start-up into the theme list.

#include "editor/startup/ThemeStoreStartup.h"
#include "support/ScriptedDialogs.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvin {
namespace {

class ThemeStartupTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString programFolder = folder.path() + "/";
    testing::ScriptedDialogs dialogs;
    QListWidget list;
};

TEST_F(ThemeStartupTest, ListsTheStoredThemesInStoreOrder)
{
    TWebTheme stored;
    stored.Items().Add().ThemeName = "Sea Breeze";
    stored.Items().Add().ThemeName = "Autumn";
    ASSERT_TRUE(SaveThemeStore((programFolder + "Themes.dat").toStdString(), stored));

    const auto store = LoadThemeStore(programFolder, dialogs);
    ListThemes(*store, list);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text(), "Sea Breeze");
    EXPECT_EQ(list.item(1)->text(), "Autumn");
    EXPECT_EQ(store->Items().Count(), 2);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ThemeStartupTest, MissingOrBrokenFileIsReportedAndGivesAnEmptyStore)
{
    auto store = LoadThemeStore(programFolder, dialogs);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->Items().Count(), 0);
    ASSERT_EQ(dialogs.CallsOf(testing::ScriptedDialogs::Kind::Error).size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.contains("Themes.dat"));

    QFile broken(programFolder + "Themes.dat");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a theme store");
    broken.close();
    store = LoadThemeStore(programFolder, dialogs);
    EXPECT_EQ(store->Items().Count(), 0);
    EXPECT_EQ(dialogs.CallsOf(testing::ScriptedDialogs::Kind::Error).size(), 2u);
}

} // namespace
} // namespace tarvin
