#pragma once
// The small modal dialog with three faces: a font chooser for the heading and
// paragraph memos, a meta tag editor for the page details, and the list of
// addresses in a Netscape bookmark file.
//
// The caller creates it, sets the mode (and, for the font and meta faces, the
// starting values), calls exec() and, when that returns QDialog::Accepted,
// reads the result:
//
//   TfrmMisc dialog(openDialog, QDir::homePath(), parent);
//   dialog.SetDialogMode(dmFont);
//   dialog.SetSample(font, shownColor);         // font face
//   if (dialog.exec() == QDialog::Accepted) font = dialog.SampleFont();
//
//   dialog.SetDialogMode(dmMeta);
//   dialog.SelectMetaName("Description");        // no row when not in the list
//   dialog.SetMetaContent(content);
//   ... dialog.MetaName(), dialog.MetaContent()
//
//   dialog.SetDialogMode(dmBookmarks);           // finds and reads the file itself
//   ... dialog.SelectedBookmark()                 // std::nullopt when no row
//
// exec() first prepares the face (FormShow); the bookmarks face may close as
// cancelled at once, without being shown.

#include <QColor>
#include <QDialog>
#include <QDir>
#include <QFont>
#include <QString>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace tarvin {

class SharedOpenDialog;

enum TMiscDialogMode { dmFont = 0, dmBookmarks = 1, dmMeta = 2 };

class TfrmMisc : public QDialog {
    Q_OBJECT
public:
    // openDialog: the main window's shared open dialog, used (with its
    // prompts) when the bookmark file has to be found by hand.
    // homeFolder: where bookmark files are looked for.
    explicit TfrmMisc(SharedOpenDialog& openDialog, QString homeFolder = QDir::homePath(),
                      QWidget* parent = nullptr);

    void SetDialogMode(TMiscDialogMode mode) { mode_ = mode; }
    TMiscDialogMode DialogMode() const { return mode_; }

    // Font face. The Color button opens the colour picker with the sample's
    // colour; after OK there, SampleColor() is the picked colour.
    void SetSample(const QFont& font, const QColor& color);
    // Where the colour picker finds its palettes (in Palettes/); ends in "/".
    // The executable's folder unless set.
    void SetProgramFolder(const QString& folder) { programFolder_ = folder; }
    QFont SampleFont() const;
    QColor SampleColor() const;

    // Meta face.
    void SelectMetaName(const QString& name);
    void SetMetaContent(const QString& content);
    // The chosen name; the name given by SelectMetaName when no row is chosen,
    // so editing a tag with a name the list lacks keeps its name.
    QString MetaName() const;
    QString MetaContent() const;

    // Bookmarks face: adds a row for each address in the file; false when the
    // file is missing or cannot be read (rows added before stay).
    bool ReadBookmarkFile(const QString& path);
    std::optional<QString> SelectedBookmark() const;

    // Sets up the face chosen by the mode; false when the dialog is to close
    // as cancelled without being shown.
    bool FormShow();
    int exec() override;

private:
    QWidget* BuildFontPanel();
    QWidget* BuildMetaPanel();
    void ShowFontFace();
    void ShowMetaFace();
    bool ShowBookmarksFace();
    void FinishBookmarkList();
    void SetSampleStyle(void (QFont::*setStyle)(bool), bool on);
    void UpdateOkForMeta();
    void PickSampleColor();
    void SetSampleColor(const QColor& color);

    SharedOpenDialog& openDialog_;
    QString homeFolder_;
    QString programFolder_;
    TMiscDialogMode mode_ = dmBookmarks;
    QString givenMetaName_;

    QStackedWidget* pages_;
    QListWidget* lstBookmarks_;
    QWidget* pnlFont_;
    QWidget* pnlMeta_;
    QComboBox* cbName_;
    QComboBox* cbSize_;
    QPushButton* btnBold_;
    QPushButton* btnItalic_;
    QPushButton* btnUnderline_;
    QPushButton* btnColor_;
    QLabel* lblPreview_;
    QLineEdit* txtMetaContent_;
    QComboBox* cbMetaName_;
    QPushButton* btnOK_;
    QPushButton* btnCancel_;
};

} // namespace tarvin
