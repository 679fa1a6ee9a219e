// The profile list and its panel: adding, editing, renaming and deleting
// server profiles through the window, the name rules and the key filters.
#include "WizardFixture.h"

#include "platform/HelpTopicTag.h"

#include <QClipboard>

namespace tarvin::publish::test {
namespace {

using Kind = ScriptedDialogs::Kind;

const ServerProfile kServer{"joe", "pa:ss", "ftp.example.org", "public_html", "2121", false, 90};

TEST_F(WizardTest, OpensWithTheStoredProfilesAndNothingChosen)
{
    store.SaveProfile("Home", "", kServer);
    store.SaveProfile("Work", "", kServer);
    Open();
    EXPECT_EQ(wizard->windowTitle(), "Upload Wizard");
    EXPECT_EQ(wizard->size(), QSize(487, 425));
    EXPECT_EQ(ProfileNames(), (QStringList{"Home", "Work"}));
    for (QWidget* off : {wizard->btnDelete, wizard->btnEdit, wizard->btnUpload})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    for (QWidget* hidden : {wizard->pnlProfiles, wizard->pnlUpload, static_cast<QWidget*>(wizard->btnApply),
                            static_cast<QWidget*>(wizard->btnCancel)})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_TRUE(wizard->btnServers->isChecked());
    bool welcomed = false;
    for (const QLabel* label : wizard->findChildren<QLabel*>())
        welcomed |= label->text() ==
                    "Congradulations! So far you have successfully created a web page. Now all you have to do is send "
                    "it to the web. The Upload Wizard will take care of everything for you. Just select where you want "
                    "to send your page.";
    EXPECT_TRUE(welcomed);

    ClickProfile("Work");
    for (QWidget* on : {wizard->btnDelete, wizard->btnEdit, wizard->btnUpload})
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
}

TEST_F(WizardTest, AProfileAddedThroughThePanelIsStoredWithItsFiveValues)
{
    Open();
    Click(wizard->btnAdd);
    EXPECT_EQ(wizard->windowTitle(), "Upload Wizard - Add");
    EXPECT_TRUE(wizard->pnlProfiles->isVisible());
    EXPECT_TRUE(wizard->btnApply->isVisible());
    EXPECT_FALSE(wizard->btnApply->isEnabled());  // no name yet
    EXPECT_FALSE(wizard->btnUpload->isEnabled());
    EXPECT_EQ(wizard->txtPort->text(), "21");
    EXPECT_EQ(wizard->updnTimeout->value(), 60);
    EXPECT_TRUE(wizard->chkPassive->isChecked());  // new profiles are passive
    EXPECT_EQ(QApplication::focusWidget(), wizard->txtProfileName);
    EXPECT_EQ(wizard->txtPassword->echoMode(), QLineEdit::Password);

    Click(wizard->btnCancel);
    AddProfile("My Site", kServer);
    ExpectSameProfile(store.LoadProfile("My Site"), kServer);
    EXPECT_EQ(wizard->windowTitle(), "Upload Wizard ");
    EXPECT_FALSE(wizard->pnlProfiles->isVisible());
    EXPECT_FALSE(wizard->btnApply->isVisible());
    EXPECT_TRUE(wizard->btnUpload->isEnabled());
    EXPECT_EQ(ProfileNames(), QStringList{"My Site"});

    // The next time the window opens, the profile is there.
    Open();
    EXPECT_EQ(ProfileNames(), QStringList{"My Site"});
}

TEST_F(WizardTest, ANameTakenInAnyLetterCaseIsRefused)
{
    store.SaveProfile("Server", "", kServer);
    store.SaveProfile("Other", "", {});
    Open();
    struct Case {
        const char* edited;  // nullptr: Add
        const char* typed;
    };
    for (const Case& c : {Case{nullptr, "Server"}, Case{nullptr, "SERVER"}, Case{nullptr, "sErVeR"},
                          Case{"Server", "server"},  // only the letter case changes
                          Case{"Other", "SERVER"}}) {
        SCOPED_TRACE(c.typed);
        if (c.edited) {
            ClickProfile(c.edited);
            Click(wizard->btnEdit);
        } else {
            Click(wizard->btnAdd);
        }
        Retype(wizard->txtProfileName, c.typed);
        Click(wizard->btnApply);
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls[0].kind, Kind::Information);
        EXPECT_EQ(dialogs.calls[0].text, "There is already a server profile with this name.");
        EXPECT_TRUE(wizard->pnlProfiles->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), wizard->txtProfileName);
        Click(wizard->btnCancel);
        dialogs.calls.clear();
    }
    EXPECT_EQ(store.ListProfiles(), (std::vector<std::string>{"Other", "Server"}));
    EXPECT_EQ(store.LoadProfile("Server").HostName, kServer.HostName);
    EXPECT_EQ(ProfileNames(), (QStringList{"Other", "Server"}));
}

TEST_F(WizardTest, ARenameReplacesTheOldProfileInItsPlace)
{
    for (const char* name : {"A", "B", "C"})
        store.SaveProfile(name, "", kServer);
    Open();
    ClickProfile("B");
    Click(wizard->btnEdit);
    EXPECT_EQ(wizard->windowTitle(), "Upload Wizard - Edit");
    EXPECT_EQ(wizard->txtProfileName->text(), "B");
    EXPECT_EQ(wizard->txtPassword->text(), "pa:ss");
    EXPECT_EQ(wizard->txtInitialDir->text(), "public_html");
    Retype(wizard->txtProfileName, "Bee");
    Retype(wizard->txtPort, "990");
    Click(wizard->btnApply);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(store.ListProfiles(), (std::vector<std::string>{"A", "Bee", "C"}));
    ServerProfile renamed = kServer;
    renamed.Port = "990";
    ExpectSameProfile(store.LoadProfile("Bee"), renamed);
    EXPECT_EQ(ProfileNames(), (QStringList{"A", "Bee", "C"}));
    EXPECT_EQ(wizard->lvProfiles->selectedItems(), QList<QListWidgetItem*>{ProfileItem("Bee")});

    // Keeping the name saves in place.
    Click(wizard->btnEdit);
    Retype(wizard->txtUserName, "ann");
    Click(wizard->btnApply);
    EXPECT_EQ(store.ListProfiles(), (std::vector<std::string>{"A", "Bee", "C"}));
    EXPECT_EQ(store.LoadProfile("Bee").UserName, "ann");
}

TEST_F(WizardTest, PassiveModeAndTheIdleTimeoutAreKeptWithTheProfile)
{
    store.SaveProfile("Old", "", kServer);  // active, as profiles from before the setting are
    Open();
    ClickProfile("Old");
    Click(wizard->btnEdit);
    EXPECT_FALSE(wizard->chkPassive->isChecked());
    EXPECT_EQ(wizard->updnTimeout->value(), 90);
    Click(wizard->chkPassive);
    Retype(wizard->updnTimeout, "5");
    Click(wizard->btnApply);
    const ServerProfile stored = store.LoadProfile("Old");
    EXPECT_TRUE(stored.Passive);
    EXPECT_EQ(stored.Timeout, 5);
}

TEST_F(WizardTest, EditingKeepsWhatThePanelDoesNotShow)
{
    ServerProfile secure = kServer;
    secure.Tls = true;
    secure.CaFile = "/etc/ssl/our-ca.pem";
    secure.TrustedFingerprint = "AB:CD:EF";
    store.SaveProfile("Secure", "", secure);
    Open();
    ClickProfile("Secure");
    Click(wizard->btnEdit);
    Retype(wizard->txtProfileName, "Safe");
    Retype(wizard->txtUserName, "ann");
    Click(wizard->btnApply);
    const ServerProfile stored = store.LoadProfile("Safe");
    EXPECT_EQ(stored.UserName, "ann");
    EXPECT_TRUE(stored.Tls);
    EXPECT_EQ(stored.CaFile, secure.CaFile);
    EXPECT_EQ(stored.TrustedFingerprint, secure.TrustedFingerprint);
}

TEST_F(WizardTest, AnEmptyPortStaysEmpty)
{
    Open();
    ServerProfile noPort = kServer;
    noPort.Port.clear();
    AddProfile("p", noPort);
    EXPECT_EQ(store.LoadProfile("p").Port, "");
    ClickProfile("p");
    Click(wizard->btnEdit);
    EXPECT_EQ(wizard->txtPort->text(), "");
}

TEST_F(WizardTest, KeyFiltersDropOnlyTheRefusedCharacters)
{
    Open();
    Click(wizard->btnAdd);
    struct Typing {
        QLineEdit* box;
        QString typed;
        QString shown;
    };
    for (const Typing& t : {Typing{wizard->txtProfileName, "a\\b:c<d>e\"f*g/h?i|j k", "abc<d>efghij k"},
                            Typing{wizard->txtPort, "2a1-2 1.", "2121"}}) {
        Retype(t.box, t.typed);
        EXPECT_EQ(t.box->text(), t.shown);
    }
    // The single angle quotation marks, which no key of QTest's own types.
    for (const QChar quote : {QChar(0x2039), QChar(0x203A), QChar(0x00E9)})
        QTest::sendKeyEvent(QTest::Click, wizard->txtProfileName, Qt::Key_unknown, QString(quote), Qt::NoModifier);
    EXPECT_EQ(wizard->txtProfileName->text(), QString::fromUtf8("abc<d>efghij k\u00E9"));
    // Backspace passes.
    QTest::keyClick(wizard->txtPort, Qt::Key_Backspace);
    EXPECT_EQ(wizard->txtPort->text(), "212");
}

TEST_F(WizardTest, APastedNameTheStoreCannotKeepIsRefusedWithItsReason)
{
    Open();
    Click(wizard->btnAdd);
    QGuiApplication::clipboard()->setText("back\\slash");
    QTest::mouseClick(wizard->txtProfileName, Qt::LeftButton);
    QTest::keyClick(wizard->txtProfileName, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(wizard->txtProfileName->text(), "back\\slash");  // pasting is not filtered
    Click(wizard->btnApply);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, Kind::Error);
    EXPECT_EQ(dialogs.calls[0].text.toStdString(), ProfileStore::NameProblem("back\\slash"));
    EXPECT_TRUE(wizard->pnlProfiles->isVisible());
    EXPECT_TRUE(store.ListProfiles().empty());
    EXPECT_TRUE(ProfileNames().isEmpty());
}

TEST_F(WizardTest, LabelsFocusTheirBoxesAndCarryTheirHelpTopics)
{
    Open();
    Click(wizard->btnAdd);
    struct Row {
        Qt::Key mnemonic;
        QLineEdit* box;
        int topic;
    };
    for (const Row& row : {Row{Qt::Key_U, wizard->txtUserName, 58}, Row{Qt::Key_P, wizard->txtPassword, 62},
                           Row{Qt::Key_S, wizard->txtHostName, 61}, Row{Qt::Key_D, wizard->txtInitialDir, 60},
                           Row{Qt::Key_O, wizard->txtPort, 59}, Row{Qt::Key_N, wizard->txtProfileName, 57}}) {
        SCOPED_TRACE(row.box->objectName().toStdString());
        QTest::keyClick(QApplication::focusWidget(), row.mnemonic, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), row.box);
        EXPECT_EQ(HelpContextOf(row.box), row.topic);
        int labelTopic = 0;
        for (const QLabel* label : wizard->pnlProfiles->findChildren<QLabel*>())
            if (label->buddy() == row.box)
                labelTopic = HelpTopicOf(label);
        EXPECT_EQ(labelTopic, row.topic);
    }
    // Tab goes through the boxes in the panel's order.
    QTest::keyClick(wizard->txtProfileName, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), wizard->txtUserName);
    EXPECT_EQ(HelpContextOf(wizard->lvProfiles), 63);
    EXPECT_EQ(HelpTopicOf(wizard->lstUpload), 75);
    EXPECT_EQ(HelpContextOf(wizard->lstUpload), 75);
}

TEST_F(WizardTest, CancelAndEscapeCloseThePanelAndCutTheCaption)
{
    store.SaveProfile("Only", "", kServer);
    Open();
    // Upload comes on after Add and Cancel, with no profile chosen.
    Click(wizard->btnAdd);
    Click(wizard->btnCancel);
    EXPECT_EQ(wizard->windowTitle(), "Upload Wizard ");
    EXPECT_TRUE(wizard->btnUpload->isEnabled());
    EXPECT_TRUE(wizard->lvProfiles->selectedItems().isEmpty());
    EXPECT_FALSE(wizard->btnCancel->isVisible());

    ClickProfile("Only");
    Click(wizard->btnEdit);
    QTest::keyClick(wizard->txtUserName, Qt::Key_Escape);
    EXPECT_FALSE(wizard->pnlProfiles->isVisible());
    EXPECT_EQ(wizard->windowTitle(), "Upload Wizard ");
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(wizard->lvProfiles->selectedItems(), QList<QListWidgetItem*>{ProfileItem("Only")});
    // Without the Cancel button Escape closes the window as Exit does.
    QTest::keyClick(wizard->lvProfiles, Qt::Key_Escape);
    EXPECT_FALSE(wizard->isVisible());
}

TEST_F(WizardTest, DeleteRemovesTheProfileOnlyOnYes)
{
    store.SaveProfile("A", "", kServer);
    store.SaveProfile("B", "", kServer);
    Open();
    ClickProfile("A");
    dialogs.Answering(Answer::No);
    Click(wizard->btnDelete);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, "Do you want to delete the selected server profile?");
    EXPECT_EQ(dialogs.calls[0].icon, MessageIcon::Confirmation);
    EXPECT_FALSE(dialogs.calls[0].withCancel);
    EXPECT_EQ(store.ListProfiles(), (std::vector<std::string>{"A", "B"}));

    dialogs.Answering(Answer::Yes);
    Click(wizard->btnDelete);
    EXPECT_EQ(store.ListProfiles(), std::vector<std::string>{"B"});
    EXPECT_EQ(ProfileNames(), QStringList{"B"});
    // No other profile is chosen in its place.
    EXPECT_TRUE(wizard->lvProfiles->selectedItems().isEmpty());
    for (QWidget* off : {wizard->btnDelete, wizard->btnEdit, wizard->btnUpload})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
}

TEST_F(WizardTest, ADoubleClickEditsTheProfile)
{
    store.SaveProfile("A", "", kServer);
    Open();
    QListWidget* list = wizard->lvProfiles;
    const QPoint at = list->visualItemRect(ProfileItem("A")).center();
    // As the system delivers a double-click: the first click, then the second as a double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(wizard->windowTitle(), "Upload Wizard - Edit");
    EXPECT_EQ(wizard->txtHostName->text(), "ftp.example.org");
}

} // namespace
} // namespace tarvin::publish::test
