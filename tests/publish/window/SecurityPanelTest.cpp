// The profile panel's security settings: the choice between plain FTP and FTP
// over TLS kept per profile, TLS for new profiles, and the certificate
// authority file chosen through the program's file dialog.
#include "WizardFixture.h"

namespace tarvin::publish::test {
namespace {

using Kind = ScriptedDialogs::Kind;

ServerProfile Profile(bool tls, const std::string& caFile)
{
    ServerProfile profile{"joe", "pw", "ftp.example.org", "site", "21", true, 60};
    profile.Tls = tls;
    profile.CaFile = caFile;
    return profile;
}

TEST_F(WizardTest, NewProfilesStartWithTlsAndOlderOnesKeepPlainFtp)
{
    store.SaveProfile("Older", "", Profile(false, ""));  // saved before the setting existed
    Open();
    Click(wizard->btnAdd);
    EXPECT_EQ(wizard->cbSecurity->currentText(), "FTP over TLS");
    EXPECT_TRUE(wizard->txtCaFile->isEnabled());
    EXPECT_TRUE(wizard->txtCaFile->text().isEmpty());
    EXPECT_TRUE(wizard->btnTest->isVisible());
    Click(wizard->btnCancel);
    EXPECT_FALSE(wizard->btnTest->isVisible());

    ClickProfile("Older");
    Click(wizard->btnEdit);
    EXPECT_EQ(wizard->cbSecurity->currentText(), "Plain FTP");
    EXPECT_FALSE(wizard->txtCaFile->isEnabled());
    EXPECT_FALSE(wizard->btnCaBrowse->isEnabled());
}

TEST_F(WizardTest, TheSecurityChoiceIsKeptWithEachProfile)
{
    struct Case {
        const char* name;
        ServerProfile profile;
    };
    const Case cases[] = {{"Secure", Profile(true, "/etc/ssl/our-ca.pem")},
                          {"Secure, system roots", Profile(true, "")},
                          {"Plain", Profile(false, "")}};
    Open();
    for (const Case& c : cases)
        AddProfile(c.name, c.profile);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSameProfile(store.LoadProfile(c.name), c.profile);
    }

    // Read back into the panel, and switched over.
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClickProfile(c.name);
        Click(wizard->btnEdit);
        EXPECT_EQ(wizard->cbSecurity->currentText(), c.profile.Tls ? "FTP over TLS" : "Plain FTP");
        EXPECT_EQ(wizard->txtCaFile->text().toStdString(), c.profile.CaFile);
        EXPECT_EQ(wizard->txtCaFile->isEnabled(), c.profile.Tls);
        ChooseSecurity(!c.profile.Tls);
        EXPECT_EQ(wizard->btnCaBrowse->isEnabled(), !c.profile.Tls);
        Click(wizard->btnApply);
        EXPECT_EQ(store.LoadProfile(c.name).Tls, !c.profile.Tls);
    }
}

TEST_F(WizardTest, BrowseChoosesTheAuthorityFileThroughTheFileDialog)
{
    Open();
    Click(wizard->btnAdd);
    dialogs.ChoosingFile("/home/joe/certs/provider-ca.pem");
    Click(wizard->btnCaBrowse);
    EXPECT_EQ(wizard->txtCaFile->text(), "/home/joe/certs/provider-ca.pem");
    EXPECT_EQ(QApplication::focusWidget(), wizard->txtCaFile);

    // The next Browse starts where the file is; Cancel keeps it.
    dialogs.CancellingFile();
    Click(wizard->btnCaBrowse);
    EXPECT_EQ(wizard->txtCaFile->text(), "/home/joe/certs/provider-ca.pem");
    const auto browsed = dialogs.CallsOf(Kind::OpenFile);
    ASSERT_EQ(browsed.size(), 2u);
    EXPECT_EQ(browsed[0].request.title, "Certificate Authority File");
    EXPECT_TRUE(browsed[0].request.filter.startsWith("Certificate Files|*.pem;*.crt;*.cer"));
    EXPECT_EQ(browsed[1].request.initialFolder, "/home/joe/certs");
    EXPECT_EQ(browsed[1].request.fileName, "provider-ca.pem");

    Retype(wizard->txtProfileName, "Provider");
    Click(wizard->btnApply);
    EXPECT_EQ(store.LoadProfile("Provider").CaFile, "/home/joe/certs/provider-ca.pem");
}

} // namespace
} // namespace tarvin::publish::test
