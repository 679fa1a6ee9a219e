#pragma once
// The template gallery behind the Open command: lists the templates in
// Templates/ and the saved pages in TarvinFiles/, previews the HTML copy
// beside the selected file, browses for any other file and deletes entries
// with their preview pages. It opens nothing itself: the caller reads the
// chosen file.
//
//   if (std::optional<QString> chosen = TfrmTemplates::Choose(openDialog, programFolder, this))
//       LoadDocument(*chosen);

#include "assistants/GalleryEntries.h"

#include <QDialog>
#include <QString>
#include <optional>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tarvin {

class HtmlViewer;
class SharedOpenDialog;

class TfrmTemplates : public QDialog {
    Q_OBJECT
public:
    // openDialog: the main window's shared open dialog, used by Browse; its
    // prompts ask the delete question. programFolder ends with '/'.
    TfrmTemplates(SharedOpenDialog& openDialog, const QString& programFolder, QWidget* parent = nullptr);

    // Builds the gallery under the hourglass, then shows it modally; the
    // chosen file when it closes with OK.
    static std::optional<QString> Choose(SharedOpenDialog& openDialog, const QString& programFolder,
                                         QWidget* parent = nullptr);

    // The file last selected in the list or browsed; empty at first. A
    // deletion leaves it as it was (and disables OK).
    const QString& SelectedFile() const { return selectedFile_; }

    void btnBrowseClick();
    void btnDeleteClick();

private:
    void FormCreate();
    void SelectEntry(const QListWidgetItem* item);
    void Pick(const QString& file, const QString& folder);
    GalleryEntry EntryOf(const QListWidgetItem* item) const;
    QListWidgetItem* SelectedItem() const;

    SharedOpenDialog& openDialog_;
    GalleryFolders folders_;
    QString selectedFile_;

    QListWidget* lstTemplates_;
    HtmlViewer* viewer_;
    QPushButton* btnOK_;
};

} // namespace tarvin
