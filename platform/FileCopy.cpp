#include "platform/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvin {

CopyOutcome CopyFileNoReplace(const QString& source, const QString& folder) {
    const QString target = QDir(folder).filePath(QFileInfo(source).fileName());
    if (QFileInfo::exists(target)) return CopyOutcome::AlreadyThere;
    // QFile::copy refuses an existing target too, so a file that appears
    // in the meantime is not replaced either.
    return QFile::copy(source, target) ? CopyOutcome::Copied : CopyOutcome::Failed;
}

} // namespace tarvin
