// The upload panel: the list of files, sending them through the session,
// what the session shows and asks, and closing while it runs.

#include "publish/window/TfrmUpload.h"

#include "platform/Dialogs.h"
#include "platform/ListBoxHrz.h"
#include "platform/SharedOpenDialog.h"
#include "publish/window/GlobeAnimation.h"
#include "publish/window/UploadTexts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace tarvin {

using namespace upload_texts;

void TfrmUpload::btnServersClick(int tag)
{
    if (tag == 0) {
        pnlUpload->hide();
        pnlUpload->lower();
        return;
    }
    EnableUploadButtons();
    pnlUpload->raise();
    pnlUpload->show();
}

// While files are sent the list is locked, and Remove with it.
void TfrmUpload::EnableUploadButtons()
{
    const bool listed = lstUpload->count() > 0;
    btnSend->setEnabled(listed);
    btnUpRemove->setEnabled(listed && lstUpload->isEnabled());
}

void TfrmUpload::lstUploadClick()
{
    btnUpRemove->setEnabled(lstUpload->SelectedRow() >= 0);
}

void TfrmUpload::btnUpAddClick()
{
    FileDialogRequest& request = openDialog_.Request();
    request.filter = AllFilesFilter;
    request.fileName.clear();
    if (const std::optional<QString> chosen = openDialog_.Execute()) {
        lstUpload->addItem(*chosen);
        lstUpload->SelectRow(lstUpload->count() - 1);
        lstUpload->setFocus();
    }
    EnableUploadButtons();
}

void TfrmUpload::btnUpRemoveClick()
{
    if (const int row = lstUpload->SelectedRow(); row >= 0) {
        delete lstUpload->takeItem(row);
        lstUpload->SelectRow(row - 1);
    }
    lstUpload->setFocus();
    EnableUploadButtons();
}

std::vector<std::string> TfrmUpload::ListedFiles() const
{
    std::vector<std::string> files;
    for (int row = 0; row < lstUpload->count(); ++row)
        files.push_back(lstUpload->item(row)->text().toStdString());
    return files;
}

// The Upload button can be reached without a chosen profile (after Add and
// Cancel, say): then nothing is sent.
void TfrmUpload::btnSendClick()
{
    const QListWidgetItem* profile = SelectedProfile();
    if (!profile) {
        dialogs_.Warning(NoProfileChosen);
        return;
    }
    sendingProfile_ = profile->text().toStdString();
    session_.Files = ListedFiles();
    session_.ChangedOnly = chkChangedOnly->isChecked();
    session_.Send(profiles_.LoadProfile(sendingProfile_));
}

void TfrmUpload::Progress(const std::string& label)
{
    lblProgress->setText(QString::fromStdString(label));
}

void TfrmUpload::Busy(bool busy)
{
    if (busy && !busyCursor_)
        busyCursor_.emplace(Qt::BusyCursor);
    else if (!busy)
        busyCursor_.reset();
    pnlProgress->setVisible(busy);
    Animate->SetActive(busy);
    for (QWidget* control : {static_cast<QWidget*>(lstUpload), static_cast<QWidget*>(btnUpAdd),
                             static_cast<QWidget*>(btnUpRemove), static_cast<QWidget*>(btnServers),
                             static_cast<QWidget*>(chkChangedOnly)})
        control->setEnabled(!busy);
    if (!busy && closing_ == Closing::WaitingForQuit)
        FinishClosing();
}

// A certificate trusted while sending is kept with the profile at once; the
// upload goes on even when the profiles cannot be written.
void TfrmUpload::KeepFingerprint(const std::string& fingerprint)
{
    try {
        profiles_.SetTrustedFingerprint(sendingProfile_, fingerprint);
    } catch (const publish::EProfileError& error) {
        const OverrideCursor arrow(Qt::ArrowCursor);
        dialogs_.Error(QString::fromStdString(error.what()));
    }
}

// With a connection open the user is asked first; on Yes the session is
// stopped and the window closes once the server has answered QUIT, or after
// QuitLimitMs at the latest.
void TfrmUpload::closeEvent(QCloseEvent* event)
{
    if (closing_ == Closing::Done || (closing_ == Closing::No && !ftp_.ControlOpen())) {
        event->accept();
        return;
    }
    event->ignore();
    if (closing_ == Closing::WaitingForQuit)
        return;
    if (dialogs_.Confirm(StopQuestion, false) != Answer::Yes)
        return;
    closing_ = Closing::WaitingForQuit;
    for (QWidget* part : {static_cast<QWidget*>(pnlBevel), static_cast<QWidget*>(btnServers),
                          static_cast<QWidget*>(btnUpload), static_cast<QWidget*>(btnClose)})
        part->setEnabled(false);
    quitLimit_->start(QuitLimitMs);
    session_.Stop();
}

void TfrmUpload::FinishClosing()
{
    quitLimit_->stop();
    closing_ = Closing::Done;
    // Not from inside the close that started it: that close is refused.
    QTimer::singleShot(0, this, &QWidget::close);
}

void TfrmUpload::reject()
{
    if (btnCancel->isVisible())
        btnCancelClick();
    else
        close();
}

} // namespace tarvin
