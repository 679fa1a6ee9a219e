// The profile list and its panel: add, edit, apply, cancel and delete server
// profiles in the store. The list's captions are the only link to the store.

#include "publish/window/TfrmUpload.h"

#include "platform/Dialogs.h"
#include "publish/window/TfrmConnectionTest.h"
#include "publish/window/UploadPictures.h"
#include "publish/window/UploadTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace tarvin {

using namespace upload_texts;

QListWidgetItem* TfrmUpload::AddProfileItem(const QString& name)
{
    return new QListWidgetItem(QIcon(ServerPicture(32)), name, lvProfiles);
}

QListWidgetItem* TfrmUpload::SelectedProfile() const
{
    const QList<QListWidgetItem*> selected = lvProfiles->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TfrmUpload::lvProfilesClick()
{
    const bool selected = SelectedProfile() != nullptr;
    for (QToolButton* button : {btnDelete, btnEdit, btnUpload})
        button->setEnabled(selected);
}

void TfrmUpload::ShowEditButtons(bool editing)
{
    btnTest->setVisible(editing);
    btnApply->setVisible(editing);
    btnCancel->setVisible(editing);
    btnUpload->setEnabled(!editing);
}

void TfrmUpload::btnAddClick()
{
    profileEditMode_ = pemAdd;
    setWindowTitle(AddCaption);
    // New profiles work behind routers and keep the password off the wire.
    editedProfile_ = {};
    editedProfile_.Passive = true;
    editedProfile_.Tls = true;
    ShowProfile(QString(), editedProfile_);
    ShowEditButtons(true);
    pnlProfiles->raise();
    pnlProfiles->show();
    txtProfileName->setFocus();
}

void TfrmUpload::btnEditClick()
{
    const QListWidgetItem* item = SelectedProfile();
    if (!item)
        return;
    editedProfile_ = profiles_.LoadProfile(item->text().toStdString());
    ShowProfile(item->text(), editedProfile_);
    profileEditMode_ = pemEdit;
    setWindowTitle(EditCaption);
    ShowEditButtons(true);
    pnlProfiles->raise();
    pnlProfiles->show();
    txtProfileName->setFocus();
}

void TfrmUpload::ShowProfile(const QString& name, const publish::ServerProfile& profile)
{
    txtProfileName->setText(name);
    txtUserName->setText(QString::fromStdString(profile.UserName));
    txtPassword->setText(QString::fromStdString(profile.PassWord));
    txtHostName->setText(QString::fromStdString(profile.HostName));
    txtInitialDir->setText(QString::fromStdString(profile.HostDirName));
    txtPort->setText(QString::fromStdString(profile.Port));
    updnTimeout->setValue(profile.Timeout);
    chkPassive->setChecked(profile.Passive);
    cbSecurity->setCurrentText(profile.Tls ? FtpOverTls : PlainFtp);
    txtCaFile->setText(QString::fromStdString(profile.CaFile));
    cbSecurityChange();
}

publish::ServerProfile TfrmUpload::PanelProfile() const
{
    publish::ServerProfile profile = editedProfile_;
    profile.UserName = txtUserName->text().toStdString();
    profile.PassWord = txtPassword->text().toStdString();
    profile.HostName = txtHostName->text().toStdString();
    profile.HostDirName = txtInitialDir->text().toStdString();
    profile.Port = txtPort->text().toStdString();
    profile.Timeout = updnTimeout->value();
    profile.Passive = chkPassive->isChecked();
    profile.Tls = cbSecurity->currentText() == FtpOverTls;
    profile.CaFile = txtCaFile->text().toStdString();
    return profile;
}

// The certificate authority file belongs to FTP over TLS only.
void TfrmUpload::cbSecurityChange()
{
    const bool tls = cbSecurity->currentText() == FtpOverTls;
    txtCaFile->setEnabled(tls);
    btnCaBrowse->setEnabled(tls);
}

void TfrmUpload::btnCaBrowseClick()
{
    FileDialogRequest request;
    request.title = CaFileTitle;
    request.filter = CaFileFilter;
    if (!txtCaFile->text().isEmpty()) {
        const QFileInfo current(txtCaFile->text());
        request.fileName = current.fileName();
        request.initialFolder = current.absolutePath();
    }
    if (const std::optional<QString> chosen = dialogs_.OpenFile(request))
        txtCaFile->setText(*chosen);
    txtCaFile->setFocus();
}

// The test takes the panel's values as they stand, applied or not; a
// certificate trusted there is kept when the profile is applied.
void TfrmUpload::btnTestClick()
{
    frmConnectionTest->Run(PanelProfile());
}

bool TfrmUpload::NameTaken(const QString& name) const
{
    for (int row = 0; row < lvProfiles->count(); ++row)
        if (publish::SameProfileName(lvProfiles->item(row)->text().toStdString(), name.toStdString()))
            return true;
    return false;
}

void TfrmUpload::RefuseDuplicateName()
{
    QApplication::beep();
    dialogs_.Information(DuplicateName);
    txtProfileName->setFocus();
}

// A new name is checked against every profile, the edited one included, so a
// rename that only changes letter case is refused too.
void TfrmUpload::btnApplyClick()
{
    const QString name = txtProfileName->text();
    QListWidgetItem* item = profileEditMode_ == pemEdit ? SelectedProfile() : nullptr;
    const bool newName = !item || item->text() != name;
    if (newName && NameTaken(name)) {
        RefuseDuplicateName();
        return;
    }
    const QString oldName = item && newName ? item->text() : QString();
    try {
        profiles_.SaveProfile(name.toStdString(), oldName.toStdString(), PanelProfile());
    } catch (const publish::EProfileError& error) {
        dialogs_.Error(QString::fromStdString(error.what()));
        txtProfileName->setFocus();
        return;
    }
    if (!item)
        item = AddProfileItem(name);
    item->setText(name);
    lvProfiles->selectionModel()->setCurrentIndex(lvProfiles->indexFromItem(item), QItemSelectionModel::NoUpdate);
    btnCancelClick();
}

void TfrmUpload::btnCancelClick()
{
    const QString caption = windowTitle();
    if (const qsizetype dash = caption.indexOf(u'-'); dash >= 0)
        setWindowTitle(caption.left(dash));
    pnlProfiles->hide();
    ShowEditButtons(false);
    lvProfiles->setFocus();
    if (SelectedProfile())
        lvProfiles->setCurrentItem(lvProfiles->currentItem());
}

void TfrmUpload::btnDeleteClick()
{
    QApplication::beep();
    if (dialogs_.Confirm(DeleteQuestion, false) != Answer::Yes)
        return;
    QListWidgetItem* item = SelectedProfile();
    if (!item)
        return;
    try {
        profiles_.DeleteProfile(item->text().toStdString());
    } catch (const publish::EProfileError& error) {
        dialogs_.Error(QString::fromStdString(error.what()));
        return;
    }
    delete item;
    // No other profile takes its place as the chosen one.
    lvProfiles->clearSelection();
    lvProfiles->doItemsLayout();
}

} // namespace tarvin
