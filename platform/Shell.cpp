#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace tarvin {

bool OpenWithShell(const QString& pathOrUrl) {
    // An existing file is a path even when its name looks like "a:b".
    QUrl url(pathOrUrl);
    if (url.scheme().isEmpty() || QFileInfo::exists(pathOrUrl)) url = QUrl::fromLocalFile(pathOrUrl);
    return url.isValid() && !url.isEmpty() && QDesktopServices::openUrl(url);
}

QString FavoritesFolder(const QString& homeFolder) {
    const QDir home(homeFolder);
    const QString favorites = home.filePath(QStringLiteral("Favorites"));
    return QFileInfo(favorites).isDir() ? favorites : home.absolutePath();
}

} // namespace tarvin
