// The help topics, their texts in the shipped pages, What's This and F1.

#include "editor/startup/HelpContexts.h"
#include "editor/startup/HelpSystem.h"
#include "editor/startup/HelpTopicText.h"
#include "editor/startup/HelpTopics.h"
#include "editor/startup/HelpWindow.h"
#include "editor/startup/WhatsThisMenu.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <set>

namespace tarvin {
namespace {

const QString HelpSources = QStringLiteral(TARVIN_SOURCE_DIR "/data/help/");

// Every topic number that controls of the program carry: the main window,
// the colour picker, the font, meta tag and bookmark dialog, the upload
// wizard, the theme editor and the field editor (204 + field kind).
const std::set<int> ProgramTopics = {
    10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 26, 27, 28, 29, 31, 32, 33, 34, 35, 36, 37, 38, 39,
    41, 42, 43, 44, 45, 46, 48, 49, 50, 51, 54, 55, 57, 58, 59, 60, 61, 62, 63, 65, 66, 67, 68, 69, 70, 71,
    72, 73, 74, 75, 76, 103, 104, 105, 190, 200, 202, 203, 204, 205, 206, 207, 208, 209};

TEST(HelpTopics, EveryTopicHasItsTextOnAShippedPage)
{
    std::set<int> listed;
    for (const HelpTopicPlace& place : HelpTopicTable()) {
        EXPECT_TRUE(listed.insert(place.number).second) << "listed twice: " << place.number;
        EXPECT_FALSE(HelpTopicText(HelpSources, place.number).isEmpty()) << "no text for " << place.number;
    }
    EXPECT_EQ(listed, ProgramTopics);
}

TEST(HelpTopics, EveryTopicPageIsReachableFromTheContents)
{
    QFile contents(HelpSources + HelpContentsPage);
    ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
    const QByteArray index = contents.readAll();
    for (const HelpTopicPlace& place : HelpTopicTable())
        EXPECT_TRUE(index.contains(QByteArray("href=\"") + place.page + '"')) << place.page;
}

TEST(HelpTopics, TextIsTheParagraphOfTheTopicAlone)
{
    const QString left = HelpTopicText(HelpSources, 103);
    EXPECT_TRUE(left.startsWith("Left Align.")) << left.toStdString();
    EXPECT_FALSE(left.contains("Center"));
    EXPECT_TRUE(HelpTopicText(HelpSources, 999).isEmpty());
    EXPECT_TRUE(HelpTopicText("/no/such/folder/", 10).isEmpty());
}

class HelpTest : public ::testing::Test {
protected:
    std::vector<std::pair<QPoint, QString>> popups;
    HelpSystem help{HelpSources, [this](const QPoint& at, const QString& text) { popups.emplace_back(at, text); }};

    QUrl ShownSource() const { return help.Window()->Browser()->source(); }
};

TEST_F(HelpTest, WhatsThisShowsTheTopicOfTheControlItOpenedOnThenForgetsIt)
{
    WhatsThisMenu menu(help);
    QLineEdit title;
    menu.Attach(&title, 10);
    EXPECT_EQ(title.contextMenuPolicy(), Qt::CustomContextMenu);
    ASSERT_EQ(menu.popWhatsThis->actions().size(), 1);
    EXPECT_EQ(menu.mnuWhatsThis->text(), "&What's This?");

    menu.popWhatsThisPopup(&title, QPoint(40, 50));
    menu.mnuWhatsThis->trigger();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].first, QPoint(40, 50));
    EXPECT_EQ(popups[0].second, HelpTopicText(HelpSources, 10));

    menu.mnuWhatsThis->trigger();
    EXPECT_EQ(popups.back().second, "No help is available for this item.");
}

TEST_F(HelpTest, F1OpensTheTopicOfTheControlOrOfTheControlAroundIt)
{
    HelpContexts contexts(help);
    QWidget box;
    auto* inner = new QLineEdit(&box);
    contexts.Set(&box, 19);
    box.show();
    QTest::keyClick(inner, Qt::Key_F1);
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_TRUE(help.Window()->isVisible());
    EXPECT_EQ(ShownSource().fileName(), "images.html");
    EXPECT_EQ(ShownSource().fragment(), "t19");
}

TEST_F(HelpTest, ContentsOpensTheIndexAndCloseAllClosesTheWindow)
{
    help.ShowTopic(48);
    help.ShowContents();
    EXPECT_EQ(ShownSource().fileName(), HelpContentsPage);
    EXPECT_TRUE(help.Window()->Browser()->toPlainText().contains("Contents"));
    help.CloseAll();
    EXPECT_FALSE(help.Window()->isVisible());
}

} // namespace
} // namespace tarvin
