// The main window, once on screen, gives its controls every topic of its table,
// as What's This or F1 help context as the table says.

#include "editor/BlockList.h"
#include "editor/MainWindow.h"
#include "editor/MiscDialogs.h"
#include "editor/panels/BlockPanel.h"
#include "editor/panels/FormsPanel.h"
#include "editor/panels/PagePropPanel.h"
#include "editor/startup/HelpContexts.h"
#include "editor/startup/WhatsThisMenu.h"
#include "platform/SharedOpenDialog.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

namespace tarvin {
namespace {

struct NoMiscDialogs : MiscDialogs {
    bool ChooseFont(QFont&, TColor&) override { return false; }
    std::optional<MetaTag> AddMetaTag() override { return {}; }
    std::optional<MetaTag> EditMetaTag(const MetaTag&) override { return {}; }
    std::optional<QString> PickBookmark() override { return {}; }
};

class MainWindowHelpTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QSettings settings{folder.filePath("Tarvin.ini"), QSettings::IniFormat};
    testing::ScriptedDialogs dialogs;
    SharedOpenDialog openDialog{dialogs};
    NoMiscDialogs misc;
    TfrmMain window{dialogs, openDialog, misc, PortableFolders(folder.path().toStdString()), settings};
};

TEST_F(MainWindowHelpTest, EveryTopicOfTheTableReachesAControl)
{
    const std::set<int> table = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 26, 27, 28, 29, 31,
                                 33, 34, 35, 48, 49, 50, 51, 54, 55, 66, 76, 103, 104, 105, 190, 200, 202, 203};
    // The panels not on show are built once the window has painted itself.
    window.show();
    for (int wait = 0; wait < 200 && window.findChildren<BlockPanel*>().size() < 8; ++wait)
        QTest::qWait(10);
    std::set<int> found;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (const int topic = WhatsThisMenu::TopicOf(widget))
            found.insert(topic);
        if (const int topic = HelpContexts::ContextOf(widget))
            found.insert(topic);
    }
    EXPECT_EQ(found, table);
}

TEST_F(MainWindowHelpTest, F1OnlyControlsKeepTheirOwnMenus)
{
    EXPECT_EQ(HelpContexts::ContextOf(window.lstBlocks), 54);
    EXPECT_EQ(WhatsThisMenu::TopicOf(window.lstBlocks), 0);
    EXPECT_EQ(HelpContexts::ContextOf(window.pnlForms->btnFormOptions), 202);
    EXPECT_EQ(WhatsThisMenu::TopicOf(window.pnlForms->btnFormOptions), 0);
}

TEST_F(MainWindowHelpTest, LabelsShareTheTopicOfTheControlTheyName)
{
    const QLineEdit* title = window.pnlPageProp->txtPageTitle;
    EXPECT_EQ(WhatsThisMenu::TopicOf(title), 10);
    EXPECT_EQ(HelpContexts::ContextOf(title), 10);
    int labelled = 0;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() == title) {
            EXPECT_EQ(WhatsThisMenu::TopicOf(label), 10);
            ++labelled;
        }
    EXPECT_EQ(labelled, 1);
}

} // namespace
} // namespace tarvin
