#include "editor/startup/ThemeStoreStartup.h"

#include "platform/Dialogs.h"
#include "platform/TextCodec.h"

#include <QListWidget>

namespace tarvin {

std::unique_ptr<TWebTheme> LoadThemeStore(const QString& programFolder, QListWidget& lstThemes, Dialogs& dialogs)
{
    ThemeStoreReadResult read = LoadThemeStore((programFolder + "Themes.dat").toStdString());
    if (!read.Ok())
        dialogs.Error(FromDocumentText(read.error));
    for (const auto& theme : read.store->Items())
        lstThemes.addItem(FromDocumentText(theme->ThemeName));
    return std::move(read.store);
}

} // namespace tarvin
