// "Send to web": the saved page and the pictures it uses go to the upload wizard.

#include "editor/EditorTexts.h"
#include "editor/MainWindow.h"
#include "platform/CursorGuard.h"
#include "platform/Dialogs.h"
#include "publish/UploadList.h"
#include "publish/UploadRecord.h"
#include "publish/VisibleText.h"
#include "publish/window/TfrmUpload.h"

#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace tarvin {

namespace {

// The server profiles live beside the user's settings, where tarvin-cli finds
// them too; tests that give the window their own settings get their own profiles.
QString ProfilesFileBeside(const QSettings& settings)
{
    return QFileInfo(settings.fileName()).absolutePath() + "/" +
           QFileInfo(publish::ProfileStore::DefaultSettingsFile()).fileName();
}

} // namespace

void TfrmMain::btnUploadClick()
{
    if (modified_) {
        if (dialogs_.ConfirmOkCancel(QString(texts::SaveBeforeUpload).arg(documentName_)) == Answer::Ok)
            mnuSaveClick();
        if (modified_)
            return;
    }
    publish::ProfileStore profiles(ProfilesFileBeside(settings_));
    std::unique_ptr<TfrmUpload> wizard;
    std::vector<std::string> leftOut;
    {
        const HourglassCursor hourglass;
        const std::vector<std::string> files = publish::UploadListForPage(
            *document_, documentName_.toStdString(), programFolder_.toStdString(), &leftOut);
        // Window and tarvin-cli keep one record of what was uploaded where.
        wizard = std::make_unique<TfrmUpload>(dialogs_, openDialog_, profiles, files,
                                              publish::UploadRecord::DefaultFolder(), this);
    }
    // Pictures named outside their folders are never sent; the user hears why,
    // with the names from the document shown safely.
    if (!leftOut.empty()) {
        QStringList lines;
        for (const std::string& line : leftOut)
            lines << QString::fromStdString(publish::VisibleText(line));
        dialogs_.Warning(lines.join('\n'));
    }
    wizard->exec();
}

} // namespace tarvin
