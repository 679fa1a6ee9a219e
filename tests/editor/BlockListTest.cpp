// Dropping palette rows, reordering rows, and deleting with the bin and Delete.

#include "EditorFixture.h"

#include "editor/TrashBin.h"
#include "editor/FontMemo.h"

#include <QLineEdit>
#include <QStackedWidget>
#include <QTreeWidget>

namespace tarvin::testing {
namespace {

using BT = TBlockType;
using Kind = ScriptedDialogs::Kind;

class BlockListTest : public EditorTest {};

TEST_F(BlockListTest, StartsWithTheDefaultPageAndNothingModified)
{
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Image", "Link", "Paragraph"}));
    EXPECT_EQ(window->CurrentIndex(), 0);
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - Untitled");
    EXPECT_EQ(window->PendingBlockType(), BT::btHeading);
    const TPagePropertiesBlock& details = window->Document().Page().Items(0).PagePropertiesBlock();
    EXPECT_EQ(details.ThemeName, "Default");
    EXPECT_EQ(details.IndentMargin, "0");
    EXPECT_EQ(details.VLinkColor, 0x00990099);
}

TEST_F(BlockListTest, PaletteRowDroppedOnPageDetailsGoesUnderIt)
{
    DropFromPalette(BT::btHeading, RowPoint(0));
    EXPECT_EQ(ItemTypes(), (std::vector{BT::btPageProperties, BT::btHeading, BT::btImage, BT::btLink, BT::btText}));
    EXPECT_EQ(RowCaptions().at(1), "Heading");
    EXPECT_EQ(Blocks().SelectedRow(), 1);
    EXPECT_EQ(window->CurrentIndex(), 1);
    EXPECT_TRUE(Shows(window->pnlHeading));
    EXPECT_TRUE(window->pnlEditor->AlignmentBarInFront());
    EXPECT_TRUE(window->btnCenter->isChecked());
    EXPECT_TRUE(window->Modified());
    const TPageItem& heading = window->Document().Page().Items(1);
    EXPECT_EQ(heading.BlockAlign, TBlockAlignment::baCenter);
    EXPECT_TRUE(heading.BlockOnNewLine);
}

TEST_F(BlockListTest, PaletteRowDroppedBelowTheLastRowIsAppendedAndShown)
{
    DropFromPalette(BT::btHR, BelowLastRow());
    EXPECT_EQ(ItemTypes().back(), BT::btHR);
    EXPECT_EQ(Blocks().SelectedRow(), 4);
    EXPECT_TRUE(Shows(window->pnlHR));
    EXPECT_EQ(window->Document().Page().Items(4).HRBlock().Width, 100);
}

TEST_F(BlockListTest, PaletteDropStoresTheVisiblePanelFirst)
{
    SelectRow(3);
    window->pnlText->txtText->setPlainText("typed");
    DropFromPalette(BT::btBullet, RowPoint(1));
    // The paragraph moved down one place and kept what was typed.
    EXPECT_EQ(window->Document().Page().Items(4).TextBlock().Text, "typed");
}

TEST_F(BlockListTest, SecondFormsBlockIsRefusedAndTheTypedAddressKept)
{
    DropFromPalette(BT::btForms, BelowLastRow());
    ASSERT_EQ(ItemTypes().back(), BT::btForms);
    window->pnlForms->txtFormAddress->setText("me@example.com");

    DropFromPalette(BT::btForms, RowPoint(2));
    EXPECT_EQ(dialogs.CallsOf(Kind::Information).at(0).text, "Sorry, only one E-mail form per page is allowed.");
    EXPECT_EQ(ItemTypes().size(), 5u);
    EXPECT_EQ(window->Document().Email, "me@example.com");
    // The row under the drop point is selected and shown.
    EXPECT_EQ(Blocks().SelectedRow(), 2);
    EXPECT_TRUE(Shows(window->pnlLinks));
}

TEST_F(BlockListTest, ReorderingFollowsTheCollectionsMove)
{
    // Page Details, Image (A), Link (B), Paragraph (C).
    DragRow(1, 3);
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Link", "Paragraph", "Image"}));
    EXPECT_EQ(ItemTypes(), (std::vector{BT::btPageProperties, BT::btLink, BT::btText, BT::btImage}));
    EXPECT_EQ(Blocks().SelectedRow(), 3);

    DragRow(3, 1);
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Image", "Link", "Paragraph"}));
    DragRow(3, 1);
    EXPECT_EQ(ItemTypes(), (std::vector{BT::btPageProperties, BT::btText, BT::btImage, BT::btLink}));
}

TEST_F(BlockListTest, DraggingOntoDetailsItselfOrBelowMovesNothing)
{
    const auto before = ItemTypes();
    DragRow(2, 0);
    DragRow(2, 2);
    EXPECT_EQ(ItemTypes(), before);

    SelectRow(2);
    window->lstBlocksDragDrop(DragSource::BlockList, BelowLastRow());
    EXPECT_EQ(ItemTypes(), before);
    EXPECT_EQ(Blocks().SelectedRow(), -1);
    // The dragged block's panel stays on show and is still the one stored.
    EXPECT_TRUE(Shows(window->pnlLinks));
    EXPECT_EQ(window->CurrentIndex(), 2);
}

TEST_F(BlockListTest, LinkListDragsAreRefusedAndDropsOutsideTheListIgnored)
{
    EXPECT_FALSE(window->lstBlocksDragOver(DragSource::LinkList, RowPoint(1)));
    EXPECT_TRUE(window->lstBlocksDragOver(DragSource::Palette, RowPoint(1)));
    EXPECT_TRUE(window->shp->isVisible());
    EXPECT_TRUE(window->lstBlocksDragOver(DragSource::BlockList, RowPoint(0)));
    EXPECT_FALSE(window->shp->isVisible());

    window->lstBlocksDragDrop(DragSource::Palette, QPoint(-5, 5));
    EXPECT_EQ(ItemTypes().size(), 4u);
}

TEST_F(BlockListTest, PageDetailsCannotBeDeleted)
{
    SelectRow(0);
    window->mnuDeleteClick();
    EXPECT_EQ(dialogs.Texts(), QStringList({"The Page Settings Block cannot be deleted."}));
    EXPECT_EQ(ItemTypes().size(), 4u);
}

TEST_F(BlockListTest, DeleteAnsweredNoKeepsTheBlock)
{
    SelectRow(2);
    dialogs.Answering(Answer::No);
    window->mnuDeleteClick();
    EXPECT_EQ(dialogs.Texts(), QStringList({"Do you want to delete the selected Pagelette item?"}));
    EXPECT_EQ(ItemTypes().size(), 4u);
}

TEST_F(BlockListTest, DeletingSelectsTheRowAboveAndFillsTheBin)
{
    SelectRow(2);
    window->pnlLinks->txtLinkAddress->setText("lost");
    dialogs.Answering(Answer::Yes);
    window->imgTrashDragDrop();
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Image", "Paragraph"}));
    EXPECT_EQ(Blocks().SelectedRow(), 1);
    EXPECT_EQ(window->CurrentIndex(), 1);
    EXPECT_TRUE(Shows(window->pnlImages));
    EXPECT_EQ(window->imgTrash->Picture(), BinPicture::Full);
}

TEST_F(BlockListTest, DeletingTheLastBlockEmptiesTheBinAndHidesTheAlignmentBar)
{
    for (int i = 0; i < 3; ++i) {
        SelectRow(1);
        dialogs.Answering(Answer::Yes);
        window->mnuDeleteClick();
    }
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details"}));
    EXPECT_EQ(Blocks().SelectedRow(), 0);
    EXPECT_TRUE(Shows(window->pnlPageProp));
    EXPECT_FALSE(window->pnlEditor->AlignmentBarInFront());
    EXPECT_EQ(window->imgTrash->Picture(), BinPicture::Empty);
    // Deleting does not change Modified by itself (the clicks stored, though).
    EXPECT_TRUE(window->Modified());
}

TEST_F(BlockListTest, DeletingTheFormsBlockClearsTheForm)
{
    TPagelette& page = window->Document();
    page.WebForm().Add().Name = "Phone";
    DropFromPalette(BT::btForms, BelowLastRow());
    window->pnlForms->txtFormAddress->setText("me@example.com");
    window->pnlForms->txtFormSubject->setText("Hello");
    page.AlphaSort = true;
    SelectRow(4);
    dialogs.Answering(Answer::Yes);
    window->mnuDeleteClick();
    EXPECT_EQ(page.WebForm().Count(), 0);
    EXPECT_FALSE(page.AlphaSort);
    EXPECT_EQ(page.Email, "");
    EXPECT_EQ(page.Subject, "");
    EXPECT_EQ(window->pnlForms->lvForms->topLevelItemCount(), 0);

    // A new forms block starts empty.
    DropFromPalette(BT::btForms, BelowLastRow());
    EXPECT_EQ(window->pnlForms->txtFormAddress->text(), "");
}

} // namespace
} // namespace tarvin::testing
