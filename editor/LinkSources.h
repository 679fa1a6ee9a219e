#pragma once
// Browse, Favorites and Netscape Bookmarks: the three commands that fill a
// link box (the link panel's address, the image panel's link) from outside.

#include <QString>

class QLineEdit;

namespace tarvin {

class MiscDialogs;
class SharedOpenDialog;

class LinkSources {
public:
    LinkSources(SharedOpenDialog& openDialog, MiscDialogs& misc) : openDialog_(openDialog), misc_(misc) {}

    // A local file's full path, the open dialog opened as its last use left it.
    void Browse(QLineEdit* target);
    // The address of an Internet shortcut (".url") file.
    void Favorites(QLineEdit* target);
    void Bookmarks(QLineEdit* target);

private:
    SharedOpenDialog& openDialog_;
    MiscDialogs& misc_;
};

} // namespace tarvin
