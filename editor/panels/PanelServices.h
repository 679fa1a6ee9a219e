#pragma once
// What the block panels need of the main window.

#include <QString>

namespace tarvin {

class Dialogs;
class LinkSources;
class MiscDialogs;
class SharedOpenDialog;

struct PanelServices {
    Dialogs& dialogs;
    SharedOpenDialog& openDialog;
    MiscDialogs& misc;
    LinkSources& linkSources;
    QString programFolder;  // with a trailing '/'
};

} // namespace tarvin
