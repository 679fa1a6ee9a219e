// What's This and F1 on the controls of the dialogs the main window opens,
// served by the one filter the main window's help puts on the application.

#include "assistants/TfrmMisc.h"
#include "editor/startup/DialogHelp.h"
#include "editor/startup/HelpContexts.h"
#include "editor/startup/HelpSystem.h"
#include "editor/startup/HelpTopicText.h"
#include "editor/startup/HelpWindow.h"
#include "editor/startup/WhatsThisMenu.h"
#include "look/TfrmColor.h"
#include "platform/SharedOpenDialog.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace tarvin {
namespace {

const QString HelpSources = QStringLiteral(TARVIN_SOURCE_DIR "/data/help/");
const QString ProgramFolder = QStringLiteral(TARVIN_SOURCE_DIR "/data/");

class DialogHelpTest : public ::testing::Test {
protected:
    std::vector<std::pair<QPoint, QString>> popups;
    HelpSystem help{HelpSources, [this](const QPoint& at, const QString& text) { popups.emplace_back(at, text); }};
    WhatsThisMenu whatsThis{help};
    HelpContexts contexts{help};
    QWidget mainWindow;
    DialogHelp dialogHelp{mainWindow, whatsThis, contexts};
    testing::ScriptedDialogs dialogs;

    ~DialogHelpTest() override { whatsThis.popWhatsThis->hide(); }

    // True when the request was taken: the What's This menu opened for it.
    bool RightClick(QWidget* control)
    {
        const QPoint at = control->mapToGlobal(QPoint(2, 2));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), at);
        QApplication::sendEvent(control, &event);
        return event.isAccepted() && whatsThis.popWhatsThis->isVisible();
    }

    QString ShownTopic() const
    {
        const QUrl source = help.Window()->Browser()->source();
        return source.fileName() + '#' + source.fragment();
    }
};

QLabel* LabelWithText(const QWidget& dialog, const QString& text)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

TEST_F(DialogHelpTest, ColourPickerLabelOffersWhatsThisAndShowsItsTopic)
{
    TfrmColor picker(dialogs, ProgramFolder);
    picker.show();
    QLabel* sample = LabelWithText(picker, "Sample");
    ASSERT_NE(sample, nullptr);

    ASSERT_TRUE(RightClick(sample));
    ASSERT_EQ(whatsThis.popWhatsThis->actions().size(), 1);
    EXPECT_EQ(whatsThis.mnuWhatsThis->text(), "&What's This?");
    whatsThis.mnuWhatsThis->trigger();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].first, sample->mapToGlobal(QPoint(2, 2)));
    EXPECT_EQ(popups[0].second, HelpTopicText(HelpSources, 42));
}

TEST_F(DialogHelpTest, ColourPickerBoxesOpenTheirTopicOnF1)
{
    TfrmColor picker(dialogs, ProgramFolder);
    picker.show();
    auto* hex = picker.findChild<QLineEdit*>("txtHGreen");
    ASSERT_NE(hex, nullptr);
    QTest::keyClick(hex, Qt::Key_F1);
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_EQ(ShownTopic(), "colors.html#t43");
}

TEST_F(DialogHelpTest, UntaggedControlsAndTheMainWindowKeepTheirOwnMenus)
{
    TfrmColor picker(dialogs, ProgramFolder);
    picker.show();
    EXPECT_FALSE(RightClick(picker.findChild<QPushButton*>("bntOK")));

    // The main window's controls get the menu through their own signal.
    auto* title = new QLineEdit(&mainWindow);
    whatsThis.Attach(title, 10);
    int requests = 0;
    QObject::connect(title, &QWidget::customContextMenuRequested, [&requests] { ++requests; });
    RightClick(title);
    EXPECT_EQ(requests, 1);
}

TEST_F(DialogHelpTest, MetaDialogBoxOffersItsTopicAndBookmarkListItsContext)
{
    SharedOpenDialog openDialog{dialogs};
    TfrmMisc dialog(openDialog);
    dialog.SetDialogMode(dmMeta);
    ASSERT_TRUE(dialog.FormShow());
    dialog.show();

    auto* content = dialog.findChild<QLineEdit*>("txtMetaContent");
    ASSERT_NE(content, nullptr);
    ASSERT_TRUE(RightClick(content));
    whatsThis.mnuWhatsThis->trigger();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].second, HelpTopicText(HelpSources, 14));

    QTest::keyClick(dialog.findChild<QListWidget*>("lstBookmarks"), Qt::Key_F1);
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_EQ(ShownTopic(), "fonts-meta.html#t32");
}

} // namespace
} // namespace tarvin
