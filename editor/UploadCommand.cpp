// "Send to web": the saved page and the pictures it uses go to the upload
// wizard, which comes from its own library (editor/UploadLibrary.h).

#include "editor/EditorTexts.h"
#include "editor/MainWindow.h"
#include "editor/UploadLibrary.h"
#include "platform/CursorGuard.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QSettings>

namespace tarvin {

void TfrmMain::btnUploadClick()
{
    if (modified_) {
        if (dialogs_.ConfirmOkCancel(QString(texts::SaveBeforeUpload).arg(documentName_)) == Answer::Ok)
            mnuSaveClick();
        if (modified_)
            return;
    }
    const UploadLibrary wizard = [] {
        const HourglassCursor hourglass;
        return LoadUploadLibrary(QCoreApplication::applicationDirPath());
    }();
    if (!wizard.run) {
        dialogs_.Error(QString(texts::UploadWizardMissing).arg(wizard.failure));
        return;
    }
    wizard.run({dialogs_, openDialog_, *document_, documentName_.toStdString(), programFolder_.toStdString(),
                settings_.fileName(), this});
}

} // namespace tarvin
