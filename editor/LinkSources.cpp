#include "editor/LinkSources.h"

#include "editor/EditorTexts.h"
#include "editor/MiscDialogs.h"
#include "platform/IniFile.h"
#include "platform/SharedOpenDialog.h"
#include "platform/Shell.h"

#include <QLineEdit>

namespace tarvin {

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
