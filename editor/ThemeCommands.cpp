// The page themes in the main window: the theme list beside the preview, the
// theme editor behind "Edit Themes" and "Choose Page Theme", and saving the
// store after the editor.

#include "editor/Glyphs.h"
#include "editor/MainWindow.h"
#include "look/TfrmTheme.h"
#include "look/ThemeStore.h"
#include "look/ThemeTexts.h"
#include "platform/CursorGuard.h"
#include "platform/Dialogs.h"
#include "platform/ListBoxHrz.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QSignalBlocker>
#include <QToolButton>

namespace tarvin {

namespace {

// A page theme found by name, letter case ignored; -1 when none has it.
int RowNamed(const QListWidget& list, const QString& name)
{
    const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchFixedString);
    return found.isEmpty() ? -1 : list.row(found.first());
}

} // namespace

TPagePropertiesBlock& TfrmMain::PageDetails()
{
    return document_->Page().Items(0).PagePropertiesBlock();
}

// Programmatic selections stay quiet: only the user's choice applies a theme.
void TfrmMain::SelectTheme(const std::string& themeName)
{
    const QSignalBlocker quiet(lstThemes);
    lstThemes->SelectRow(RowNamed(*lstThemes, FromDocumentText(themeName)));
}

void TfrmMain::ApplySelectedTheme(int row)
{
    ApplyTheme(themes_->Items().Items(row), PageDetails());
    modified_ = true;
}

void TfrmMain::lstThemesClick()
{
    const int row = lstThemes->SelectedRow();
    if (row < 0)
        return;
    try {
        ApplySelectedTheme(row);
    } catch (const EListError&) {
        return;  // a page without its details item
    }
    btnCreateClick(1);
}

void TfrmMain::btnThemeClick(const QObject* sender)
{
    std::unique_ptr<TfrmTheme> editor;
    try {
        {
            const HourglassCursor hourglass;
            editor = std::make_unique<TfrmTheme>(*themes_, dialogs_, programFolder_,
                                                 QCursor(NewDragCursor(), 0, 0), this);
            editor->SetResourceFolder(resourceFolder_);
            editor->SelectTheme(FromDocumentText(PageDetails().ThemeName));
        }
        const bool ok = editor->exec() == QDialog::Accepted;
        ThemeEditorClosed(*editor);
        if (!ok || editor->SelectedRow() < 0)
            return;
        ApplySelectedTheme(editor->SelectedRow());
        if (sender == btnThemeEdit)
            lstThemesClick();
    } catch (const std::exception&) {
        // Failures here pass without a message; the guards free the editor
        // and restore the cursor.
    }
}

// FormClose of the editor, whichever way it closed: a changed store is saved
// and listed, and the main list takes the editor's selection.
void TfrmMain::ThemeEditorClosed(const TfrmTheme& editor)
{
    const QSignalBlocker quiet(lstThemes);
    if (editor.Changed()) {
        const QString path = programFolder_ + theme_texts::StoreFileName;
        if (!SaveThemeStore(path.toStdString(), *themes_))
            dialogs_.Error(QString(theme_texts::SaveFailed).arg(QDir::toNativeSeparators(path)));
        lstThemes->clear();
        lstThemes->addItems(editor.Names());
    }
    lstThemes->SelectRow(editor.SelectedRow());
    if (QListWidgetItem* selected = lstThemes->currentItem())
        lstThemes->scrollToItem(selected, QAbstractItemView::PositionAtTop);
}

} // namespace tarvin
