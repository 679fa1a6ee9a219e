#pragma once
// Opening files and addresses with the desktop's default programs, and the
// desktop's special folders.

#include <QDir>
#include <QString>

namespace tarvin {

// Opens a file path or URL with its default program; false when that failed.
bool OpenWithShell(const QString& pathOrUrl);

// The user's folder of Internet shortcuts: "Favorites" in the home folder
// when there is one, else the home folder itself.
QString FavoritesFolder(const QString& homeFolder = QDir::homePath());

} // namespace tarvin
