#pragma once
// Netscape bookmark files: where one is kept on this platform, and the
// addresses written in it.

#include <QDir>
#include <QString>
#include <QStringList>

namespace tarvin {

// The addresses of the HREF=" attributes (any letter case) in one line, in
// order. An address ends at its closing double quote or, without one, at the
// first blank after it; with neither it is empty.
QStringList BookmarkAddresses(const QString& line);

// There is no browser registry here: the bookmark file is looked for where
// Netscape and Mozilla browsers keep it in the home folder (~/.netscape, then
// the profiles below ~/.mozilla). Empty when there is none.
QString FindBookmarkFile(const QString& homeFolder = QDir::homePath());

} // namespace tarvin
