#pragma once
// The theme editor ("Page Themes"): add, edit, delete and reorder the themes
// of the store, with their colours, background picture and left margin.
//
// The caller creates it for one modal showing over the store, selects the
// page's theme, runs it, and afterwards saves the store when Changed() and
// takes the names and the selection back into its own theme list:
//
//   TfrmTheme editor(store, dialogs, programFolder, dragCursor, parent);
//   editor.SelectTheme(pageThemeName);
//   const bool ok = editor.exec() == QDialog::Accepted;
//
// Every change is made in the store at once, so Cancel undoes nothing; it
// only tells the caller to apply no theme.

#include "document/PageModel.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QToolButton;

namespace tarvin {

class Dialogs;
class TThemeItem;
class TWebTheme;
class ThemeList;
class ThemeSample;

class TfrmTheme : public QDialog {
    Q_OBJECT
public:
    // The list shows the store's theme names in store order, so a list row is
    // a store position. programFolder ends in "/"; its Upload/backgrounds/
    // holds the pictures.
    TfrmTheme(TWebTheme& store, Dialogs& dialogs, const QString& programFolder, const QCursor& dragCursor,
              QWidget* parent = nullptr);

    // Where the colour picker finds the shipped palettes (in Palettes/); ends
    // in "/". The program folder unless set.
    void SetResourceFolder(const QString& folder) { resourceFolder_ = folder; }

    // Selects the theme of that name, letter case ignored, scrolled to the
    // top; no selection when none has it.
    void SelectTheme(const QString& name);
    int SelectedRow() const;
    QStringList Names() const;
    // Set by Apply, Delete and a move; the store wants saving.
    bool Changed() const { return changed_; }

    void lstEditThemesClick();
    void btnAddClick();
    void btnEditClick();
    void btnRemoveClick();
    void btnApplyClick();
    void btnBackClick();
    void btnBackgroundClick();
    void btnClearClick();
    void lblBGColorDblClick(QLabel* label);
    void lstEditThemesDragDrop(QPoint position);

    ThemeList* lstEditThemes;
    QPushButton* btnAdd;
    QPushButton* btnRemove;
    QPushButton* btnEdit;
    ThemeSample* sample;
    QLabel* lblWelcome;
    QFrame* pnlEdit;
    QLineEdit* txtDescription;
    QLineEdit* txtBackground;
    QToolButton* btnBackground;
    QToolButton* btnClear;
    QSpinBox* updnLeftMargin;
    QLineEdit* txtLeftMargin;  // the spin control's text box
    QPushButton* btnApply;
    QPushButton* btnBack;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { Browsing, Adding, Editing };

    QWidget* BuildEditPanel();
    void ShowEditPanel(Mode mode, const char* caption);
    void SetBrowseControlsEnabled(bool enabled);
    bool NameTaken(const QString& name) const;
    QString CopyChosenPicture();
    void StoreInto(TThemeItem& theme);
    void ShowPictureOf(const std::string& fileName);
    QString BackgroundsFolder() const;

    TWebTheme& store_;
    Dialogs& dialogs_;
    const QString programFolder_;
    QString resourceFolder_;
    Mode mode_ = Mode::Browsing;
    bool changed_ = false;
    bool newImage_ = false;
    QString picturePath_;  // the picture on show, empty for none
    QStackedWidget* editArea_;
};

} // namespace tarvin
