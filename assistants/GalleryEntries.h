#pragma once
// What the template gallery lists: the templates in Templates/ and the saved
// page documents in TarvinFiles/, each kept as a caption (the file name
// without its extension) and its kind, from which its files follow.

#include <QString>
#include <vector>

namespace tarvin {

// The values are the entries' icon indexes.
enum class EntryKind { Template = 0, Document = 1 };

struct GalleryEntry {
    QString caption;
    EntryKind kind = EntryKind::Template;
};

class GalleryFolders {
public:
    // programFolder ends with '/'.
    explicit GalleryFolders(QString programFolder) : programFolder_(std::move(programFolder)) {}

    // The folder of an entry's file and preview page, with a trailing '/'.
    QString FolderOf(EntryKind kind) const;
    QString FileOf(const GalleryEntry& entry) const;

    // Templates first, then page documents, each by name.
    std::vector<GalleryEntry> List() const;

    // Deletes the entry's file and its preview page; false when the file was
    // not there or could not be deleted, and the entry stays listed.
    bool Delete(const GalleryEntry& entry) const;

private:
    void ListFolder(EntryKind kind, std::vector<GalleryEntry>& entries) const;

    QString programFolder_;
};

// The preview page beside a file: the path up to its last full stop, with
// ".html" (the HTML copy written when the page or template was saved).
QString PreviewBeside(const QString& path);

} // namespace tarvin
