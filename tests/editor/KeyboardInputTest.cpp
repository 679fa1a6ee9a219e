// The editor driven by the keyboard alone: Tab, the arrow keys, Enter on the
// palette, typing, Del, and the window's shortcuts from any control.

#include "EditorFixture.h"
#include "RealInput.h"

#include "document/DocumentFile.h"
#include "editor/FontMemo.h"
#include "editor/startup/HelpWindow.h"
#include "platform/ListBoxHrz.h"

#include <QLineEdit>
#include <QTextBrowser>

namespace tarvin::testing {
namespace {

class KeyboardInputTest : public EditorTest {
protected:
    // Tab (or Shift+Tab) until target has the focus; false when it never does.
    static bool TabTo(const QWidget* target, bool backwards = false)
    {
        for (int press = 0; press < 60 && QApplication::focusWidget() != target; ++press)
            PressKey(backwards ? Qt::Key_Backtab : Qt::Key_Tab);
        return QApplication::focusWidget() == target;
    }
    static void PressTimes(Qt::Key key, int times)
    {
        for (int i = 0; i < times; ++i)
            PressKey(key);
    }
    static HelpWindow* ShownHelp()
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* help = qobject_cast<HelpWindow*>(top); help && help->isVisible())
                return help;
        return nullptr;
    }
};

TEST_F(KeyboardInputTest, APageMadeWithTheKeyboardAloneIsSavedBlockByBlock)
{
    // A heading under the page details: the palette's first row, then Enter.
    ASSERT_TRUE(TabTo(window->lstPalette));
    PressKey(Qt::Key_Return);
    ASSERT_EQ(RowCaptions(), QStringList({"Page Details", "Heading", "Image", "Link", "Paragraph"}));
    EXPECT_TRUE(Shows(window->pnlHeading));
    ASSERT_TRUE(TabTo(window->pnlHeading->txtHeading));
    TypeText("Welcome");

    // A line under the paragraph: arrows in the block list, then in the palette.
    ASSERT_TRUE(TabTo(&Blocks(), true));
    PressTimes(Qt::Key_Down, 3);
    EXPECT_TRUE(Shows(window->pnlText));
    ASSERT_TRUE(TabTo(window->pnlText->txtText));
    TypeText("First line");
    PressKey(Qt::Key_Return);
    TypeText("second line");
    ASSERT_TRUE(TabTo(window->lstPalette, true));
    PressTimes(Qt::Key_Down, 5);
    PressKey(Qt::Key_Enter);
    EXPECT_EQ(RowCaptions().back(), "Line");
    EXPECT_TRUE(Shows(window->pnlHR));

    // The link, chosen with Up, gets its address.
    ASSERT_TRUE(TabTo(&Blocks()));
    PressTimes(Qt::Key_Up, 2);
    EXPECT_TRUE(Shows(window->pnlLinks));
    ASSERT_TRUE(TabTo(window->pnlLinks->txtLinkAddress));
    TypeText("http://a.example/");

    dialogs.ChoosingFile(PathOf("Upload/keys.html"));
    PressKey(Qt::Key_S, Qt::ControlModifier);
    const DocumentReadResult saved = ReadDocument(PathOf("TarvinFiles/keys.tvd").toStdString());
    ASSERT_TRUE(saved.Ok());
    const TPageCollection& page = saved.document->Page();
    ASSERT_EQ(page.Count(), 6);
    EXPECT_EQ(page.Items(1).HeadingBlock().Heading, "Welcome");
    EXPECT_EQ(page.Items(3).LinkBlock().LinkURL, "http://a.example/");
    EXPECT_EQ(page.Items(4).TextBlock().Text, "First line\r\nsecond line");
    EXPECT_EQ(page.Items(5).BlockType, TBlockType::btHR);
}

TEST_F(KeyboardInputTest, DelDeletesTheSelectedBlock)
{
    ASSERT_TRUE(TabTo(&Blocks()));
    PressKey(Qt::Key_Down);
    dialogs.Answering(Answer::Yes);
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Link", "Paragraph"}));
    // In a text box Del deletes text, not the block.
    ASSERT_TRUE(TabTo(window->pnlPageProp->txtPageTitle));
    TypeText("ab");
    PressKey(Qt::Key_Home);
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(window->pnlPageProp->txtPageTitle->text(), "b");
    EXPECT_EQ(RowCaptions().size(), 3);
}

// The shortcuts of the popup menu answer wherever the focus is.
TEST_F(KeyboardInputTest, DocumentShortcutsWorkFromAnyControl)
{
    struct Case {
        const char* name;
        QWidget* focus;
        QKeySequence keys;
        QString filter;  // of the save dialog the shortcut opens
    };
    const Case cases[] = {
        {"title box", window->pnlPageProp->txtPageTitle, QKeySequence("Ctrl+S"), "HTML Files|*.html"},
        {"palette", window->lstPalette, QKeySequence("Ctrl+S"), "HTML Files|*.html"},
        {"block list", window->lstBlocks, QKeySequence("Ctrl+T"), "Tarvin Template|*.tvt"},
        {"meta list", window->pnlPageProp->lstMeta, QKeySequence("Ctrl+T"), "Tarvin Template|*.tvt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.focus->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), c.focus);
        dialogs.CancellingFile();
        QTest::keySequence(c.focus, c.keys);
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls.back().request.filter, c.filter);
        dialogs.calls.clear();
    }

    // New asks about what was typed, even though no other row was chosen.
    window->pnlPageProp->txtPageTitle->setFocus();
    TypeText("Unsaved");
    dialogs.Answering(Answer::Cancel);
    PressKey(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(dialogs.Texts(), QStringList({"Would you like to save changes to Untitled?"}));
    EXPECT_EQ(window->pnlPageProp->txtPageTitle->text(), "Unsaved");
}

TEST_F(KeyboardInputTest, F1OpensTheFocusedControlsTopicOrElseTheContents)
{
    window->lstPalette->setFocus();
    PressKey(Qt::Key_F1);
    ASSERT_NE(ShownHelp(), nullptr);
    EXPECT_EQ(ShownHelp()->Browser()->source().fragment(), "t55");
    ShownHelp()->close();

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->btnNew->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), window->btnNew);
    PressKey(Qt::Key_F1);
    ASSERT_NE(ShownHelp(), nullptr);
    EXPECT_EQ(ShownHelp()->Browser()->source().fileName(), "index.html");
}

} // namespace
} // namespace tarvin::testing
