#pragma once
// TfrmUpload, the upload wizard: keeps the list of server profiles (add, edit,
// delete) and sends the files of a page to the chosen one. Everything it
// sends goes through its UploadSession, and the profile panel's "Test"
// through a ConnectionTest; it answers their questions through the program's
// Dialogs.
//
//   ProfileStore store(file);
//   TfrmUpload wizard(dialogs, openDialog, store, files, UploadRecord::DefaultFolder(), mainWindow);
//   wizard.exec();

#include "platform/CursorGuard.h"
#include "publish/FtpClient.h"
#include "publish/ProfileStore.h"
#include "publish/UploadPrompts.h"
#include "publish/UploadSession.h"
#include "publish/window/DialogPrompts.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;

namespace tarvin {

class Dialogs;
class GlobeAnimation;
class SharedOpenDialog;
class TfrmConnectionTest;
class TListBoxHrz;

class TfrmUpload : public QDialog, private DialogPrompts {
    Q_OBJECT
public:
    enum TProfileEditMode { pemAdd = 0, pemEdit = 1 };

    // How long closing waits for the server to take its leave.
    static constexpr int QuitLimitMs = 5000;

    // files: full local paths, sent from the last to the first. recordFolder
    // keeps the records of verified uploads that "Send only changed files"
    // goes by (empty keeps none).
    TfrmUpload(Dialogs& dialogs, SharedOpenDialog& openDialog, publish::ProfileStore& profiles,
               const std::vector<std::string>& files, const std::string& recordFolder, QWidget* parent = nullptr);
    ~TfrmUpload() override;

    TProfileEditMode ProfileEditMode() const { return profileEditMode_; }

    // Part of the profile list.
    void lvProfilesClick();
    void btnAddClick();
    void btnEditClick();
    void btnApplyClick();
    void btnCancelClick();
    void btnDeleteClick();
    void cbSecurityChange();
    void btnCaBrowseClick();
    void btnTestClick();
    // The upload panel.
    void btnServersClick(int tag);  // 0: "Servers", 1: "Upload"
    void lstUploadClick();
    void btnUpAddClick();
    void btnUpRemoveClick();
    void btnSendClick();

    // Left bevel.
    QFrame* pnlBevel;
    QListWidget* lvProfiles;
    QToolButton* btnAdd;
    QToolButton* btnDelete;
    QToolButton* btnEdit;
    QPushButton* btnApply;
    QPushButton* btnCancel;
    QPushButton* btnTest;
    // The profile panel.
    QWidget* pnlProfiles;
    QLineEdit* txtProfileName;
    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QLineEdit* txtHostName;
    QLineEdit* txtInitialDir;
    QLineEdit* txtPort;
    QSpinBox* updnTimeout;  // seconds without reply or progress before the upload gives up
    QCheckBox* chkPassive;
    QComboBox* cbSecurity;  // FTP over TLS or plain FTP
    QLineEdit* txtCaFile;   // certificates to trust besides the system's
    QPushButton* btnCaBrowse;
    TfrmConnectionTest* frmConnectionTest;
    // The upload panel.
    QWidget* pnlUpload;
    QWidget* pnlProgress;
    GlobeAnimation* Animate;
    QLabel* lblProgress;
    QToolButton* btnSend;
    QCheckBox* chkChangedOnly;
    QToolButton* btnUpAdd;
    QToolButton* btnUpRemove;
    TListBoxHrz* lstUpload;
    // Right strip.
    QToolButton* btnServers;
    QToolButton* btnUpload;
    QToolButton* btnClose;

protected:
    // FormPaint: the frame of the button strip.
    void paintEvent(QPaintEvent* event) override;
    // FormClose: a session under way is stopped first, on the user's word.
    void closeEvent(QCloseEvent* event) override;
    // Escape answers Cancel while it shows, otherwise closes as Exit does.
    void reject() override;

private:
    void BuildBevel();
    QWidget* BuildProfilePanel(QWidget* parent);
    QWidget* BuildUploadPanel(QWidget* parent);
    void BuildButtonStrip();
    void ConnectHandlers();

    void ShowEditButtons(bool editing);
    QListWidgetItem* AddProfileItem(const QString& name);
    QListWidgetItem* SelectedProfile() const;
    bool NameTaken(const QString& name) const;
    void RefuseDuplicateName();
    // The panel's values over the edited profile's others (a trusted
    // certificate), which the panel does not show.
    publish::ServerProfile PanelProfile() const;
    void ShowProfile(const QString& name, const publish::ServerProfile& profile);
    void EnableUploadButtons();
    std::vector<std::string> ListedFiles() const;
    void FinishClosing();

    // The session's prompts.
    void Progress(const std::string& label) override;
    void Busy(bool busy) override;
    void KeepFingerprint(const std::string& fingerprint) override;

    SharedOpenDialog& openDialog_;
    publish::ProfileStore& profiles_;
    TProfileEditMode profileEditMode_ = pemAdd;
    // The profile as the panel opened it; a certificate trusted in a test joins it.
    publish::ServerProfile editedProfile_;
    std::string sendingProfile_;  // the name of the profile the files go to

    publish::TFtpClient ftp_;
    publish::UploadSession session_;
    std::optional<OverrideCursor> busyCursor_;
    enum class Closing { No, WaitingForQuit, Done };
    Closing closing_ = Closing::No;
    QTimer* quitLimit_;
};

} // namespace tarvin
