#include "publish/window/UploadWizardEntry.h"

#include "platform/CursorGuard.h"
#include "platform/Dialogs.h"
#include "publish/UploadList.h"
#include "publish/UploadRecord.h"
#include "publish/VisibleText.h"
#include "publish/window/TfrmUpload.h"

#include <QFileInfo>

#include <memory>
#include <type_traits>

namespace tarvin {

namespace {

// The server profiles live beside the user's settings, where tarvin-cli finds
// them too; tests that give the window their own settings get their own profiles.
QString ProfilesFileBeside(const QString& settingsFile)
{
    return QFileInfo(settingsFile).absolutePath() + "/" +
           QFileInfo(publish::ProfileStore::DefaultSettingsFile()).fileName();
}

} // namespace

} // namespace tarvin

extern "C" void tarvin_run_upload_wizard(const tarvin::UploadRequest& request)
{
    using namespace tarvin;
    publish::ProfileStore profiles(ProfilesFileBeside(request.settingsFile));
    std::unique_ptr<TfrmUpload> wizard;
    std::vector<std::string> leftOut;
    {
        const HourglassCursor hourglass;
        const std::vector<std::string> files =
            publish::UploadListForPage(request.document, request.documentName, request.workingFolder, &leftOut);
        // Window and tarvin-cli keep one record of what was uploaded where.
        wizard = std::make_unique<TfrmUpload>(request.dialogs, request.openDialog, profiles, files,
                                              publish::UploadRecord::DefaultFolder(), request.parent);
    }
    // Pictures named outside their folders are never sent; the user hears why,
    // with the names from the document shown safely.
    if (!leftOut.empty()) {
        QStringList lines;
        for (const std::string& line : leftOut)
            lines << QString::fromStdString(publish::VisibleText(line));
        request.dialogs.Warning(lines.join('\n'));
    }
    wizard->exec();
}

static_assert(std::is_same_v<decltype(&tarvin_run_upload_wizard), tarvin::RunUploadWizardEntry>);
