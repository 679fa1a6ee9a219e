#include "editor/startup/DesktopIntegration.h"

#include "editor/startup/DesktopFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tarvin {

namespace {

// Leaves a file alone when it already holds these bytes, so the desktop's
// caches are not rebuilt at every start. True when the file was written.
bool WriteIfChanged(const QString& dataHome, const DesktopFile& file)
{
    QFile existing(dataHome + '/' + file.path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == file.content)
        return false;
    return WriteDesktopFile(dataHome, file);
}

// Rebuilds a desktop cache when its sources changed or it was never built.
void UpdateCache(const DesktopContext& desktop, bool changed, const QString& folder, const QString& cacheFile,
                 const QString& tool)
{
    if (!QFileInfo(folder).isDir() || (!changed && QFileInfo::exists(folder + '/' + cacheFile)))
        return;
    const QString toolPath = desktop.findTool(tool);
    if (!toolPath.isEmpty())
        desktop.runTool(toolPath, {folder});
}

} // namespace

DesktopContext UserDesktop(const QString& programPath)
{
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), programPath,
            [](const QString& name) { return QStandardPaths::findExecutable(name); },
            [](const QString& tool, const QStringList& arguments) { QProcess::startDetached(tool, arguments); }};
}

void RegisterFileTypes(const DesktopContext& desktop)
{
    if (desktop.dataHome.isEmpty())
        return;
    bool mimeChanged = false;
    bool entryChanged = false;
    for (const DesktopFile& file : DesktopFiles(desktop.programPath)) {
        const bool changed = WriteIfChanged(desktop.dataHome, file);
        if (file.path.startsWith("mime/"))
            mimeChanged |= changed;
        else if (file.path.startsWith("applications/"))
            entryChanged |= changed;
    }
    UpdateCache(desktop, mimeChanged, desktop.dataHome + "/mime", "mime.cache", "update-mime-database");
    UpdateCache(desktop, entryChanged, desktop.dataHome + "/applications", "mimeinfo.cache",
                "update-desktop-database");
}

} // namespace tarvin
