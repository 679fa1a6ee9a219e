#pragma once
// The font names the font dialog offers. The font database tells families of
// the same name from different foundries apart as "Nimbus Sans [urw]"; a web
// page's FACE attribute needs the plain family name, which browsers match.

#include <QStringList>

namespace tarvin {

// The family name without a trailing " [foundry]".
QString PlainFamilyName(const QString& family);
// Each plain family name once, in the order of its first appearance.
QStringList PlainFamilyNames(const QStringList& families);

} // namespace tarvin
