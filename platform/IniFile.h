#pragma once
// Reading initialization files (".url" shortcuts and the like) as the
// desktop's own profile functions do: section and key names compared without
// regard to case, blanks around names and values dropped, one pair of
// enclosing quotes taken off a value, lines starting with ";" ignored.

#include <QString>

namespace tarvin {

// The value of key in section; empty when the file, the section or the key is missing.
QString ReadIniString(const QString& path, const QString& section, const QString& key);

} // namespace tarvin
