// The block panels and the preview page are built when first needed: a new
// window builds only the panel on show and the rest once it has painted
// itself; a part built late takes the keyboard and the help as if it had
// always been there.

#include "EditorFixture.h"
#include "RealInput.h"

#include "editor/panels/BlockPanel.h"
#include "editor/startup/HelpContexts.h"
#include "look/ThemeStore.h"
#include "platform/HtmlViewer.h"
#include "platform/ListBoxHrz.h"

#include <QApplication>

namespace tarvin::testing {
namespace {

class PanelsOnDemandTest : public EditorTest {
protected:
    std::unique_ptr<TfrmMain> NewWindow()
    {
        return std::make_unique<TfrmMain>(dialogs, openDialog, misc, PortableFolders(ProgramFolder().toStdString()),
                                          settings);
    }
    static qsizetype BuiltPanels(const TfrmMain& w) { return w.findChildren<BlockPanel*>().size(); }
    static qsizetype BuiltPreviews(const TfrmMain& w) { return w.findChildren<HtmlViewer*>().size(); }
    void WaitForEveryPart()
    {
        for (int wait = 0; wait < 200 && BuiltPanels(*window) < 8; ++wait)
            QTest::qWait(10);
    }
};

TEST_F(PanelsOnDemandTest, ANewWindowBuildsThePanelOnShowAndTheRestAfterItsFirstPicture)
{
    window.reset();
    window = NewWindow();
    EXPECT_EQ(BuiltPanels(*window), 1);
    EXPECT_TRUE(Shows(window->pnlPageProp));

    window->show();
    WaitForEveryPart();
    EXPECT_EQ(BuiltPanels(*window), 8);
    EXPECT_TRUE(Shows(window->pnlPageProp));
}

TEST_F(PanelsOnDemandTest, ThePreviewPageComesAfterTheFirstPictureWithTheThemesListedAndItsHelp)
{
    window.reset();
    TWebTheme themes;
    themes.Items().Add().ThemeName = "Harbour";
    themes.Items().Add().ThemeName = "Meadow";
    ASSERT_TRUE(SaveThemeStore(PathOf("Themes.dat").toStdString(), themes));
    window = NewWindow();
    EXPECT_EQ(BuiltPreviews(*window), 0);

    window->show();
    WaitForEveryPart();
    ASSERT_EQ(BuiltPreviews(*window), 1);
    EXPECT_FALSE(window->pnlPreview->isVisible());
    QStringList names;
    for (int row = 0; row < window->lstThemes->count(); ++row)
        names << window->lstThemes->item(row)->text();
    EXPECT_EQ(names, QStringList({"Harbour", "Meadow"}));
    EXPECT_EQ(HelpContexts::ContextOf(window->lstThemes), 66);
    EXPECT_EQ(HelpContexts::ContextOf(window->browser), 76);
}

TEST_F(PanelsOnDemandTest, ViewPageBeforeTheFirstPictureBuildsThePreviewOnceAndShowsThePage)
{
    window.reset();
    window = NewWindow();
    window->show();
    QTest::mouseClick(window->btnPreview, Qt::LeftButton);
    EXPECT_EQ(BuiltPreviews(*window), 1);
    EXPECT_TRUE(window->pnlPreview->isVisible());
    EXPECT_FALSE(window->browser->toPlainText().isEmpty());

    WaitForEveryPart();
    EXPECT_EQ(BuiltPreviews(*window), 1);
    EXPECT_TRUE(window->pnlPreview->isVisible());
    QTest::mouseClick(window->btnCreate, Qt::LeftButton);
    EXPECT_TRUE(Shows(window->pnlPageProp));
}

TEST_F(PanelsOnDemandTest, APanelUsedBeforeTheFirstPictureIsBuiltThenAndOnlyOnce)
{
    window.reset();
    window = NewWindow();
    HRPanel* line = window->pnlHR;
    EXPECT_EQ(BuiltPanels(*window), 2);
    EXPECT_EQ(window->pnlHR.get(), line);
    EXPECT_EQ(line->parentWidget(), window->pnlPageProp->parentWidget());
}

// Tab from the block list walks the panel on show and then goes on to the
// alignment bar (the page details have none: on to the toolbar).
TEST_F(PanelsOnDemandTest, TabWalksThePanelOnShowBetweenTheBlockListAndTheAlignmentBar)
{
    struct Row {
        int row;
        const char* caption;
        bool aligned;
    };
    for (const Row& r : {Row{0, "Page Details", false}, Row{1, "Image", true}, Row{2, "Link", true},
                         Row{3, "Paragraph", true}}) {
        SCOPED_TRACE(r.caption);
        ASSERT_EQ(Blocks().item(r.row)->text(), r.caption);
        ClickRow(Blocks(), r.row);
        ASSERT_EQ(QApplication::focusWidget(), &Blocks());
        const QWidget* panel = window->pnlEditor->Panels()->currentWidget();
        int insidePanel = 0;
        for (int press = 0; press < 40; ++press) {
            PressKey(Qt::Key_Tab);
            if (!panel->isAncestorOf(QApplication::focusWidget()))
                break;
            ++insidePanel;
        }
        EXPECT_GT(insidePanel, 0);
        EXPECT_EQ(QApplication::focusWidget(), r.aligned ? window->btnLeft : window->btnCreate);
    }
}

} // namespace
} // namespace tarvin::testing
