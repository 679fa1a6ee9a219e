#pragma once
// TfrmUpload, the upload wizard: keeps the list of server profiles (add, edit,
// delete) and sends the files of a page to the chosen one. Everything it
// sends goes through its UploadSession; it answers the session's questions
// through the program's Dialogs.
//
//   ProfileStore store(file);
//   TfrmUpload wizard(dialogs, openDialog, store, files, mainWindow);
//   wizard.exec();

#include "platform/CursorGuard.h"
#include "publish/FtpClient.h"
#include "publish/ProfileStore.h"
#include "publish/UploadPrompts.h"
#include "publish/UploadSession.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
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
class TListBoxHrz;

class TfrmUpload : public QDialog, private publish::UploadPrompts {
    Q_OBJECT
public:
    enum TProfileEditMode { pemAdd = 0, pemEdit = 1 };

    // How long closing waits for the server to take its leave.
    static constexpr int QuitLimitMs = 5000;

    // files: full local paths, sent from the last to the first.
    TfrmUpload(Dialogs& dialogs, SharedOpenDialog& openDialog, publish::ProfileStore& profiles,
               const std::vector<std::string>& files, QWidget* parent = nullptr);
    ~TfrmUpload() override;

    TProfileEditMode ProfileEditMode() const { return profileEditMode_; }

    // Part of the profile list.
    void lvProfilesClick();
    void btnAddClick();
    void btnEditClick();
    void btnApplyClick();
    void btnCancelClick();
    void btnDeleteClick();
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
    // The upload panel.
    QWidget* pnlUpload;
    QWidget* pnlProgress;
    GlobeAnimation* Animate;
    QLabel* lblProgress;
    QToolButton* btnSend;
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

    void ClearEditBoxes();
    void ShowEditButtons(bool editing);
    QListWidgetItem* AddProfileItem(const QString& name);
    QListWidgetItem* SelectedProfile() const;
    bool NameTaken(const QString& name) const;
    void RefuseDuplicateName();
    // The panel's values over the kept profile's others (TLS and a trusted
    // certificate, set with tarvin-cli), which the panel does not show.
    publish::ServerProfile PanelProfile(publish::ServerProfile kept) const;
    void ShowProfile(const QString& name, const publish::ServerProfile& profile);
    void EnableUploadButtons();
    std::vector<std::string> ListedFiles() const;
    void FinishClosing();

    // The session's prompts.
    void Progress(const std::string& label) override;
    void Busy(bool busy) override;
    bool AskYesNo(const std::string& question) override;
    void Warning(const std::string& text) override;
    void Information(const std::string& text) override;

    Dialogs& dialogs_;
    SharedOpenDialog& openDialog_;
    publish::ProfileStore& profiles_;
    TProfileEditMode profileEditMode_ = pemAdd;

    publish::TFtpClient ftp_;
    publish::UploadSession session_;
    std::optional<OverrideCursor> busyCursor_;
    enum class Closing { No, WaitingForQuit, Done };
    Closing closing_ = Closing::No;
    QTimer* quitLimit_;
};

} // namespace tarvin
