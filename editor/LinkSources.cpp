#include "editor/LinkSources.h"

#include "editor/EditorTexts.h"
#include "editor/MiscDialogs.h"
#include "platform/IniFile.h"
#include "platform/SharedOpenDialog.h"

#include <QDir>
#include <QLineEdit>

namespace tarvin {

namespace {

// There is no shell folder for favourites here: a "Favorites" folder in the
// home folder serves, else the home folder itself.
QString FavoritesFolder()
{
    const QDir home = QDir::home();
    return home.exists("Favorites") ? home.filePath("Favorites") : home.path();
}

} // namespace

void LinkSources::Browse(QLineEdit* target)
{
    if (const std::optional<QString> path = openDialog_.Execute())
        target->setText(*path);
}

void LinkSources::Favorites(QLineEdit* target)
{
    FileDialogRequest& request = openDialog_.Request();
    request.filter = texts::InternetShortcutFilter;
    request.fileName.clear();
    request.initialFolder = FavoritesFolder();
    const std::optional<QString> path = openDialog_.Execute();
    if (!path)
        return;
    const QString url = ReadIniString(*path, "InternetShortcut", "URL");
    if (!url.isEmpty())
        target->setText(url);
}

void LinkSources::Bookmarks(QLineEdit* target)
{
    const std::optional<QString> row = misc_.PickBookmark();
    if (row && !row->isEmpty())
        target->setText(*row);
}

} // namespace tarvin
