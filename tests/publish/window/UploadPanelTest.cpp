// The upload panel before anything is sent: switching views, editing the
// list of files, and a send without a chosen profile.
#include "WizardFixture.h"

namespace tarvin::publish::test {
namespace {

using Kind = ScriptedDialogs::Kind;

TEST_F(WizardTest, TheListOfFilesCanBeEdited)
{
    store.SaveProfile("S", "", {});
    Open({"/site/images/b.gif", "/site/Upload/page.html"});
    ClickProfile("S");
    Click(wizard->btnUpload);
    EXPECT_TRUE(wizard->pnlUpload->isVisible());
    EXPECT_TRUE(wizard->btnUpload->isChecked());
    EXPECT_FALSE(wizard->pnlProgress->isVisible());
    EXPECT_TRUE(wizard->btnSend->isEnabled());
    EXPECT_TRUE(wizard->btnUpRemove->isEnabled());

    // Removing the first entry leaves none chosen; Remove stays on while entries are left.
    ClickEntry(0);
    Click(wizard->btnUpRemove);
    EXPECT_EQ(Entries(), QStringList{"/site/Upload/page.html"});
    EXPECT_EQ(wizard->lstUpload->SelectedRow(), -1);
    EXPECT_TRUE(wizard->btnUpRemove->isEnabled());
    Click(wizard->btnUpRemove);  // nothing chosen: nothing goes
    EXPECT_EQ(Entries().size(), 1);
    ClickEntry(0);
    Click(wizard->btnUpRemove);
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_FALSE(wizard->btnSend->isEnabled());
    EXPECT_FALSE(wizard->btnUpRemove->isEnabled());

    // Added files go to the end, chosen; the open dialog shows all files.
    openDialog.Request().fileName = "left over.txt";
    dialogs.ChoosingFile("/elsewhere/extra.txt").ChoosingFile("/elsewhere/more.txt").CancellingFile();
    Click(wizard->btnUpAdd);
    Click(wizard->btnUpAdd);
    Click(wizard->btnUpAdd);
    const auto asked = dialogs.CallsOf(Kind::OpenFile);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].request.filter, "All Files|*.*");
    EXPECT_EQ(asked[0].request.fileName, "");
    EXPECT_EQ(Entries(), (QStringList{"/elsewhere/extra.txt", "/elsewhere/more.txt"}));
    EXPECT_EQ(wizard->lstUpload->SelectedRow(), 1);
    EXPECT_TRUE(wizard->btnSend->isEnabled());

    // Removing an entry chooses the one above it.
    Click(wizard->btnUpRemove);
    EXPECT_EQ(wizard->lstUpload->SelectedRow(), 0);

    Click(wizard->btnServers);
    EXPECT_FALSE(wizard->pnlUpload->isVisible());
    EXPECT_TRUE(wizard->btnServers->isChecked());
}

TEST_F(WizardTest, SendingWithoutAChosenProfileSendsNothing)
{
    store.SaveProfile("S", "", {});
    Open({"/site/page.html"});
    Click(wizard->btnAdd);
    Click(wizard->btnCancel);
    Click(wizard->btnUpload);
    Click(wizard->btnSend);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, Kind::Warning);
    EXPECT_EQ(dialogs.calls[0].text, "Select the server profile to send the files to first.");
    ExpectIdle();
}

} // namespace
} // namespace tarvin::publish::test
