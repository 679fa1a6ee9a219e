#include "assistants/GalleryEntries.h"

#include "document/TextUtil.h"

#include <QDir>
#include <QFile>

namespace tarvin {

namespace {

QString Extension(EntryKind kind) {
    return kind == EntryKind::Template ? QStringLiteral(".tvt") : QStringLiteral(".tvd");
}

} // namespace

QString GalleryFolders::FolderOf(EntryKind kind) const {
    return programFolder_ + (kind == EntryKind::Template ? QStringLiteral("Templates/") : QStringLiteral("TarvinFiles/"));
}

QString GalleryFolders::FileOf(const GalleryEntry& entry) const {
    return FolderOf(entry.kind) + entry.caption + Extension(entry.kind);
}

std::vector<GalleryEntry> GalleryFolders::List() const {
    std::vector<GalleryEntry> entries;
    ListFolder(EntryKind::Template, entries);
    ListFolder(EntryKind::Document, entries);
    return entries;
}

void GalleryFolders::ListFolder(EntryKind kind, std::vector<GalleryEntry>& entries) const {
    // Only names ending in exactly ".tvt" or ".tvd": a caption must lead back
    // to its file, and "x.TVT" or "notes_tvt" would not.
    const QString extension = Extension(kind);
    const QStringList names = QDir(FolderOf(kind)).entryList({QLatin1Char('*') + extension},
                                                             QDir::Files | QDir::Hidden | QDir::CaseSensitive,
                                                             QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) entries.push_back({name.chopped(extension.size()), kind});
}

bool GalleryFolders::Delete(const GalleryEntry& entry) const {
    const QString file = FileOf(entry);
    if (!QFile::remove(file)) return false;
    QFile::remove(PreviewBeside(file));
    return true;
}

QString PreviewBeside(const QString& path) {
    return QString::fromStdString(StripExtension(path.toStdString())) + QStringLiteral(".html");
}

} // namespace tarvin
