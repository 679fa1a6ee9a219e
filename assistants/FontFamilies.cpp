#include "assistants/FontFamilies.h"

#include <QSet>

namespace tarvin {

QString PlainFamilyName(const QString& family)
{
    if (!family.endsWith(QLatin1Char(']')))
        return family;
    const qsizetype open = family.lastIndexOf(QLatin1String(" ["));
    return open > 0 ? family.left(open) : family;
}

QStringList PlainFamilyNames(const QStringList& families)
{
    QStringList plain;
    QSet<QString> seen;
    for (const QString& family : families) {
        const QString name = PlainFamilyName(family);
        if (!seen.contains(name)) {
            seen.insert(name);
            plain << name;
        }
    }
    return plain;
}

} // namespace tarvin
