// Store and show for every block type: what a panel shows is what it stores.

#include "EditorFixture.h"

#include "editor/FontMemo.h"
#include "editor/panels/LinkList.h"
#include "platform/ListBoxHrz.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <functional>

namespace tarvin::testing {
namespace {

using BT = TBlockType;
using Kind = ScriptedDialogs::Kind;

class BindingTest : public EditorTest {
protected:
    // Appends a block of type and shows it.
    TPageItem& Append(BT type)
    {
        DropFromPalette(type, BelowLastRow());
        return window->Document().Page().Items(Blocks().count() - 1);
    }
    // Stores the shown panel by selecting another row, then comes back.
    void StoreAndReshow(int row)
    {
        SelectRow(0);
        SelectRow(row);
    }
};

TEST_F(BindingTest, PageDetailsStoreNeverTouchesItsAlignment)
{
    SelectRow(0);
    window->pnlPageProp->txtPageTitle->setText("Ünïcode title");
    window->pnlPageProp->chkLinkUnderline->setChecked(true);
    window->pnlPageProp->lstMeta->addItem("Keywords\tcats, dogs");
    window->pnlPageProp->lstMeta->addItem("Description\tpets");
    window->btnRight->setChecked(true);
    window->btnParagraph->setChecked(true);
    SelectRow(1);
    TPageItem& item = window->Document().Page().Items(0);
    EXPECT_EQ(item.PagePropertiesBlock().PageTitle, "Ünïcode title");
    EXPECT_TRUE(item.PagePropertiesBlock().Underline);
    EXPECT_EQ(item.PagePropertiesBlock().MetaText, "Keywords\tcats, dogs\r\nDescription\tpets\r\n");
    EXPECT_EQ(item.BlockAlign, TBlockAlignment::baNone);
    EXPECT_TRUE(item.BlockOnNewLine);

    // Showing it leaves the alignment buttons alone and the bar hidden.
    window->btnLeft->setChecked(true);
    SelectRow(0);
    EXPECT_TRUE(window->btnLeft->isChecked());
    EXPECT_FALSE(window->pnlEditor->AlignmentBarInFront());
    EXPECT_EQ(window->pnlPageProp->lstMeta->count(), 2);
}

TEST_F(BindingTest, HeadingKeepsTextFontAndMark)
{
    TPageItem& item = Append(BT::btHeading);
    EXPECT_EQ(item.HeadingBlock().Attributes, DefaultFontDescription);
    EXPECT_EQ(item.HeadingBlock().ApplyFont, 0);
    FontMemo* memo = window->pnlHeading->txtHeading;
    memo->setPlainText("My Web Page");
    misc.fonts.push_back(std::pair{QFont("Arial", 20, QFont::Bold), TColor(0x000000FF)});
    window->pnlHeading->btnHeadingFont->click();
    window->btnRight->setChecked(true);
    window->btnParagraph->setChecked(false);
    SelectRow(0);
    EXPECT_EQ(item.HeadingBlock().Heading, "My Web Page");
    EXPECT_EQ(item.HeadingBlock().Attributes, "\"Arial\", 20, [Bold], [clRed]");
    EXPECT_EQ(item.HeadingBlock().ApplyFont, 1);
    EXPECT_EQ(item.BlockAlign, TBlockAlignment::baRight);
    EXPECT_FALSE(item.BlockOnNewLine);

    memo->setPlainText("other");
    SelectRow(Blocks().count() - 1);
    EXPECT_EQ(memo->toPlainText(), "My Web Page");
    EXPECT_EQ(memo->font().pointSize(), 20);
    EXPECT_EQ(memo->FontMark(), 1);
    EXPECT_TRUE(window->btnRight->isChecked());
    EXPECT_FALSE(window->btnParagraph->isChecked());
}

TEST_F(BindingTest, ConfirmingTheFontDialogUnchangedStillSetsTheMark)
{
    SelectRow(3);
    FontMemo* memo = window->pnlText->txtText;
    misc.fonts.push_back(std::pair{memo->font(), memo->FontColor()});
    window->pnlText->btnTextFont->click();
    SelectRow(0);
    const TTextBlock& text = window->Document().Page().Items(3).TextBlock();
    EXPECT_EQ(text.ApplyFont, 1);
    EXPECT_EQ(text.Attributes, DefaultFontDescription);

    // A cancelled dialog changes nothing.
    SelectRow(3);
    memo->SetFontMark(0);
    misc.fonts.push_back(std::nullopt);
    window->pnlText->btnTextFont->click();
    EXPECT_EQ(memo->FontMark(), 0);
}

TEST_F(BindingTest, ParagraphKeepsLineBreaksAndHeadingIgnoresEnter)
{
    SelectRow(3);
    window->pnlText->txtText->setPlainText("one\ntwo");
    StoreAndReshow(3);
    EXPECT_EQ(window->Document().Page().Items(3).TextBlock().Text, "one\r\ntwo");
    EXPECT_EQ(window->pnlText->txtText->toPlainText(), "one\ntwo");

    Append(BT::btHeading);
    FontMemo* heading = window->pnlHeading->txtHeading;
    heading->setFocus();
    QTest::keyClicks(heading, "ab");
    QTest::keyClick(heading, Qt::Key_Return);
    QTest::keyClicks(heading, "c");
    EXPECT_EQ(heading->toPlainText(), "abc");
}

TEST_F(BindingTest, ImageShowsTheStoredPictureOrNoImage)
{
    TPageItem& item = window->Document().Page().Items(1);
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(PathOf("Upload/images/red.bmp")));
    item.ImageBlock().FileName = "red.bmp";
    item.ImageBlock().Align = "ABSMIDDLE";
    SelectRow(1);
    ImagePanel* panel = window->pnlImages;
    EXPECT_EQ(panel->txtImageFile->text(), "red.bmp");
    EXPECT_EQ(panel->PicturePath(), PathOf("Upload/images/red.bmp"));
    EXPECT_EQ(panel->imgImageView->size(), QSize(30, 20));
    EXPECT_FALSE(panel->lblImageError->isVisibleTo(panel));
    EXPECT_EQ(panel->cbImageAlign->currentText(), "ABSMIDDLE");

    panel->txtImageAlt->setText("A red box");
    panel->txtImageH->setText("20");
    panel->txtImageFile->setText("typed, not stored.gif");
    SelectRow(0);
    EXPECT_EQ(item.ImageBlock().FileName, "red.bmp");
    EXPECT_EQ(item.ImageBlock().Alt, "A red box");
    EXPECT_EQ(item.ImageBlock().Height, "20");

    item.ImageBlock().FileName = "missing.gif";
    SelectRow(1);
    EXPECT_TRUE(panel->lblImageError->isVisibleTo(panel));
    EXPECT_TRUE(panel->imgImageView->pixmap().isNull());
}

TEST_F(BindingTest, PickingAPictureCopiesItWithoutReplacing)
{
    QImage picture(40, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QDir(folder.path()).mkpath("elsewhere");
    ASSERT_TRUE(picture.save(PathOf("elsewhere/blue.bmp")));
    SelectRow(1);
    ImagePanel* panel = window->pnlImages;

    dialogs.ChoosingFile(PathOf("elsewhere/blue.bmp"));
    panel->btnImagePicClick();
    EXPECT_EQ(dialogs.calls.at(0).request.initialFolder, PathOf("Upload/images/"));
    EXPECT_EQ(panel->txtImageW->text(), "40");
    EXPECT_EQ(panel->txtImageH->text(), "10");
    EXPECT_EQ(panel->txtImageFile->text(), "blue.bmp");
    EXPECT_EQ(panel->PicturePath(), PathOf("Upload/images/blue.bmp"));
    EXPECT_TRUE(QFileInfo::exists(PathOf("Upload/images/blue.bmp")));

    // A picture of the same name is not copied over the one already there.
    QImage other(5, 5, QImage::Format_RGB32);
    other.fill(Qt::green);
    ASSERT_TRUE(other.save(PathOf("elsewhere/blue.bmp")));
    dialogs.ChoosingFile(PathOf("elsewhere/blue.bmp"));
    panel->btnImagePicClick();
    EXPECT_EQ(QImage(PathOf("Upload/images/blue.bmp")).size(), QSize(40, 10));
    EXPECT_EQ(panel->PicturePath(), PathOf("elsewhere/blue.bmp"));
    SelectRow(0);
    EXPECT_EQ(window->Document().Page().Items(1).ImageBlock().FileName, "blue.bmp");

    // A cancelled dialog changes nothing.
    SelectRow(1);
    dialogs.CancellingFile();
    panel->btnImagePicClick();
    EXPECT_EQ(panel->txtImageFile->text(), "blue.bmp");
}

TEST_F(BindingTest, APictureThatCannotBeCopiedIsReportedAndTheBlockKeepsItsOwn)
{
    QImage picture(40, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QDir(folder.path()).mkpath("elsewhere");
    ASSERT_TRUE(picture.save(PathOf("elsewhere/blue.bmp")));
    ASSERT_TRUE(picture.scaled(8, 8).save(PathOf("elsewhere/small.bmp")));
    SelectRow(1);
    ImagePanel* panel = window->pnlImages;
    dialogs.ChoosingFile(PathOf("elsewhere/blue.bmp"));
    QTest::mouseClick(panel->btnImagePic, Qt::LeftButton);
    ASSERT_EQ(panel->PicturePath(), PathOf("Upload/images/blue.bmp"));

    struct Case {
        const char* name;
        QString chosen;
        std::function<void()> breakCopy;
    };
    const Case cases[] = {
        {"unreadable source", PathOf("elsewhere/gone.bmp"), [] {}},
        {"no images folder", PathOf("elsewhere/small.bmp"), [this] { QDir(PathOf("Upload/images")).removeRecursively(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.breakCopy();
        dialogs.calls.clear();
        dialogs.ChoosingFile(c.chosen);
        QTest::mouseClick(panel->btnImagePic, Qt::LeftButton);
        ASSERT_EQ(dialogs.CallsOf(Kind::Error).size(), 1u);
        EXPECT_TRUE(dialogs.CallsOf(Kind::Error).at(0).text.contains(QDir::toNativeSeparators(c.chosen)));
        EXPECT_EQ(panel->txtImageFile->text(), "blue.bmp");
        EXPECT_EQ(panel->PicturePath(), PathOf("Upload/images/blue.bmp"));
        EXPECT_EQ(panel->imgImageView->size(), QSize(40, 10));
        EXPECT_EQ(panel->txtImageW->text(), "40");
    }
    SelectRow(0);
    EXPECT_EQ(window->Document().Page().Items(1).ImageBlock().FileName, "blue.bmp");
}

TEST_F(BindingTest, LinkStoresItsBoxesAndDropBox)
{
    SelectRow(2);
    LinkPanel* panel = window->pnlLinks;
    panel->txtLinkAddress->setText("http://a.example/");
    panel->txtLinkText->setText("A");
    panel->chkLink->setChecked(true);
    panel->btnLinkAddClick();
    panel->txtLinkAddress->setText("single.example");
    panel->txtLinkText->setText("Single");
    panel->chkEmail->setChecked(true);
    StoreAndReshow(2);
    const TLinkBlock& link = window->Document().Page().Items(2).LinkBlock();
    EXPECT_EQ(link.DropBoxText, "http://a.example/\tA\r\n");
    EXPECT_TRUE(link.UseDropBox);
    EXPECT_TRUE(link.Email);
    EXPECT_EQ(link.LinkURL, "single.example");
    EXPECT_TRUE(panel->lstLinks->isEnabled());
    EXPECT_TRUE(panel->btnLinkAdd->isEnabled());
    // Shown afresh, no entry is selected yet.
    EXPECT_FALSE(panel->btnLinkRemove->isEnabled());
}

TEST_F(BindingTest, BulletStyleWithoutARowKeepsTheStoredStyle)
{
    TPageItem& item = Append(BT::btBullet);
    EXPECT_EQ(window->pnlBullets->cbBullets->currentText(), "Disc");
    window->pnlBullets->cbBullets->setCurrentIndex(6);
    window->pnlBullets->txtBullets->setPlainText("a\nb");
    SelectRow(0);
    EXPECT_EQ(item.BulletBlock().Style, TListStyle::lsUpCaseRoman);
    EXPECT_EQ(item.BulletBlock().Bullets, "a\r\nb");

    SelectRow(Blocks().count() - 1);
    window->pnlBullets->cbBullets->setCurrentIndex(-1);
    SelectRow(0);
    EXPECT_EQ(item.BulletBlock().Style, TListStyle::lsUpCaseRoman);
}

TEST_F(BindingTest, LineStoresWidthSizeAndShadeAndUpdatesThePreview)
{
    TPageItem& item = Append(BT::btHR);
    HRPanel* panel = window->pnlHR;
    EXPECT_EQ(panel->updnHRWidth->value(), 100);
    panel->updnHRWidth->stepBy(-19);
    EXPECT_EQ(panel->updnHRWidth->value(), 5);
    panel->updnHRWidth->stepBy(-1);
    EXPECT_EQ(panel->updnHRWidth->value(), 5);
    EXPECT_EQ(panel->bevHR->width(), 12);
    panel->cbHR->setCurrentIndex(3);
    EXPECT_EQ(panel->bevHR->height(), 12);
    panel->chkNoShade->setChecked(true);
    SelectRow(0);
    EXPECT_EQ(item.HRBlock().Width, 5);
    EXPECT_EQ(item.HRBlock().Size, 3);
    EXPECT_TRUE(item.HRBlock().NoShade);

    item.HRBlock().Width = 15;
    item.HRBlock().Size = 5;
    SelectRow(Blocks().count() - 1);
    EXPECT_EQ(panel->bevHR->size(), QSize(38, 18));
}

TEST_F(BindingTest, FormsAddressesBelongToTheDocument)
{
    window->Document().Email = "old@example.com";
    TPageItem& item = Append(BT::btForms);
    FormsPanel* panel = window->pnlForms;
    EXPECT_EQ(panel->txtFormAddress->text(), "old@example.com");
    panel->txtFormAddress->setText("me@example.com");
    panel->txtFormSubject->setText("Hi");
    panel->txtFormURL->setText("http://back.example/");
    SelectRow(0);
    EXPECT_EQ(window->Document().Email, "me@example.com");
    EXPECT_EQ(window->Document().Subject, "Hi");
    EXPECT_EQ(window->Document().Redirect, "http://back.example/");
    EXPECT_EQ(item.BlockAlign, TBlockAlignment::baLeft);
}

TEST_F(BindingTest, StoreWithNoCurrentBlockChangesNothing)
{
    window->RebuildBlockList();
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(window->CurrentIndex(), 0);
}

} // namespace
} // namespace tarvin::testing
