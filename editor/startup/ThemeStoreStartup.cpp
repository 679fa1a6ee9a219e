#include "editor/startup/ThemeStoreStartup.h"

#include "look/ThemeTexts.h"
#include "platform/Dialogs.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QListWidget>

namespace tarvin {

std::unique_ptr<TWebTheme> LoadThemeStore(const QString& programFolder, Dialogs& dialogs)
{
    const QString path = programFolder + theme_texts::StoreFileName;
    ThemeStoreReadResult read = LoadThemeStore(path.toStdString());
    if (!read.Ok())
        dialogs.Error(QString(theme_texts::ReadFailed).arg(QDir::toNativeSeparators(path), FromDocumentText(read.error)));
    return std::move(read.store);
}

void ListThemes(const TWebTheme& store, QListWidget& lstThemes)
{
    for (const auto& theme : store.Items())
        lstThemes.addItem(FromDocumentText(theme->ThemeName));
}

} // namespace tarvin
