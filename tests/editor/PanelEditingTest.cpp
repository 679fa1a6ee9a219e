// Editing inside the panels: the link list, the meta list, text import and
// the link source commands.

#include "EditorFixture.h"
#include "RealInput.h"

#include "editor/FontMemo.h"
#include "editor/panels/LinkList.h"
#include "platform/ListBoxHrz.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace tarvin::testing {
namespace {

class LinkListTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        SelectRow(2);
        panel = window->pnlLinks;
        panel->chkLink->setChecked(true);
    }

    void Add(const QString& address, const QString& text, bool email = false)
    {
        panel->txtLinkAddress->setText(address);
        panel->txtLinkText->setText(text);
        panel->chkEmail->setChecked(email);
        panel->btnLinkAddClick();
    }

    QStringList Entries() const
    {
        QStringList entries;
        for (int row = 0; row < panel->lstLinks->count(); ++row)
            entries << panel->lstLinks->item(row)->text();
        return entries;
    }

    LinkPanel* panel = nullptr;
};

TEST_F(LinkListTest, AddNeedsBothBoxesAndGoesAfterTheSelectedEntry)
{
    Add("a.example", "");
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_EQ(panel->txtLinkAddress->text(), "a.example");

    Add("me@example.com", "Mail me", true);
    EXPECT_EQ(Entries(), QStringList({"mailto:me@example.com\tMail me"}));
    EXPECT_FALSE(panel->chkEmail->isChecked());
    EXPECT_TRUE(panel->txtLinkAddress->text().isEmpty());
    EXPECT_TRUE(panel->btnLinkRemove->isEnabled());

    Add("b.example", "B");
    panel->lstLinks->SelectRow(-1);
    Add("c.example", "C");
    EXPECT_EQ(Entries(), QStringList({"c.example\tC", "mailto:me@example.com\tMail me", "b.example\tB"}));
    EXPECT_EQ(panel->lstLinks->SelectedRow(), 0);
}

TEST_F(LinkListTest, RemoveTakesTheSelectedEntryAndTheLastOneTurnsTheDropBoxOff)
{
    Add("a.example", "A");
    Add("b.example", "B");
    panel->lstLinks->SelectRow(0);
    panel->btnLinkRemoveClick();
    EXPECT_EQ(Entries(), QStringList({"b.example\tB"}));
    EXPECT_EQ(panel->lstLinks->SelectedRow(), -1);
    panel->btnLinkRemoveClick();  // nothing selected: nothing removed
    EXPECT_EQ(Entries(), QStringList({"b.example\tB"}));
    panel->lstLinks->SelectRow(0);
    panel->btnLinkRemoveClick();
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_FALSE(panel->chkLink->isChecked());
    EXPECT_FALSE(panel->lstLinks->isEnabled());
    EXPECT_FALSE(panel->btnLinkAdd->isEnabled());
    EXPECT_FALSE(panel->btnLinkRemove->isEnabled());
}

TEST_F(LinkListTest, DoubleClickLoadsTheBoxesAndApplyEditReplaces)
{
    Add("me@example.com", "Mail me", true);
    panel->lstLinksDblClick();
    EXPECT_TRUE(panel->chkEmail->isChecked());
    EXPECT_EQ(panel->txtLinkAddress->text(), "me@example.com");
    EXPECT_EQ(panel->txtLinkText->text(), "Mail me");
    EXPECT_EQ(Entries().size(), 1);

    panel->txtLinkText->setText("Write");
    panel->btnLinkEditClick();
    EXPECT_EQ(Entries(), QStringList({"mailto:me@example.com\tWrite"}));
    EXPECT_FALSE(panel->chkEmail->isChecked());
    EXPECT_TRUE(panel->txtLinkText->text().isEmpty());

    // Without a selected entry Apply Edit does nothing.
    panel->lstLinks->SelectRow(-1);
    panel->txtLinkAddress->setText("x");
    panel->txtLinkText->setText("y");
    panel->btnLinkEditClick();
    EXPECT_EQ(Entries(), QStringList({"mailto:me@example.com\tWrite"}));
}

TEST_F(LinkListTest, DroppingAnEntryOnAnotherSwapsThem)
{
    Add("a.example", "A");
    Add("b.example", "B");
    Add("c.example", "C");
    panel->lstLinks->SelectRow(0);
    panel->lstLinks->SwapSelectedWith(2);
    EXPECT_EQ(Entries(), QStringList({"c.example\tC", "b.example\tB", "a.example\tA"}));
    panel->lstLinks->SwapSelectedWith(-1);
    EXPECT_EQ(Entries().first(), "c.example\tC");
}

TEST_F(LinkListTest, TheDropBoxAndTheSelectionEnableTheButtons)
{
    // The fixture checked the drop box; start from a block without one.
    ClickCheckBox(panel->chkLink);
    ASSERT_FALSE(panel->chkLink->isChecked());
    for (QWidget* control : std::initializer_list<QWidget*>{panel->btnLinkAdd, panel->btnLinkRemove, panel->btnLinkEdit, panel->lstLinks})
        EXPECT_FALSE(control->isEnabled());

    ClickCheckBox(panel->chkLink);
    EXPECT_TRUE(panel->btnLinkAdd->isEnabled());
    EXPECT_TRUE(panel->lstLinks->isEnabled());
    EXPECT_FALSE(panel->btnLinkRemove->isEnabled());  // nothing to remove yet
    EXPECT_FALSE(panel->btnLinkEdit->isEnabled());

    QTest::mouseClick(panel->txtLinkAddress, Qt::LeftButton);
    QTest::keyClicks(panel->txtLinkAddress, "a.example");
    QTest::mouseClick(panel->txtLinkText, Qt::LeftButton);
    QTest::keyClicks(panel->txtLinkText, "A");
    QTest::mouseClick(panel->btnLinkAdd, Qt::LeftButton);
    Add("b.example", "B");
    ASSERT_EQ(Entries(), QStringList({"a.example\tA", "b.example\tB"}));
    EXPECT_EQ(panel->lstLinks->SelectedRow(), 1);
    EXPECT_TRUE(panel->btnLinkRemove->isEnabled());
    EXPECT_TRUE(panel->btnLinkEdit->isEnabled());

    // Unchecked with entries left, everything but the box itself goes off.
    ClickCheckBox(panel->chkLink);
    EXPECT_FALSE(panel->btnLinkAdd->isEnabled());
    EXPECT_FALSE(panel->btnLinkRemove->isEnabled());
    EXPECT_FALSE(panel->btnLinkEdit->isEnabled());
    EXPECT_FALSE(panel->lstLinks->isEnabled());
    ClickCheckBox(panel->chkLink);
    EXPECT_TRUE(panel->btnLinkRemove->isEnabled());

    // Up selects the first entry, and Remove takes that one; with nothing
    // selected any more, Remove waits for the next selection.
    panel->lstLinks->setFocus();
    QTest::keyClick(panel->lstLinks, Qt::Key_Up);
    EXPECT_EQ(panel->lstLinks->SelectedRow(), 0);
    QTest::mouseClick(panel->btnLinkRemove, Qt::LeftButton);
    EXPECT_EQ(Entries(), QStringList({"b.example\tB"}));
    EXPECT_FALSE(panel->btnLinkRemove->isEnabled());
    panel->lstLinks->setFocus();
    QTest::keyClick(panel->lstLinks, Qt::Key_Down);
    EXPECT_TRUE(panel->btnLinkRemove->isEnabled());
    QTest::mouseClick(panel->btnLinkRemove, Qt::LeftButton);
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_FALSE(panel->chkLink->isChecked());
    EXPECT_FALSE(panel->btnLinkRemove->isEnabled());
}

class MetaListTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        panel = window->pnlPageProp;
    }
    PagePropPanel* panel = nullptr;
};

TEST_F(MetaListTest, AddEditAndRemove)
{
    EXPECT_FALSE(panel->btnMetaRemove->isEnabled());
    misc.metaTags.push_back(MetaTag{"Keywords", "cats"});
    panel->btnMetaAddClick();
    EXPECT_EQ(panel->lstMeta->item(0)->text(), "Keywords\tcats");
    EXPECT_EQ(panel->lstMeta->SelectedRow(), 0);
    // The buttons follow the entry that Add selected.
    EXPECT_TRUE(panel->btnMetaRemove->isEnabled());
    EXPECT_TRUE(panel->btnMetaEdit->isEnabled());

    panel->lstMeta->addItem("Author\tme\tand you");
    panel->lstMeta->SelectRow(1);
    misc.metaTags.push_back(MetaTag{"Description", "mine"});
    panel->btnMetaEditClick();
    EXPECT_EQ(misc.editedFrom.at(0).name, "Author");
    EXPECT_EQ(misc.editedFrom.at(0).content, "me\tand you");
    EXPECT_EQ(panel->lstMeta->item(1)->text(), "Description\tmine");
    EXPECT_EQ(panel->lstMeta->SelectedRow(), 1);

    // A cancelled dialog keeps the entry.
    misc.metaTags.push_back(std::nullopt);
    panel->btnMetaEditClick();
    EXPECT_EQ(panel->lstMeta->item(1)->text(), "Description\tmine");

    panel->btnMetaRemoveClick();
    EXPECT_EQ(panel->lstMeta->count(), 1);
    EXPECT_FALSE(panel->btnMetaRemove->isEnabled());
    EXPECT_FALSE(panel->btnMetaEdit->isEnabled());
}

TEST_F(MetaListTest, EditWithoutASelectedEntryOpensNothing)
{
    panel->lstMeta->addItem("Keywords\tcats");
    panel->lstMeta->SelectRow(-1);
    panel->btnMetaEditClick();
    EXPECT_TRUE(misc.editedFrom.empty());
}

TEST_F(MetaListTest, RemoveAndEditFollowTheSelectionWhateverMadeIt)
{
    misc.metaTags.push_back(MetaTag{"Keywords", "cats"});
    QTest::mouseClick(panel->btnMetaAdd, Qt::LeftButton);
    misc.metaTags.push_back(MetaTag{"Description", "pets"});
    QTest::mouseClick(panel->btnMetaAdd, Qt::LeftButton);
    ASSERT_EQ(panel->lstMeta->count(), 2);
    EXPECT_EQ(panel->lstMeta->SelectedRow(), 1);
    EXPECT_TRUE(panel->btnMetaRemove->isEnabled());
    EXPECT_TRUE(panel->btnMetaEdit->isEnabled());

    QTest::mouseClick(panel->btnMetaRemove, Qt::LeftButton);
    EXPECT_EQ(panel->lstMeta->SelectedRow(), -1);
    EXPECT_FALSE(panel->btnMetaRemove->isEnabled());
    EXPECT_FALSE(panel->btnMetaEdit->isEnabled());

    panel->lstMeta->setFocus();
    QTest::keyClick(panel->lstMeta, Qt::Key_Down);
    EXPECT_EQ(panel->lstMeta->SelectedRow(), 0);
    EXPECT_TRUE(panel->btnMetaRemove->isEnabled());

    // A click on empty space leaves nothing selected.
    QTest::mouseClick(panel->lstMeta->viewport(), Qt::LeftButton, {}, QPoint(5, panel->lstMeta->viewport()->height() - 3));
    EXPECT_EQ(panel->lstMeta->SelectedRow(), -1);
    EXPECT_FALSE(panel->btnMetaRemove->isEnabled());
    EXPECT_FALSE(panel->btnMetaEdit->isEnabled());
}

class TextImportTest : public EditorTest {};

TEST_F(TextImportTest, InsertsTheFileAtTheCaretAndIgnoresUnreadableFiles)
{
    QFile file(PathOf("notes.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("first\r\nsecond");
    file.close();
    SelectRow(3);
    QPlainTextEdit* memo = window->pnlText->txtText;
    memo->setPlainText("AB");
    QTextCursor caret = memo->textCursor();
    caret.setPosition(1);
    memo->setTextCursor(caret);

    dialogs.ChoosingFile(file.fileName());
    window->pnlText->btnTextImport->click();
    EXPECT_EQ(memo->toPlainText(), "Afirst\nsecond\nB");
    EXPECT_EQ(dialogs.calls.at(0).request.filter, "Text Files|*.txt");

    dialogs.ChoosingFile(PathOf("missing.txt"));
    window->pnlText->btnTextImport->click();
    EXPECT_EQ(memo->toPlainText(), "Afirst\nsecond\nB");
}

class LinkSourceTest : public EditorTest {};

TEST_F(LinkSourceTest, FavoritesReadTheShortcutsAddressAndBookmarksFillTheTarget)
{
    QFile shortcut(PathOf("site.url"));
    ASSERT_TRUE(shortcut.open(QIODevice::WriteOnly));
    shortcut.write("[InternetShortcut]\r\nURL=http://fav.example/\r\n");
    shortcut.close();
    SelectRow(2);
    dialogs.ChoosingFile(shortcut.fileName());
    window->pnlLinks->btnLinkIE->click();
    EXPECT_EQ(window->pnlLinks->txtLinkAddress->text(), "http://fav.example/");
    EXPECT_EQ(dialogs.calls.at(0).request.filter, "Internet Shortcuts|*.url");

    SelectRow(1);
    misc.bookmarks.push_back(QString("http://mark.example/"));
    window->pnlImages->btnImageNetscape->click();
    EXPECT_EQ(window->pnlImages->txtImageLink->text(), "http://mark.example/");
    misc.bookmarks.push_back(std::nullopt);
    window->pnlImages->btnImageNetscape->click();
    EXPECT_EQ(window->pnlImages->txtImageLink->text(), "http://mark.example/");

    // Browse opens the open dialog as the last use left it.
    dialogs.ChoosingFile(PathOf("page.html"));
    window->pnlImages->btnImageLink->click();
    EXPECT_EQ(window->pnlImages->txtImageLink->text(), PathOf("page.html"));
    EXPECT_EQ(dialogs.calls.back().request.filter, "Internet Shortcuts|*.url");
}

} // namespace
} // namespace tarvin::testing
