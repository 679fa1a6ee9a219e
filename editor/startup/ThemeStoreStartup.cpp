#include "editor/startup/ThemeStoreStartup.h"

#include "look/ThemeTexts.h"
#include "platform/Dialogs.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QListWidget>

namespace tarvin {

std::unique_ptr<TWebTheme> LoadThemeStore(const QString& programFolder, QListWidget& lstThemes, Dialogs& dialogs)
{
    const QString path = programFolder + theme_texts::StoreFileName;
    ThemeStoreReadResult read = LoadThemeStore(path.toStdString());
    if (!read.Ok())
        dialogs.Error(QString(theme_texts::ReadFailed).arg(QDir::toNativeSeparators(path), FromDocumentText(read.error)));
    for (const auto& theme : read.store->Items())
        lstThemes.addItem(FromDocumentText(theme->ThemeName));
    return std::move(read.store);
}

} // namespace tarvin
