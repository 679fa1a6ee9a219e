// The editor driven by the mouse alone: clicks on rows, drags from the
// palette, within the block list and to the bin, typing into the panels, and
// the saved document that results.

#include "EditorFixture.h"
#include "RealInput.h"

#include "document/DocumentFile.h"
#include "editor/FontMemo.h"

#include <QLineEdit>
#include <QMenu>

namespace tarvin::testing {
namespace {

class MouseInputTest : public EditorTest {
protected:
    // Saves through the Save Page button and reads the page document back.
    std::unique_ptr<TPagelette> SaveAndReadBack()
    {
        dialogs.ChoosingFile(PathOf("Upload/page.html"));
        QTest::mouseClick(window->btnSave, Qt::LeftButton);
        DocumentReadResult saved = ReadDocument(PathOf("TarvinFiles/page.tvd").toStdString());
        EXPECT_TRUE(saved.Ok()) << saved.error;
        return std::move(saved.document);
    }
};

TEST_F(MouseInputTest, ClickedRowsShowTheirPanelsAndTypingLandsInTheirBlocks)
{
    ClickRow(Blocks(), 3);
    EXPECT_EQ(window->CurrentIndex(), 3);
    ASSERT_TRUE(Shows(window->pnlText));
    QTest::mouseClick(window->pnlText->txtText->viewport(), Qt::LeftButton);
    TypeText("Hello");

    ClickRow(Blocks(), 0);
    EXPECT_EQ(window->CurrentIndex(), 0);
    ASSERT_TRUE(Shows(window->pnlPageProp));
    QTest::mouseClick(window->pnlPageProp->txtPageTitle, Qt::LeftButton);
    TypeText("My title");

    // A right-click selects the row under it as well.
    ClickRow(Blocks(), 2, Qt::RightButton);
    QTest::keyClick(window->popBlocks, Qt::Key_Escape);
    EXPECT_EQ(window->CurrentIndex(), 2);
    ASSERT_TRUE(Shows(window->pnlLinks));
    QTest::mouseClick(window->pnlLinks->txtLinkText, Qt::LeftButton);
    TypeText("Click here");

    const auto saved = SaveAndReadBack();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Page().Items(0).PagePropertiesBlock().PageTitle, "My title");
    EXPECT_EQ(saved->Page().Items(2).LinkBlock().LinkText, "Click here");
    EXPECT_EQ(saved->Page().Items(3).TextBlock().Text, "Hello");
}

} // namespace
} // namespace tarvin::testing
