#include "assistants/BookmarkFile.h"

#include <QFileInfo>

namespace tarvin {

QStringList BookmarkAddresses(const QString& line) {
    static const QString kAttribute = QStringLiteral("HREF=\"");
    QStringList addresses;
    QString rest = line;
    for (qsizetype at; (at = rest.indexOf(kAttribute, 0, Qt::CaseInsensitive)) >= 0;) {
        rest = rest.mid(at + kAttribute.size());
        qsizetype end = rest.indexOf(QLatin1Char('"'));
        if (end < 0) end = rest.indexOf(QLatin1Char(' '));
        addresses << rest.left(qMax<qsizetype>(end, 0));
        // Without an end nothing is consumed; no quote is left either, so the loop ends.
        rest = rest.mid(end + 1);
    }
    return addresses;
}

namespace {

// The profile folders below base, depth levels down, in name order.
QStringList FoldersBelow(const QString& base, int depth) {
    QStringList level{base};
    for (int i = 0; i < depth; ++i) {
        QStringList next;
        for (const QString& folder : level) {
            const QDir dir(folder);
            for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
                next << dir.filePath(name);
        }
        level = next;
    }
    return level;
}

} // namespace

QString FindBookmarkFile(const QString& homeFolder) {
    const QDir home(homeFolder);
    QStringList candidates{home.filePath(".netscape/bookmarks.html"), home.filePath(".netscape/bookmark.htm")};
    // Firefox and SeaMonkey: .mozilla/<browser>/<profile>/; the Mozilla suite
    // adds a salted folder below the profile.
    for (int depth : {2, 3})
        for (const QString& profile : FoldersBelow(home.filePath(".mozilla"), depth))
            candidates << QDir(profile).filePath("bookmarks.html");
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile()) return path;
    return {};
}

} // namespace tarvin
