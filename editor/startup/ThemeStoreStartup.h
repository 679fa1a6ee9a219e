#pragma once
// LoadThemeStore at start-up: the theme store from Themes.dat in the program
// folder; its theme names go into the theme list when that is built.

#include "look/ThemeStore.h"

#include <QString>
#include <memory>

class QListWidget;

namespace tarvin {

class Dialogs;

// A missing or unreadable file is reported and gives an empty store; the
// start-up goes on either way.
std::unique_ptr<TWebTheme> LoadThemeStore(const QString& programFolder, Dialogs& dialogs);
// The store's theme names, in its order.
void ListThemes(const TWebTheme& store, QListWidget& lstThemes);

} // namespace tarvin
