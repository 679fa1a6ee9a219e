// The editor driven by the mouse alone: clicks on rows, drags from the
// palette, within the block list and to the bin, typing into the panels, and
// the saved document that results.

#include "EditorFixture.h"
#include "RealInput.h"

#include "document/DocumentFile.h"
#include "editor/FontMemo.h"
#include "editor/TrashBin.h"

#include <QLineEdit>
#include <QMenu>

namespace tarvin::testing {
namespace {

using BT = TBlockType;

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
    void ClickAndType(QWidget* box, const QString& text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        TypeText(text);
    }
    bool DragPaletteRow(BT type, QPoint end)
    {
        return DragRowTo(*window->lstPalette, static_cast<int>(type) - 1, Blocks().viewport(), end);
    }
    QPoint BinCentre() const { return window->imgTrash->rect().center(); }
};

TEST_F(MouseInputTest, ClickedRowsShowTheirPanelsAndTypingLandsInTheirBlocks)
{
    ClickRow(Blocks(), 3);
    EXPECT_EQ(window->CurrentIndex(), 3);
    ASSERT_TRUE(Shows(window->pnlText));
    ClickAndType(window->pnlText->txtText->viewport(), "Hello");

    ClickRow(Blocks(), 0);
    EXPECT_EQ(window->CurrentIndex(), 0);
    ASSERT_TRUE(Shows(window->pnlPageProp));
    ClickAndType(window->pnlPageProp->txtPageTitle, "My title");

    // A right-click selects the row under it as well.
    RightClickRow(Blocks(), 2);
    ASSERT_TRUE(window->popBlocks->isVisible());
    EXPECT_TRUE(window->mnuDelete->isVisible());
    QTest::keyClick(window->popBlocks, Qt::Key_Escape);
    EXPECT_EQ(window->CurrentIndex(), 2);
    ASSERT_TRUE(Shows(window->pnlLinks));
    ClickAndType(window->pnlLinks->txtLinkText, "Click here");

    // Ctrl+click on the selected row leaves it selected: its panel stays its own.
    QTest::mouseClick(Blocks().viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(Blocks(), 2));
    EXPECT_EQ(Blocks().SelectedRow(), 2);

    const auto saved = SaveAndReadBack();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Page().Items(0).PagePropertiesBlock().PageTitle, "My title");
    EXPECT_EQ(saved->Page().Items(2).LinkBlock().LinkText, "Click here");
    EXPECT_EQ(saved->Page().Items(3).TextBlock().Text, "Hello");
}

TEST_F(MouseInputTest, DraggingTheRowOnShowTakesWhatWasTypedWithIt)
{
    ClickRow(Blocks(), 3);
    ClickAndType(window->pnlText->txtText->viewport(), "typed, then dragged");
    ASSERT_TRUE(DragRowTo(Blocks(), 3, Blocks().viewport(), RowCentre(Blocks(), 1)));

    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Paragraph", "Image", "Link"}));
    EXPECT_EQ(window->CurrentIndex(), 1);
    EXPECT_TRUE(Shows(window->pnlText));
    EXPECT_EQ(window->pnlText->txtText->toPlainText(), "typed, then dragged");
    const auto saved = SaveAndReadBack();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Page().Items(1).TextBlock().Text, "typed, then dragged");
}

TEST_F(MouseInputTest, PaletteDragsInsertAndTheBinDeletes)
{
    ClickRow(Blocks(), 2);
    ClickAndType(window->pnlLinks->txtLinkAddress, "http://a.example/");

    // On the page details row: under it. The link keeps what was typed.
    ASSERT_TRUE(DragPaletteRow(BT::btHeading, RowCentre(Blocks(), 0)));
    ASSERT_EQ(RowCaptions(), QStringList({"Page Details", "Heading", "Image", "Link", "Paragraph"}));
    EXPECT_TRUE(Shows(window->pnlHeading));
    ClickAndType(window->pnlHeading->txtHeading->viewport(), "Welcome");

    // Below the last row: appended.
    ASSERT_TRUE(DragPaletteRow(BT::btHR, QPoint(10, Blocks().viewport()->height() - 3)));
    EXPECT_EQ(RowCaptions().back(), "Line");
    EXPECT_TRUE(Shows(window->pnlHR));

    // The image row goes to the bin.
    dialogs.Answering(Answer::Yes);
    ASSERT_TRUE(DragRowTo(Blocks(), 2, window->imgTrash, BinCentre()));
    EXPECT_EQ(dialogs.Texts(), QStringList({"Do you want to delete the selected Pagelette item?"}));
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Heading", "Link", "Paragraph", "Line"}));
    EXPECT_EQ(window->imgTrash->Picture(), BinPicture::Full);

    const auto saved = SaveAndReadBack();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Page().Items(1).HeadingBlock().Heading, "Welcome");
    EXPECT_EQ(saved->Page().Items(2).LinkBlock().LinkURL, "http://a.example/");
    EXPECT_EQ(saved->Page().Items(4).BlockType, BT::btHR);
}

TEST_F(MouseInputTest, ThePageDetailsRowNeverLeavesItsPlace)
{
    EXPECT_FALSE(DragRowTo(Blocks(), 0, window->imgTrash, BinCentre()));
    EXPECT_FALSE(DragRowTo(Blocks(), 0, Blocks().viewport(), RowCentre(Blocks(), 2)));
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Image", "Link", "Paragraph"}));
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(MouseInputTest, DoubleClickedPaletteRowGoesUnderTheSelectedRow)
{
    ClickRow(Blocks(), 1);
    DoubleClickRow(*window->lstPalette, static_cast<int>(BT::btBullet) - 1);
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Image", "Bullet List", "Link", "Paragraph"}));
    EXPECT_EQ(window->CurrentIndex(), 2);
    EXPECT_TRUE(Shows(window->pnlBullets));
}

TEST_F(MouseInputTest, DelWorksAfterThePopupMenuOpenedWithoutItsDeleteEntry)
{
    // Opened on the toolbar, the menu hides Delete.
    RightClick(window->btnCreate, window->btnCreate->rect().center());
    ASSERT_TRUE(window->popBlocks->isVisible());
    EXPECT_FALSE(window->mnuDelete->isVisible());
    QTest::keyClick(window->popBlocks, Qt::Key_Escape);
    ClickRow(Blocks(), 2);
    dialogs.Answering(Answer::Yes);
    QTest::keyClick(&Blocks(), Qt::Key_Delete);
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Image", "Paragraph"}));
}

TEST_F(MouseInputTest, RowsShowTheStartOfTheirContent)
{
    ClickRow(Blocks(), 3);
    ClickAndType(window->pnlText->txtText->viewport(), "  Once   upon");
    QTest::keyClick(window->pnlText->txtText, Qt::Key_Return);
    TypeText("a time");
    EXPECT_EQ(Blocks().item(3)->data(Qt::UserRole + 1).toString(), "");
    ClickRow(Blocks(), 0);
    EXPECT_EQ(Blocks().item(3)->data(Qt::UserRole + 1).toString(), "Once upon");
}

} // namespace
} // namespace tarvin::testing
